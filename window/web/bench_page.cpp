// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bench page, bench.html, at build time:
//   ridi_bench_page SITE_DIR NAMES STYLE_SHEET... SCRIPT...
// Four tools of the measuring bench, each a form with its results beside it, under one unit
// choice. The units, their names and the feet-and-inches forms come from the core; the
// results' captions come from the core at each calculation, through the binding. The style
// sheets (the site's, then the page's own) and the scripts (the core's loader, the site's, then
// the page's own) go inside the page.
#include "bench_words.hpp"
#include "page_parts.hpp"

#include "ridi/error.hpp"
#include "ridi/form/form.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/units.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using ridi::error_field;
using ridi::web::attribute;
using ridi::web::escaped;

// One input of a tool: its id (also its name in the page's address), caption, the hint shown
// under it, the field the core names in a fault about it, and its starting text.
struct bench_field {
    std::string_view id;
    std::string_view caption;
    std::string_view hint;
    error_field field;
    bool is_length; // read in the unit chosen
    std::string_view starting = {};
};

// One tool: its id, the binding's number for it, title, one line on what it does, inputs, and
// how many results (caption and value) it shows in rows.
struct bench_tool {
    std::string_view id;
    int binding;
    std::string_view title;
    std::string_view about;
    std::vector<bench_field> fields;
    int result_rows;
};

// In the order of work at the bench: measure the cable, calculate with its factor, trim.
const std::array<bench_tool, 4>& tools() {
    static const std::array<bench_tool, 4> all{{
        {"measure",
         2,
         "Measure the velocity factor",
         "Cut a piece, find its lowest resonance with the analyser, open or shorted at the far "
         "end, and get the cable's velocity factor.",
         {{"m_len", "Length of the piece", "As measured, in the unit chosen above",
           error_field::length, true},
          {"m_freq", "Resonance (MHz)", "Where the analyser shows the dip, for example 49.62",
           error_field::frequency, false},
          {"m_qw", "Which resonance",
           "1: a quarter-wave stub's first dip; 2: a half wave; 3: the stub's next dip",
           error_field::quarter_waves, false, "1"}},
         1},
        {"own",
         0,
         "Your own cable",
         "Both lengths for a cable whose velocity factor you know or have measured.",
         {{"o_freq", "Frequency (MHz)", "The centre frequency, for example 145",
           error_field::frequency, false},
          {"o_qw", "Quarter waves", "1 for a quarter-wave stub, 2 for a half wave",
           error_field::quarter_waves, false, "1"},
          {"o_vf", "Velocity factor", "Greater than 0, at most 1, for example 0.66",
           error_field::velocity_factor, false}},
         2},
        {"trim",
         3,
         "Trim a stub",
         "Cut the stub long, find where it resonates, and see how much to cut off to move it up "
         "to the frequency you want.",
         {{"t_len", "Length now", "As it is now, in the unit chosen above", error_field::length,
           true},
          {"t_now", "Resonates now (MHz)", "Where the dip is now, for example 138.2",
           error_field::measured_frequency, false},
          {"t_want", "Wanted (MHz)", "Where the dip should be, for example 145",
           error_field::target_frequency, false}},
         2},
        {"every",
         1,
         "Every cable",
         "The free-space length, and the length in each cable of the catalogue.",
         {{"e_freq", "Frequency (MHz)", "The centre frequency, for example 145",
           error_field::frequency, false},
          {"e_qw", "Quarter waves", "1 for a quarter-wave stub, 2 for a half wave",
           error_field::quarter_waves, false, "1"}},
         1},
    }};
    return all;
}

void write_field(std::ostream& out, const bench_field& field, bool last) {
    const std::string id(field.id);
    out << "<div class=\"input\">\n<label" << attribute("for", id) << ">" << escaped(field.caption)
        << "</label>\n"
        << "<input type=\"text\" inputmode=\"decimal\"" << attribute("id", id)
        << attribute("name", id) << attribute("value", field.starting)
        << attribute("data-field", std::to_string(static_cast<int>(field.field)))
        << (field.is_length ? " data-length=\"\"" : "")
        << attribute("enterkeyhint", last ? "go" : "next")
        << attribute("aria-describedby", id + "_hint " + id + "_error")
        << " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\">\n"
        << "<p class=\"hint\"" << attribute("id", id + "_hint") << ">" << escaped(field.hint)
        << "</p>\n"
        << "<p class=\"error\"" << attribute("id", id + "_error") << "></p>\n</div>\n";
}

void write_tool(std::ostream& out, const bench_tool& tool) {
    const std::string id(tool.id);
    out << "<section class=\"tool\"" << attribute("id", id)
        << attribute("aria-labelledby", id + "_title")
        << attribute("data-tool", std::to_string(tool.binding)) << ">\n"
        << "<h2" << attribute("id", id + "_title") << ">" << escaped(tool.title) << "</h2>\n"
        << "<p class=\"about\">" << escaped(tool.about) << "</p>\n"
        << "<form novalidate>\n";
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        write_field(out, tool.fields[i], i + 1 == tool.fields.size());
    }
    out << "<p class=\"error\"" << attribute("id", id + "_error") << "></p>\n"
        << "<button class=\"command\" type=\"submit\">Calculate</button>\n</form>\n"
        << "<div class=\"results\"" << attribute("id", id + "_results") << " hidden>\n";
    for (int row = 0; row < tool.result_rows; ++row) {
        const std::string result = id + "_r" + std::to_string(row);
        out << "<div class=\"result-row\">\n<span class=\"caption\""
            << attribute("id", result + "_caption") << "></span>\n"
            << "<output class=\"result\"" << attribute("id", result)
            << attribute("aria-labelledby", result + "_caption") << "></output>\n"
            << "<button class=\"copy\" type=\"button\"" << attribute("data-copy", result)
            << ">Copy</button>\n</div>\n";
    }
    if (tool.id == "measure") {
        out << "<p class=\"warning\" id=\"measure_warning\"></p>\n"
            << "<button class=\"command\" type=\"button\" id=\"use_factor\">Use this factor"
            << "</button>\n";
    }
    if (tool.id == "every") {
        out << "<table id=\"every_table\"><thead><tr><th scope=\"col\"></th>"
            << "<th scope=\"col\"></th><th scope=\"col\"></th></tr></thead>"
            << "<tbody></tbody></table>\n";
    }
    out << "</div>\n</section>\n";
}

void write_units(std::ostream& out) {
    out << "<div class=\"unit-choice\">\n<label for=\"unit\">"
        << escaped(ridi::web::unit_choice_caption) << "</label>\n"
        << "<select id=\"unit\" aria-describedby=\"unit_hint\">\n";
    for (int value = 0; value <= static_cast<int>(ridi::length_unit::feet_inches); ++value) {
        const auto unit = static_cast<ridi::length_unit>(value);
        const std::string_view name = ridi::length_unit_name(unit);
        // Feet and inches are typed with marks or words: a keyboard with letters, and a hint.
        const std::string feet_inches =
            unit == ridi::length_unit::feet_inches
                ? attribute("data-hint", "Write feet and inches as " +
                                             std::string(ridi::feet_inches_forms) + ".") +
                      attribute("data-keypad", "text")
                : std::string();
        out << "<option" << attribute("value", std::to_string(value))
            << attribute("data-name", name) << feet_inches << ">"
            << escaped(ridi::length_unit_caption(unit)) << " (" << escaped(name) << ")</option>\n";
    }
    out << "</select>\n<p class=\"hint\" id=\"unit_hint\">All lengths on this page, typed and "
           "shown.</p>\n</div>\n";
}

using ridi::web::page_parts;

void write_page(std::ostream& out, const page_parts& parts) {
    const std::string window_title = escaped(ridi::form::title);
    const std::string title = window_title + escaped(ridi::web::bench_name_suffix);
    ridi::web::write_head(out, title, title + ": " + escaped(ridi::web::bench_summary), parts);
    out << "<header class=\"bar\">\n<h1>" << title << "</h1>\n<a href=\"./\">" << window_title
        << " window</a>\n</header>\n"
        << "<main class=\"bench\"" << attribute("data-version", ridi::version) << ">\n";
    write_units(out);
    for (const bench_tool& tool : tools()) {
        write_tool(out, tool);
    }
    out << "</main>\n"
        << "<p class=\"announcer\" id=\"announcer\" aria-live=\"polite\"></p>\n";
    ridi::web::write_end(out, title, parts);
}

} // namespace

int main(int argc, char** argv) {
    return ridi::web::generator_main(
        argc, argv, "ridi_bench_page", [](const std::string& site, const page_parts& parts) {
            return ridi::web::write_file(site + "/" + std::string(ridi::web::bench_page_file),
                                         [&parts](std::ostream& out) { write_page(out, parts); });
        });
}
