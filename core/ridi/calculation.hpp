// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The quarter-wave calculation over the five form texts.
#pragma once

#include "ridi/number_text.hpp"
#include "ridi/units.hpp"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace ridi {

// The five texts of the form that the calculation reads and writes. A front-end with controls
// implements it over them; form_strings holds plain strings for any other caller and for tests.
// A view returned by a read stays valid until the next call on the same form. A read or write
// that fails throws, and the calculation stops there.
class form_texts {
public:
    virtual ~form_texts() = default;

    virtual std::u16string_view freq_text() = 0;
    virtual std::u16string_view qtr_num_text() = 0;
    virtual std::u16string_view cable_text() = 0;
    virtual std::u16string_view coax_length_caption() = 0;
    virtual void set_coax_length_caption(std::u16string_view caption) = 0;
    virtual void set_vf_length_caption(std::u16string_view caption) = 0;

protected:
    form_texts() = default;
    form_texts(const form_texts&) = default;
    form_texts& operator=(const form_texts&) = default;
};

class form_strings final : public form_texts {
public:
    std::u16string freq;
    std::u16string qtr_num;
    std::u16string cable;
    std::u16string coax_length;
    std::u16string vf_length;

    std::u16string_view freq_text() override { return freq; }
    std::u16string_view qtr_num_text() override { return qtr_num; }
    std::u16string_view cable_text() override { return cable; }
    std::u16string_view coax_length_caption() override { return coax_length; }
    void set_coax_length_caption(std::u16string_view caption) override {
        replace(coax_length, caption);
    }
    void set_vf_length_caption(std::u16string_view caption) override {
        replace(vf_length, caption);
    }

private:
    // Assignment without the general replace: the storage is kept and the text copied in. A
    // caption that views `target` itself is no longer than it, so no storage changes under it,
    // and it is moved into place before the end is cut.
    static void replace(std::u16string& target, std::u16string_view caption) {
        if (caption.size() > target.size()) {
            target.resize(caption.size());
        }
        std::char_traits<char16_t>::move(target.data(), caption.data(), caption.size());
        target.resize(caption.size());
    }
};

// The failures of the two lengths below, thrown out of line.
[[noreturn, gnu::cold]] void fail_free_space_length(double frequency_mhz, double length);
[[noreturn, gnu::cold]] void fail_corrected_length(double corrected);

// Free-space length of `quarter_waves` quarter waves at `frequency_mhz`, in metres:
// (300 / f) * (n / 4). Throws a calc_error for a frequency of 0 (division by zero), a length
// with no value (invalid operation) or one beyond the double range (overflow), checked in
// that order.
inline double free_space_length(double frequency_mhz, double quarter_waves) {
    constexpr double metres_per_wave_at_1_mhz = 300.0;
    constexpr double quarters_per_wave = 4.0;
    if (frequency_mhz == 0.0) {
        fail_free_space_length(frequency_mhz, 0.0);
    }
    const double length =
        (metres_per_wave_at_1_mhz / frequency_mhz) * (quarter_waves / quarters_per_wave);
    if (!std::isfinite(length)) {
        fail_free_space_length(frequency_mhz, length);
    }
    return length;
}

// Physical cable length: the velocity factor, widened to double, times the free-space length.
inline double corrected_length(double velocity_factor, double free_space_metres) {
    const double corrected = velocity_factor * free_space_metres;
    if (!std::isfinite(corrected)) {
        fail_corrected_length(corrected);
    }
    return corrected;
}
inline double corrected_length(float velocity_factor, double free_space_metres) {
    return corrected_length(static_cast<double>(velocity_factor), free_space_metres);
}

// The calculation of the form. Reads the frequency and count, writes the free-space length to the
// first result caption, reads that caption back and multiplies what it shows by the cable's
// velocity factor, then writes the second result caption. Each write is complete before the next
// step; a failure leaves the captions written before it on show.
void calc_cmd_Click(form_texts& form, number_options options = {});

// Both lengths as texts in a unit.
struct shown_lengths {
    std::string length;
    std::string corrected;
};

// The calculation of calc_cmd_Click for a velocity factor given as a number (a catalogue factor
// widened to double, or the user's own) and a length unit. In metres the results are those of
// calc_cmd_Click: the corrected length comes from the free-space length as shown. In any other unit
// both are converted from metres, the corrected one being the factor times the free-space length
// before rounding. A frequency too small for a double is an error that says so, where
// calc_cmd_Click, unless its options refuse it, reads it as 0 and fails with a division by zero.
// Writes `shown` only on success. `options` may accept a decimal comma; a frequency too small for a
// double is refused whatever they say.
void quarter_wave_lengths(std::u16string_view freq, std::u16string_view qtr_num,
                          double velocity_factor, length_unit unit, shown_lengths& shown,
                          number_options options = {});

// The same for UTF-8 texts, read without a UTF-16 copy (see read_number).
void quarter_wave_lengths(std::string_view freq, std::string_view qtr_num, double velocity_factor,
                          length_unit unit, shown_lengths& shown);

// What a velocity factor can be, as a message says it.
inline constexpr std::string_view velocity_factor_range =
    "a velocity factor is greater than 0 and at most 1 (no wave is faster than light in free "
    "space)";

// A cable's own velocity factor as typed: a number greater than 0 and at most 1, used as it
// reads. Throws a calc_error naming error_field::velocity_factor: out_of_range for a number
// outside that range (a number too small for a double reads as 0), the kind read_number gives
// for any other text.
double velocity_factor_from_text(std::u16string_view text, number_options options = {});

// Digits after the point of a catalogue cable's velocity factor as a table shows it: "0.66".
inline constexpr int catalogue_factor_decimals = 2;

// One row of the table of every cable: its name, its factor and its corrected length.
struct cable_lengths {
    std::u16string_view name; // the catalogue's name
    std::string factor;       // with catalogue_factor_decimals
    std::string corrected;    // as quarter_wave_lengths shows it for that cable
};

// The free-space length of quarter_wave_lengths, then each catalogue cable in the catalogue's
// order with its corrected length. The first fault throws, and nothing is answered.
struct every_cable_lengths {
    std::string length;
    std::vector<cable_lengths> cables;
};
every_cable_lengths lengths_for_every_cable(std::u16string_view freq, std::u16string_view qtr_num,
                                            length_unit unit, number_options options = {});

} // namespace ridi
