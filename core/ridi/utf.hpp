// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between UTF-8 and UTF-16, the form's texts being UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace ridi {

// Each byte that is not part of a well-formed UTF-8 sequence becomes U+FFFD.
std::u16string utf8_to_utf16(std::string_view text);

// The same, into `out`, reusing its storage.
void utf8_to_utf16(std::string_view text, std::u16string& out);

// How many bytes at the end of `text` start a UTF-8 sequence that is cut short there (0 to 3):
// what one who turns UTF-8 arriving in pieces into text keeps back until its rest arrives.
std::size_t utf8_cut_short(std::string_view text);

// Each lone surrogate becomes U+FFFD.
std::string utf16_to_utf8(std::u16string_view text);

// `text` in double quotes, fit for a one-line message: cut after 24 code units (then "..."
// follows the text), control characters shown as "?", lone surrogates as U+FFFD.
std::string quoted_for_message(std::u16string_view text);

} // namespace ridi
