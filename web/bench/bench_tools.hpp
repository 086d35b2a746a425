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
#include <utility>
#include <vector>

namespace ridi::web {

// What a field holds, and so which keyboard it brings up and how the page writes it.
enum class field_kind {
    number, // a number: the decimal keypad
    length, // a length in the unit chosen: the decimal keypad, or letters for feet and inches
    text,   // words and numbers, such as a band ("40m")
    cable,  // a catalogue cable or a velocity factor, with the catalogue's names offered
    choice, // one of the field's choices, from a list
};

// One of a choice field's choices: its value, which the address and the core read, and its
// label.
struct bench_choice {
    std::string_view value;
    std::string_view label;
};

// One input of a tool: its id (also its name in the page's address), caption, the hint shown
// under it, the text the core names in a fault about it, its kind, its starting text (a
// choice's value), its choices, and whether it stands among the tool's further settings, which
// the page folds away (after every field that does not).
struct bench_field {
    std::string_view id;
    std::string_view caption;
    std::string_view hint;
    error_field field;
    field_kind kind = field_kind::number;
    std::string_view starting = {};
    std::span<const bench_choice> choices = {};
    bool further = false;
};

// The caption of a result: a result's words with the unit chosen ("Cut to (Metres)"), or words
// of its own ("Velocity factor").
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

// A table of a tool's answer: its heads and rows.
struct bench_table {
    std::vector<std::string> heads;
    std::vector<std::vector<std::string>> rows;
};

// What a tool answers: a value for each of its results, lines of words about them, a plot (an
// SVG drawing with its caption, drawn for the width the page gives), its tables in the order the
// tool names them, lines after them, and a warning (empty, or the core's words with their unit
// hint).
struct bench_answer {
    std::vector<std::string> values;
    std::vector<std::string> lines;
    std::string plot;
    std::string plot_caption;
    std::vector<bench_table> tables;
    std::vector<std::string> notes;
    std::string warning;
    unit_hint warning_hint;
};

// How a tool is run: the texts of its fields, in order, the unit of its lengths, how numbers are
// read, and the width in CSS pixels of its plot's box, if it has one.
struct bench_request {
    std::span<const std::u16string_view> texts;
    length_unit unit = length_unit::metres;
    number_options options;
    int plot_width = 0;
};

// A tool, as constant data: nothing of it is built when the program runs.
struct bench_tool {
    std::string_view id;
    std::string_view title;
    std::string_view about; // one line on what it does
    std::span<const bench_field> fields;
    std::span<const bench_caption> results;
    bool warns = false; // it may answer with a warning
    std::span<const bench_carry> carries;
    bool plots = false;                                // it answers with a plot
    std::span<const std::string_view> tables;          // the captions of its tables (empty: none)
    bench_answer (*run)(const bench_request& request); // a fault throws a calc_error
};

// The tools, in the order of work at the bench.
std::span<const bench_tool> bench_tools();

} // namespace ridi::web
