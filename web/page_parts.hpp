// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the generators of the site's pages share: HTML text, the files that go inside a page,
// a page's head and end, writing a page out and the generator's command line.
#pragma once

#include "html_text.hpp"

#include "ridi/utf.hpp"

#include <exception>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ridi::web {

// Writes a file of the site with `write`; false, said on standard error, when it cannot.
template <class Write> bool write_file(const std::string& path, Write write) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    write(file);
    file.close();
    if (!file) {
        std::cerr << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

// The colour of the window's title bar, of the browser's bar around a page and of an installed
// app's splash screen: the grey of the window's frame, and in dark mode a dark grey.
inline constexpr std::string_view frame_colour = "#" RIDI_FRAME_COLOUR_HEX;
inline constexpr std::string_view frame_colour_dark = "#3c4043";

// What makes a page a touch page, where the keyboard is on the screen and no tooltip shows: a
// finger for a pointer, or nothing that hovers. The style sheets and the pages' own scripts
// name it "(--touch)", which a page gets in its place; the script the pages share reads it from
// the page's data-touch.
inline constexpr std::string_view touch_media = "(pointer: coarse), (hover: none)";
inline constexpr std::string_view touch_media_name = "(--touch)";

inline std::string with_touch_media(std::string text) {
    for (std::size_t at = text.find(touch_media_name); at != std::string::npos;
         at = text.find(touch_media_name, at + touch_media.size())) {
        text.replace(at, touch_media_name.size(), touch_media);
    }
    return text;
}

// The name in the site of each file a page points to, by its plain name.
class site_names {
public:
    bool read(const std::string& path) {
        std::ifstream file(path);
        std::string plain;
        std::string named;
        while (file >> plain >> named) {
            names_[plain] = named;
        }
        if (!file.eof() || names_.empty()) {
            std::cerr << "cannot read the names in " << path << "\n";
            return false;
        }
        return true;
    }
    const std::string& operator[](const std::string& plain) const {
        const auto found = names_.find(plain);
        if (found == names_.end()) {
            throw std::runtime_error("no name in the site for " + plain);
        }
        return found->second;
    }

private:
    std::map<std::string, std::string, std::less<>> names_;
};

// The files that go inside a page, and the names of those it points to.
struct page_parts {
    std::string style;
    std::vector<std::string> scripts;
    site_names names;
};

// A page's head, up to and with the opening of its body: `title` and `description` as HTML
// text, the style sheet inside, the icons and the core's WebAssembly by their names in the site.
inline void write_head(std::ostream& out, const std::string& title, std::string_view description,
                       const page_parts& parts) {
    out << "<!DOCTYPE html>\n<html lang=\"en\"" << attribute("data-touch", touch_media)
        << ">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"color-scheme\" content=\"light dark\">\n"
        << "<meta name=\"description\"" << attribute("content", description) << ">\n"
        << "<meta name=\"theme-color\" media=\"(prefers-color-scheme: light)\""
        << attribute("content", frame_colour) << ">\n"
        << "<meta name=\"theme-color\" media=\"(prefers-color-scheme: dark)\""
        << attribute("content", frame_colour_dark) << ">\n"
        << "<title>" << title << "</title>\n"
        << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        << "<link rel=\"icon\"" << attribute("href", parts.names["icon.svg"])
        << " type=\"image/svg+xml\">\n"
        << "<link rel=\"apple-touch-icon\"" << attribute("href", parts.names["icon-192.png"])
        << ">\n"
        // The calculation is fetched while the page is read, not after its scripts, which
        // find its name here.
        << "<link rel=\"preload\" id=\"core\"" << attribute("href", parts.names["ridi_core.wasm"])
        << " as=\"fetch\" type=\"application/wasm\" crossorigin=\"anonymous\">\n"
        << "<style>\n"
        << parts.style << "</style>\n</head>\n<body>\n";
}

// A file's text to go inside a page in an `element` (style or script), which must not end it
// early.
inline bool read_part(const std::string& path, std::string_view element, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    if (!file || !contents) {
        std::cerr << "cannot read " << path << "\n";
        return false;
    }
    text = contents.str();
    std::string lower = text;
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (lower.find("</" + std::string(element)) != std::string::npos) {
        std::cerr << path << " holds \"</" << element << "\", which would end it inside the page\n";
        return false;
    }
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    text = with_touch_media(std::move(text));
    return true;
}

// A page's end, after its content: what it says without JavaScript, its scripts, in order, and
// the closing of its body. `title` is HTML text.
inline void write_end(std::ostream& out, const std::string& title, const page_parts& parts) {
    out << "<noscript><p class=\"noscript\">" << title
        << " calculates with JavaScript and WebAssembly: turn JavaScript on for this page."
        << "</p></noscript>\n";
    // The core's loader and the site's script, which both pages share, then the page's own.
    out << "<script" << attribute("src", parts.names["site.js"]) << "></script>\n";
    for (const std::string& script : parts.scripts) {
        out << "<script>\n" << script << "</script>\n";
    }
    out << "</body>\n</html>\n";
}

// A script without its lines that hold only a // comment, which a page need not carry.
inline std::string without_comment_lines(std::string_view script) {
    std::string kept;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line =
            script.substr(0, end == std::string_view::npos ? script.size() : end + 1);
        script.remove_prefix(line.size());
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line.substr(first, 2) != "//") {
            kept += line;
        }
    }
    return kept;
}

// The files that go inside a page, from a generator's command line at `first`: NAMES, then
// style sheets (by their ".css") and scripts, each kind going in in the order given. The style
// sheets make one; the scripts go in without their comment lines.
inline bool read_parts(int argc, char** argv, int first, page_parts& parts) {
    if (first >= argc || !parts.names.read(argv[first])) {
        return false;
    }
    for (int i = first + 1; i < argc; ++i) {
        const std::string path = argv[i];
        std::string text;
        if (path.ends_with(".css")) {
            if (!read_part(path, "style", text)) {
                return false;
            }
            parts.style += text;
        } else {
            if (!read_part(path, "script", text)) {
                return false;
            }
            parts.scripts.push_back(without_comment_lines(text));
        }
    }
    return true;
}

// A page generator's main, for its command line
//   NAME SITE_DIR NAMES STYLE_SHEET... SCRIPT...
// `write(site, parts)` writes its files into the site and says whether it could.
template <class Write>
int generator_main(int argc, char** argv, std::string_view name, Write write) {
    if (argc < 4) {
        std::cerr << "usage: " << name << " SITE_DIR NAMES STYLE_SHEET... SCRIPT...\n";
        return 2;
    }
    try {
        page_parts parts;
        if (!read_parts(argc, argv, 2, parts)) {
            return 1;
        }
        return write(std::string(argv[1]), parts) ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << name << ": " << error.what() << "\n";
        return 1;
    }
}

} // namespace ridi::web
