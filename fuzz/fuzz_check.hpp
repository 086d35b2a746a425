// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets check on every input, and how they report a finding.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ridi::fuzz {

// A finding: says what was wrong and aborts, which libFuzzer and the replay both report.
[[noreturn]] inline void fail(const char* what) {
    std::fputs("fuzz finding: ", stderr);
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

inline void check(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

// A result as shown: -?[0-9]+\.[0-9]{3}, and never "-0.000".
template <typename Char> bool is_caption(std::basic_string_view<Char> text) {
    std::size_t i = text.empty() || text[0] != Char('-') ? 0 : 1;
    const bool negative = i == 1;
    const std::size_t integer_start = i;
    bool zero = true;
    auto digit = [&](std::size_t k) {
        return k < text.size() && text[k] >= Char('0') && text[k] <= Char('9');
    };
    while (digit(i)) {
        zero = zero && text[i] == Char('0');
        ++i;
    }
    if (i == integer_start || i >= text.size() || text[i] != Char('.')) {
        return false;
    }
    ++i;
    for (std::size_t k = 0; k < 3; ++k, ++i) {
        if (!digit(i)) {
            return false;
        }
        zero = zero && text[i] == Char('0');
    }
    return i == text.size() && !(negative && zero);
}

// A message for the user: one line of printable text, short enough to show whatever was typed.
inline bool is_message(std::string_view message) {
    if (message.empty() || message.size() > 400) {
        return false;
    }
    return std::ranges::none_of(
        message, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

} // namespace ridi::fuzz
