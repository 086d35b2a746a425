// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The quick route for plain decimals agrees with independent references: the shortest-digits
// formatting for writing, and the full reader for the shown value.
#include "ridi/calculation.hpp"
#include "ridi/number_text.hpp"
#include "ridi/plain_decimal.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <string_view>

namespace {

TEST(RoundScaled, DeclinesWhereTheShortestDigitsMustDecide) {
    const struct {
        double value;
        const char* why;
    } rows[] = {
        {0.0005, "a half as the shortest digits show it"},
        {2.0625, "an exact half in binary"},
        {0x1p47 / 1000, "2^47 thousandths: the margin covers every half"},
        {0x1p53 / 1000, "2^53 thousandths"},
        {1e300, "far beyond"},
        {INFINITY, "not finite"},
        {NAN, "not a number"},
    };
    for (const auto& row : rows) {
        std::uint64_t rounded = 7;
        EXPECT_FALSE(ridi::round_scaled(row.value, 3, rounded)) << row.why;
    }
}

// Away from halves, rounding and writing give format_fixed's text made from the shortest digits.
TEST(RoundScaled, WithWriteFixedAgreesWithTheShortestDigits) {
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> exponent(-5.0, 15.0);
    std::uniform_int_distribution<int> decimals(0, 9);
    int taken = 0;
    for (int i = 0; i < 200'000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        const double value = i % 2 == 0 ? magnitude : -magnitude;
        const int places = decimals(random);
        std::uint64_t rounded = 0;
        if (!ridi::round_scaled(value, places, rounded)) {
            continue;
        }
        ++taken;
        char text[32];
        char* end = ridi::write_fixed(rounded, places, value < 0, text);
        ASSERT_EQ(std::string(text, end), ridi::format_fixed_from_shortest(value, places))
            << value << " to " << places << " places";
    }
    EXPECT_GT(taken, 100'000); // most are neither near a half nor beyond 2^47 units
}

TEST(WriteFixed, Shapes) {
    const struct {
        std::uint64_t rounded;
        int decimals;
        bool negative;
        std::string_view expected;
        const char* why;
    } rows[] = {
        {172, 3, false, "0.172", "a leading zero before the point"},
        {5, 3, false, "0.005", "zeros after the point"},
        {0, 3, true, "0.000", "no minus on zero"},
        {750, 3, true, "-0.750", "a minus on a value that is not zero"},
        {1234567891, 3, false, "1234567.891", "no grouping"},
        {66, 2, false, "0.66", "two decimals"},
        {42, 0, false, "42", "no point without decimals"},
        {18446744073709551615u, 3, false, "18446744073709551.615", "the largest integer"},
    };
    for (const auto& row : rows) {
        char text[32];
        char* end = ridi::write_fixed(row.rounded, row.decimals, row.negative, text);
        EXPECT_EQ(std::string_view(text, static_cast<std::size_t>(end - text)), row.expected)
            << row.why;
    }
}

// The number shown is what the full reader reads from the text shown, on both routes.
TEST(ShowNumber, ValueIsTheTextReadBack) {
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> exponent(-5.0, 20.0);
    for (int i = 0; i < 200'000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        const double half = (std::floor(magnitude * 1000) + 0.5) / 1000; // to the slow route
        for (const double value : {magnitude, -magnitude, half, -half}) {
            ridi::caption_text caption;
            const ridi::shown_number shown = ridi::show_number(value, caption);
            ASSERT_EQ(std::u16string(shown.text), ridi::text_from_number(value)) << value;
            ASSERT_EQ(shown.value, ridi::read_number(shown.text, ridi::error_field::none)) << value;
            ASSERT_EQ(std::signbit(shown.value),
                      std::signbit(ridi::read_number(shown.text, ridi::error_field::none)))
                << value;
        }
    }
}

// A form's caption may be set from a view of itself.
TEST(FormStrings, CaptionFromItsOwnText) {
    ridi::form_strings form;
    form.coax_length = u"12.345";
    form.set_coax_length_caption(form.coax_length_caption());
    EXPECT_EQ(form.coax_length, u"12.345");
    form.set_coax_length_caption(form.coax_length_caption().substr(3));
    EXPECT_EQ(form.coax_length, u"345");
    form.set_vf_length_caption(u"0.114");
    form.set_vf_length_caption(u"1234567890.114"); // longer than the storage held
    EXPECT_EQ(form.vf_length, u"1234567890.114");
}

} // namespace
