// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting is stable: every finite double formats to the pattern, and the text reads back
// to a number that formats to the same text.
#include "ridi/number_text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// The C library as an independent reference: strtod reads decimal texts correctly rounded, and
// snprintf("%.3f") rounds the exact binary value, which agrees with the "0.000" pattern wherever
// no half lies close (near one, the pattern rounds the shortest digits instead).
class CLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "C");
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(CLibrary, ReaderAgreesWithStrtod) {
    std::mt19937_64 random(145);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(0, 25);
    std::uniform_int_distribution<int> exponent(-340, 320);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = i % 4 == 0 ? "-" : "";
        const int integer_digits = length(random);
        const int fraction_digits = length(random) + (integer_digits == 0 ? 1 : 0);
        for (int k = 0; k < integer_digits; ++k) {
            text += static_cast<char>('0' + digit(random));
        }
        if (fraction_digits > 0 && i % 5 != 0) {
            text += '.';
            for (int k = 0; k < fraction_digits; ++k) {
                text += static_cast<char>('0' + digit(random));
            }
        } else if (integer_digits == 0) {
            text += '7';
        }
        if (i % 3 == 0) {
            text += (i % 2 == 0 ? "e" : "E") + std::to_string(exponent(random));
        }
        errno = 0;
        const double expected = std::strtod(text.c_str(), nullptr);
        const std::u16string wide(text.begin(), text.end());
        if (errno == ERANGE && std::isinf(expected)) {
            EXPECT_THROW(ridi::number_from_text(wide, ridi::error_field::none), ridi::calc_error)
                << text;
            continue;
        }
        const double value = ridi::number_from_text(wide, ridi::error_field::none);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
            << text;
    }
}

TEST_F(CLibrary, WriterAgreesWithSnprintfAwayFromHalves) {
    std::mt19937_64 random(43585);
    std::uniform_real_distribution<double> exponent(-5.0, 11.0);
    int compared = 0;
    for (int i = 0; i < 300'000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        const double value = i % 2 == 0 ? magnitude : -magnitude;
        const double scaled = magnitude * 1000.0;
        const double fraction = scaled - std::floor(scaled);
        if (std::fabs(fraction - 0.5) <= scaled * 0x1p-50 + 0x1p-60) {
            continue; // a half is too close to tell
        }
        std::array<char, 64> expected{};
        std::snprintf(expected.data(), expected.size(), "%.3f", value);
        std::string reference(expected.data());
        if (reference == "-0.000") {
            reference = "0.000"; // the pattern never shows a minus on zero
        }
        ASSERT_EQ(ridi::format_fixed(value, 3), reference) << value;
        ++compared;
    }
    EXPECT_GT(compared, 290'000);
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
