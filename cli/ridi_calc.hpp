// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc: the calculation from the command line and from scripts.
#pragma once

#include "ridi/units.hpp"

#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

namespace ridi::cli {

// Exit statuses of ridi-calc.
enum exit_status : int {
    exit_ok = 0,             // every calculation succeeded
    exit_calc_error = 1,     // at least one calculation gave an error
    exit_usage_error = 2,    // the arguments were not understood
    exit_io_error = 3,       // the input could not be read or the output not written
    exit_internal_error = 4, // ridi-calc itself failed: out of memory, or a fault of the tool
};

// What the calculation options on the command line ask for.
struct calc_options {
    // --vf: the user's own velocity factor, in place of a catalogue cable.
    std::optional<double> velocity_factor;
    // --unit: the unit both lengths are shown in.
    length_unit unit = length_unit::metres;
};

// Runs ridi-calc with `args` (the arguments after the program name), reading `in` only in
// batch mode. Returns the exit status; a failure to read `in` or to write `out` is reported on
// `err` and gives exit_io_error, and an exception from within the tool (out of memory, a fault)
// is reported there and gives exit_internal_error, the results written before it kept.
int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err);

} // namespace ridi::cli
