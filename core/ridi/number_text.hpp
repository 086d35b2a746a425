// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two conversions between the form texts and numbers.
#pragma once

#include "ridi/error.hpp"

#include <string>
#include <string_view>

namespace ridi {

struct number_options {
    // Also accept "," as the decimal point, for users whose keypad types one. Results are
    // always written with ".".
    bool decimal_comma = false;
    // Refuse a number other than zero that is too small for a double (1e-400), which would
    // otherwise read as 0, with a message that says it is too small.
    bool refuse_too_small = false;
};

// Number from text. Accepts optional blanks (space, tab) around an optional sign, digits with
// an optional decimal point and fraction ("5", "5.", ".5", "435.850"), and an optional
// exponent ("e" or "E", optional sign, digits). Anything else throws a calc_error naming
// `field`. A number beyond the double range is an overflow; one too small for a double reads
// as the nearest double (a subnormal, or a zero with the text's sign) unless the options
// refuse it (a too_small error). Never locale-dependent.
double number_from_text(std::u16string_view text, error_field field, number_options options = {});

// Text from number with the pattern "0.000": the shortest decimal that reads back as `value`,
// rounded to `decimals` places (0 to 9) with halves away from zero; at least one digit before the
// point, no grouping, "-" only for a result that is not zero. Throws std::domain_error
// for an infinity or NaN.
std::string format_fixed(double value, int decimals);

// The same text as format_fixed, always produced from the shortest round-trip digits; slower.
// format_fixed takes a shortcut where it gives the same text.
std::string format_fixed_from_shortest(double value, int decimals);

// format_fixed with three decimals, as a form text.
std::u16string text_from_number(double value);

} // namespace ridi
