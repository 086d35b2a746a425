// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: arbitrary bytes as the standard input of ridi-calc --batch.
//
// Checks: one output line per input line (a last line without a line break counts), each
// either LENGTH<TAB>CORRECTED as shown in the window or error<TAB> and a one-line message; the
// exit status is 0 exactly when no line is an error; nothing goes to standard error.
#include "fuzz_check.hpp"

#include "ridi_calc.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

using ridi::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const std::array<std::string_view, 1> args{"--batch"};
    const int status = ridi::cli::run(args, in, out, err);

    const std::size_t expected_lines =
        static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) +
        (input.empty() || input.back() == '\n' ? 0 : 1);
    const std::string output = out.str();
    check(output.empty() || output.back() == '\n', "the output does not end with a line break");
    std::size_t lines = 0;
    bool any_error = false;
    for (std::string_view rest = output; !rest.empty(); ++lines) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (line.starts_with("error\t")) {
            any_error = true;
            check(ridi::fuzz::is_message(line.substr(6)),
                  "an error line's message is not one line");
            continue;
        }
        const std::size_t tab = line.find('\t');
        check(tab != std::string_view::npos, "a result line without a tab");
        check(ridi::fuzz::is_caption(line.substr(0, tab)), "a length is not of the form 0.000");
        check(ridi::fuzz::is_caption(line.substr(tab + 1)),
              "a corrected length is not of the form 0.000");
    }
    check(lines == expected_lines, "the output has not one line per input line");
    check(status == (any_error ? ridi::cli::exit_calc_error : ridi::cli::exit_ok),
          "the exit status does not match the error lines");
    check(err.str().empty(), "batch mode wrote to standard error");
    return 0;
}
