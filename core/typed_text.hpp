// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the readers of typed numbers, lengths and names share: blanks, digits, and names
// compared whatever their spelling (the message about a text they cannot take is
// text_message.hpp's). Internal to the core.
#pragma once

#include <string>
#include <string_view>

namespace ridi {

// The blanks allowed around a number and between the parts of a length: space and tab. The
// texts come as UTF-16 or as UTF-8, read alike: the blanks and digits are ASCII, and a UTF-8
// byte outside ASCII is none of them, as a UTF-16 unit outside it is not.
inline constexpr std::u16string_view blanks = u" \t";

template <typename Char> constexpr bool is_blank(Char c) noexcept {
    return blanks.find(static_cast<char16_t>(c)) != std::u16string_view::npos;
}

// An ASCII digit only: no other script's digits.
template <typename Char> constexpr bool is_digit(Char c) noexcept {
    return c >= Char('0') && c <= Char('9');
}

// `text` without the blanks at either end.
template <typename Char>
constexpr std::basic_string_view<Char> trim_blanks(std::basic_string_view<Char> text) noexcept {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A name as a reader compares names whatever their spelling: without blanks (space, tab and the
// Unicode spaces) and hyphens with their look-alikes (U+2010 to U+2015, U+2212, U+00AD), ASCII
// letters in lower case: "rg58" for "RG-58 ", "40m" for "40 M".
std::u16string folded_name(std::u16string_view text);

} // namespace ridi
