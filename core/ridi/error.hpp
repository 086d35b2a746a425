// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one error type of the calculation: what went wrong, where, and what to tell the user.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ridi {

// Every way a calculation can fail. A front-end shows the message that comes with it; the kind
// is for code that needs to tell failures apart.
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

// Whether `field` is a length typed in the unit a front-end lets its user choose, which a
// message that asks for it again marks with a unit_hint of kind read_in.
constexpr bool is_length_field(error_field field) noexcept {
    return field == error_field::length || field == error_field::tee_allowance;
}

// A place in a message or warning where a front-end may say, in its own words, how its user
// chooses the unit of a length; the core decides which of two things is to be said there.
struct unit_hint {
    enum class kind {
        none,      // nothing: the words say nothing of a unit
        read_in,   // the core asks again for a length, in a unit the reader is not told
        chosen_by, // the core names the unit a length was read in: how it was chosen
    };
    kind what = kind::none;
    std::size_t at = 0; // a byte offset in the words
};

// A front-end's words for each kind of unit hint, which name the way its user chooses the unit
// of a length.
struct unit_hint_words {
    std::string_view read_in;   // ", in metres or in the unit given with ..."
    std::string_view chosen_by; // ", see ..."
};

// `words` with the front-end's words for `hint` put in at its place.
inline std::string with_unit_hint(std::string_view words, unit_hint hint,
                                  const unit_hint_words& front_end) {
    std::string text(words);
    switch (hint.what) {
    case unit_hint::kind::none:
        break;
    case unit_hint::kind::read_in:
        text.insert(hint.at, front_end.read_in);
        break;
    case unit_hint::kind::chosen_by:
        text.insert(hint.at, front_end.chosen_by);
        break;
    }
    return text;
}

// The message speaks of cables, lengths and numbers, never of how a front-end is used; where
// it concerns the unit of a length, its unit_hint says where a front-end may say how its user
// chooses that unit (message()).
class calc_error : public std::runtime_error {
public:
    calc_error(error_kind kind, error_field field, const std::string& message, unit_hint hint = {})
        : std::runtime_error(message), kind_(kind), field_(field), hint_(hint) {}

    error_kind kind() const noexcept { return kind_; }
    error_field field() const noexcept { return field_; }
    unit_hint hint() const noexcept { return hint_; }

    // The message with `front_end`'s words for its unit hint.
    std::string message(const unit_hint_words& front_end) const {
        return with_unit_hint(what(), hint_, front_end);
    }

private:
    error_kind kind_;
    error_field field_;
    unit_hint hint_;
};

} // namespace ridi
