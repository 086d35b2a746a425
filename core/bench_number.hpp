// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A number typed at the bench that only a value greater than 0 can be: a length, a frequency, a
// count of quarter waves. Internal to the core.
#pragma once

#include "text_message.hpp"

#include "ridi/error.hpp"
#include "ridi/number_text.hpp"
#include "ridi/units.hpp"

#include <string_view>

namespace ridi {

struct bench_number {
    std::u16string_view text;
    error_field field;
    const char* what_to_enter; // after "must be greater than 0: "
};

inline double read_positive(const bench_number& number, double value) {
    if (!(value > 0.0)) {
        throw calc_error(error_kind::out_of_range, number.field,
                         text_message(number.field, number.text, "must be greater than 0",
                                      number.what_to_enter));
    }
    return value;
}

// A number, "." as the decimal point (or "," where `options` allow it); one too small for a
// double is an error.
inline double read_positive_number(const bench_number& number, number_options options) {
    return read_positive(number, number_from_text(number.text, number.field,
                                                  {.decimal_comma = options.decimal_comma,
                                                   .refuse_too_small = true}));
}

// A length in the measure of `unit` (read_length).
inline double read_positive_length(const bench_number& number, length_unit unit,
                                   number_options options) {
    return read_positive(number, read_length(number.text, unit, number.field, options));
}

} // namespace ridi
