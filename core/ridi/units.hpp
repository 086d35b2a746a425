// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths in the units a cable is cut in: metres, centimetres, millimetres, inches, feet, and
// feet and inches to the sixteenth.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ridi {

enum class length_unit {
    metres,      // "m": three decimals, as the window shows
    centimetres, // "cm": two decimals
    millimetres, // "mm": one decimal
    inches,      // "in": two decimals
    feet,        // "ft": three decimals
    feet_inches, // "ft-in": "5 ft 7 3/8 in", to the nearest sixteenth of an inch
};

// The unit a name on the command line stands for ("m", "cm", "mm", "in", "ft", "ft-in").
std::optional<length_unit> length_unit_from_name(std::string_view name) noexcept;

// A length in metres shown in `unit`. The conversion is exact (1 in = 0.0254 m, 1 ft = 0.3048 m)
// and rounds once, at the last digit or sixteenth shown, halves away from zero; no "-" on a
// result that shows as zero. Metres give format_fixed(metres, 3). Throws a calc_error
// (overflow) when the length in `unit` is beyond the double range; `metres` must be finite.
std::string format_length(double metres, length_unit unit);

} // namespace ridi
