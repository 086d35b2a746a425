// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/form/window_texts.hpp"

#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"

#include <exception>

namespace ridi::form {

void window_texts::calc_cmd_Click() {
    try {
        ridi::calc_cmd_Click(*this, options());
    } catch (const std::exception& error) {
        std::u16string message;
        try {
            message = utf8_to_utf16(error.what());
        } catch (...) {
            message = internal_failure;
        }
        report_failure(message);
    } catch (...) {
        report_failure(internal_failure);
    }
}

float window_texts::Get_Vk() {
    return ridi::Get_Vk(cable_text());
}

std::u16string_view window_texts::read(control_id id) {
    read_ = control_text(get(id));
    return read_;
}

std::u16string_view window_texts::freq_text() {
    return read(control_id::freq_txt);
}
std::u16string_view window_texts::qtr_num_text() {
    return read(control_id::qtr_num_txt);
}
std::u16string_view window_texts::cable_text() {
    return read(control_id::cable_combo);
}
std::u16string_view window_texts::coax_length_caption() {
    return read(control_id::coax_length_lbl);
}
void window_texts::set_coax_length_caption(std::u16string_view caption) {
    set_control_text(get(control_id::coax_length_lbl), caption);
}
void window_texts::set_vf_length_caption(std::u16string_view caption) {
    set_control_text(get(control_id::vf_length_lbl), caption);
}

} // namespace ridi::form
