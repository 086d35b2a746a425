// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc.exe: the same tool as on Linux. Windows hands the arguments over as UTF-16 (wmain);
// the tool takes them as UTF-8, and its streams carry the same bytes (windows_console.hpp).
#include "ridi_calc.hpp"
#include "windows_console.hpp"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    try {
        const std::vector<std::string> arguments = ridi::cli::windows::utf8_arguments(argc, argv);
        const std::vector<std::string_view> args(arguments.begin(), arguments.end());
        ridi::cli::windows::standard_streams streams;
        return ridi::cli::run(args, streams.in(), streams.out(), streams.err());
    } catch (...) { // the arguments or the streams, out of memory: run() reports its own faults
        std::fputs("ridi-calc: out of memory\n", stderr);
        return ridi::cli::exit_internal_error;
    }
}
