// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc at the measuring bench: --measure finds the velocity factor of a measured piece of
// cable, --trim says how much to cut off a stub, on the command line and as batch lines.
#pragma once

#include "batch_line.hpp"

#include "ridi/units.hpp"

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace ridi::cli {

// "--measure" or "--trim".
bool is_measuring_mode(std::string_view arg) noexcept;

// What is wrong with the arguments of a bench mode (the positional arguments, and whether --vf
// was given), for a usage error; empty when they fit.
std::string measuring_usage_problem(std::string_view mode, std::span<const std::string_view> args,
                                    bool with_velocity_factor);

// Runs --measure LENGTH FREQUENCY [QUARTER_WAVES] or --trim LENGTH MEASURED TARGET with
// arguments that measuring_usage_problem accepted, LENGTH in `unit`. Prints the result, or the
// error on `err` (exit_calc_error).
int run_measuring(std::string_view mode, std::span<const std::string_view> args, length_unit unit,
                  std::ostream& out, std::ostream& err);

// The bench lines of batch mode: "measure<TAB>LENGTH<TAB>FREQUENCY[<TAB>QUARTER_WAVES]", answered
// by "FACTOR", and "trim<TAB>LENGTH<TAB>MEASURED<TAB>TARGET", answered by "CUT_TO<TAB>CUT_OFF";
// "error<TAB>MESSAGE" for a fault. A line whose first field is a number is no bench line.
class measuring_lines {
public:
    measuring_lines(length_unit unit, std::ostream& err) : unit_(unit), err_(err) {}

    // Whether the first field of `line` names a bench form.
    static bool takes(const batch_line& line) noexcept;

    // Appends the answer to `line` and a line break to `output`; false for an error line. Warns
    // on `err` about an unusual factor, naming `line_number`.
    bool answer(const batch_line& line, std::size_t line_number, std::string& output);

    // After the last line: how many more unusual factors there were than were named.
    void finish();

private:
    length_unit unit_;
    std::ostream& err_;
    std::size_t warnings_ = 0;
};

} // namespace ridi::cli
