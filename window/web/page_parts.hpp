// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the generators of the site's pages share: HTML text, the files that go inside a page,
// and writing a page out.
#pragma once

#include "ridi/utf.hpp"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace ridi::web {

// Text for HTML content and for attribute values in double quotes.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

inline std::string escaped(std::u16string_view text) {
    return escaped(ridi::utf16_to_utf8(text));
}

inline std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

inline std::string attribute(std::string_view name, std::u16string_view value) {
    return attribute(name, ridi::utf16_to_utf8(value));
}

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
    return true;
}

} // namespace ridi::web
