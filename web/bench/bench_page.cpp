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

#include "ridi/catalogue.hpp"
#include "ridi/form/form.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/units.hpp"
#include "ridi/version.hpp"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using ridi::web::attribute;
using ridi::web::bench_tool;
using ridi::web::escaped;

// The list of the catalogue's cables that a cable field offers.
constexpr std::string_view cable_names = "cable_names";

// A tool's input, with its hint and its own place for a message; `enter` is what its Enter key
// says: "next" goes on to the next field, "go" calculates.
void write_field(std::ostream& out, const ridi::web::bench_field& field, std::string_view enter) {
    using ridi::web::field_kind;
    const std::string id(field.id);
    const std::string described = attribute("aria-describedby", id + "_hint " + id + "_error");
    out << "<div class=\"input\">\n<label" << attribute("for", id) << ">" << escaped(field.caption)
        << "</label>\n";
    if (field.kind == field_kind::choice) {
        out << "<select" << attribute("id", id) << attribute("name", id) << described << ">\n";
        for (const ridi::web::bench_choice& choice : field.choices) {
            out << "<option" << attribute("value", choice.value)
                << (choice.value == field.starting ? " selected" : "") << ">"
                << escaped(choice.label) << "</option>\n";
        }
        out << "</select>\n";
    } else {
        const bool words = field.kind == field_kind::text || field.kind == field_kind::cable;
        out << "<input type=\"text\"" << attribute("inputmode", words ? "text" : "decimal")
            << attribute("id", id) << attribute("name", id) << attribute("value", field.starting)
            << (field.kind == field_kind::length ? " data-length=\"\"" : "")
            << (field.kind == field_kind::cable ? attribute("list", cable_names) : "")
            << attribute("enterkeyhint", enter) << described
            << " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\">\n";
    }
    out << "<p class=\"hint\"" << attribute("id", id + "_hint") << ">" << escaped(field.hint)
        << "</p>\n"
        << "<p class=\"error\"" << attribute("id", id + "_error") << "></p>\n</div>\n";
}

// A tool's fields: those it needs, then its further settings folded away. The last field of
// each kind says "go" on its Enter key.
void write_fields(std::ostream& out, const bench_tool& tool) {
    const auto& fields = tool.fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool further = fields[i].further;
        if (further && (i == 0 || !fields[i - 1].further)) {
            out << "<details class=\"further\">\n<summary>More settings</summary>\n";
        }
        if (!further && i > 0 && fields[i - 1].further) {
            throw std::logic_error("a tool's further settings come after its other fields");
        }
        const bool last = i + 1 == fields.size() || fields[i + 1].further != further;
        write_field(out, fields[i], last ? "go" : "next");
        if (further && i + 1 == fields.size()) {
            out << "</details>\n";
        }
    }
}

// A tool as a section: its form, then its results (hidden until it has answered), each with its
// caption and a Copy button, lines of words about them, its warning, the buttons that carry a
// result into another tool, its plot, its tables and notes after them. `place` is its place in
// the table of tools, by which the binding knows it.
void write_tool(std::ostream& out, const bench_tool& tool, std::size_t place) {
    const std::string id(tool.id);
    const bool listing = std::any_of(tool.tables.begin(), tool.tables.end(),
                                     [](std::string_view caption) { return !caption.empty(); });
    out << "<section" << attribute("class", tool.plots || listing ? "tool wide" : "tool")
        << attribute("id", id) << attribute("aria-labelledby", id + "_title")
        << attribute("data-tool", std::to_string(place)) << ">\n"
        << "<h2" << attribute("id", id + "_title") << ">" << escaped(tool.title) << "</h2>\n"
        << "<p class=\"about\">" << escaped(tool.about) << "</p>\n"
        << "<form novalidate>\n";
    write_fields(out, tool);
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
    out << "<div class=\"lines\"></div>\n";
    if (tool.warns) {
        out << "<p class=\"warning\"" << attribute("id", id + "_warning") << "></p>\n";
    }
    for (const ridi::web::bench_carry& carry : tool.carries) {
        out << "<button class=\"command\" type=\"button\"" << attribute("id", carry.id)
            << attribute("data-carry", id + "_r" + std::to_string(carry.result))
            << attribute("data-to", carry.to_field) << ">" << escaped(carry.label) << "</button>\n";
    }
    if (tool.plots) {
        // The drawing is the page's own picture of the first table, which says the same.
        out << "<figure class=\"plot\">\n<div class=\"drawing\" role=\"img\""
            << attribute("aria-labelledby", id + "_plot_caption") << "></div>\n"
            << "<figcaption" << attribute("id", id + "_plot_caption") << "></figcaption>\n"
            << "</figure>\n";
    }
    for (std::size_t table = 0; table < tool.tables.size(); ++table) {
        const std::string_view caption = tool.tables[table];
        const std::string table_id = id + "_table" + (table == 0 ? "" : std::to_string(table));
        if (caption.empty()) {
            out << "<table" << attribute("id", table_id) << ">";
        } else {
            // A box that scrolls sideways on a phone, which the keyboard must reach too.
            out << "<div class=\"table-box\" tabindex=\"0\" role=\"region\""
                << attribute("aria-labelledby", table_id + "_caption")
                << "><table class=\"listing\"" << attribute("id", table_id) << "><caption"
                << attribute("id", table_id + "_caption") << ">" << escaped(caption)
                << "</caption>";
        }
        out << "<thead><tr></tr></thead><tbody></tbody></table>"
            << (caption.empty() ? "" : "</div>") << "\n";
    }
    out << "<div class=\"notes\"></div>\n</div>\n</section>\n";
}

// The catalogue's cables, which a cable field offers as its text is typed.
void write_cable_names(std::ostream& out) {
    out << "<datalist" << attribute("id", cable_names) << ">\n";
    for (const ridi::cable& entry : ridi::cable_catalogue()) {
        out << "<option" << attribute("value", entry.name) << "></option>\n";
    }
    out << "</datalist>\n";
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
    write_cable_names(out);
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
