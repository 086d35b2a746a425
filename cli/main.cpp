// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef SIGPIPE
    // A closed pipe is a failed write, reported with status 3, rather than the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        return ridi::cli::run(args, std::cin, std::cout, std::cerr);
    } catch (...) { // the argument list, out of memory: run() reports its own faults
        std::cerr << "ridi-calc: out of memory\n";
        return ridi::cli::exit_internal_error;
    }
}
