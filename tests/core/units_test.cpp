// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths in other units. The expected texts were worked out with exact rational arithmetic
// from the binary value of each double (1 in = 0.0254 m, 1 ft = 0.3048 m), not with this code.
#include "ridi/error.hpp"
#include "ridi/number_text.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/units.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using ridi::length_unit;

struct conversion {
    const char* why;
    double metres;
    const char* cm;
    const char* mm;
    const char* in;
    const char* ft;
    const char* ft_in;
};

TEST(Units, EveryUnitShowsTheExactConversionRounded) {
    const conversion rows[] = {
        {"the window's starting length", 0.172, "17.20", "172.0", "6.77", "0.564", "0 ft 6 3/4 in"},
        {"sixteenths are reduced: 12/16 is 3/4, 8/16 is 1/2", 0.114, "11.40", "114.0", "4.49",
         "0.374", "0 ft 4 1/2 in"},
        {"127/256 m is 312.5 sixteenths exactly: the half rounds away from zero", 127.0 / 256,
         "49.61", "496.1", "19.53", "1.628", "1 ft 7 9/16 in"},
        {"negative lengths: the sign once, before the feet", -127.0 / 256, "-49.61", "-496.1",
         "-19.53", "-1.628", "-1 ft 7 9/16 in"},
        {"11.97 in rounds up to a whole foot", 0.304038, "30.40", "304.0", "11.97", "0.997",
         "1 ft 0 in"},
        {"whole inches have no fraction", 0.1778, "17.78", "177.8", "7.00", "0.583", "0 ft 7 in"},
        {"no whole inch: still 0 in before the fraction", 0.009525, "0.95", "9.5", "0.38", "0.031",
         "0 ft 0 3/8 in"},
        {"zero", 0.0, "0.00", "0.0", "0.00", "0.000", "0 ft 0 in"},
        {"no minus on a length that shows as zero", -1e-9, "0.00", "0.0", "0.00", "0.000",
         "0 ft 0 in"},
        {"a 20 m band quarter wave", 5.28169014084507, "528.17", "5281.7", "207.94", "17.328",
         "17 ft 3 15/16 in"},
        {"exactly one foot", 0.3048, "30.48", "304.8", "12.00", "1.000", "1 ft 0 in"},
        {"100 m", 100.0, "10000.00", "100000.0", "3937.01", "328.084", "328 ft 1 in"},
        {"the double 33.90685 lies below the half: 3390.68 cm, though 33.90685 * 100 rounds "
         "to the double 3390.685",
         33.90685, "3390.68", "33906.8", "1334.92", "111.243", "111 ft 2 15/16 in"},
        {"39.215441 / 0.0254 in double shows 1543.92; the exact quotient lies below the half",
         39.215441, "3921.54", "39215.4", "1543.91", "128.660", "128 ft 7 15/16 in"},
        {"26.23947 / 0.3048 in double shows 86.087; the exact quotient lies above the half",
         26.23947, "2623.95", "26239.5", "1033.05", "86.088", "86 ft 1 1/16 in"},
    };
    for (const conversion& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(ridi::format_length(row.metres, length_unit::metres),
                  ridi::format_fixed(row.metres, 3));
        EXPECT_EQ(ridi::format_length(row.metres, length_unit::centimetres), row.cm);
        EXPECT_EQ(ridi::format_length(row.metres, length_unit::millimetres), row.mm);
        EXPECT_EQ(ridi::format_length(row.metres, length_unit::inches), row.in);
        EXPECT_EQ(ridi::format_length(row.metres, length_unit::feet), row.ft);
        EXPECT_EQ(ridi::format_length(row.metres, length_unit::feet_inches), row.ft_in);
    }
}

TEST(Units, HugeLengths) {
    // Still counted exactly in steps, far beyond 64 bits.
    EXPECT_EQ(ridi::format_length(1e30, length_unit::feet), "3280839895013123424818322961469.816");
    EXPECT_EQ(ridi::format_length(1e30, length_unit::feet_inches),
              "3280839895013123424818322961469 ft 9 13/16 in");
    // Beyond the steps a 128-bit count holds: the shortest digits of the double nearest to the
    // length over the unit (Python's repr of 1e40 / 0.0254, ...), zeros after them.
    const struct {
        length_unit unit;
        const char* text;
        const char* why;
    } beyond_count[] = {
        {length_unit::centimetres, "1000000000000000000000000000000000000000000.00",
         "1e42, a double itself"},
        {length_unit::millimetres, "10000000000000000000000000000000000000000000.0",
         "one decimal, as in millimetres"},
        {length_unit::inches, "393700787401574800000000000000000000000000.00",
         "16 shortest digits, then zeros"},
        {length_unit::feet, "32808398950131234000000000000000000000000.000",
         "17 shortest digits, three decimals"},
        {length_unit::feet_inches, "32808398950131234000000000000000000000000 ft 0 in",
         "whole feet, the same double as in feet, not inches over 12"},
    };
    for (const auto& row : beyond_count) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(ridi::format_length(1e40, row.unit), row.text);
    }
    // In millimetres the largest double has no double at all.
    try {
        ridi::format_length(std::numeric_limits<double>::max(), length_unit::millimetres);
        ADD_FAILURE() << "no error";
    } catch (const ridi::calc_error& error) {
        EXPECT_EQ(error.kind(), ridi::error_kind::overflow);
        EXPECT_STREQ(error.what(), "The length is too large to show in mm: enter a larger "
                                   "frequency or fewer quarter waves.");
    }
    // The smallest double is no step at all.
    EXPECT_EQ(
        ridi::format_length(-std::numeric_limits<double>::denorm_min(), length_unit::feet_inches),
        "0 ft 0 in");
}

TEST(Units, NamesAndCaptions) {
    const struct {
        const char* name;
        length_unit unit;
        std::u16string_view caption;
    } rows[] = {
        {"m", length_unit::metres, u"Metres"},
        {"cm", length_unit::centimetres, u"Centimetres"},
        {"mm", length_unit::millimetres, u"Millimetres"},
        {"in", length_unit::inches, u"Inches"},
        {"ft", length_unit::feet, u"Feet"},
        {"ft-in", length_unit::feet_inches, u"Feet and Inches"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ridi::length_unit_from_name(row.name), row.unit) << row.name;
        EXPECT_TRUE(ridi::length_unit_caption(row.unit) == row.caption) << row.name;
    }
    for (const char* not_a_unit : {"M", "metres", "inch", "ft in", "", "yd"}) {
        EXPECT_FALSE(ridi::length_unit_from_name(not_a_unit)) << not_a_unit;
    }
}

TEST(Units, LengthsTypedAtTheBench) {
    const struct {
        const char16_t* text;
        length_unit unit;
        double length; // in the unit, inches for feet and inches
        const char* why;
        bool decimal_comma = false; // as a page reads where its language writes one
    } rows[] = {
        {u"0.36", length_unit::metres, 0.36, "a number in metres"},
        {u"0,36", length_unit::metres, 0.36, "a decimal comma where one is accepted", true},
        {u"12'3,5\"", length_unit::feet_inches, 147.5, "a decimal comma in the inches", true},
        {u" 34.5 ", length_unit::centimetres, 34.5, "blanks around a number"},
        {u"12'3.5\"", length_unit::feet_inches, 147.5, "feet and inches with marks"},
        {u"12ft 3.5in", length_unit::feet_inches, 147.5, "feet and inches in words"},
        {u"12 ft 3.5 in", length_unit::feet_inches, 147.5, "blanks before the words"},
        {u"12' 3.5in", length_unit::feet_inches, 147.5, "a mark and a word"},
        {u"12FT3.5IN", length_unit::feet_inches, 147.5, "no blanks, capitals"},
        {u"12'", length_unit::feet_inches, 144, "feet alone"},
        {u"3.5\"", length_unit::feet_inches, 3.5, "inches alone"},
        {u"1.5ft", length_unit::feet_inches, 18, "decimal feet"},
        {u"1 ft 7 1/2 in", length_unit::feet_inches, 19.5, "as the tool writes a length"},
        {u"3 ft 3  1/2 in", length_unit::feet_inches, 39.5,
         "two blanks between the whole inches and the fraction"},
        {u"0 ft 0 3/8 in", length_unit::feet_inches, 0.375, "a fraction with 0 inches"},
        {u"7/16\"", length_unit::feet_inches, 0.4375, "a fraction alone"},
        {u"1' 15\"", length_unit::feet_inches, 27, "more than 11 inches are still inches"},
        {u"-1'", length_unit::feet_inches, -12, "a sign on the first part is read"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ridi::read_length(row.text, row.unit, ridi::error_field::length,
                                    {.decimal_comma = row.decimal_comma}),
                  row.length)
            << row.why;
    }
}

TEST(Units, FeetAndInchesInAnotherFormAreAnError) {
    const std::string forms = "write feet and inches as 12'3.5\" or 12ft 3.5in, or one part "
                              "alone (12', 3.5in).";
    const struct {
        const char16_t* text;
        const char* message;
        const char* why;
    } rows[] = {
        {u"12", "The length \"12\" is not in feet and inches: ", "feet or inches?"},
        {u"12'3.5", "The length \"12'3.5\" is not in feet and inches: ", "no inch mark"},
        {u"12' -3\"",
         "The length \"12' -3\"\" is not in feet and inches: ", "a sign inside the length"},
        {u"3' +3\"",
         "The length \"3' +3\"\" is not in feet and inches: ", "a plus sign on the inches"},
        {u"12'3\"4", "The length \"12'3\"4\" is not in feet and inches: ", "after the inches"},
        {u"3.5 inches", "The length \"3.5 inches\" is not in feet and inches: ", "a long word"},
        {u"12\u20323\u2033", "The length \"12\u20323\u2033\" is not in feet and inches: ",
         "prime marks are not the ASCII marks"},
        {u"12' 3ft", "The length \"12' 3ft\" is not in feet and inches: ", "two feet marks"},
        {u"'3\"", "The length \"'3\"\" is not in feet and inches: ", "a mark without feet"},
        {u"1/0\"", "The length \"1/0\"\" is not in feet and inches: ", "a zero denominator"},
        {u"1' /4\"", "The length \"1' /4\"\" is not in feet and inches: ", "no numerator"},
        {u"1.5/2\"",
         "The length \"1.5/2\"\" is not in feet and inches: ", "a fraction of decimals"},
        {u"", "The length is empty: ", "nothing"},
    };
    for (const auto& row : rows) {
        try {
            ridi::read_length(row.text, length_unit::feet_inches, ridi::error_field::length);
            ADD_FAILURE() << row.why << ": no error";
        } catch (const ridi::calc_error& error) {
            EXPECT_EQ(error.kind(), ridi::error_kind::not_a_number) << row.why;
            EXPECT_EQ(error.field(), ridi::error_field::length) << row.why;
            EXPECT_EQ(error.what(), row.message + forms) << row.why;
        }
    }
    try {
        ridi::read_length(u"1e400'", length_unit::feet_inches, ridi::error_field::length);
        ADD_FAILURE() << "no error";
    } catch (const ridi::calc_error& error) {
        EXPECT_EQ(error.kind(), ridi::error_kind::overflow);
        EXPECT_EQ(error.what(), "The length \"1e400'\" is too large for a number: " + forms);
    }
}

TEST(Units, LengthsInTheirOwnUnit) {
    // To metres by the exact factor: the double nearest the decimal product.
    const struct {
        double length;
        length_unit unit;
        double metres;
    } conversions[] = {
        {0.1, length_unit::metres, 0.1},        {34.5, length_unit::centimetres, 0.345},
        {512, length_unit::millimetres, 0.512}, {13.5, length_unit::inches, 0.3429},
        {3.25, length_unit::feet, 0.9906},      {39, length_unit::feet_inches, 0.9906},
    };
    for (const auto& row : conversions) {
        EXPECT_EQ(ridi::metres_from_unit(row.length, row.unit), row.metres) << row.length;
    }
    // Inches as feet, inches and sixteenths, halves of a sixteenth away from zero.
    EXPECT_EQ(ridi::format_in_unit(11.96875, length_unit::feet_inches), "1 ft 0 in");
    EXPECT_EQ(ridi::format_in_unit(-0.03125, length_unit::feet_inches), "-0 ft 0 1/16 in");
    EXPECT_EQ(ridi::format_in_unit(0.03124, length_unit::feet_inches), "0 ft 0 in");
}

} // namespace
