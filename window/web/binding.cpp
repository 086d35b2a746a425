// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's one procedure for the web page, as a small C interface over the
// WebAssembly memory. The page writes the three input texts as UTF-16 code units into the room
// that ridi_input gives, one after the other, and calls ridi_calculate with their lengths; it
// then shows the two result captions, which only a calculation changes, and on a fault the
// message, or after a success the note on a cable that is not in the catalogue. The captions
// persist between calls, so a fault leaves them as the calculation left them, exactly as in the
// desktop window.
#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/error.hpp"
#include "ridi/utf.hpp"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <exception>
#include <string>

namespace {

// What the page reads back after a calculation.
struct page_state {
    ridi::form_strings form;
    std::u16string input;
    std::string coax_length; // the captions, as UTF-8
    std::string vf_length;
    int fault_kind = -1; // an error_kind, or -1 for no fault (or one outside the calculation)
    int fault_field = static_cast<int>(ridi::error_field::none);
    std::string fault_message;
    std::string cable_note; // ridi-calc's warning for a cable not in the catalogue, or empty
};

page_state& state() {
    static page_state shared;
    return shared;
}

void clear_fault(page_state& page) {
    page.fault_kind = -1;
    page.fault_field = static_cast<int>(ridi::error_field::none);
    page.fault_message.clear();
}

} // namespace

extern "C" {

// Room for `units` UTF-16 code units of input, valid until the next call.
EMSCRIPTEN_KEEPALIVE char16_t* ridi_input(std::size_t units) {
    page_state& page = state();
    page.input.resize(units);
    return page.input.data();
}

// The Calculate command over the texts in the input room: the frequency's `freq_units` code
// units, then the quarter-wave count's and the cable's. `decimal_comma` other than 0 also
// accepts "," as the decimal point. Returns 1 when both results were written, 0 on a fault.
EMSCRIPTEN_KEEPALIVE int ridi_calculate(std::size_t freq_units, std::size_t qtr_num_units,
                                        std::size_t cable_units, int decimal_comma) {
    page_state& page = state();
    clear_fault(page);
    int succeeded = 0;
    try {
        const std::u16string_view input = page.input;
        if (freq_units + qtr_num_units + cable_units > input.size()) {
            throw std::length_error("the input texts are longer than the room given for them");
        }
        page.form.freq.assign(input.substr(0, freq_units));
        page.form.qtr_num.assign(input.substr(freq_units, qtr_num_units));
        page.form.cable.assign(input.substr(freq_units + qtr_num_units, cable_units));
        ridi::calc_cmd_Click(page.form, {.decimal_comma = decimal_comma != 0});
        succeeded = 1;
        page.cable_note = ridi::Get_Vk(page.form.cable) == 0.0F
                              ? ridi::unknown_cable_warning(page.form.cable)
                              : std::string();
    } catch (const ridi::calc_error& error) {
        page.fault_kind = static_cast<int>(error.kind());
        page.fault_field = static_cast<int>(error.field());
        page.fault_message = error.what();
    } catch (const std::exception& error) {
        page.fault_message = error.what();
    }
    page.coax_length = ridi::utf16_to_utf8(page.form.coax_length);
    page.vf_length = ridi::utf16_to_utf8(page.form.vf_length);
    return succeeded;
}

// The caption of coax_length_lbl, UTF-8.
EMSCRIPTEN_KEEPALIVE const char* ridi_coax_length() {
    return state().coax_length.c_str();
}

// The caption of vf_length_lbl, UTF-8.
EMSCRIPTEN_KEEPALIVE const char* ridi_vf_length() {
    return state().vf_length.c_str();
}

// The last fault's kind (ridi::error_kind), -1 when it has none.
EMSCRIPTEN_KEEPALIVE int ridi_fault_kind() {
    return state().fault_kind;
}

// The text the last fault concerns (ridi::error_field).
EMSCRIPTEN_KEEPALIVE int ridi_fault_field() {
    return state().fault_field;
}

// The message the window shows for the last fault, UTF-8; empty after a success.
EMSCRIPTEN_KEEPALIVE const char* ridi_fault_message() {
    return state().fault_message.c_str();
}

// After a success, what ridi-calc warns of a cable text that is not in the catalogue, with its
// "did you mean", UTF-8; empty for a catalogue cable. A fault leaves it as it was.
EMSCRIPTEN_KEEPALIVE const char* ridi_cable_note() {
    return state().cable_note.c_str();
}

} // extern "C"
