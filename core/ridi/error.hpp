// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one error type of the calculation: what went wrong, where, and what to tell the user.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

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
    // ("1e-400" as a frequency, read with number_options::refuse_too_small).
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
    length,             // a length measured at the bench (measure_velocity_factor, trim_stub)
    measured_frequency, // the frequency a stub resonates at now (trim_stub)
    target_frequency,   // the frequency it should resonate at (trim_stub)
    velocity_factor,    // a cable's own velocity factor (velocity_factor_from_text)
    // What a stub is cut from and where it sits (read_stub, which_stub, read_sweep_range).
    cable,          // the catalogue cable of a stub
    loss,           // the cable's loss in dB per 100 m
    loss_frequency, // the frequency in MHz that loss holds at
    dip_resistance, // the resistance an analyser shows at the stub's dip
    tee_allowance,  // the length of the Tee's arm and connector on the stub's side
    line_impedance, // the impedance of the line the Tee is on
    stub_impedance, // the characteristic impedance of the stub's cable
    sweep_from,     // the lowest frequency of a sweep
    sweep_to,       // the highest frequency of a sweep
    sweep_points,   // how many frequencies a sweep computes
    pass_band,      // the band a stub should pass
    notch_band,     // the band a stub should notch
    band,           // a band a stub's loss is asked across
};

// Whether `field` is a length typed in the unit a front-end lets its user choose, which a message
// that asks for it again marks with a unit_hint_at.
constexpr bool is_length_field(error_field field) noexcept {
    return field == error_field::length || field == error_field::tee_allowance;
}

// Where a message or warning says nothing of how the unit of a length is chosen.
inline constexpr std::size_t no_unit_hint = std::string::npos;

// `words` with a front-end's `hint` inserted at `at`, a place a message or warning marks for
// saying how the unit is chosen, or as they are at no_unit_hint.
inline std::string with_unit_hint(std::string_view words, std::size_t at, std::string_view hint) {
    std::string text(words);
    if (at != no_unit_hint) {
        text.insert(at, hint);
    }
    return text;
}

// The message speaks of cables, lengths and numbers, never of how a front-end is used. Where it
// asks again for a length it could not read (is_length_field), in a unit the reader is not
// told, or names the unit a length was read in, unit_hint_at is the place just after those
// words, where a front-end may say how its user chooses that unit.
class calc_error : public std::runtime_error {
public:
    calc_error(error_kind kind, error_field field, const std::string& message,
               std::size_t unit_hint_at = no_unit_hint)
        : std::runtime_error(message), kind_(kind), field_(field), unit_hint_at_(unit_hint_at) {}

    error_kind kind() const noexcept { return kind_; }
    error_field field() const noexcept { return field_; }
    std::size_t unit_hint_at() const noexcept { return unit_hint_at_; }

private:
    error_kind kind_;
    error_field field_;
    std::size_t unit_hint_at_;
};

} // namespace ridi
