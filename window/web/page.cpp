// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the web page, index.html, and the web app manifest from the window's description, at
// build time:
//   ridi_page SITE_DIR STYLE_SHEET SCRIPT...
// Every text, box, the tab order, the access key and the cable list come from ridi_form. The
// style sheet and the scripts (the core's loader, then the page's own) go inside the page, so
// that it comes in one request beside the core's WebAssembly.
#include "bench_words.hpp"
#include "page_parts.hpp"

#include "ridi/form/form.hpp"
#include "ridi/form/form_layout.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace form = ridi::form;

// The colour of the browser's bar around the page and of an installed app's splash screen: the
// grey of the window's frame.
constexpr std::string_view frame_colour = "#c0c0c0";

using ridi::web::attribute;
using ridi::web::escaped;

// The control's box in pixels at 96 dots per inch, and its place from the top left in reading
// order, for the style sheet: the large-screen layout places each box, the phone layout stacks
// them in reading order.
std::string box_style(const form::control& control, int reading_place) {
    const form::pixel_box box = form::to_pixels(control.box, form::standard_pixels_per_inch);
    std::ostringstream style;
    style << "--left:" << box.left << ";--top:" << box.top << ";--width:" << box.width
          << ";--height:" << box.height << ";--place:" << reading_place;
    return attribute("style", style.str());
}

// The control's place when the controls stack in one column: the inputs, the button and the
// results from the top left, row by row, each caption directly before the control it names.
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

void write_control(std::ostream& out, const form::control& control) {
    const std::string id = attribute("id", control.name);
    const std::string style = box_style(control, reading_place(control));
    const std::string tooltip =
        control.tooltip.empty() ? std::string() : attribute("title", control.tooltip);
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
            << attribute("value", control.text) << tooltip
            << " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\"" << style
            << ">\n";
        return;
    case form::kind::drop_down: {
        const std::string list = std::string(control.name) + "_list";
        out << "<input class=\"field\" type=\"text\"" << id << attribute("list", list)
            << attribute("value", control.text) << tooltip
            << " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\"" << style
            << ">\n<datalist" << attribute("id", list) << ">\n";
        for (const ridi::cable& entry : form::cable_list()) {
            out << "<option" << attribute("value", entry.name) << "></option>\n";
        }
        out << "</datalist>\n";
        return;
    }
    case form::kind::push_button: {
        const std::optional<char16_t> key = form::access_key(control.text);
        out << "<button class=\"command\" type=\"button\"" << id << tooltip
            << (key ? attribute("accesskey", ascii_lower(*key)) : std::string()) << style << ">"
            << marked_caption(control.text) << "</button>\n";
        return;
    }
    case form::kind::result_label: {
        const form::control* caption = form::caption_of(control.id);
        out << "<output class=\"result\"" << id
            << (caption != nullptr ? attribute("aria-labelledby", caption->name) : std::string())
            << tooltip << " aria-live=\"off\"" << style << ">" << escaped(control.text)
            << "</output>\n";
        return;
    }
    }
}

std::string colour(const form::colour& c) {
    return "rgb(" + std::to_string(c.red) + " " + std::to_string(c.green) + " " +
           std::to_string(c.blue) + ")";
}

// The files that go inside the page.
struct page_parts {
    std::string style;
    std::vector<std::string> scripts;
};

void write_page(std::ostream& out, const page_parts& parts) {
    const std::string title = escaped(form::title);
    const form::pixel_size client = form::client_pixels(form::standard_pixels_per_inch);
    const form::font& result = form::result_font;
    std::ostringstream window_style;
    window_style << "--client-width:" << client.width << ";--client-height:" << client.height
                 << ";--result-family:'" << ridi::utf16_to_utf8(result.family)
                 << "';--result-points:" << result.points << ";--result-weight:" << result.weight
                 << ";--result-background:" << colour(form::result_background);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"color-scheme\" content=\"light dark\">\n"
        << "<meta name=\"theme-color\"" << attribute("content", frame_colour) << ">\n"
        << "<title>" << title << "</title>\n"
        << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        << "<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n"
        << "<link rel=\"apple-touch-icon\" href=\"icon-192.png\">\n"
        // The calculation is fetched while the page is read, not after its scripts.
        << "<link rel=\"preload\" href=\"ridi_core.wasm\" as=\"fetch\" type=\"application/wasm\""
        << " crossorigin=\"anonymous\">\n"
        << "<style>\n"
        << parts.style << "</style>\n</head>\n<body>\n"
        << "<main class=\"window\"" << attribute("id", form::window_name)
        << attribute("aria-label", form::title) << attribute("data-version", ridi::version)
        << attribute("style", window_style.str()) << ">\n";
    // Each caption directly before the control it names, the controls by tab index: the
    // document's order is the Tab order.
    for (const form::control* control : form::z_order()) {
        write_control(out, *control);
    }
    const std::string bench = escaped(form::title) + std::string(ridi::web::bench_name_suffix);
    out << "</main>\n"
        << "<p class=\"bench-link\"><a" << attribute("href", ridi::web::bench_page_file) << ">"
        << bench << "</a>: " << escaped(ridi::web::bench_summary) << "</p>\n"
        << "<p class=\"announcer\" id=\"announcer\" aria-live=\"polite\"></p>\n"
        << "<dialog class=\"fault\" id=\"fault\" role=\"alertdialog\" aria-modal=\"true\""
        << " aria-labelledby=\"fault_title\" aria-describedby=\"fault_message\">\n"
        << "<h1 id=\"fault_title\">" << title << "</h1>\n"
        << "<p id=\"fault_message\"></p>\n"
        << "<form method=\"dialog\"><button class=\"command\" id=\"fault_ok\">OK</button></form>\n"
        << "</dialog>\n"
        << "<noscript><p class=\"noscript\">" << title
        << " calculates with JavaScript and WebAssembly: turn JavaScript on for this page."
        << "</p></noscript>\n";
    for (const std::string& script : parts.scripts) {
        out << "<script>\n" << script << "</script>\n";
    }
    out << "</body>\n</html>\n";
}

void write_manifest(std::ostream& out) {
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
        << "    {\"src\": \"icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
        << "    {\"src\": \"icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
        << "    {\"src\": \"icon.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"}\n"
        << "  ],\n"
        << "  \"shortcuts\": [\n"
        << "    {\"name\": \"" << title << ridi::web::bench_name_suffix << "\", \"url\": \""
        << ridi::web::bench_page_file << "\", \"description\": \"" << ridi::web::bench_summary
        << "\",\n"
        << "     \"icons\": [{\"src\": \"icon-192.png\", \"sizes\": \"192x192\", "
           "\"type\": \"image/png\"}]}\n"
        << "  ]\n"
        << "}\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: ridi_page SITE_DIR STYLE_SHEET SCRIPT...\n";
        return 2;
    }
    try {
        const std::string site = argv[1];
        page_parts parts;
        if (!ridi::web::read_part(argv[2], "style", parts.style)) {
            return 1;
        }
        for (int i = 3; i < argc; ++i) {
            if (!ridi::web::read_part(argv[i], "script", parts.scripts.emplace_back())) {
                return 1;
            }
        }
        const bool written =
            ridi::web::write_file(site + "/index.html",
                                  [&parts](std::ostream& out) { write_page(out, parts); }) &&
            ridi::web::write_file(site + "/manifest.webmanifest", write_manifest);
        return written ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "ridi_page: " << error.what() << "\n";
        return 1;
    }
}
