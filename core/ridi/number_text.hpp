// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as texts: a typed number read by its grammar (read_number.cpp), a number written with
// fixed decimals (format_fixed.cpp), and a number shown as a result caption with the number that
// caption reads back as (show_number.cpp). The messages about a text that is no number come from
// text_message.cpp, inside the core.
#pragma once

#include "ridi/error.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ridi {

struct number_options {
    // Also accept "," as the decimal point, for texts typed where decimals are written with
    // one. Results are always written with ".".
    bool decimal_comma = false;
    // Refuse a number other than zero that is too small for a double (1e-400), which would
    // otherwise read as 0, with a message that says it is too small.
    bool refuse_too_small = false;
};

// Number from text by the whole grammar. Accepts optional blanks (space, tab) around an
// optional sign, digits with an optional decimal point and fraction ("5", "5.", ".5",
// "435.850"), and an optional exponent ("e" or "E", optional sign, digits). Anything else throws
// a calc_error naming `field`. A number beyond the double range is an overflow; one too small for
// a double reads as the nearest double (a subnormal, or a zero with the text's sign) unless the
// options refuse it (a too_small error). Never locale-dependent.
double read_number(std::u16string_view text, error_field field, number_options options = {});

// The same for UTF-8 text, without a UTF-16 copy: the number, or the error, that read_number
// gives for the text's UTF-16 (utf8_to_utf16).
double read_number(std::string_view text, error_field field, number_options options = {});

// Number from text: read_number by the name the calculation's design gives it.
inline double number_from_text(std::u16string_view text, error_field field,
                               number_options options = {}) {
    return read_number(text, field, options);
}

// Text from number with the pattern "0.000": the shortest decimal that reads back as `value`,
// rounded to `decimals` places (0 to 9) with halves away from zero; at least one digit before the
// point, no grouping, "-" only for a result that is not zero. Throws std::domain_error
// for an infinity or NaN.
std::string format_fixed(double value, int decimals);

// The same text as format_fixed, always produced from the shortest round-trip digits; slower.
// format_fixed takes a shortcut where it gives the same text.
std::string format_fixed_from_shortest(double value, int decimals);

// Room for every text format_fixed writes: the 309 integer digits of the largest double, a
// carry, the sign, the point and up to 9 decimals.
inline constexpr std::size_t max_fixed_text = 329;
using caption_text = std::array<char16_t, max_fixed_text>;

// format_fixed with three decimals, as a result caption.
std::u16string text_from_number(double value);

// A number as a result caption shows it: the text of text_from_number, and the number that text
// reads as (number_from_text of it).
struct shown_number {
    std::u16string_view text; // views the caption_text given to show_number
    double value;
};

// text_from_number into `text`, without allocating, and the number it shows.
shown_number show_number(double value, caption_text& text);

// The same as ASCII in `text` (kept for its storage), for a UTF-8 caller; returns the number.
double show_number(double value, std::string& text);

} // namespace ridi
