// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting is stable: every finite double formats to the pattern, and the text reads back
// to a number that formats to the same text.
#include "ridi/number_text.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <regex>
#include <string>

namespace {

bool matches_pattern(const std::string& text) {
    static const std::regex pattern("-?[0-9]+\\.[0-9]{3}");
    return std::regex_match(text, pattern);
}

void expect_stable(double value) {
    const std::string text = ridi::format_fixed(value, 3);
    ASSERT_TRUE(matches_pattern(text)) << text;
    const double read_back =
        ridi::number_from_text(std::u16string(text.begin(), text.end()), ridi::error_field::none);
    ASSERT_EQ(ridi::format_fixed(read_back, 3), text) << "from " << value;
}

TEST(RoundTrip, RandomBitPatterns) {
    std::mt19937_64 random(20261208);
    int checked = 0;
    while (checked < 200'000) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) {
            continue;
        }
        expect_stable(value);
        ++checked;
    }
}

TEST(RoundTrip, RandomMagnitudesNearTheDisplay) {
    // Bit patterns rarely land where three decimals matter; these do, up to where a double
    // holds no fraction digit any more.
    std::mt19937_64 random(435850);
    std::uniform_real_distribution<double> exponent(-5.0, 17.0);
    for (int i = 0; i < 200'000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        expect_stable(i % 2 == 0 ? magnitude : -magnitude);
    }
}

TEST(RoundTrip, RandomDecimalTexts) {
    std::mt19937_64 random(1);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 20);
    for (int i = 0; i < 100'000; ++i) {
        std::u16string text = i % 3 == 0 ? u"-" : u"";
        const int integer_digits = length(random);
        for (int k = 0; k < integer_digits; ++k) {
            text.push_back(static_cast<char16_t>(u'0' + digit(random)));
        }
        text.push_back(u'.');
        const int fraction_digits = length(random);
        for (int k = 0; k < fraction_digits; ++k) {
            text.push_back(static_cast<char16_t>(u'0' + digit(random)));
        }
        expect_stable(ridi::number_from_text(text, ridi::error_field::none));
    }
}

// format_fixed takes a shortcut away from halves; it must agree with the digits-based path
// everywhere, most of all next to a half, where the shortcut hands over.
TEST(Shortcut, AgreesWithTheShortestDigits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-6.0, 16.5);
    std::uniform_int_distribution<int> decimals(0, 3);
    std::uniform_int_distribution<int> steps(-6, 6);
    for (int i = 0; i < 300'000; ++i) {
        const int places = decimals(random);
        const double magnitude = std::pow(10.0, exponent(random));
        // A half at this precision, and the doubles a few steps either side of it.
        const double scale = std::pow(10.0, places);
        const double half = (std::floor(magnitude * scale) + 0.5) / scale;
        double near_half = half;
        for (int step = steps(random); step != 0; step += step > 0 ? -1 : 1) {
            near_half = std::nextafter(near_half, step > 0 ? INFINITY : 0.0);
        }
        for (const double value : {magnitude, -magnitude, half, near_half, -near_half,
                                   std::bit_cast<double>(random())}) {
            if (std::isfinite(value)) {
                ASSERT_EQ(ridi::format_fixed(value, places),
                          ridi::format_fixed_from_shortest(value, places))
                    << value << " to " << places << " places";
            }
        }
    }
}

} // namespace
