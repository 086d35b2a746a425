// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/catalogue.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

namespace {

std::uint32_t bits_for(std::u16string_view name) {
    return std::bit_cast<std::uint32_t>(ridi::Get_Vk(name));
}

TEST(Catalogue, EveryRowInOrderWithItsBitPattern) {
    const std::pair<std::u16string_view, std::uint32_t> expected[] = {
        {u"RG-11", 0x3F28F5C3},  {u"RG-55", 0x3F28F5C3},  {u"RG-58", 0x3F28F5C3},
        {u"RG-142", 0x3F333333}, {u"RG-174", 0x3F28F5C3}, {u"RG-188", 0x3F333333},
        {u"RG-196", 0x3F333333}, {u"RG-213", 0x3F28F5C3}, {u"RG-214", 0x3F28F5C3},
        {u"RG-223", 0x3F28F5C3}, {u"RG-316", 0x3F333333}, {u"H100", 0x3F570A3D},
        {u"H155", 0x3F4A3D71},   {u"H500", 0x3F4F5C29},
    };
    const auto catalogue = ridi::cable_catalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(catalogue[i].name, expected[i].first) << "row " << i + 1;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(catalogue[i].velocity_factor), expected[i].second)
            << "row " << i + 1;
        EXPECT_EQ(bits_for(expected[i].first), expected[i].second) << "lookup of row " << i + 1;
    }
}

TEST(Catalogue, FactorsAreTheSingleValuesNotTheDecimals) {
    // The calculation multiplies with the single value widened to double.
    EXPECT_EQ(static_cast<double>(ridi::Get_Vk(u"RG-142")), 0.699999988079071044921875);
    EXPECT_NE(static_cast<double>(ridi::Get_Vk(u"RG-142")), 0.7);
    EXPECT_EQ(static_cast<double>(ridi::Get_Vk(u"RG-58")), 0.660000026226043701171875);
    EXPECT_EQ(static_cast<double>(ridi::Get_Vk(u"H100")), 0.839999973773956298828125);
    EXPECT_EQ(static_cast<double>(ridi::Get_Vk(u"H155")), 0.790000021457672119140625);
    EXPECT_EQ(static_cast<double>(ridi::Get_Vk(u"H500")), 0.810000002384185791015625);
}

TEST(Catalogue, NamesCompareExactly) {
    const std::u16string_view not_names[] = {
        u"rg-58",      // case counts
        u"RG58",       // so does the hyphen
        u" RG-58",     // no trimming before
        u"RG-58 ",     // nor after
        u"",           // empty text
        u"RG-5",       // a prefix of a name
        u"RG-580",     // a name as prefix
        u"RG-588",     // a name as prefix, ending in the name's last character
        u"H1000",      // the same, for a name without a hyphen
        u"RG\u201158", // a non-breaking hyphen looks the same but is another code unit
    };
    for (const std::u16string_view text : not_names) {
        EXPECT_EQ(bits_for(text), 0u) << std::string(text.begin(), text.end());
    }
}

TEST(Catalogue, SuggestionSetsAsideCaseBlanksAndHyphens) {
    const struct {
        std::u16string_view typed;
        std::u16string_view suggested; // empty: no suggestion
        const char* why;
    } rows[] = {
        {u"rg-58", u"RG-58", "case"},
        {u"RG58", u"RG-58", "a missing hyphen"},
        {u"RG-58 ", u"RG-58", "a trailing blank"},
        {u"\tRG 58", u"RG-58", "a tab and a blank for the hyphen"},
        {u"RG\u201158", u"RG-58", "a non-breaking hyphen pasted from a datasheet"},
        {u"RG\u201058", u"RG-58", "U+2010, the first hyphen look-alike"},
        {u"RG\u201558", u"RG-58", "U+2015, the last in that block"},
        {u"RG\u221258", u"RG-58", "a minus sign"},
        {u"RG\u00AD58", u"RG-58", "a soft hyphen"},
        {u"RG\u00A058", u"RG-58", "a no-break space"},
        {u"RG\u200058", u"RG-58", "U+2000, the first of the typographic spaces"},
        {u"RG\u200A58", u"RG-58", "U+200A, a hair space, the last of them"},
        {u"h-100", u"H100", "a hyphen where the name has none"},
        {u"rg--142", u"RG-142", "two hyphens"},
        {u"RG-58", u"", "a catalogue name needs no suggestion"},
        {u"LMR-400", u"", "a cable that is not in the catalogue"},
        {u"RG-5", u"", "a prefix of a name"},
        {u"RG-580", u"", "a name with more after it"},
        {u"", u"", "the empty text"},
        {u" - ", u"", "nothing left once blanks and hyphens are set aside"},
        {u"RG-58\r", u"", "a CR is no blank"},
        {u"RG\u201658", u"", "U+2016, a double vertical line, is no hyphen"},
        {u"RG\u200F58", u"", "U+200F, a direction mark, is neither"},
        {u"\uFF32\uFF27-58", u"", "fullwidth letters are other letters"},
    };
    for (const auto& row : rows) {
        const auto suggestion = ridi::cable_suggestion(row.typed);
        EXPECT_EQ(suggestion.value_or(u""), row.suggested) << row.why;
        EXPECT_EQ(suggestion.has_value(), !row.suggested.empty()) << row.why;
    }
}

TEST(Catalogue, UnknownCableWarning) {
    const struct {
        std::u16string_view typed;
        const char* warning;
    } rows[] = {
        {u"rg-58", "the cable \"rg-58\" is not in the catalogue, so its velocity factor counts "
                   "as 0; did you mean RG-58?"},
        {u"LMR-400", "the cable \"LMR-400\" is not in the catalogue, so its velocity factor "
                     "counts as 0"},
        {u"", "the cable name is empty, so its velocity factor counts as 0"},
        {u"RG-58\r", "the cable \"RG-58?\" is not in the catalogue, so its velocity factor "
                     "counts as 0"},
        {u"a cable name of thirty characters",
         "the cable \"a cable name of thirty c...\" is not in the catalogue, so its velocity "
         "factor counts as 0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ridi::unknown_cable_warning(row.typed), row.warning);
    }
}

TEST(Catalogue, TypedTextEqualToANameIsThatName) {
    // Built at run time, as text typed by a user would be.
    std::u16string typed;
    for (const char c : std::string("H155")) {
        typed.push_back(static_cast<char16_t>(c));
    }
    EXPECT_EQ(ridi::Get_Vk(typed), ridi::Get_Vk(u"H155"));
}

} // namespace
