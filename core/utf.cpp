// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/utf.hpp"

#include <algorithm>
#include <cstdint>

namespace ridi {
namespace {

constexpr char16_t replacement = 0xFFFD;

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

// What a byte above 0x7F says of the UTF-8 sequence it starts: its length (0 when it starts
// none), the code point bits it carries, and the smallest code point the sequence may carry (to
// refuse overlong forms).
struct sequence_start {
    std::size_t length = 0;
    std::uint32_t bits = 0;
    std::uint32_t minimum = 0;
};

sequence_start start_of(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, lead & 0x1Fu, 0x80};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, lead & 0x0Fu, 0x800};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, lead & 0x07u, 0x10000};
    }
    return {};
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
    char16_t* const first = out.data();
    char16_t* end = first;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            *end++ = lead;
            ++i;
            continue;
        }
        const sequence_start start = start_of(lead);
        const std::size_t length = start.length;
        std::uint32_t code_point = start.bits;
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            valid = is_continuation(byte);
            code_point = (code_point << 6) | (byte & 0x3Fu);
        }
        valid = valid && code_point >= start.minimum && code_point <= 0x10FFFF &&
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
    out.resize(static_cast<std::size_t>(end - first));
}

std::size_t utf8_cut_short(std::string_view text) {
    const std::size_t look_back = std::min<std::size_t>(text.size(), 3);
    for (std::size_t back = 1; back <= look_back; ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if (!is_continuation(byte)) { // the start of the last sequence
            return start_of(byte).length > back ? back : 0;
        }
    }
    return 0;
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
