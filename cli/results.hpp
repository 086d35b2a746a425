// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The answers of ridi-calc FREQUENCY QUARTER_WAVES: both lengths for one cable, the table of
// every cable in the catalogue, the catalogue itself (--cables), and the warning about a cable
// not in it, which batch mode gives as well.
#pragma once

#include "vocabulary.hpp"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace ridi::cli {

// Both lengths for the cable named `cable`, or, without one, for the factor of --vf. Prints a
// calculation error on `err` (exit_calc_error), and a warning there for a cable not in the
// catalogue.
int run_single(std::string_view frequency, std::string_view quarter_waves,
               std::optional<std::string_view> cable, const calc_options& options,
               std::ostream& out, std::ostream& err);

// The free-space length, then the corrected length for every cable in the catalogue.
int run_table(std::string_view frequency, std::string_view quarter_waves,
              const calc_options& options, std::ostream& out, std::ostream& err);

// --cables: each cable of the catalogue with its velocity factor.
void list_cables(std::ostream& out);

// The warning for a cable not in the catalogue, after "ridi-calc: " and any line number.
std::string cable_warning(std::u16string_view cable_text);

} // namespace ridi::cli
