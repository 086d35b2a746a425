// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts nobody means to type but anybody can paste: each gives a result or a clear error.
#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using ridi::error_field;
using ridi::error_kind;

constexpr std::size_t mebibyte = std::size_t{1} << 20;

// What the window would show after one click on these texts.
struct outcome {
    bool failed = false;
    error_kind kind{};
    error_field field{};
    std::string message;
    std::u16string length;
    std::u16string corrected;
};

outcome calculate(std::u16string freq, std::u16string qtr_num, std::u16string cable,
                  ridi::number_options options = {}) {
    ridi::form_strings form;
    form.freq = std::move(freq);
    form.qtr_num = std::move(qtr_num);
    form.cable = std::move(cable);
    form.coax_length = u"old length";
    form.vf_length = u"old corrected";
    outcome result;
    try {
        ridi::calc_cmd_Click(form, options);
    } catch (const ridi::calc_error& error) {
        result = {true, error.kind(), error.field(), error.what(), {}, {}};
    }
    result.length = form.coax_length;
    result.corrected = form.vf_length;
    return result;
}

// A message fit to show: one line of well-formed UTF-8, short whatever the text was.
void expect_clear_message(const outcome& result) {
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.message.empty());
    EXPECT_LT(result.message.size(), 300u) << result.message.substr(0, 300);
    for (const char c : result.message) {
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            << "control character " << int{c} << " in: " << result.message;
    }
    EXPECT_EQ(ridi::utf16_to_utf8(ridi::utf8_to_utf16(result.message)), result.message)
        << "not well-formed UTF-8: " << result.message;
}

void expect_error(const outcome& result, error_kind kind, error_field field) {
    expect_clear_message(result);
    EXPECT_EQ(result.kind, kind) << result.message;
    EXPECT_EQ(result.field, field) << result.message;
    EXPECT_EQ(result.length, u"old length") << "a failed read leaves both captions";
    EXPECT_EQ(result.corrected, u"old corrected");
}

void expect_results(const outcome& result, std::u16string_view length,
                    std::u16string_view corrected) {
    EXPECT_FALSE(result.failed) << result.message;
    EXPECT_EQ(result.length, length);
    EXPECT_EQ(result.corrected, corrected);
}

TEST(HugeText, MebibyteInEachField) {
    const std::u16string junk(mebibyte, u'x');
    expect_error(calculate(junk, u"1", u"RG-58"), error_kind::not_a_number, error_field::frequency);
    expect_error(calculate(u"100", junk, u"RG-58"), error_kind::not_a_number,
                 error_field::quarter_waves);
    // A cable text of any length is only a name that is not in the catalogue.
    expect_results(calculate(u"100", u"1", junk), u"0.750", u"0.000");

    // Blanks around a number are allowed, however many.
    const std::u16string blanks(mebibyte / 2, u' ');
    expect_results(calculate(blanks + u"100" + blanks, u"1", u"RG-58"), u"0.750", u"0.495");
    // A mebibyte of digits is a number far beyond the double range.
    expect_error(calculate(u"100", std::u16string(mebibyte, u'9'), u"RG-58"), error_kind::overflow,
                 error_field::quarter_waves);
    // ... unless they are trailing zeros of a fraction.
    expect_results(
        calculate(u"1" + std::u16string(mebibyte, u'0') + u"e-" + u"1048576", u"1", u"RG-58"),
        u"75.000", u"49.500");
    expect_results(calculate(u"100", u"1." + std::u16string(mebibyte, u'0'), u"H100"), u"0.750",
                   u"0.630");
}

TEST(LongNumbers, TenThousandDigits) {
    const std::u16string tiny = u"0." + std::u16string(9'998, u'0') + u"1"; // 1e-9999
    const std::u16string huge = u"1" + std::u16string(9'999, u'0');         // 1e9999
    ASSERT_EQ(tiny.size(), 10'001u); // 10,000 digits and the point
    ASSERT_EQ(huge.size(), 10'000u);

    // Too small for a double reads as 0, and a frequency of 0 divides by zero.
    expect_error(calculate(tiny, u"1", u"RG-58"), error_kind::division_by_zero,
                 error_field::frequency);
    expect_results(calculate(u"100", tiny, u"RG-58"), u"0.000", u"0.000");
    expect_results(calculate(u"100", u"-" + tiny, u"RG-58"), u"0.000", u"0.000"); // no "-0.000"

    expect_error(calculate(huge, u"1", u"RG-58"), error_kind::overflow, error_field::frequency);
    expect_error(calculate(u"100", u"-" + huge, u"RG-58"), error_kind::overflow,
                 error_field::quarter_waves);

    // Ten thousand digits within the range read as the nearest double, like short texts.
    const std::u16string third = u"0." + std::u16string(9'998, u'3');
    EXPECT_EQ(ridi::number_from_text(third, error_field::quarter_waves), 1.0 / 3.0);
    const std::u16string padded =
        std::u16string(5'000, u'0') + u"435.850" + std::u16string(5'000, u'0');
    expect_results(calculate(padded, u"1", u"RG-58"), u"0.172", u"0.114");
}

TEST(LongNumbers, ExponentsBeyondAnyInteger) {
    expect_error(calculate(u"1e999999999999999999", u"1", u"RG-58"), error_kind::overflow,
                 error_field::frequency);
    expect_error(calculate(u"100", u"1e99999999999999999999999999999999999999999", u"RG-58"),
                 error_kind::overflow, error_field::quarter_waves);
    expect_error(calculate(u"1e-999999999999999999", u"1", u"RG-58"), error_kind::division_by_zero,
                 error_field::frequency);
    expect_results(calculate(u"100", u"-1e-999999999999999999", u"RG-58"), u"0.000", u"0.000");
    expect_results(calculate(u"100", u"0e999999999999999999", u"RG-58"), u"0.000", u"0.000");

    // The exponent and the position of the first digit are weighed together.
    const std::u16string twenty_thousand = u"1" + std::u16string(20'000, u'0'); // 1e20000
    const double tiny = ridi::number_from_text(twenty_thousand + u"e-20400", error_field::none);
    EXPECT_EQ(tiny, 0.0) << "1e-400: too small for a double, not too large";
    EXPECT_EQ(ridi::number_from_text(twenty_thousand + u"e-19900", error_field::none), 1e100);
    expect_results(calculate(u"100", twenty_thousand + u"e-20400", u"RG-58"), u"0.000", u"0.000");
    const std::u16string zeros(400, u'0');
    expect_results(calculate(u"1" + zeros + u"e-398", u"1", u"RG-58"), u"0.750", u"0.495");
    expect_results(calculate(u"100", u"0." + zeros + u"1e401", u"RG-58"), u"0.750", u"0.495");
}

TEST(ControlCharacters, NulAndControlsAreNotNumbers) {
    for (char16_t c = 0; c < 0x20; ++c) {
        if (c == u'\t') {
            continue; // a blank
        }
        SCOPED_TRACE(int{c});
        const std::u16string control(1, c);
        expect_error(calculate(u"100" + control, u"1", u"RG-58"), error_kind::not_a_number,
                     error_field::frequency);
        expect_error(calculate(u"100", control + u"1", u"RG-58"), error_kind::not_a_number,
                     error_field::quarter_waves);
        expect_error(calculate(control, u"1", u"RG-58"), error_kind::not_a_number,
                     error_field::frequency);
    }
    expect_error(calculate(u"1\x7f", u"1", u"RG-58"), error_kind::not_a_number,
                 error_field::frequency);
    expect_results(calculate(u"\t100\t", u"1\t", u"RG-58"), u"0.750", u"0.495");
}

TEST(ControlCharacters, CableComparesEveryCodeUnit) {
    using namespace std::string_literals;
    // Not a C string: a NUL ends nothing, so "RG-58" followed by NUL is another name.
    EXPECT_EQ(ridi::Get_Vk(u"\0RG-58"s), 0.0f);
    expect_results(calculate(u"100", u"1", u"RG-58\0"s), u"0.750", u"0.000");
    expect_results(calculate(u"100", u"1", u"RG-58\r\n"), u"0.750", u"0.000");
    expect_results(calculate(u"100", u"1", u"\x1b[1mRG-58"), u"0.750", u"0.000");
}

TEST(NonAscii, LoneSurrogatesInEveryField) {
    for (const std::u16string surrogate : {u"\xD800", u"\xDBFF", u"\xDC00", u"\xDFFF"}) {
        SCOPED_TRACE(int{surrogate[0]});
        expect_error(calculate(surrogate, u"1", u"RG-58"), error_kind::not_a_number,
                     error_field::frequency);
        expect_error(calculate(u"100" + surrogate, u"1", u"RG-58"), error_kind::not_a_number,
                     error_field::frequency);
        expect_error(calculate(u"100", surrogate + u"1", u"RG-58"), error_kind::not_a_number,
                     error_field::quarter_waves);
        // The cable text is only compared: factor 0, no crash.
        EXPECT_EQ(ridi::Get_Vk(surrogate), 0.0f);
        expect_results(calculate(u"100", u"1", surrogate), u"0.750", u"0.000");
        expect_results(calculate(u"100", u"1", u"RG-58" + surrogate), u"0.750", u"0.000");
    }
    // The message shows a lone surrogate as U+FFFD, keeping itself well-formed UTF-8.
    const outcome lone = calculate(u"12\xD800", u"1", u"RG-58");
    EXPECT_NE(lone.message.find("\"12\xEF\xBF\xBD\""), std::string::npos) << lone.message;
    // The message cuts a long text after 24 units, here between the two halves of a pair.
    const outcome cut = calculate(std::u16string(23, u'x') + u"\U0001F4E1", u"1", u"RG-58");
    expect_clear_message(cut);
}

TEST(NonAscii, LookalikeDigitsAndSignsAreNotNumbers) {
    const std::u16string lookalikes[] = {
        u"\uFF11\uFF10\uFF10", // fullwidth 100
        u"\u0661\u0660\u0660", // Arabic-Indic 100
        u"\u00B9",             // superscript one
        u"\u2212100",          // minus sign
        u"\u00A0100",          // no-break space
        u"100\u2009",          // thin space
        u"1\u00B75",           // middle dot as the point
        u"\U0001D7CF",         // mathematical bold one, a surrogate pair
        u"\uFEFF100",          // byte order mark
    };
    for (const std::u16string& text : lookalikes) {
        SCOPED_TRACE(ridi::utf16_to_utf8(text));
        for (const bool comma : {false, true}) {
            expect_error(calculate(text, u"1", u"RG-58", {.decimal_comma = comma}),
                         error_kind::not_a_number, error_field::frequency);
            expect_error(calculate(u"100", text, u"RG-58", {.decimal_comma = comma}),
                         error_kind::not_a_number, error_field::quarter_waves);
        }
        expect_results(calculate(u"100", u"1", text), u"0.750", u"0.000");
    }
    // Other scripts in the cable field, including pairs: names not in the catalogue.
    expect_results(calculate(u"100", u"1", u"RG\u201158"), u"0.750", u"0.000");
    expect_results(calculate(u"100", u"1", u"\U0001F4E1 H100"), u"0.750", u"0.000");
    expect_results(calculate(u"100", u"1", u"\uFF32\uFF27-58"), u"0.750", u"0.000");
}

} // namespace
