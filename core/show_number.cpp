// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a number as a result caption: three decimals, and the number the caption reads back as.
#include "ridi/number_text.hpp"

#include "fixed_text.hpp"

#include "ridi/plain_decimal.hpp"

#include <array>
#include <cstdint>
#include <utility>

namespace ridi {
namespace {

// The text of text_from_number, written at `out`, and the number it shows.
template <typename Char> std::pair<std::size_t, double> show_into(double value, Char* out) {
    std::uint64_t rounded = 0;
    if (round_scaled(value, 3, rounded)) {
        const auto length = static_cast<std::size_t>(write_fixed(rounded, 3, value < 0, out) - out);
        return {length, caption_value(rounded, value < 0)};
    }
    const std::size_t length = format_into(value, 3, out);
    return {length,
            read_number(std::basic_string_view<Char>(out, length), error_field::coax_length)};
}

} // namespace

shown_number show_number(double value, caption_text& text) {
    const auto [length, shown] = show_into(value, text.data());
    return {std::u16string_view(text.data(), length), shown};
}

double show_number(double value, std::string& text) {
    std::array<char, max_fixed_text> room; // NOLINT(cppcoreguidelines-pro-type-member-init)
    const auto [length, shown] = show_into(value, room.data());
    text.assign(room.data(), length);
    return shown;
}

std::u16string text_from_number(double value) {
    caption_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    return std::u16string(show_number(value, text).text);
}

} // namespace ridi
