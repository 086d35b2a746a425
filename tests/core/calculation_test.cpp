// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using ridi::error_field;
using ridi::error_kind;

std::u16string u16(std::string_view text) {
    return {text.begin(), text.end()};
}
std::string u8(std::u16string_view text) {
    return {text.begin(), text.end()};
}

ridi::form_strings form_with(std::string_view freq, std::string_view qtr_num,
                             std::string_view cable) {
    ridi::form_strings form;
    form.freq = u16(freq);
    form.qtr_num = u16(qtr_num);
    form.cable = u16(cable);
    form.coax_length = u"old length";
    form.vf_length = u"old corrected";
    return form;
}

struct worked_example {
    const char* why;
    const char* freq;
    const char* qtr_num;
    const char* cable;
    const char* length;
    const char* corrected;
};

TEST(Calculation, WorkedExamples) {
    const worked_example examples[] = {
        {"the window's starting texts", "435.850", "1", "RG-58", "0.172", "0.114"},
        {"single k: 9.375 x 0.69999998 rounds down, a double 0.7 would tie", "8", "1", "RG-142",
         "9.375", "6.562"},
        {"corrected from the shown 57.692, not from 57.6923...", "1.3", "1", "RG-142", "57.692",
         "40.384"},
        {"a round frequency", "100", "1", "RG-58", "0.750", "0.495"},
        {"negative frequencies are computed, not refused", "-100", "1", "RG-58", "-0.750",
         "-0.495"},
        {"a count of 0", "100", "0", "RG-58", "0.000", "0.000"},
        {"counts need not be whole", "100", "2.5", "RG-58", "1.875", "1.238"},
        {"an unknown cable gives factor 0, no error", "100", "1", "rg-58", "0.750", "0.000"},
        {"H100 from the list", "435.850", "1", "H100", "0.172", "0.144"},
        {"a negative result too small to show has no minus", "-1000000", "1", "RG-58", "0.000",
         "0.000"},
        {"blanks around the numbers", " 100 ", "\t1", "RG-58", "0.750", "0.495"},
        {"(300 / f) * (n / 4) is 1.56249999...; 300 * n / 4 / f would show 1.563", "14.4", "0.3",
         "RG-58", "1.562", "1.031"},
    };
    for (const worked_example& example : examples) {
        SCOPED_TRACE(example.why);
        ridi::form_strings form = form_with(example.freq, example.qtr_num, example.cable);
        ridi::calc_cmd_Click(form);
        EXPECT_EQ(u8(form.coax_length), example.length);
        EXPECT_EQ(u8(form.vf_length), example.corrected);
    }
}

TEST(Calculation, CorrectedLengthComesFromTheShownCaption) {
    // A form whose first caption reads back other than written shows where the second result
    // comes from.
    class rewriting_form final : public ridi::form_texts {
    public:
        std::u16string vf_length;
        std::u16string_view freq_text() override { return u"100"; }
        std::u16string_view qtr_num_text() override { return u"1"; }
        std::u16string_view cable_text() override { return u"RG-58"; }
        std::u16string_view coax_length_caption() override { return u"10.000"; }
        void set_coax_length_caption(std::u16string_view) override {}
        void set_vf_length_caption(std::u16string_view caption) override { vf_length = caption; }
    } form;
    ridi::calc_cmd_Click(form);
    EXPECT_EQ(u8(form.vf_length), "6.600");
}

struct fault_case {
    const char* why;
    const char* freq;
    const char* qtr_num;
    error_kind kind;
    error_field field;
};

TEST(Calculation, FaultsLeaveBothCaptions) {
    const fault_case faults[] = {
        {"300 / 0", "0", "1", error_kind::division_by_zero, error_field::frequency},
        {"a negative zero divides by zero too", "-0.0", "1", error_kind::division_by_zero,
         error_field::frequency},
        {"division by zero is reported before the invalid inf x 0", "0", "0",
         error_kind::division_by_zero, error_field::frequency},
        {"an infinite quotient times a count of 0", "1e-310", "0", error_kind::invalid_operation,
         error_field::none},
        {"an infinite quotient", "1e-310", "1", error_kind::overflow, error_field::none},
        {"a product beyond the double range", "1", "1e308", error_kind::overflow,
         error_field::none},
        {"a frequency that is no number", "abc", "1", error_kind::not_a_number,
         error_field::frequency},
        {"the frequency is read first", "abc", "xyz", error_kind::not_a_number,
         error_field::frequency},
        {"a count that is no number", "100", "one", error_kind::not_a_number,
         error_field::quarter_waves},
        {"a count beyond the double range", "100", "1e400", error_kind::overflow,
         error_field::quarter_waves},
    };
    for (const fault_case& fault : faults) {
        SCOPED_TRACE(fault.why);
        ridi::form_strings form = form_with(fault.freq, fault.qtr_num, "RG-58");
        try {
            ridi::calc_cmd_Click(form);
            ADD_FAILURE() << "no error";
        } catch (const ridi::calc_error& error) {
            EXPECT_EQ(error.kind(), fault.kind) << error.what();
            EXPECT_EQ(error.field(), fault.field) << error.what();
            EXPECT_FALSE(std::string(error.what()).empty());
        }
        EXPECT_EQ(u8(form.coax_length), "old length");
        EXPECT_EQ(u8(form.vf_length), "old corrected");
    }
}

TEST(Calculation, ZeroFrequencyMessageSaysWhatToChange) {
    ridi::form_strings form = form_with("0", "1", "RG-58");
    EXPECT_THROW(
        {
            try {
                ridi::calc_cmd_Click(form);
            } catch (const ridi::calc_error& error) {
                EXPECT_NE(std::string(error.what()).find("must not be 0"), std::string::npos);
                throw;
            }
        },
        ridi::calc_error);
}

TEST(Calculation, FailureAfterTheFirstResultKeepsIt) {
    // A cable text that cannot be read stops the calculation after the first caption.
    class failing_cable_form final : public ridi::form_texts {
    public:
        std::u16string coax_length;
        std::u16string vf_length = u"old corrected";
        std::u16string_view freq_text() override { return u"100"; }
        std::u16string_view qtr_num_text() override { return u"1"; }
        std::u16string_view cable_text() override { throw std::runtime_error("cable unreadable"); }
        std::u16string_view coax_length_caption() override { return coax_length; }
        void set_coax_length_caption(std::u16string_view caption) override {
            coax_length = caption;
        }
        void set_vf_length_caption(std::u16string_view caption) override { vf_length = caption; }
    } form;
    EXPECT_THROW(ridi::calc_cmd_Click(form), std::runtime_error);
    EXPECT_EQ(u8(form.coax_length), "0.750");
    EXPECT_EQ(u8(form.vf_length), "old corrected");
}

TEST(Calculation, DecimalCommaOption) {
    ridi::form_strings form = form_with("7,1", "1", "RG-58");
    EXPECT_THROW(ridi::calc_cmd_Click(form), ridi::calc_error);
    ridi::calc_cmd_Click(form, {.decimal_comma = true});
    EXPECT_EQ(u8(form.coax_length), "10.563"); // 300 / 7.1 / 4 = 10.5633...
    EXPECT_EQ(u8(form.vf_length), "6.972");    // always written with "."
}

TEST(Calculation, LengthFunctions) {
    EXPECT_EQ(ridi::free_space_length(100.0, 1.0), 0.75);
    // The order of the operations is fixed: (300 / f) * (n / 4). At 14.4 MHz and 0.3 quarter
    // waves the other orders, 300 * n / 4 / f, (300 * n) / (4 * f) and 75 * n / f, all give
    // 0x1.9p+0 = 1.5625, which shows as 1.563.
    EXPECT_EQ(ridi::free_space_length(14.4, 0.3), 0x1.8ffffffffffffp+0);
    EXPECT_EQ(ridi::corrected_length(0.5f, 3.0), 1.5);
}

struct lengths_case {
    const char* why;
    const char* freq;
    const char* qtr_num;
    double factor;
    ridi::length_unit unit;
    const char* length;
    const char* corrected;
};

TEST(QuarterWaveLengths, FactorsAndUnits) {
    using ridi::length_unit;
    const double rg58 = ridi::Get_Vk(u"RG-58");
    const double rg142 = ridi::Get_Vk(u"RG-142");
    const lengths_case rows[] = {
        {"metres as the window shows them", "435.850", "1", rg58, length_unit::metres, "0.172",
         "0.114"},
        {"in metres the corrected length comes from the shown 57.692", "1.3", "1", rg142,
         length_unit::metres, "57.692", "40.384"},
        {"a factor typed as 0.7 is the double 0.7: 9.375 x 0.7 is the tie 6.5625", "8", "1", 0.7,
         length_unit::metres, "9.375", "6.563"},
        {"the catalogue's 0.70 is the single 0.69999998", "8", "1", rg142, length_unit::metres,
         "9.375", "6.562"},
        {"a factor of 1 is the free-space length", "100", "1", 1.0, length_unit::metres, "0.750",
         "0.750"},
        {"feet: the corrected length from the free-space length before rounding; from the "
         "shown 0.275 m it would be 0.595",
         "272.57", "1", rg58, length_unit::feet, "0.903", "0.596"},
        {"centimetres", "435.850", "1", rg58, length_unit::centimetres, "17.21", "11.36"},
        {"millimetres", "435.850", "1", rg58, length_unit::millimetres, "172.1", "113.6"},
        {"inches", "435.850", "1", rg58, length_unit::inches, "6.77", "4.47"},
        {"feet and inches for the factor 0.78", "14.2", "1", 0.78, length_unit::feet_inches,
         "17 ft 3 15/16 in", "13 ft 6 3/16 in"},
        {"negative frequencies in feet and inches", "-14.2", "1", rg58, length_unit::feet_inches,
         "-17 ft 3 15/16 in", "-11 ft 5 1/4 in"},
        {"an unknown cable: factor 0", "100", "1", 0.0, length_unit::inches, "29.53", "0.00"},
    };
    for (const lengths_case& row : rows) {
        SCOPED_TRACE(row.why);
        ridi::shown_lengths shown;
        ridi::quarter_wave_lengths(u16(row.freq), u16(row.qtr_num), row.factor, row.unit, shown);
        EXPECT_EQ(shown.length, row.length);
        EXPECT_EQ(shown.corrected, row.corrected);
    }
}

TEST(QuarterWaveLengths, ATooSmallFrequencySaysSo) {
    const struct {
        const char* freq;
        error_kind kind;
        const char* why;
    } rows[] = {
        {"1e-400", error_kind::too_small, "reads as 0 only for want of range"},
        {"-1e-400", error_kind::too_small, "on either side of 0"},
        {"0", error_kind::division_by_zero, "a zero as typed must not be 0"},
        {"0e-400", error_kind::division_by_zero, "zero with an exponent is still zero"},
        {"1e-310", error_kind::overflow, "a subnormal is a number, and 300 / it overflows"},
    };
    for (const auto& row : rows) {
        ridi::shown_lengths shown{"old", "old"};
        try {
            ridi::quarter_wave_lengths(u16(row.freq), u"1", 0.66, ridi::length_unit::metres, shown);
            ADD_FAILURE() << row.why << ": no error";
        } catch (const ridi::calc_error& error) {
            EXPECT_EQ(error.kind(), row.kind) << row.why << ": " << error.what();
            EXPECT_EQ(error.field(),
                      row.kind == error_kind::overflow ? error_field::none : error_field::frequency)
                << row.why;
        }
        EXPECT_EQ(shown.length, "old") << "a failure writes no result";
        EXPECT_EQ(shown.corrected, "old");
    }
}

} // namespace
