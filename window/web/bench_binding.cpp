// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The measuring bench for the bench page, as a small C interface over the WebAssembly memory,
// beside the window's (binding.cpp) in the same ridi_core.wasm. The page writes a tool's input
// texts as UTF-16 code units into the room ridi_bench_input gives, one after the other, and
// calls ridi_bench with the tool, the unit and their lengths; it then shows the texts the tool
// answered (captions and values, ridi_bench_text), its warning, or the fault's message by the
// field it names. Each text is the one ridi-calc prints for the same inputs, made by the same
// core functions; where ridi-calc names its --unit option, the page's words name its own choice.
#include "bench_words.hpp"

#include "ridi/calculation.hpp"
#include "ridi/error.hpp"
#include "ridi/measurement.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/utf.hpp"

#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

// The tools of the bench page, as it numbers them.
enum class bench_tool {
    own_cable,   // frequency, quarter waves, velocity factor: both lengths
    every_cable, // frequency, quarter waves: the free-space length and each cable's
    measure,     // length, frequency, quarter waves: the velocity factor
    trim,        // length, measured frequency, target frequency: cut to and cut off
};

// What the page reads back after a tool has run.
struct bench_state {
    std::u16string input;
    std::vector<std::string> texts;
    std::string warning;
    int fault_kind = -1; // an error_kind, or -1 for no fault (or one outside the calculation)
    int fault_field = static_cast<int>(ridi::error_field::none);
    std::string fault_message;
};

bench_state& state() {
    static bench_state shared;
    return shared;
}

std::string caption(ridi::result which, ridi::length_unit unit) {
    return ridi::utf16_to_utf8(ridi::result_caption(which, unit).text());
}

// Runs `tool` over `fields` and leaves its texts in `page`.
void run_tool(bench_tool tool, ridi::length_unit unit,
              const std::array<std::u16string_view, 3>& fields, ridi::number_options options,
              bench_state& page) {
    using ridi::result;
    std::vector<std::string>& texts = page.texts;
    switch (tool) {
    case bench_tool::own_cable: {
        const double factor = ridi::velocity_factor_from_text(fields[2], options);
        ridi::shown_lengths shown;
        ridi::quarter_wave_lengths(fields[0], fields[1], factor, unit, shown, options);
        texts = {caption(result::coax_length, unit), std::move(shown.length),
                 caption(result::vf_length, unit), std::move(shown.corrected)};
        return;
    }
    case bench_tool::every_cable: {
        ridi::every_cable_lengths every =
            ridi::lengths_for_every_cable(fields[0], fields[1], unit, options);
        texts = {caption(result::coax_length, unit), std::move(every.length),
                 ridi::utf16_to_utf8(ridi::cable_column_head),
                 ridi::utf16_to_utf8(ridi::factor_column_head), caption(result::vf_length, unit)};
        for (ridi::cable_lengths& row : every.cables) {
            texts.push_back(ridi::utf16_to_utf8(row.name));
            texts.push_back(std::move(row.factor));
            texts.push_back(std::move(row.corrected));
        }
        return;
    }
    case bench_tool::measure: {
        ridi::measured_factor measured =
            ridi::measure_velocity_factor(fields[0], fields[1], fields[2], unit, options);
        texts = {ridi::utf16_to_utf8(ridi::measured_factor_caption), std::move(measured.factor)};
        if (!measured.warning.empty()) {
            page.warning = std::string(ridi::web::warning_prefix) +
                           ridi::with_unit_hint(measured.warning, measured.warning_unit_hint_at,
                                                ridi::web::unit_choice_hint);
        }
        return;
    }
    case bench_tool::trim: {
        ridi::trimmed_stub trimmed =
            ridi::trim_stub(fields[0], fields[1], fields[2], unit, options);
        texts = {caption(result::cut_to, unit), std::move(trimmed.cut_to),
                 caption(result::cut_off, unit), std::move(trimmed.cut_off)};
        return;
    }
    }
    throw std::invalid_argument("no such bench tool");
}

} // namespace

extern "C" {

// Room for `units` UTF-16 code units of input, valid until the next call.
EMSCRIPTEN_KEEPALIVE char16_t* ridi_bench_input(std::size_t units) {
    bench_state& page = state();
    page.input.resize(units);
    return page.input.data();
}

// Runs the bench tool `tool` (own cable 0, every cable 1, measure 2, trim 3) over the texts in
// the input room, `first`, `second` and `third` code units long, its lengths in `unit` (a
// ridi::length_unit). `decimal_comma` other than 0 also accepts "," as the decimal point.
// Returns 1 when the tool answered (ridi_bench_text), 0 on a fault (ridi_bench_fault_*).
EMSCRIPTEN_KEEPALIVE int ridi_bench(int tool, int unit, std::size_t first, std::size_t second,
                                    std::size_t third, int decimal_comma) {
    bench_state& page = state();
    page.texts.clear();
    page.warning.clear();
    page.fault_kind = -1;
    page.fault_field = static_cast<int>(ridi::error_field::none);
    page.fault_message.clear();
    try {
        const std::u16string_view input = page.input;
        if (first + second + third > input.size()) {
            throw std::length_error("the input texts are longer than the room given for them");
        }
        if (tool < 0 || tool > static_cast<int>(bench_tool::trim) || unit < 0 ||
            unit > static_cast<int>(ridi::length_unit::feet_inches)) {
            throw std::invalid_argument("no such bench tool or unit");
        }
        run_tool(static_cast<bench_tool>(tool), static_cast<ridi::length_unit>(unit),
                 {input.substr(0, first), input.substr(first, second),
                  input.substr(first + second, third)},
                 {.decimal_comma = decimal_comma != 0}, page);
        return 1;
    } catch (const ridi::calc_error& error) {
        page.fault_kind = static_cast<int>(error.kind());
        page.fault_field = static_cast<int>(error.field());
        page.fault_message = ridi::with_unit_hint(error.what(), error.unit_hint_at(),
                                                  error.field() == ridi::error_field::length
                                                      ? ridi::web::length_unit_hint
                                                      : ridi::web::unit_choice_hint);
    } catch (const std::exception& error) {
        page.fault_message = error.what();
    }
    page.texts.clear();
    return 0;
}

// How many texts the last tool answered.
EMSCRIPTEN_KEEPALIVE std::size_t ridi_bench_count() {
    return state().texts.size();
}

// Its text `index`, UTF-8: captions and values in the order the tool gives them.
EMSCRIPTEN_KEEPALIVE const char* ridi_bench_text(std::size_t index) {
    const std::vector<std::string>& texts = state().texts;
    return index < texts.size() ? texts[index].c_str() : "";
}

// The warning that came with the last answer, UTF-8; empty when there was none.
EMSCRIPTEN_KEEPALIVE const char* ridi_bench_warning() {
    return state().warning.c_str();
}

// The last fault's kind (ridi::error_kind), -1 when it has none.
EMSCRIPTEN_KEEPALIVE int ridi_bench_fault_kind() {
    return state().fault_kind;
}

// The text the last fault concerns (ridi::error_field).
EMSCRIPTEN_KEEPALIVE int ridi_bench_fault_field() {
    return state().fault_field;
}

// The last fault's message, UTF-8; empty after an answer.
EMSCRIPTEN_KEEPALIVE const char* ridi_bench_fault_message() {
    return state().fault_message.c_str();
}

} // extern "C"
