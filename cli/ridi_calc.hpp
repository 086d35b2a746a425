// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc: the calculation from the command line and from scripts.
#pragma once

#include "ridi/units.hpp"

#include <cstddef>
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

// Batch mode names at most this many cables that are not in the catalogue, then counts the rest.
inline constexpr std::size_t max_cable_warnings = 20;

// Batch lines longer than this give an error line; the tool keeps no more of a line in memory.
inline constexpr std::size_t max_batch_line = std::size_t{16} << 20;

// Runs ridi-calc with `args` (the arguments after the program name), reading `in` only in
// batch mode. Returns the exit status; a failure to read `in` or to write `out` is reported on
// `err` and gives exit_io_error, and an exception from within the tool (out of memory, a fault)
// is reported there and gives exit_internal_error, the results written before it kept.
int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err);

// Batch mode: one result line per input line "FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE" (without
// CABLE when options.velocity_factor is set), as "LENGTH<TAB>CORRECTED" or "error<TAB>MESSAGE";
// an empty line is answered by an empty line and a line starting with "#" by itself. A UTF-8
// byte order mark at the start is skipped. Every complete line is answered before the next read
// that could wait for input. Warnings about cables not in the catalogue go to `err`. Returns
// exit_ok, exit_calc_error, or exit_io_error when `in` fails (a line cut short by the failure is
// not computed) or `out` does. A failing read is an exception of the std::runtime_error family
// from `in`'s stream buffer; any other exception is passed on as a fault of the tool.
int run_batch(std::istream& in, std::ostream& out, std::ostream& err,
              const calc_options& options = {});

} // namespace ridi::cli
