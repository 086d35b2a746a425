// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The messages about a text a reader cannot take.
#include "text_message.hpp"

#include "ridi/utf.hpp"

namespace ridi {

std::string_view field_noun(error_field field) noexcept {
    switch (field) {
    case error_field::frequency:
        return "The frequency";
    case error_field::quarter_waves:
        return "The number of quarter waves";
    case error_field::coax_length:
        return "The RI-DI length";
    case error_field::length:
        return "The length";
    case error_field::measured_frequency:
        return "The measured frequency";
    case error_field::target_frequency:
        return "The target frequency";
    case error_field::velocity_factor:
        return "The velocity factor";
    case error_field::cable:
        return "The cable";
    case error_field::loss:
        return "The loss";
    case error_field::loss_frequency:
        return "The frequency of the loss";
    case error_field::dip_resistance:
        return "The resistance at the dip";
    case error_field::tee_allowance:
        return "The Tee allowance";
    case error_field::line_impedance:
        return "The line impedance";
    case error_field::stub_impedance:
        return "The cable impedance";
    case error_field::sweep_from:
        return "The lowest frequency";
    case error_field::sweep_to:
        return "The highest frequency";
    case error_field::sweep_points:
        return "The number of points";
    case error_field::pass_band:
        return "The band to pass";
    case error_field::notch_band:
        return "The band to notch";
    case error_field::band:
        return "The band";
    case error_field::none:
        break;
    }
    return "The number";
}

std::string text_message(error_field field, std::u16string_view text, std::string_view fault,
                         std::string_view advice, std::string_view joint) {
    // Appended piece by piece: GCC 12 at -O3 warns (wrongly) of overlap in chains of "+".
    std::string message(field_noun(field));
    if (!text.empty()) {
        message += ' ';
        message += quoted_for_message(text);
    }
    message += ' ';
    message += fault;
    message += joint;
    message += advice;
    message += '.';
    return message;
}

namespace {

// What to enter in the field, after what is wrong with its text.
std::string_view field_example(error_field field) {
    switch (field) {
    case error_field::frequency:
        return "enter the centre frequency in MHz, for example 435.850";
    case error_field::quarter_waves:
        return "enter how many quarter waves, for example 1 or 2.5";
    case error_field::length:
        return "enter the length as measured";
    case error_field::measured_frequency:
        return "enter the frequency in MHz at which the stub resonates now, for example 99.3";
    case error_field::target_frequency:
        return "enter the frequency in MHz the stub should resonate at, for example 100";
    case error_field::velocity_factor:
        return "enter the velocity factor of the cable, for example 0.66";
    case error_field::loss:
        return "enter the cable's loss in dB per 100 m from its data sheet, for example 5.9";
    case error_field::loss_frequency:
        return "enter the frequency in MHz the data sheet gives that loss at, for example 100";
    case error_field::dip_resistance:
        return "enter the resistance in ohms the analyser shows at the stub's dip, for example 1.5";
    case error_field::tee_allowance:
        return "enter the length of the Tee's arm and connector on the stub's side";
    case error_field::line_impedance:
        return "enter the impedance of the line in ohms, for example 50";
    case error_field::stub_impedance:
        return "enter the characteristic impedance of the cable in ohms, for example 50";
    case error_field::sweep_from:
        return "enter the lowest frequency in MHz, for example 1.8";
    case error_field::sweep_to:
        return "enter the highest frequency in MHz, for example 450";
    case error_field::sweep_points:
        return "enter how many frequencies to compute, for example 2000";
    case error_field::cable:
    case error_field::pass_band:
    case error_field::notch_band:
    case error_field::band:
    case error_field::coax_length:
    case error_field::none:
        break;
    }
    return "enter a number such as 1.5";
}

} // namespace

[[noreturn]] void fail_with_example(error_kind kind, error_field field, std::u16string_view text,
                                    std::string_view fault, std::string_view joint) {
    const std::string message = text_message(field, text, fault, field_example(field), joint);
    throw calc_error(kind, field, message,
                     is_length_field(field)
                         ? unit_hint{unit_hint::kind::read_in, message.size() - 1}
                         : unit_hint{});
}

} // namespace ridi
