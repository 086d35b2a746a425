// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tools of the bench page, each declared once, in one table that the page's generator
// (bench_page.cpp), its binding (bench_binding.cpp) and, through the page, its script read: a
// new tool is a row of the table and the core function it calls.
#pragma once

#include "ridi/error.hpp"
#include "ridi/number_text.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/units.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ridi::web {

// One input of a tool: its id (also its name in the page's address), caption, the hint shown
// under it, the text the core names in a fault about it, whether it is a length (read in the
// unit chosen), and its starting text.
struct bench_field {
    std::string_view id;
    std::string_view caption;
    std::string_view hint;
    error_field field;
    bool is_length = false;
    std::string_view starting = {};
};

// The caption of a result or a table's column: a result's words with the unit chosen ("Cut to
// (Metres)"), or words of its own ("Velocity factor").
struct bench_caption {
    std::optional<result> with_unit;
    std::u16string_view words = {};

    std::string text(length_unit unit) const;
};

// A button under a tool's results that carries one of them into a field of another tool, and
// calculates that tool where its first field holds something.
struct bench_carry {
    std::string_view id;
    std::string_view label;
    std::size_t result;        // the index of the result carried
    std::string_view to_field; // the id of the field it goes into
};

// What a tool answers: a value for each of its results, the rows of its table, and a warning
// (empty, or the core's words with their unit hint).
struct bench_answer {
    std::vector<std::string> values;
    std::vector<std::vector<std::string>> rows;
    std::string warning;
    unit_hint warning_hint;
};

struct bench_tool {
    std::string_view id;
    std::string_view title;
    std::string_view about; // one line on what it does
    std::vector<bench_field> fields;
    std::vector<bench_caption> results;
    std::vector<bench_caption> columns; // the heads of its table; none, no table
    bool warns = false;                 // it may answer with a warning
    std::vector<bench_carry> carries;
    // Runs the tool over the texts of its fields, in order, its lengths in `unit`; a fault
    // throws a calc_error.
    bench_answer (*run)(std::span<const std::u16string_view> texts, length_unit unit,
                        number_options options);
};

// The tools, in the order of work at the bench.
std::span<const bench_tool> bench_tools();

} // namespace ridi::web
