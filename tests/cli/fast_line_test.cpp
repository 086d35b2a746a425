// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The quick route for batch lines against the general path (calc_cmd_Click over the form texts),
// byte for byte: on lines that name the results, on lines it must leave alone, and on millions of
// generated lines built to land on the points where it hands over.
#include "fast_line.hpp"
#include "general_line.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"
#include "ridi_calc.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef RIDI_DIFFERENTIAL_LINES
#define RIDI_DIFFERENTIAL_LINES 2000000
#endif

namespace {

using ridi::cli::try_fast_line;

// Runs the quick route on `line`. Where it answers, the answer must be the general path's;
// where it declines, it must append nothing. Returns whether it answered.
bool check_line(std::string_view line) {
    std::string output = "earlier\n";
    const bool taken = try_fast_line(line, output);
    if (!taken) {
        EXPECT_EQ(output, "earlier\n") << "declined but appended, on: " << line;
        return false;
    }
    const std::optional<std::string> general = ridi::test::general_answer(line);
    EXPECT_TRUE(general.has_value()) << "answered a line the general path refuses: " << line;
    EXPECT_EQ(output, "earlier\n" + general.value_or("(error)")) << "on: " << line;
    return true;
}

TEST(FastLine, AnswersTheCommonLines) {
    const struct {
        std::string_view line;
        std::string_view expected;
        const char* why;
    } rows[] = {
        {"435.850\t1\tRG-58", "0.172\t0.114\n", "the starting texts"},
        {"8\t1\tRG-142", "9.375\t6.562\n", "the single factor 0.699999988 rounds down"},
        {"1.3\t1\tRG-142", "57.692\t40.384\n", "the corrected length from the shown 57.692"},
        {"100\t2.5\tRG-58", "1.875\t1.238\n", "a count that is not whole"},
        {"100\t0\tRG-58", "0.000\t0.000\n", "a count of 0"},
        {"100\t1\tH100\r", "0.750\t0.630\n", "one CR at the end is dropped"},
        {".5\t1.\tH500", "150.000\t121.500\n", "a point at either end of the digits"},
        {"0.001\t1\tRG-11", "75000.000\t49500.002\n", "a small frequency"},
        {"999999999999999\t1\tRG-58", "0.000\t0.000\n", "fifteen digits"},
    };
    for (const auto& row : rows) {
        std::string output;
        EXPECT_TRUE(try_fast_line(row.line, output)) << row.why;
        EXPECT_EQ(output, row.expected) << row.why;
        check_line(row.line);
    }
}

TEST(FastLine, LeavesEveryOtherLineToTheGeneralPath) {
    const struct {
        std::string_view line;
        const char* why;
    } rows[] = {
        {"", "an empty line"},
        {"\r", "a line of a CR"},
        {"# 435.850\t1\tRG-58", "a comment"},
        {"\xEF\xBB\xBF"
         "435.850\t1\tRG-58",
         "a byte-order mark"},
        {"435.850\t1", "one tab"},
        {"435.850\t1\tRG-58\tx", "three tabs"},
        {"0\t1\tRG-58", "a frequency of 0 is an error"},
        {"0.000\t1\tRG-58", "a frequency of 0 with decimals"},
        {"-100\t1\tRG-58", "a sign"},
        {"100\t+1\tRG-58", "a plus sign"},
        {"1e2\t1\tRG-58", "an exponent"},
        {" 100\t1\tRG-58", "a blank before a number"},
        {"7,1\t1\tRG-58", "a comma"},
        {"1234567890123456\t1\tRG-58", "sixteen digits"},
        {"100\t1\trg-58", "a cable in lower case: the general path warns"},
        {"100\t1\tRG58", "a cable without its hyphen"},
        {"100\t1\tRG-58 ", "a blank after the cable"},
        {"100\t1\tRG-58\r\r", "only one CR is dropped"},
        {"100\t1\tRG\xE2\x80\x90"
         "58",
         "a Unicode hyphen"},
        {"100\t1\tLMR-400", "a cable not in the catalogue"},
        {"100\t1\t", "no cable"},
        {"150000\t1\tRG-58", "the length is a half: 0.0005"},
        {"100\t1\tRG-58                                             ", "a long line"},
    };
    for (const auto& row : rows) {
        std::string output = "kept";
        EXPECT_FALSE(try_fast_line(row.line, output)) << row.why;
        EXPECT_EQ(output, "kept") << row.why;
    }
}

// Random plain decimals and the texts around the hand-over points.
class line_maker {
public:
    explicit line_maker(std::uint64_t seed) : random_(seed) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    // A plain decimal of 1 to `most` digits with the point anywhere or nowhere.
    std::string plain(std::size_t most) {
        const std::size_t digits = 1 + below(most);
        const std::size_t point = below(digits + 2); // digits + 1: no point
        std::string text;
        for (std::size_t k = 0; k < digits; ++k) {
            if (k == point) {
                text += '.';
            }
            text += static_cast<char>('0' + below(10));
        }
        return point == digits ? text + "." : text;
    }

    // `value` as a plain decimal with `digits` significant digits, or "" when that needs more
    // than 15 digits in all.
    static std::string with_digits(double value, int digits) {
        const int integer_digits =
            value >= 1 ? static_cast<int>(std::floor(std::log10(value))) + 1 : 0;
        const int leading_zeros =
            value >= 1 ? 0 : -static_cast<int>(std::floor(std::log10(value))) - 1;
        const int decimals = std::max(0, digits - integer_digits) + leading_zeros;
        if (std::max(integer_digits, 1) + decimals > 15) {
            return "";
        }
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return text;
    }

    // A frequency and count whose length lies near a half of a thousandth, the frequency cut to
    // a random number of digits, so that the distance from the half varies over every digit.
    std::pair<std::string, std::string> near_half_length() {
        const double thousandths = std::floor(std::pow(10.0, 7.0 * uniform()));
        const int count = 1 + static_cast<int>(below(8));
        const double frequency = 75.0 * count / ((thousandths + 0.5) / 1000);
        return {with_digits(frequency, 1 + static_cast<int>(below(15))), std::to_string(count)};
    }

    // A shown length whose corrected length is a half at the decimal factor, so that only the
    // single-precision factor decides: 0.7 * r with r ending in 5, 0.66 * r with r 25 mod 50.
    std::pair<std::string, std::string> near_half_corrected() {
        const std::size_t step = below(2) == 0 ? 10 : 50;
        const std::size_t r = (step == 10 ? 5 : 25) + step * below(2'000'000);
        // f = 300, n = 4r / 1000: the length is n / 4 = r / 1000 exactly as shown.
        const std::size_t n = 4 * r;
        char count[32];
        std::snprintf(count, sizeof count, "%zu.%03zu", n / 1000, n % 1000);
        return {"300", count};
    }

    // A length near 2^53 thousandths, or near 2^47 where the quick route stops answering, or
    // near 2^44 and 2^46 where it answers only further and further from halves.
    std::pair<std::string, std::string> near_limit() {
        const double limits[] = {0x1p44, 0x1p46, 0x1p47, 0x1p53};
        const double limit = limits[below(4)];
        const double thousandths = limit * (1 + (uniform() - 0.5) * 1e-6);
        const char* frequencies[] = {"300", "0.3", "0.0003", "0.000000000003"};
        const std::string frequency = frequencies[below(4)];
        const double count = thousandths / 1000 * 4 * std::stod(frequency) / 300;
        return {frequency, with_digits(count, 15)};
    }

    double uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }

private:
    std::mt19937_64 random_;
};

// Cable fields: every catalogue name, and names that are nearly one.
std::vector<std::string> cable_fields() {
    std::vector<std::string> fields;
    for (const ridi::cable& entry : ridi::cable_catalogue()) {
        const std::string name = ridi::utf16_to_utf8(entry.name);
        std::string lower = name;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        fields.insert(fields.end(), {name, name, name, lower, name + " ", " " + name,
                                     name.substr(0, name.size() - 1), name + "0", name + "\r",
                                     name + std::string(1, '\0'), name + "\xC2\xA0"});
    }
    const std::string unicode_hyphen = "RG\xE2\x80\x90" + std::string("58");
    fields.insert(fields.end(), {"", "RG58", unicode_hyphen, "LMR-400", "RG-5\xC3\xB8"});
    return fields;
}

TEST(FastLineDifferential, GeneratedLines) {
    line_maker make(20261208);
    const std::vector<std::string> cables = cable_fields();
    const std::string odd_numbers[] = {"",
                                       " 1",
                                       "1 ",
                                       "-1",
                                       "+1",
                                       "1e3",
                                       "1,5",
                                       "0",
                                       "0.000",
                                       ".",
                                       "\r",
                                       "1\r",
                                       "\xD9\xA1",
                                       "1234567890123456",
                                       "0.000000000000001",
                                       "123456789012345"};
    enum kind { plain, near_half_length, near_half_corrected, near_limit, odd, kinds };
    std::size_t taken[kinds] = {};
    std::size_t seen[kinds] = {};
    for (std::size_t i = 0; i < RIDI_DIFFERENTIAL_LINES; ++i) {
        const auto k = static_cast<kind>(i % kinds);
        std::pair<std::string, std::string> numbers;
        switch (k) {
        case plain:
            numbers = {make.plain(15), make.plain(i % 3 == 0 ? 15 : 3)};
            break;
        case near_half_length:
            numbers = make.near_half_length();
            break;
        case near_half_corrected:
            numbers = make.near_half_corrected();
            break;
        case near_limit:
            numbers = make.near_limit();
            break;
        default:
            numbers = {make.below(2) == 0 ? make.plain(4)
                                          : odd_numbers[make.below(std::size(odd_numbers))],
                       make.below(2) == 0 ? make.plain(2)
                                          : odd_numbers[make.below(std::size(odd_numbers))]};
            break;
        }
        const bool catalogue_name = k != odd && make.below(8) != 0;
        const std::string& cable =
            catalogue_name ? cables[11 * make.below(14)] : cables[make.below(cables.size())];
        const std::string line = numbers.first + "\t" + numbers.second + "\t" + cable +
                                 (make.below(16) == 0 ? "\r" : "");
        ++seen[k];
        if (check_line(line)) {
            ++taken[k];
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
    // Each kind lands on both sides of the hand-over, so both are compared.
    for (int k = 0; k < kinds; ++k) {
        EXPECT_GT(taken[k], seen[k] / 100) << "kind " << k << ": too few answered";
        EXPECT_LT(taken[k], seen[k]) << "kind " << k << ": none declined";
    }
}

// Every line of every seed input the fuzz targets start from.
TEST(FastLineDifferential, FuzzCorpus) {
    std::size_t lines = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(RIDI_FUZZ_CORPUS)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        std::string_view rest = bytes;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            check_line(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 1, rest.size()));
            ++lines;
        }
    }
    EXPECT_GT(lines, 50u);
}

// Through the whole batch mode, quick and general lines mixed: one answer per line, in order.
TEST(FastLineDifferential, BatchModeAnswersEachLineOnce) {
    const std::vector<std::string> lines = {"435.850\t1\tRG-58", "-100\t1\tRG-58",
                                            "8\t1\tRG-142\r",    "100\t1\trg-58",
                                            "150000\t1\tRG-58",  "1.3\t1\tRG-142"};
    std::string input;
    std::string expected;
    for (const std::string& line : lines) {
        input += line + "\n";
        expected += ridi::test::general_answer(line).value();
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ridi::cli::run_batch(in, out, err, {}), ridi::cli::exit_ok);
    EXPECT_EQ(out.str(), expected);
    // The one unknown cable still gets its warning: the quick route leaves it to the general.
    EXPECT_NE(err.str().find("line 4: warning: the cable \"rg-58\""), std::string::npos)
        << err.str();
}

} // namespace
