// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/utf.hpp"

#include <cstdint>

namespace ridi {
namespace {

constexpr char16_t replacement = 0xFFFD;

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

void append_utf8(std::string& out, std::uint32_t code_point) {
    auto put = [&out](std::uint32_t byte) {
        out.push_back(static_cast<char>(byte));
    };
    if (code_point < 0x80) {
        put(code_point);
    } else if (code_point < 0x800) {
        put(0xC0 | (code_point >> 6));
        put(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        put(0xE0 | (code_point >> 12));
        put(0x80 | ((code_point >> 6) & 0x3F));
        put(0x80 | (code_point & 0x3F));
    } else {
        put(0xF0 | (code_point >> 18));
        put(0x80 | ((code_point >> 12) & 0x3F));
        put(0x80 | ((code_point >> 6) & 0x3F));
        put(0x80 | (code_point & 0x3F));
    }
}

} // namespace

std::u16string utf8_to_utf16(std::string_view text) {
    std::u16string out;
    utf8_to_utf16(text, out);
    return out;
}

void utf8_to_utf16(std::string_view text, std::u16string& out) {
    // No byte gives more than one code unit (a four-byte sequence gives two), so the text fits
    // in as many units as it has bytes, written in place without a check per unit.
    out.resize(text.size());
    char16_t* const start = out.data();
    char16_t* end = start;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            *end++ = lead;
            ++i;
            continue;
        }
        // Sequence length and the smallest code point it may carry (to refuse overlong forms).
        std::size_t length = 0;
        std::uint32_t code_point = 0;
        std::uint32_t minimum = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code_point = lead & 0x1Fu;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code_point = lead & 0x0Fu;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code_point = lead & 0x07u;
            minimum = 0x10000;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            valid = is_continuation(byte);
            code_point = (code_point << 6) | (byte & 0x3Fu);
        }
        valid = valid && code_point >= minimum && code_point <= 0x10FFFF &&
                !(code_point >= 0xD800 && code_point <= 0xDFFF);
        if (!valid) {
            *end++ = replacement;
            ++i;
            continue;
        }
        if (code_point >= 0x10000) {
            code_point -= 0x10000;
            *end++ = static_cast<char16_t>(0xD800 + (code_point >> 10));
            *end++ = static_cast<char16_t>(0xDC00 + (code_point & 0x3FF));
        } else {
            *end++ = static_cast<char16_t>(code_point);
        }
        i += length;
    }
    out.resize(static_cast<std::size_t>(end - start));
}

std::string utf16_to_utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            append_utf8(out, 0x10000 + ((std::uint32_t{unit} - 0xD800) << 10) +
                                 (std::uint32_t{text[i + 1]} - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            append_utf8(out, replacement);
        } else {
            append_utf8(out, unit);
        }
    }
    return out;
}

std::string quoted_for_message(std::u16string_view text) {
    constexpr std::size_t shown = 24;
    std::u16string cut(text.substr(0, shown));
    for (char16_t& c : cut) {
        if (c < 0x20 || c == 0x7F) {
            c = u'?';
        }
    }
    // Appended piece by piece: GCC 12 at -O3 warns (wrongly) of overlap in "\"" + string.
    std::string out(1, '"');
    out += utf16_to_utf8(cut);
    out += text.size() > shown ? "...\"" : "\"";
    return out;
}

} // namespace ridi
