// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// format_fixed's text written into the caller's storage, without allocating: what show_number
// writes a caption with. Internal to the core.
#pragma once

#include "ridi/number_text.hpp"
#include "ridi/plain_decimal.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace ridi {

using fixed_text = std::array<char, max_fixed_text>;

// Writes `value` rounded to `decimals` places (0 to 9) into `out`, from its shortest round-trip
// digits; returns the length. Throws std::domain_error for an infinity or NaN.
std::size_t format_shortest_into(double value, int decimals, fixed_text& out);

// The text of format_shortest_into, without producing the shortest digits where round_scaled
// is certain of the rounding.
template <typename Char> std::size_t format_into(double value, int decimals, Char* out) {
    std::uint64_t rounded = 0;
    if (round_scaled(value, decimals, rounded)) {
        return static_cast<std::size_t>(write_fixed(rounded, decimals, value < 0, out) - out);
    }
    fixed_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    const std::size_t length = format_shortest_into(value, decimals, text);
    std::copy_n(text.begin(), length, out);
    return length;
}

} // namespace ridi
