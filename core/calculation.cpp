// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/calculation.hpp"

#include "text_message.hpp"

#include "ridi/catalogue.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ridi {
namespace {

// Results are checked rather than the processor's fault flags: the compiler is free to move
// the arithmetic past a flag test, and the inputs are always finite numbers.
[[noreturn]] void fail_result(double result, error_field field, const char* what) {
    if (std::isnan(result)) {
        throw calc_error(error_kind::invalid_operation, field,
                         std::string(what) + " has no defined value: a frequency this close to "
                                             "0 with 0 quarter waves. Enter a larger frequency.");
    }
    throw calc_error(error_kind::overflow, field,
                     std::string(what) + " is too large to compute: enter a larger "
                                         "frequency or fewer quarter waves.");
}

} // namespace

void fail_free_space_length(double frequency_mhz, double length) {
    if (frequency_mhz == 0.0) {
        throw calc_error(error_kind::division_by_zero, error_field::frequency,
                         "The frequency must not be 0: enter the centre frequency in MHz, for "
                         "example 435.850.");
    }
    fail_result(length, error_field::none, "The RI-DI length");
}

void fail_corrected_length(double corrected) {
    fail_result(corrected, error_field::none, "The corrected length");
}

void calc_cmd_Click(form_texts& form, number_options options) {
    const double frequency = number_from_text(form.freq_text(), error_field::frequency, options);
    const double quarter_waves =
        number_from_text(form.qtr_num_text(), error_field::quarter_waves, options);
    const double length = free_space_length(frequency, quarter_waves);
    caption_text caption; // NOLINT(cppcoreguidelines-pro-type-member-init): written before use
    const shown_number shown = show_number(length, caption);
    form.set_coax_length_caption(shown.text);

    // The corrected length comes from the length as shown, rounded to three decimals: the
    // caption read back, which reads as shown.value while it holds the text written.
    const std::u16string_view read_back = form.coax_length_caption();
    const bool unchanged = read_back.size() == shown.text.size() &&
                           std::equal(read_back.begin(), read_back.end(), shown.text.begin());
    const double shown_length =
        unchanged ? shown.value : number_from_text(read_back, error_field::coax_length, options);
    const float velocity_factor = Get_Vk(form.cable_text());
    form.set_vf_length_caption(
        show_number(corrected_length(velocity_factor, shown_length), caption).text);
}

namespace {

template <typename Text>
void lengths_of(Text freq, Text qtr_num, double velocity_factor, length_unit unit,
                shown_lengths& shown, number_options options = {}) {
    const double frequency =
        read_number(freq, error_field::frequency,
                    {.decimal_comma = options.decimal_comma, .refuse_too_small = true});
    const double quarter_waves = read_number(qtr_num, error_field::quarter_waves, options);
    const double length = free_space_length(frequency, quarter_waves);
    if (unit != length_unit::metres) {
        std::string length_text = format_length(length, unit);
        shown.corrected = format_length(corrected_length(velocity_factor, length), unit);
        shown.length = std::move(length_text);
        return;
    }
    const double shown_length = show_number(length, shown.length);
    show_number(corrected_length(velocity_factor, shown_length), shown.corrected);
}

} // namespace

void quarter_wave_lengths(std::u16string_view freq, std::u16string_view qtr_num,
                          double velocity_factor, length_unit unit, shown_lengths& shown,
                          number_options options) {
    lengths_of(freq, qtr_num, velocity_factor, unit, shown, options);
}

void quarter_wave_lengths(std::string_view freq, std::string_view qtr_num, double velocity_factor,
                          length_unit unit, shown_lengths& shown) {
    lengths_of(freq, qtr_num, velocity_factor, unit, shown);
}

double velocity_factor_from_text(std::u16string_view text, number_options options) {
    const double factor = number_from_text(text, error_field::velocity_factor, options);
    if (!(factor > 0.0 && factor <= 1.0)) {
        throw calc_error(error_kind::out_of_range, error_field::velocity_factor,
                         text_message(error_field::velocity_factor, text, "is out of range",
                                      velocity_factor_range));
    }
    return factor;
}

every_cable_lengths lengths_for_every_cable(std::u16string_view freq, std::u16string_view qtr_num,
                                            length_unit unit, number_options options) {
    every_cable_lengths table;
    shown_lengths shown;
    for (const cable& entry : cable_catalogue()) {
        quarter_wave_lengths(freq, qtr_num, entry.velocity_factor, unit, shown, options);
        table.cables.push_back({entry.name,
                                format_fixed(entry.velocity_factor, catalogue_factor_decimals),
                                std::move(shown.corrected)});
    }
    table.length = std::move(shown.length);
    return table;
}

} // namespace ridi
