// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 that arrives in pieces, as ridi-calc writes it to a Windows console.
#include "ridi/utf.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(Utf8CutShort, KeepsBackOnlyASequenceThatMayYetBeCompleted) {
    const struct {
        std::string_view text;
        std::size_t kept;
        const char* why;
    } rows[] = {
        {"", 0, "nothing"},
        {"RG-58", 0, "ASCII"},
        {"\xC3\x84", 0, "a whole two-byte sequence"},
        {"\xF0\x9F\x98\x80", 0, "a whole four-byte sequence"},
        {"a\xC3", 1, "one byte of two"},
        {"\xE2\x82", 2, "two bytes of three"},
        {"\xF0\x9F\x98", 3, "three bytes of four"},
        {"\xC3\x84\xF0", 1, "a whole sequence, then the start of the next"},
        {"a\x80\x80", 0, "continuation bytes with no start"},
        {"\x80\x80\x80\x80", 0, "more continuation bytes than any sequence has"},
        {"\xC0", 0, "a byte that starts only overlong forms"},
        {"\xF5\x80", 0, "a byte that starts only code points past U+10FFFF"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ridi::utf8_cut_short(row.text), row.kept) << row.why;
    }
}

TEST(Utf8CutShort, PiecesReadAsTheWhole) {
    // Every kind of sequence, well-formed or not; cut anywhere, the bytes kept back from the
    // first piece go with the second, and the two read as the whole does.
    const std::string_view whole =
        "a\xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80\xC3(\xE0\x80\x80\xED\xA0\x80\xF4\x90\x80\x80\x80z";
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        const std::string_view first = whole.substr(0, cut);
        const std::size_t kept = ridi::utf8_cut_short(first);
        EXPECT_EQ(ridi::utf8_to_utf16(first.substr(0, cut - kept)) +
                      ridi::utf8_to_utf16(whole.substr(cut - kept)),
                  ridi::utf8_to_utf16(whole))
            << "cut after " << cut << " bytes";
    }
}

} // namespace
