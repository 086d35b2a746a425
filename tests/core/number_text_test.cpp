// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/number_text.hpp"
#include "ridi/utf.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>

namespace {

using ridi::error_field;
using ridi::error_kind;

double read(std::u16string_view text, ridi::number_options options = {}) {
    return ridi::number_from_text(text, error_field::frequency, options);
}

// The error a text gives, or fails the test when it reads as a number.
ridi::calc_error read_error(std::u16string_view text, ridi::number_options options = {},
                            error_field field = error_field::frequency) {
    try {
        const double value = ridi::number_from_text(text, field, options);
        ADD_FAILURE() << "read as " << value;
    } catch (const ridi::calc_error& error) {
        return error;
    }
    return {error_kind::not_a_number, field, ""};
}

TEST(FromText, Basic) {
    EXPECT_EQ(read(u"435.850"), 435.85);
    EXPECT_EQ(read(u"1"), 1.0);
    EXPECT_EQ(read(u"5."), 5.0); // a point with no fraction
    EXPECT_EQ(read(u".5"), 0.5); // a fraction with no integer digits
    EXPECT_EQ(read(u"+2"), 2.0); // from_chars alone would refuse the plus
    EXPECT_EQ(read(u"-100"), -100.0);
    EXPECT_EQ(read(u"00012"), 12.0);
    EXPECT_EQ(read(u"1e3"), 1000.0);
    EXPECT_EQ(read(u"2.5E+1"), 25.0);
    EXPECT_EQ(read(u"125e-3"), 0.125);
    EXPECT_EQ(read(u" \t12.5\t "), 12.5); // blanks around the number
}

TEST(FromText, ReadsBackEveryFormattedText) {
    for (const char* text : {"0.000", "0.172", "-0.750", "57.692", "9.375", "1234567.891"}) {
        const std::string ascii(text);
        EXPECT_EQ(ridi::format_fixed(read(std::u16string(ascii.begin(), ascii.end())), 3), ascii);
    }
}

TEST(FromText, BadInput) {
    const std::u16string_view bad[] = {
        u"",      // nothing at all
        u" \t ",  // blanks only
        u"12abc", // trailing letters
        u"abc",   // no digits
        u"1e",    // exponent without digits
        u"1e+",   // exponent sign without digits
        u"e5",    // exponent without a number
        u".",     // a point alone
        u"-",     // a sign alone
        u"+-1",   // two signs
        u"- 1",   // blank after the sign
        u"1 000", // digit grouping
        u"1.2.3", // two points
        u"inf",   // from_chars would read these three
        u"nan",     u"0x10",
        u"1\u00A0", // a no-break space is not a blank
        u"\uFF11",  // fullwidth digit one
        u"1\n",     // a line break is not a blank
    };
    for (const std::u16string_view text : bad) {
        const ridi::calc_error error = read_error(text);
        EXPECT_EQ(error.kind(), error_kind::not_a_number) << error.what();
        EXPECT_EQ(error.field(), error_field::frequency);
    }
}

TEST(FromText, MessagesSayWhichFieldAndWhatToDo) {
    const std::string empty = read_error(u"", {}, error_field::quarter_waves).what();
    EXPECT_NE(empty.find("number of quarter waves is empty"), std::string::npos) << empty;

    const std::string letters = read_error(u"12abc").what();
    EXPECT_NE(letters.find("frequency \"12abc\" is not a number"), std::string::npos) << letters;
    EXPECT_NE(letters.find("435.850"), std::string::npos) << "gives an example: " << letters;

    const std::string comma = read_error(u"7,1").what();
    EXPECT_NE(comma.find("comma"), std::string::npos) << comma;
    EXPECT_NE(comma.find("\".\""), std::string::npos) << "names the decimal point: " << comma;

    // A long paste is cut, and control characters never reach the one-line message.
    const std::u16string pasted = u"12\tab\ncd" + std::u16string(1000, u'x');
    const std::string cut = read_error(pasted).what();
    EXPECT_LT(cut.size(), 200u);
    EXPECT_EQ(cut.find_first_of("\t\n"), std::string::npos) << cut;
    EXPECT_NE(cut.find("...\""), std::string::npos) << cut;
}

TEST(FromText, ExactMessages) {
    const ridi::number_options comma{.decimal_comma = true};
    const ridi::number_options refuse_tiny{.refuse_too_small = true};
    const std::u16string tiny_zeros = u"0." + std::u16string(5'000, u'0') + u"1";
    const struct {
        std::u16string_view text;
        ridi::number_options options;
        error_field field;
        error_kind kind;
        const char* message;
        const char* why;
    } rows[] = {
        {u"",
         {},
         error_field::quarter_waves,
         error_kind::not_a_number,
         "The number of quarter waves is empty: enter how many quarter waves, for example 1 or "
         "2.5.",
         "nothing typed"},
        {u" \t ",
         {},
         error_field::frequency,
         error_kind::not_a_number,
         "The frequency is empty: enter the centre frequency in MHz, for example 435.850.",
         "blanks only count as empty"},
        {u"abcdefghijklmnopqrstuvwx",
         {},
         error_field::frequency,
         error_kind::not_a_number,
         "The frequency \"abcdefghijklmnopqrstuvwx\" is not a number: enter the centre "
         "frequency in MHz, for example 435.850.",
         "24 characters are quoted whole"},
        {u"abcdefghijklmnopqrstuvwxy",
         {},
         error_field::frequency,
         error_kind::not_a_number,
         "The frequency \"abcdefghijklmnopqrstuvwx...\" is not a number: enter the centre "
         "frequency in MHz, for example 435.850.",
         "the 25th is cut"},
        {u"7,1",
         {},
         error_field::frequency,
         error_kind::not_a_number,
         "The frequency \"7,1\" has a comma: write the decimal point as \".\" and no digit "
         "grouping, for example 7.1.",
         "a decimal comma, not accepted"},
        {u"7,x", comma, error_field::frequency, error_kind::not_a_number,
         "The frequency \"7,x\" is not a number: enter the centre frequency in MHz, for example "
         "435.850.",
         "the comma is accepted, so no hint to write \".\""},
        {u"7.1.5",
         {},
         error_field::frequency,
         error_kind::not_a_number,
         "The frequency \"7.1.5\" is not a number: enter the centre frequency in MHz, for "
         "example 435.850.",
         "two points where no comma is read: no advice to write \",\""},
        {u"1,000.5",
         {},
         error_field::frequency,
         error_kind::not_a_number,
         "The frequency \"1,000.5\" has a comma: write the decimal point as \".\" and no digit "
         "grouping, for example 7.1.",
         "digit grouping: the comma is named, though there are two marks"},
        {u"1e-400", refuse_tiny, error_field::frequency, error_kind::too_small,
         "The frequency \"1e-400\" is far below any radio frequency, too close to 0 MHz to work "
         "out a length from; enter the centre frequency in MHz, for example 435.850.",
         "too small, not 0"},
        {tiny_zeros, refuse_tiny, error_field::frequency, error_kind::too_small,
         "The frequency \"0.0000000000000000000000...\" is far below any radio frequency, too "
         "close to 0 MHz to work out a length from; enter the centre frequency in MHz, for "
         "example 435.850.",
         "five thousand zeros before the 1"},
    };
    for (const auto& row : rows) {
        const ridi::calc_error error = read_error(row.text, row.options, row.field);
        EXPECT_EQ(error.kind(), row.kind) << row.why;
        EXPECT_STREQ(error.what(), row.message) << row.why;
    }
}

TEST(FromText, RefusingTooSmallKeepsZeroAndSubnormals) {
    const ridi::number_options refuse_tiny{.refuse_too_small = true};
    for (const std::u16string_view zero : {u"0", u"-0", u"0.000", u"0e-400", u"0e999"}) {
        EXPECT_EQ(read(zero, refuse_tiny), 0.0) << "a zero as typed is no error";
    }
    EXPECT_EQ(read(u"3e-324", refuse_tiny), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(read_error(u"-2e-324", refuse_tiny).kind(), error_kind::too_small)
        << "below half the smallest subnormal";
}

TEST(FromText, MessagesForTextsOfNoField) {
    // The read-back of the first result and callers with no field get a neutral wording.
    const std::string caption = read_error(u"x", {}, error_field::coax_length).what();
    EXPECT_TRUE(caption.starts_with("The RI-DI length \"x\" is not a number")) << caption;
    const std::string none = read_error(u"1e400", {}, error_field::none).what();
    EXPECT_TRUE(none.starts_with("The number \"1e400\" is too large")) << none;
    EXPECT_NE(none.find("enter a number such as 1.5"), std::string::npos) << none;
}

TEST(FromText, Range) {
    for (const std::u16string_view text : {u"1e400", u"-1e400", u"1e999999999999999999",
                                           u"179769313486231580793728971405303415e274"}) {
        const ridi::calc_error error = read_error(text);
        EXPECT_EQ(error.kind(), error_kind::overflow) << error.what();
        EXPECT_NE(std::string(error.what()).find("too large"), std::string::npos);
    }
    // Too small for a double is no error: the nearest double, keeping the sign of a zero.
    EXPECT_EQ(read(u"3e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(read(u"2e-308"), 2e-308);
    const double tiny = read(u"1e-400");
    EXPECT_EQ(tiny, 0.0);
    EXPECT_FALSE(std::signbit(tiny));
    const double negative_tiny = read(u"-1e-400");
    EXPECT_EQ(negative_tiny, 0.0);
    EXPECT_TRUE(std::signbit(negative_tiny));
    EXPECT_EQ(read(u"0.0000000000000000000000000000001e-999999999999999999"), 0.0);
    EXPECT_EQ(read(u"0e999999999999999999"), 0.0); // zero stays zero, however large the exponent
    EXPECT_EQ(read(u"1797693134862315708e290"), std::numeric_limits<double>::max());
}

TEST(FromText, DecimalComma) {
    const ridi::number_options comma{.decimal_comma = true};
    EXPECT_EQ(read(u"7,1", comma), 7.1);
    EXPECT_EQ(read(u",5", comma), 0.5);
    EXPECT_EQ(read(u"435.850", comma), 435.85); // the point still works
    EXPECT_EQ(read(u"-2,5e1", comma), -25.0);
    for (const std::u16string_view text : {u"1,2.3", u"1.2,3", u"1,,2", u"1,2,3"}) {
        const ridi::calc_error error = read_error(text, comma);
        EXPECT_EQ(error.kind(), error_kind::not_a_number);
        EXPECT_NE(std::string(error.what()).find("more than one decimal point"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(read_error(u"7,1").kind(), error_kind::not_a_number); // off by default
}

// UTF-8 text reads as its UTF-16 does: the same number, or the same error and message.
TEST(FromText, Utf8AsItsUtf16) {
    std::string right_to_left_marks;
    for (int k = 0; k < 24; ++k) {
        right_to_left_marks += "\xE2\x80\x8F";
    }
    const struct {
        std::string text;
        ridi::number_options options;
        const char* why;
    } rows[] = {
        {" -2.5e1\t", {}, "blanks, a sign and an exponent"},
        {"-0", {}, "a negative zero keeps its sign"},
        {"1e-400", {.refuse_too_small = true}, "too small, refused"},
        {"-1e-400", {}, "too small: a zero with the text's sign"},
        {"1e400", {}, "too large"},
        {"7,1", {}, "a comma where the point should be"},
        {"1,2.3", {.decimal_comma = true}, "two decimal points"},
        {"\xD9\xA1", {}, "a digit that is not ASCII"},
        {"1\xC2\xA0", {}, "a no-break space is no blank"},
        {"1\xFF", {}, "a byte that is no UTF-8: U+FFFD in the message"},
        {right_to_left_marks + "1", {}, "the message cuts after 24 characters, not 24 bytes"},
    };
    auto outcome = [](auto text, ridi::number_options options) {
        try {
            const double value = ridi::read_number(text, error_field::frequency, options);
            std::string shown(std::signbit(value) ? "-" : "+");
            shown += ridi::format_fixed_from_shortest(value, 9);
            return shown;
        } catch (const ridi::calc_error& error) {
            return std::string(error.what());
        }
    };
    for (const auto& row : rows) {
        EXPECT_EQ(outcome(row.text, row.options),
                  outcome(std::u16string_view(ridi::utf8_to_utf16(row.text)), row.options))
            << row.why;
    }
}

TEST(Format, Basic) {
    EXPECT_EQ(ridi::format_fixed(300.0 / 435.85 * 0.25, 3), "0.172");
    EXPECT_EQ(ridi::format_fixed(9.375, 3), "9.375");
    EXPECT_EQ(ridi::format_fixed(123.0, 3), "123.000");
    EXPECT_EQ(ridi::format_fixed(0.0, 3), "0.000");
    EXPECT_EQ(ridi::format_fixed(-0.75, 3), "-0.750");
    EXPECT_EQ(ridi::format_fixed(1234567.0, 3), "1234567.000"); // no grouping
    EXPECT_EQ(ridi::format_fixed(0.5, 0), "1");                 // other precisions work alike
    EXPECT_EQ(ridi::format_fixed(static_cast<double>(0.7f), 2), "0.70");
    EXPECT_EQ(ridi::text_from_number(0.172), u"0.172");
}

TEST(Format, Rounding) {
    EXPECT_EQ(ridi::format_fixed(0.0625, 3), "0.063");     // exact half: away from zero
    EXPECT_EQ(ridi::format_fixed(-0.0625, 3), "-0.063");   // also for negatives
    EXPECT_EQ(ridi::format_fixed(1.0005, 3), "1.001");     // the shortest digits are 1.0005
    EXPECT_EQ(ridi::format_fixed(6.56249989, 3), "6.562"); // just below a half
    EXPECT_EQ(ridi::format_fixed(0.00049999, 3), "0.000");
    EXPECT_EQ(ridi::format_fixed(0.0005, 3), "0.001");
    EXPECT_EQ(ridi::format_fixed(9.9995, 3), "10.000"); // the carry runs into a new digit
    EXPECT_EQ(ridi::format_fixed(999.9996, 3), "1000.000");
    EXPECT_EQ(ridi::format_fixed(2.675, 2), "2.68"); // shortest digits, not the binary 2.67499..
}

TEST(Format, NoMinusOnZero) {
    EXPECT_EQ(ridi::format_fixed(-0.0, 3), "0.000");
    EXPECT_EQ(ridi::format_fixed(-0.0004, 3), "0.000");
    EXPECT_EQ(ridi::format_fixed(-1e-300, 3), "0.000");
    EXPECT_EQ(ridi::format_fixed(-std::numeric_limits<double>::denorm_min(), 3), "0.000");
}

TEST(Format, RefusesValuesThatAreNotFinite) {
    // The calculation checks its results first; any other caller gets an exception, not text
    // read past the end of "inf".
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(ridi::format_fixed(value, 3), std::domain_error) << value;
        EXPECT_THROW(ridi::text_from_number(value), std::domain_error) << value;
    }
}

TEST(Format, HugeValuesInFullDigits) {
    EXPECT_EQ(ridi::format_fixed(1e21, 3), "1000000000000000000000.000");
    const std::string largest = ridi::format_fixed(-std::numeric_limits<double>::max(), 3);
    EXPECT_EQ(largest, "-17976931348623157" + std::string(292, '0') + ".000");
}

// A numeric punctuation that writes decimals with a comma and groups thousands.
struct comma_punctuation final : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(Locale, NeverChangesEitherConversion) {
    const std::locale previous = std::locale::global(
        std::locale(std::locale::classic(), new comma_punctuation)); // owned by the locale
    // The C library's locale too, where this machine has one that writes a comma.
    const std::string c_previous = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            break;
        }
    }
    EXPECT_EQ(read(u"435.850"), 435.85);
    EXPECT_EQ(read_error(u"7,1").kind(), error_kind::not_a_number);
    EXPECT_EQ(ridi::format_fixed(1234.5678, 3), "1234.568");
    std::setlocale(LC_ALL, c_previous.c_str());
    std::locale::global(previous);
}

} // namespace
