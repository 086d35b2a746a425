// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#if defined(_LIBCPP_VERSION)
#include <array>
#include <cerrno>
#include <streambuf>
#include <unistd.h>
#endif

namespace {

#if defined(_LIBCPP_VERSION)
// Standard input for libc++ (ridi-calc.js among others), whose std::cin takes a failed read
// for the end of the input: here a failed read fails the stream, which ridi-calc reports with
// status 3, as it does where std::cin reports it.
class standard_input_buffer final : public std::streambuf {
protected:
    int_type underflow() override {
        if (gptr() == egptr()) {
            ssize_t read = 0;
            do {
                read = ::read(STDIN_FILENO, buffer_.data(), buffer_.size());
            } while (read < 0 && errno == EINTR);
            if (read < 0) {
                throw std::ios_base::failure("standard input cannot be read");
            }
            if (read == 0) {
                return traits_type::eof();
            }
            setg(buffer_.data(), buffer_.data(), buffer_.data() + read);
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    std::array<char, 1 << 16> buffer_{};
};

std::istream& standard_input() {
    static standard_input_buffer buffer;
    static std::istream input(&buffer);
    return input;
}
#else
std::istream& standard_input() {
    return std::cin;
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
        return ridi::cli::run(args, standard_input(), std::cout, std::cerr);
    } catch (...) { // the argument list, out of memory: run() reports its own faults
        std::cerr << "ridi-calc: out of memory\n";
        return ridi::cli::exit_internal_error;
    }
}
