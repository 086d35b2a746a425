// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the web page, index.html, and the web app manifest from the window's description, at
// build time:
//   ridi_page SITE_DIR NAMES STYLE_SHEET... SCRIPT...
// Every text, box, the tab order, the access key and the cable list come from ridi_form. The
// style sheets (the site's, then the page's own) and the scripts (the core's loader, the
// site's, then the page's own) go inside the page, so that it comes in one request beside the
// core's WebAssembly. NAMES gives the name in the site of each file the page and the manifest
// point to, "ridi_core.wasm ridi_core.0123abcd.wasm" a line (hashed_files.cmake writes it).
#include "bench/bench_words.hpp"
#include "page_parts.hpp"

#include "ridi/form/form.hpp"
#include "ridi/form/form_layout.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace form = ridi::form;

using ridi::web::attribute;
using ridi::web::escaped;
using ridi::web::frame_colour;
using ridi::web::frame_colour_dark;

// The control's box in pixels at 96 dots per inch, for the style sheet: the large-screen layout
// places each box, the one-column layout stacks them in the document's order.
std::string box_style(const form::control& control) {
    const form::pixel_box box = form::to_pixels(control.box, form::standard_pixels_per_inch);
    std::ostringstream style;
    style << "--left:" << box.left << ";--top:" << box.top << ";--width:" << box.width
          << ";--height:" << box.height;
    return attribute("style", style.str());
}

// The control's place in reading order, the document's order: the inputs, the button and the
// results from the top left, row by row, each caption directly before the control it names.
// A screen reader reads them so, and a phone's Next key goes so; Tab keeps the window's own
// order (data-tab-index, app.js).
int reading_place(const form::control& control) {
    const form::control* placed = &control;
    int caption = 0;
    if (control.kind == form::kind::caption_label) {
        if (const form::control* named = form::named_by(control)) {
            placed = named;
            caption = -1;
        }
    }
    int place = 0;
    for (const form::control& other : form::controls) {
        const bool before = other.box.top != placed->box.top ? other.box.top < placed->box.top
                                                             : other.box.left < placed->box.left;
        if (other.kind != form::kind::caption_label && before) {
            ++place;
        }
    }
    return 2 * place + 1 + caption;
}

// A caption with its access key's letter marked, the "&" left out.
std::string marked_caption(std::u16string_view caption) {
    const std::u16string shown = form::shown_caption(caption);
    const std::optional<char16_t> key = form::access_key(caption);
    const std::size_t at = key ? shown.find(*key) : std::u16string::npos;
    if (at == std::u16string::npos) {
        return escaped(shown);
    }
    return escaped(std::u16string_view(shown).substr(0, at)) + "<span class=\"access-key\">" +
           escaped(std::u16string_view(shown).substr(at, 1)) + "</span>" +
           escaped(std::u16string_view(shown).substr(at + 1));
}

std::string ascii_lower(char16_t c) {
    const char letter = static_cast<char>(c);
    return std::string(1, letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a')
                                                         : letter);
}

// The control's tooltip also as a hint under it, shown where nothing hovers: its id.
std::string hint_id(const form::control& control) {
    return std::string(control.name) + "_hint";
}

std::string hint(const form::control& control) {
    if (control.tooltip.empty()) {
        return {};
    }
    return "<p class=\"hint\"" + attribute("id", hint_id(control)) + ">" +
           escaped(control.tooltip) + "</p>\n";
}

// What a text input carries beyond its kind: its starting text, tooltip and hint, its place in
// the Tab order, and the label of a phone keyboard's Enter key: "next" to go on to the next
// input in reading order, "done" to close the keyboard after the last.
std::string input_attributes(const form::control& control, bool last_input) {
    const std::string tooltip =
        control.tooltip.empty()
            ? std::string()
            : attribute("title", control.tooltip) + attribute("aria-describedby", hint_id(control));
    return attribute("value", control.text) + tooltip +
           attribute("data-tab-index", std::to_string(control.tab_index)) +
           attribute("enterkeyhint", last_input ? "done" : "next") +
           " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\"";
}

void write_control(std::ostream& out, const form::control& control, bool last_input) {
    const std::string id = attribute("id", control.name);
    const std::string style = box_style(control);
    switch (control.kind) {
    case form::kind::caption_label: {
        const form::control* named = form::named_by(control);
        if (named != nullptr && named->kind != form::kind::result_label) {
            out << "<label class=\"caption\"" << id << attribute("for", named->name) << style << ">"
                << escaped(control.text) << "</label>\n";
        } else {
            out << "<span class=\"caption\"" << id << style << ">" << escaped(control.text)
                << "</span>\n";
        }
        return;
    }
    case form::kind::text_field:
        out << "<input class=\"field\" type=\"text\" inputmode=\"decimal\"" << id
            << input_attributes(control, last_input) << style << ">\n"
            << hint(control);
        return;
    case form::kind::drop_down: {
        // An editable combo box: a text field, its drop-down button (not a Tab stop, as in the
        // desktop window, named by the caption and the field's text) and the list it opens.
        const std::string list = std::string(control.name) + "_list";
        const form::control* caption = form::caption_of(control.id);
        const std::string caption_name = caption != nullptr ? std::string(caption->name) : "";
        out << "<div class=\"combo\"" << style << ">\n"
            << "<input class=\"field\" type=\"text\" role=\"combobox\"" << id
            << " aria-autocomplete=\"none\" aria-expanded=\"false\""
            << attribute("aria-controls", list) << input_attributes(control, last_input) << ">\n"
            << "<button class=\"drop\" type=\"button\" tabindex=\"-1\""
            << attribute("id", std::string(control.name) + "_drop")
            << attribute("aria-labelledby", caption_name + " " + std::string(control.name))
            << " aria-expanded=\"false\"" << attribute("aria-controls", list)
            << "></button>\n<ul class=\"list\" role=\"listbox\"" << attribute("id", list)
            << attribute("aria-labelledby", caption_name) << " hidden>\n";
        int item = 0;
        for (const ridi::cable& entry : form::cable_list()) {
            out << "<li role=\"option\" aria-selected=\"false\""
                << attribute("id", list + "_" + std::to_string(item++)) << ">"
                << escaped(entry.name) << "</li>\n";
        }
        out << "</ul>\n</div>\n" << hint(control);
        return;
    }
    case form::kind::push_button: {
        const std::optional<char16_t> key = form::access_key(control.text);
        out << "<button class=\"command\" type=\"button\"" << id
            << (control.tooltip.empty() ? std::string() : attribute("title", control.tooltip))
            << attribute("data-tab-index", std::to_string(control.tab_index))
            << (key ? attribute("accesskey", ascii_lower(*key)) : std::string()) << style << ">"
            << marked_caption(control.text) << "</button>\n";
        return;
    }
    case form::kind::result_label: {
        const form::control* caption = form::caption_of(control.id);
        out << "<output class=\"result\"" << id
            << (caption != nullptr ? attribute("aria-labelledby", caption->name) : std::string())
            << (control.tooltip.empty() ? std::string()
                                        : attribute("title", control.tooltip) +
                                              attribute("aria-describedby", hint_id(control)))
            << " aria-live=\"off\"" << style << ">" << escaped(control.text) << "</output>\n"
            << (control.tooltip.empty() ? std::string() : hint(control));
        return;
    }
    }
}

// The controls in reading order.
std::vector<const form::control*> reading_order() {
    std::vector<const form::control*> order;
    for (const form::control& control : form::controls) {
        order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        return reading_place(*a) < reading_place(*b);
    });
    return order;
}

std::string colour(const form::colour& c) {
    return "rgb(" + std::to_string(c.red) + " " + std::to_string(c.green) + " " +
           std::to_string(c.blue) + ")";
}

using ridi::web::page_parts;
using ridi::web::site_names;

void write_page(std::ostream& out, const page_parts& parts) {
    const std::string title = escaped(form::title);
    const form::pixel_size client = form::client_pixels(form::standard_pixels_per_inch);
    const form::font& result = form::result_font;
    std::ostringstream window_style;
    window_style << "--client-width:" << client.width << ";--client-height:" << client.height
                 << ";--result-family:'" << ridi::utf16_to_utf8(result.family)
                 << "';--result-points:" << result.points << ";--result-weight:" << result.weight
                 << ";--result-background:" << colour(form::result_background);
    window_style << ";--title-bar-light:" << frame_colour
                 << ";--title-bar-dark:" << frame_colour_dark;
    ridi::web::write_head(out, title, RIDI_DESCRIPTION, parts);
    out << "<main class=\"page\"" << attribute("style", window_style.str())
        << ">\n"
        // The window: its frame, with the caption in a title bar as the page's heading, around
        // the client area.
        << "<div class=\"frame\">\n"
        << "<h1 class=\"title-bar\" id=\"title\">" << title << "</h1>\n"
        << "<div class=\"window\"" << attribute("id", form::window_name)
        << attribute("data-version", ridi::version) << ">\n";
    const std::vector<const form::control*> order = reading_order();
    const form::control* last_input = nullptr;
    for (const form::control* control : order) {
        if (control->kind == form::kind::text_field || control->kind == form::kind::drop_down) {
            last_input = control;
        }
    }
    for (const form::control* control : order) {
        write_control(out, *control, control == last_input);
    }
    const std::string bench = escaped(form::title) + std::string(ridi::web::bench_name_suffix);
    out << "</div>\n</div>\n"
        // Under the window, outside its frame: why a cable gave 0.000, and the bench page.
        << "<p class=\"note\" id=\"cable_note\" aria-live=\"polite\"></p>\n"
        // The whole sentence is the link: a target a finger finds.
        << "<p class=\"bench-link\"><a" << attribute("href", ridi::web::bench_page_file)
        << "><span class=\"name\">" << bench << "</span>: " << escaped(ridi::web::bench_summary)
        << "</a></p>\n"
        << "<p class=\"announcer\" id=\"announcer\" aria-live=\"polite\"></p>\n"
        << "</main>\n"
        << "<dialog class=\"fault\" id=\"fault\" role=\"alertdialog\" aria-modal=\"true\""
        << " aria-labelledby=\"fault_title\" aria-describedby=\"fault_message\">\n"
        << "<h2 id=\"fault_title\">" << title << "</h2>\n"
        << "<p id=\"fault_message\"></p>\n"
        << "<form method=\"dialog\"><button class=\"command\" id=\"fault_ok\">OK</button></form>\n"
        << "</dialog>\n";
    ridi::web::write_end(out, title, parts);
}

void write_manifest(std::ostream& out, const site_names& names) {
    const std::string title = ridi::utf16_to_utf8(form::title);
    out << "{\n"
        << "  \"name\": \"" << title << "\",\n"
        << "  \"short_name\": \"" << title << "\",\n"
        << "  \"description\": \"" << RIDI_DESCRIPTION << "\",\n"
        << "  \"id\": \"./\",\n"
        << "  \"start_url\": \"./\",\n"
        << "  \"scope\": \"./\",\n"
        << "  \"display\": \"standalone\",\n"
        << "  \"background_color\": \"" << frame_colour << "\",\n"
        << "  \"theme_color\": \"" << frame_colour << "\",\n"
        << "  \"icons\": [\n"
        << "    {\"src\": \"" << names["icon-192.png"]
        << "\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
        << "    {\"src\": \"" << names["icon-512.png"]
        << "\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
        << "    {\"src\": \"" << names["icon.svg"]
        << "\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"},\n"
        << "    {\"src\": \"" << names["icon-maskable-192.png"]
        << "\", \"sizes\": \"192x192\", \"type\": \"image/png\", \"purpose\": \"maskable\"}\n"
        << "  ],\n"
        << "  \"shortcuts\": [\n"
        << "    {\"name\": \"" << title << ridi::web::bench_name_suffix << "\", \"url\": \""
        << ridi::web::bench_page_file << "\", \"description\": \"" << ridi::web::bench_summary
        << "\",\n"
        << "     \"icons\": [{\"src\": \"" << names["icon-192.png"]
        << "\", \"sizes\": \"192x192\", \"type\": \"image/png\"}]}\n"
        << "  ]\n"
        << "}\n";
}

} // namespace

int main(int argc, char** argv) {
    return ridi::web::generator_main(
        argc, argv, "ridi_page", [](const std::string& site, const page_parts& parts) {
            return ridi::web::write_file(site + "/index.html",
                                         [&parts](std::ostream& out) { write_page(out, parts); }) &&
                   ridi::web::write_file(
                       site + "/manifest.webmanifest",
                       [&parts](std::ostream& out) { write_manifest(out, parts.names); });
        });
}
