// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths in the units a cable is cut in: metres, centimetres, millimetres, inches, feet, and
// feet and inches to the sixteenth.
#pragma once

#include "ridi/error.hpp"
#include "ridi/number_text.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace ridi {

enum class length_unit {
    metres,      // "m": three decimals, as calc_cmd_Click writes a length
    centimetres, // "cm": two decimals
    millimetres, // "mm": one decimal
    inches,      // "in": two decimals
    feet,        // "ft": three decimals
    feet_inches, // "ft-in": "5 ft 7 3/8 in", to the nearest sixteenth of an inch
};

// The unit a short name stands for ("m", "cm", "mm", "in", "ft", "ft-in": length_unit_name);
// none for any other text.
std::optional<length_unit> length_unit_from_name(std::string_view name) noexcept;

// A length in metres shown in `unit`. The conversion is exact (1 in = 0.0254 m, 1 ft = 0.3048 m)
// and rounds once, at the last digit or sixteenth shown, halves away from zero; no "-" on a
// result that shows as zero. Metres give format_fixed(metres, 3). Throws a calc_error
// (overflow) when the length in `unit` is beyond the double range; `metres` must be finite.
std::string format_length(double metres, length_unit unit);

// The unit's short name, as a length shown with its unit ends: "m", "cm", ..., "ft-in".
std::string_view length_unit_name(length_unit unit) noexcept;

// A length's text as a message or heading shows it, followed by its unit's name: "0.005 m";
// feet and inches, "1 ft 7 1/2 in", name themselves.
std::string with_unit_name(std::string text, length_unit unit);

// How feet and inches are written for read_length, as messages and hints say it.
inline constexpr std::string_view feet_inches_forms =
    "12'3.5\" or 12ft 3.5in, or one part alone (12', 3.5in)";

// A length typed at the bench, in the measure of `unit`: metres, centimetres, millimetres,
// inches or feet as a number (number_from_text, "." as the decimal point; a number too small
// for a double is an error), and for feet and inches the length in inches from whole or decimal
// feet and inches written 12'3.5" or 12ft 3.5in, either part alone (12', 3.5in), blanks
// between the parts allowed, "ft" and "in" in any case, and the inches also as a fraction as
// format_length writes them (1 ft 7 1/2 in). Throws a calc_error naming `field` for any other
// text. The sign is not checked: "-1" reads as -1. `options` may accept a decimal comma in the
// numbers; a number too small for a double is refused whatever they say.
double read_length(std::u16string_view text, length_unit unit, error_field field,
                   number_options options = {});

// A length in the measure of `unit` (inches for feet and inches, as read_length gives it) as
// text in that unit, with the decimals of format_length: format_fixed for the units with a
// decimal point, the nearest sixteenth (halves away from zero) for feet and inches.
std::string format_in_unit(double length, length_unit unit);

// The smallest length other than 0 that format_in_unit shows, in the measure of `unit`: 0.001
// for metres, 0.01 for centimetres, ..., 1/16 for feet and inches (in inches).
double smallest_shown(length_unit unit) noexcept;

// A length in the measure of `unit` in metres, by the exact factor (1 in = 0.0254 m), rounded
// once or twice.
double metres_from_unit(double length, length_unit unit) noexcept;

} // namespace ridi
