// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The quick route for batch lines: the common line goes from its bytes straight to its result
// line, without the form texts.
#pragma once

#include <string>
#include <string_view>

namespace ridi::cli {

// For a batch line (without its line break) FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE in the common
// form, appends to `output` the result line "LENGTH<TAB>CORRECTED\n" that the calculation gives
// for it, byte for byte, and returns true. The common form: frequency and count plain decimals
// (at most 15 digits and one ".", no sign, blank or exponent), a frequency other than 0, a cable
// named exactly as in the catalogue, at most one CR at the end. Any other line, and any line
// whose result lies close to a half of the last shown digit, is declined: nothing is appended,
// the result is false, and the general path answers it (with its messages and warnings).
bool try_fast_line(std::string_view line, std::string& output);

} // namespace ridi::cli
