// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the readers of typed numbers and lengths share: blanks, digits, and the message about a
// text they cannot take. Internal to the core.
#pragma once

#include "ridi/error.hpp"

#include <string>
#include <string_view>

namespace ridi {

// The blanks allowed around a number and between the parts of a length: space and tab.
inline constexpr std::u16string_view blanks = u" \t";

constexpr bool is_blank(char16_t c) noexcept {
    return blanks.find(c) != std::u16string_view::npos;
}

// An ASCII digit only: no other script's digits.
constexpr bool is_digit(char16_t c) noexcept {
    return c >= u'0' && c <= u'9';
}

// `text` without the blanks at either end.
constexpr std::u16string_view trim_blanks(std::u16string_view text) noexcept {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The message about a typed text: the field's noun, the text in quotes (left out when empty: an
// empty text is named by its noun alone), what is wrong with it and, after `joint`, what to
// enter, closed by a full stop: The frequency "abc" is not a number: enter the centre frequency
// in MHz, for example 435.850.
std::string text_message(error_field field, std::u16string_view text, std::string_view fault,
                         std::string_view advice, std::string_view joint = ": ");

} // namespace ridi
