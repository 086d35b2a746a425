// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bench page's tools, beside the window's binding in the same ridi_core.wasm. The page
// writes a tool's input texts into the input room, in the order of its fields, and calls
// ridi_bench with the tool's place in the table (bench_tools), the unit and the decimal comma.
// Each text it answers is the one ridi-calc prints for the same inputs, made by the same core
// functions; where ridi-calc names its --unit option, the page's words name its own choice.
#include "bench_tools.hpp"
#include "bench_words.hpp"
#include "binding.hpp"

#include <emscripten/emscripten.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace ridi::web;

// The bench page's words where the core says how the unit of a length is chosen.
constexpr ridi::unit_hint_words unit_words{length_unit_hint, unit_choice_hint};

const bench_tool& tool_at(int index) {
    const auto tools = bench_tools();
    if (index < 0 || static_cast<std::size_t>(index) >= tools.size()) {
        throw std::invalid_argument("no such bench tool");
    }
    return tools[static_cast<std::size_t>(index)];
}

ridi::length_unit unit_of(int unit) {
    if (unit < 0 || unit > static_cast<int>(ridi::length_unit::feet_inches)) {
        throw std::invalid_argument("no such unit");
    }
    return static_cast<ridi::length_unit>(unit);
}

std::string answer_json(const bench_tool& tool, ridi::length_unit unit, int decimal_comma,
                        int plot_width) {
    const std::vector<std::u16string_view> texts = input_texts();
    if (texts.size() != tool.fields.size()) {
        throw std::invalid_argument("the tool takes one text for each of its fields");
    }
    bench_answer answer =
        tool.run({texts, unit, {.decimal_comma = decimal_comma != 0}, plot_width});
    std::vector<std::string> results;
    for (std::size_t i = 0; i < tool.results.size(); ++i) {
        results.push_back(json_strings({tool.results[i].text(unit), answer.values.at(i)}));
    }
    std::vector<std::string> tables;
    for (const bench_table& table : answer.tables) {
        std::vector<std::string> rows{json_strings(table.heads)};
        for (const std::vector<std::string>& row : table.rows) {
            rows.push_back(json_strings(row));
        }
        tables.push_back(json_array(rows));
    }
    std::string json =
        "{\"results\":" + json_array(results) + ",\"lines\":" + json_strings(answer.lines) +
        ",\"tables\":" + json_array(tables) + ",\"notes\":" + json_strings(answer.notes);
    if (tool.plots) {
        json += ",\"plot\":" + json_string(answer.plot) +
                ",\"plot_caption\":" + json_string(answer.plot_caption);
    }
    if (!answer.warning.empty()) {
        json += ",\"warning\":" +
                json_string(std::string(warning_prefix) +
                            ridi::with_unit_hint(answer.warning, answer.warning_hint, unit_words));
    }
    return json + "}";
}

} // namespace

extern "C" {

// Runs the bench tool at `tool` in bench_tools over the texts in the input room, its lengths in
// `unit` (a ridi::length_unit), its plot, if it has one, for a box `plot_width` CSS pixels wide.
// `decimal_comma` other than 0 also accepts "," as the decimal point. Answers {"results":
// [[caption, value], ...], "lines": [...], "tables": [[[heads...], [row...], ...], ...],
// "notes": [...], "plot" and "plot_caption" where the tool plots, "warning" where it warns}, or
// {"fault": {"kind", "field", "message", "input": the place of the field it names among the
// tool's, or -1}}.
EMSCRIPTEN_KEEPALIVE const char* ridi_bench(int tool, int unit, int decimal_comma, int plot_width) {
    try {
        const bench_tool& chosen = tool_at(tool);
        try {
            return answer(answer_json(chosen, unit_of(unit), decimal_comma, plot_width));
        } catch (const ridi::calc_error& error) {
            int input = -1;
            for (std::size_t i = 0; i < chosen.fields.size(); ++i) {
                input = chosen.fields[i].field == error.field() ? static_cast<int>(i) : input;
            }
            std::string fault = fault_json(error, unit_words);
            fault.insert(fault.size() - 1, ",\"input\":" + std::to_string(input));
            return answer("{\"fault\":" + fault + "}");
        }
    } catch (const std::exception& error) {
        return answer("{\"fault\":" + fault_json(error) + "}");
    }
}

} // extern "C"
