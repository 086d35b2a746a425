// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's one procedure for the window page. The page writes the three input texts
// (frequency, quarter-wave count, cable) into the input room and calls ridi_calculate, which
// answers the two result captions, which only a calculation changes, and on a fault its
// message, or after a success the note on a cable that is not in the catalogue. The captions
// persist between calls, so a fault leaves them as the calculation left them, exactly as in the
// desktop window.
#include "binding.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/error.hpp"
#include "ridi/utf.hpp"

#include <emscripten/emscripten.h>

#include <stdexcept>
#include <string>

extern "C" {

// The Calculate command over the texts in the input room. `decimal_comma` other than 0 also
// accepts "," as the decimal point. Answers {"coax_length", "vf_length": the captions, then
// after a success "note": ridi-calc's warning for a cable not in the catalogue, with its "did
// you mean", or empty; after a fault "fault": {"kind", "field", "message"}}.
EMSCRIPTEN_KEEPALIVE const char* ridi_calculate(int decimal_comma) {
    using namespace ridi::web;
    static ridi::form_strings form;
    std::string outcome;
    try {
        const std::vector<std::u16string_view> texts = input_texts();
        if (texts.size() != 3) {
            throw std::invalid_argument("the window takes three texts");
        }
        form.freq.assign(texts[0]);
        form.qtr_num.assign(texts[1]);
        form.cable.assign(texts[2]);
        ridi::calc_cmd_Click(form, {.decimal_comma = decimal_comma != 0});
        outcome = ",\"note\":" + json_string(ridi::Get_Vk(form.cable) == 0.0F
                                                 ? ridi::unknown_cable_warning(form.cable)
                                                 : std::string());
    } catch (const ridi::calc_error& error) {
        outcome = ",\"fault\":" + fault_json(error, {});
    } catch (const std::exception& error) {
        outcome = ",\"fault\":" + fault_json(error);
    }
    return answer("{\"coax_length\":" + json_string(ridi::utf16_to_utf8(form.coax_length)) +
                  ",\"vf_length\":" + json_string(ridi::utf16_to_utf8(form.vf_length)) + outcome +
                  "}");
}

} // extern "C"
