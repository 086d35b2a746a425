// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one error type of the calculation: what went wrong, where, and what to tell the user.
#pragma once

#include <stdexcept>
#include <string>

namespace ridi {

// Every way a calculation can fail. The window and ridi-calc show the message that comes with
// it; the kind is for code that needs to tell failures apart.
enum class error_kind {
    // A text that should hold a number does not: empty, blanks only, stray characters,
    // a comma where the decimal point "." belongs, "inf", "nan", hexadecimal.
    not_a_number,
    // A number too large for a double: in a text ("1e400"), or a length beyond the double
    // range (a tiny frequency or a huge count).
    overflow,
    // A number other than zero too small for a double, where reading it as 0 would mislead
    // ("1e-400" as a frequency in ridi-calc).
    too_small,
    // The frequency is 0 (or -0), so 300 / frequency has no value.
    division_by_zero,
    // The length has no defined value: an infinite quotient times a count of 0.
    invalid_operation,
    // A number that the quantity cannot be, or a result that cannot be so: a length or
    // frequency of 0 or below at the bench, a velocity factor above 1, a stub already too short.
    out_of_range,
};

// The text a failure concerns, when one text is to blame.
enum class error_field {
    none,
    frequency,          // freq_txt
    quarter_waves,      // qtr_num_txt
    coax_length,        // the caption of coax_length_lbl, read back
    length,             // a measured length at the bench (ridi-calc --measure, --trim)
    measured_frequency, // the frequency a stub resonates at now (--trim)
    target_frequency,   // the frequency it should resonate at (--trim)
};

class calc_error : public std::runtime_error {
public:
    calc_error(error_kind kind, error_field field, const std::string& message)
        : std::runtime_error(message), kind_(kind), field_(field) {}

    error_kind kind() const noexcept { return kind_; }
    error_field field() const noexcept { return field_; }

private:
    error_kind kind_;
    error_field field_;
};

} // namespace ridi
