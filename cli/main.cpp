// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#if defined(_LIBCPP_VERSION)
#include "byte_stream.hpp"

#include <unistd.h>
#endif

namespace {

struct standard_streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

#if defined(_LIBCPP_VERSION)
// For libc++ (ridi-calc.js among others), whose std::cin takes a failed read for the end of
// the input, the standard file descriptors' bytes: a failed read fails the input, which
// ridi-calc reports with status 3, as it does where std::cin reports it.
standard_streams standard() {
    static ridi::cli::byte_stream in_bytes(STDIN_FILENO);
    static ridi::cli::byte_stream out_bytes(STDOUT_FILENO);
    static ridi::cli::byte_stream err_bytes(STDERR_FILENO);
    static std::istream in(&in_bytes);
    static std::ostream out(&out_bytes);
    static std::ostream err(&err_bytes);
    err.setf(std::ios::unitbuf);
    return {in, out, err};
}
#else
standard_streams standard() {
    return {std::cin, std::cout, std::cerr};
}
#endif

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef SIGPIPE
    // A closed pipe is a failed write, reported with status 3, rather than the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        const standard_streams streams = standard();
        return ridi::cli::run(args, streams.in, streams.out, streams.err);
    } catch (...) { // the argument list, out of memory: run() reports its own faults
        std::cerr << "ridi-calc: out of memory\n";
        return ridi::cli::exit_internal_error;
    }
}
