// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bench page, bench.html, at build time:
//   ridi_bench_page SITE_DIR NAMES STYLE_SHEET... SCRIPT...
// The tools of the measuring bench (bench_tools), each a form with its results beside it, under
// one unit choice. The units, their names and the feet-and-inches forms come from the core; the
// results' captions come from the core at each calculation, through the binding. The style
// sheets (the site's, then the page's own) and the scripts (the core's loader, the site's, then
// the page's own) go inside the page.
#include "bench_tools.hpp"
#include "bench_words.hpp"
#include "page_parts.hpp"

#include "ridi/form/form.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/units.hpp"
#include "ridi/version.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace {

using ridi::web::attribute;
using ridi::web::bench_tool;
using ridi::web::escaped;

// A tool's input, with its hint and its own place for a message; Enter on the last ("go")
// calculates, on the others ("next") goes on to the next.
void write_field(std::ostream& out, const ridi::web::bench_field& field, bool last) {
    const std::string id(field.id);
    out << "<div class=\"input\">\n<label" << attribute("for", id) << ">" << escaped(field.caption)
        << "</label>\n"
        << "<input type=\"text\" inputmode=\"decimal\"" << attribute("id", id)
        << attribute("name", id) << attribute("value", field.starting)
        << (field.is_length ? " data-length=\"\"" : "")
        << attribute("enterkeyhint", last ? "go" : "next")
        << attribute("aria-describedby", id + "_hint " + id + "_error")
        << " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\">\n"
        << "<p class=\"hint\"" << attribute("id", id + "_hint") << ">" << escaped(field.hint)
        << "</p>\n"
        << "<p class=\"error\"" << attribute("id", id + "_error") << "></p>\n</div>\n";
}

// A tool as a section: its form, then its results (hidden until it has answered), each with its
// caption and a Copy button, its warning, the buttons that carry a result into another tool, and
// its table. `place` is its place in the table of tools, by which the binding knows it.
void write_tool(std::ostream& out, const bench_tool& tool, std::size_t place) {
    const std::string id(tool.id);
    out << "<section class=\"tool\"" << attribute("id", id)
        << attribute("aria-labelledby", id + "_title")
        << attribute("data-tool", std::to_string(place)) << ">\n"
        << "<h2" << attribute("id", id + "_title") << ">" << escaped(tool.title) << "</h2>\n"
        << "<p class=\"about\">" << escaped(tool.about) << "</p>\n"
        << "<form novalidate>\n";
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        write_field(out, tool.fields[i], i + 1 == tool.fields.size());
    }
    out << "<p class=\"error\"" << attribute("id", id + "_error") << "></p>\n"
        << "<button class=\"command\" type=\"submit\">Calculate</button>\n</form>\n"
        << "<div class=\"results\"" << attribute("id", id + "_results") << " hidden>\n";
    for (std::size_t row = 0; row < tool.results.size(); ++row) {
        const std::string result = id + "_r" + std::to_string(row);
        out << "<div class=\"result-row\">\n<span class=\"caption\""
            << attribute("id", result + "_caption") << "></span>\n"
            << "<output class=\"result\"" << attribute("id", result)
            << attribute("aria-labelledby", result + "_caption") << "></output>\n"
            << "<button class=\"copy\" type=\"button\"" << attribute("data-copy", result)
            << ">Copy</button>\n</div>\n";
    }
    if (tool.warns) {
        out << "<p class=\"warning\"" << attribute("id", id + "_warning") << "></p>\n";
    }
    for (const ridi::web::bench_carry& carry : tool.carries) {
        out << "<button class=\"command\" type=\"button\"" << attribute("id", carry.id)
            << attribute("data-carry", id + "_r" + std::to_string(carry.result))
            << attribute("data-to", carry.to_field) << ">" << escaped(carry.label) << "</button>\n";
    }
    if (!tool.columns.empty()) {
        out << "<table" << attribute("id", id + "_table") << "><thead><tr>";
        for (std::size_t column = 0; column < tool.columns.size(); ++column) {
            out << "<th scope=\"col\"></th>";
        }
        out << "</tr></thead><tbody></tbody></table>\n";
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
    const auto tools = ridi::web::bench_tools();
    for (std::size_t place = 0; place < tools.size(); ++place) {
        write_tool(out, tools[place], place);
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
