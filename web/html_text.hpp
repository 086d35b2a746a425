// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text for the site's HTML and SVG: escaped for content and for attribute values.
#pragma once

#include "ridi/utf.hpp"

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

} // namespace ridi::web
