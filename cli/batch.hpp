// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc --batch: a line of input in, a line of answer out, as the lines arrive.
#pragma once

#include "vocabulary.hpp"

#include <cstddef>
#include <iosfwd>

namespace ridi::cli {

// Batch lines longer than this give an error line; the tool keeps no more of a line in memory.
inline constexpr std::size_t max_batch_line = std::size_t{16} << 20;

// Batch mode: one result line per input line "FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE" (without
// CABLE when options.velocity_factor is set), as "LENGTH<TAB>CORRECTED" or "error<TAB>MESSAGE";
// an empty line is answered by an empty line and a line starting with "#" by itself. A UTF-8
// byte order mark at the start is skipped. Every complete line is answered before the next read
// that could wait for input. Warnings about cables not in the catalogue go to `err`. Returns
// exit_ok, exit_calc_error, or exit_io_error when `in` fails (a line cut short by the failure is
// not computed) or `out` does. A failing read is an exception of the std::runtime_error family
// from `in`'s stream buffer; any other exception is passed on as a fault of the tool.
// Lines whose first field is "stub" or "which" are answered as stub_lines says, with `stub`'s
// options.
int run_batch(std::istream& in, std::ostream& out, std::ostream& err,
              const calc_options& options = {}, const stub_options& stub = {});

} // namespace ridi::cli
