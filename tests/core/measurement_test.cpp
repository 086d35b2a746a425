// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The velocity factor of a measured piece and the trimming of a stub. The expected texts were
// worked out with exact fractions (Python's fractions and decimal modules, halves rounded away
// from zero), from the numbers as typed: factor = length in metres x f x 4 / (300 x n),
// cut-to = length x measured / target.
#include "ridi/error.hpp"
#include "ridi/measurement.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace {

using ridi::length_unit;

struct factor_case {
    const char16_t* length;
    length_unit unit;
    const char16_t* frequency;
    const char16_t* quarter_waves;
    const char* factor;
    bool warns;
    const char* why;
};

TEST(MeasureVelocityFactor, LengthOverFreeSpaceLengthInThreeDecimals) {
    const factor_case rows[] = {
        {u"1", length_unit::metres, u"49.62", u"1", "0.662", false, "0.6616 rounds up"},
        {u"0.6625", length_unit::metres, u"75", u"1", "0.663", false,
         "exactly 0.6625: the half rounds away from zero"},
        {u"34.5", length_unit::centimetres, u"145", u"1", "0.667", false, "centimetres"},
        {u"512", length_unit::millimetres, u"145", u"1", "0.990", false,
         "millimetres; 0.98987, an air-spaced line"},
        {u"13.5", length_unit::inches, u"145", u"1", "0.663", false, "inches, 0.66294"},
        {u"3.25", length_unit::feet, u"49.62", u"1", "0.655", false, "feet, 0.65538"},
        {u"3'3\"", length_unit::feet_inches, u"49.62", u"1", "0.655", false,
         "feet and inches: the same 39 in"},
        {u"1.5", length_unit::metres, u"99.3", u"3", "0.662", false,
         "the third quarter-wave resonance"},
        {u"0.7", length_unit::metres, u"140", u"2", "0.653", false, "a half wave, 0.65333"},
        {u"0.9996", length_unit::metres, u"75", u"1", "1.000", false,
         "shows as 1.000, which --vf takes: no error"},
        {u"1.0004", length_unit::metres, u"75", u"1", "1.000", false,
         "above 1 by less than the last digit shown: 1.000 is the answer"},
        {u"0.4996", length_unit::metres, u"75", u"1", "0.500", false, "shows as 0.500: no warning"},
        {u"0.4994", length_unit::metres, u"75", u"1", "0.499", true, "below 0.5: a warning"},
        {u"0.5", length_unit::metres, u"99.3", u"3", "0.221", true,
         "three quarter waves given for what is likely the first resonance"},
    };
    for (const factor_case& row : rows) {
        SCOPED_TRACE(row.why);
        const ridi::measured_factor measured =
            ridi::measure_velocity_factor(row.length, row.frequency, row.quarter_waves, row.unit);
        EXPECT_EQ(measured.factor, row.factor);
        EXPECT_EQ(!measured.warning.empty(), row.warns) << measured.warning;
    }
    EXPECT_EQ(ridi::measure_velocity_factor(u"50", u"99.3", u"3", length_unit::centimetres).warning,
              "the velocity factor 0.221 is below 0.5, unusual for coaxial cable: check the "
              "length, its unit (read in cm) and the number of quarter waves");
}

struct fault_case {
    const char16_t* first;
    const char16_t* second;
    const char16_t* third;
    length_unit unit;
    ridi::error_kind kind;
    ridi::error_field field;
    const char* message;
    const char* why;
};

void expect_faults(std::span<const fault_case> rows, bool measure) {
    for (const fault_case& row : rows) {
        SCOPED_TRACE(row.why);
        try {
            if (measure) {
                ridi::measure_velocity_factor(row.first, row.second, row.third, row.unit);
            } else {
                ridi::trim_stub(row.first, row.second, row.third, row.unit);
            }
            ADD_FAILURE() << "no error";
        } catch (const ridi::calc_error& error) {
            EXPECT_EQ(error.kind(), row.kind);
            EXPECT_EQ(error.field(), row.field);
            EXPECT_EQ(std::string(error.what()).substr(0, std::string(row.message).size()),
                      row.message);
        }
    }
}

TEST(MeasureVelocityFactor, FaultsNameTheNumberOrSayWhatIsLikelyWrong) {
    using ridi::error_field;
    using ridi::error_kind;
    constexpr auto m = length_unit::metres;
    const fault_case rows[] = {
        {u"1", u"100", u"1", m, error_kind::out_of_range, error_field::none,
         "The velocity factor comes out at 1.333, above 1, which no cable has: check the number "
         "of quarter waves (2 for a half-wave resonance), the unit of the length (read in m), "
         "and that the frequency is the lowest resonance, not a harmonic.",
         "above 1: the three likely mistakes"},
        {u"1.0005", u"75", u"1", m, error_kind::out_of_range, error_field::none,
         "The velocity factor comes out at 1.001,", "shows as 1.001: above 1"},
        {u"66", u"75", u"1", length_unit::metres, error_kind::out_of_range, error_field::none,
         "The velocity factor comes out at 66.000, above 1", "centimetres given as metres"},
        {u"1e10", u"75", u"1", m, error_kind::out_of_range, error_field::none,
         "The velocity factor comes out far above 1, which no cable has: check the unit of the "
         "length (read in m) and the frequency.",
         "far above 1: no number of a dozen digits"},
        {u"1", u"1e308", u"1e-308", m, error_kind::out_of_range, error_field::none,
         "The velocity factor comes out far above 1,",
         "a free-space length too small for a double, and no division by 0"},
        {u"5e-324", u"1e308", u"1e-308", length_unit::millimetres, error_kind::out_of_range,
         error_field::none,
         "The velocity factor has no value: the length and the free-space length are both too "
         "small for a number. Check the unit of the length (read in mm) and the frequency.",
         "both lengths too small for a double: 0 / 0"},
        {u"5e-324", u"100", u"1", length_unit::millimetres, error_kind::out_of_range,
         error_field::none,
         "The velocity factor comes out below 0.0005, far too small for any cable: check the "
         "unit of the length (read in mm) and the frequency.",
         "only the length is 0 in metres; the free-space length is 0.75 m: a factor of 0"},
        {u"0.00001", u"75", u"1", m, error_kind::out_of_range, error_field::none,
         "The velocity factor comes out below 0.0005, far too small for any cable: check the "
         "unit of the length (read in m) and the frequency.",
         "shows as 0.000, which --vf refuses"},
        {u"0", u"75", u"1", m, error_kind::out_of_range, error_field::length,
         "The length \"0\" must be greater than 0: enter the length of the piece as measured.",
         "a length of 0"},
        {u"-0.5", u"75", u"1", m, error_kind::out_of_range, error_field::length,
         "The length \"-0.5\" must be greater than 0", "a negative length"},
        {u"-1'", u"75", u"1", length_unit::feet_inches, error_kind::out_of_range,
         error_field::length, "The length \"-1'\" must be greater than 0",
         "a negative length in feet and inches"},
        {u"half", u"75", u"1", m, error_kind::not_a_number, error_field::length,
         "The length \"half\" is not a number: enter the length as measured.", "not a number"},
        {u"1e400", u"75", u"1", m, error_kind::overflow, error_field::length,
         "The length \"1e400\" is too large for a number", "beyond the double range"},
        {u"1e-400", u"75", u"1", m, error_kind::too_small, error_field::length,
         "The length \"1e-400\" is too close to 0 to calculate with;",
         "a length that reads as 0 only for want of range"},
        {u"1", u"0", u"1", m, error_kind::out_of_range, error_field::frequency,
         "The frequency \"0\" must be greater than 0: enter the frequency in MHz at which it "
         "resonates.",
         "a frequency of 0, no division by zero"},
        {u"1", u"-49.62", u"1", m, error_kind::out_of_range, error_field::frequency,
         "The frequency \"-49.62\" must be greater than 0", "a negative frequency"},
        {u"1", u"1e-400", u"1", m, error_kind::too_small, error_field::frequency,
         "The frequency \"1e-400\" is far below any radio frequency, too close to 0 MHz to work "
         "out a length from; enter the centre frequency in MHz, for example 435.850.",
         "0 only for want of range: as the calculation says it, not \"must be greater than 0\""},
        {u"1", u"", u"1", m, error_kind::not_a_number, error_field::frequency,
         "The frequency is empty", "an empty frequency"},
        {u"1", u"49.62", u"0", m, error_kind::out_of_range, error_field::quarter_waves,
         "The number of quarter waves \"0\" must be greater than 0: enter 1 for the first "
         "resonance of a quarter-wave stub, 2 for a half wave.",
         "no quarter waves"},
        {u"1", u"49.62", u"one", m, error_kind::not_a_number, error_field::quarter_waves,
         "The number of quarter waves \"one\" is not a number", "the count not a number"},
        {u"1", u"1e-310", u"1", m, error_kind::overflow, error_field::none,
         "The RI-DI length is too large to compute",
         "a subnormal frequency: the free-space length is beyond the double range"},
    };
    expect_faults(rows, true);
}

struct trim_case {
    const char16_t* length;
    length_unit unit;
    const char16_t* measured;
    const char16_t* target;
    const char* cut_to;
    const char* cut_off;
    const char* why;
};

TEST(TrimStub, CutToLengthTimesMeasuredOverTarget) {
    const trim_case rows[] = {
        {u"0.36", length_unit::metres, u"138.2", u"145", "0.343", "0.017", "0.343117"},
        {u"0.36", length_unit::metres, u"145", u"145", "0.360", "0.000", "on target: cut nothing"},
        {u"36", length_unit::centimetres, u"138.2", u"145", "34.31", "1.69", "centimetres"},
        {u"360", length_unit::millimetres, u"138.2", u"145", "343.1", "16.9", "millimetres"},
        {u"14.17", length_unit::inches, u"138.2", u"145", "13.51", "0.66", "inches, 13.50548"},
        {u"1.181", length_unit::feet, u"138.2", u"145", "1.126", "0.055", "feet, 1.125615"},
        {u"1ft 2in", length_unit::feet_inches, u"138.2", u"145", "1 ft 1 5/16 in",
         "0 ft 0 11/16 in", "13.34345 in is 213.496 sixteenths: just below the half"},
        {u"1'", length_unit::feet_inches, u"383", u"384", "1 ft 0 in", "0 ft 0 in",
         "11.96875 in is 191.5 sixteenths exactly: the half rounds up to a whole foot"},
        {u"14.2in", length_unit::feet_inches, u"138.2", u"145", "1 ft 1 9/16 in", "0 ft 0 5/8 in",
         "a length between sixteenths: the cut-off is 10.2 sixteenths"},
        {u"303", length_unit::millimetres, u"133", u"140", "287.9", "15.1",
         "287.85 exactly: whole numbers multiply exactly before the one division, so the half "
         "rounds up (133 / 140 first would give 287.8)"},
        {u"0.5", length_unit::metres, u"98.9", u"100", "0.495", "0.005",
         "0.4945 rounds up; the cut-off is what is left, 0.005, not 0.0055 rounded"},
        {u"0.4996", length_unit::metres, u"100", u"100", "0.500", "0.000",
         "a cut-to that rounds above the length cuts off nothing"},
        {u"1/32\"", length_unit::feet_inches, u"100", u"100", "0 ft 0 1/16 in", "0 ft 0 in",
         "half a sixteenth rounds up to one: the cut-off would be minus half, shown as -1/16"},
        {u"1e40in", length_unit::feet_inches, u"1", u"2",
         "416666666666666700000000000000000000000 ft 0 in",
         "416666666666666600000000000000000000000 ft 0 in",
         "5e39 in, beyond 2^106 in, is 10^40/24 ft: whole feet, the shortest digits of the double "
         "nearest, the rest zeros; the cut-off is 1e40 in less the cut-to as shown"},
    };
    for (const trim_case& row : rows) {
        SCOPED_TRACE(row.why);
        const ridi::trimmed_stub trimmed =
            ridi::trim_stub(row.length, row.measured, row.target, row.unit);
        EXPECT_EQ(trimmed.cut_to, row.cut_to);
        EXPECT_EQ(trimmed.cut_off, row.cut_off);
    }
    // 1e300 x 1e10 is beyond the double range; the ratio 1 still gives the length itself.
    const ridi::trimmed_stub huge =
        ridi::trim_stub(u"1e300", u"1e10", u"1e10", length_unit::metres);
    EXPECT_EQ(huge.cut_to, "1" + std::string(300, '0') + ".000");
    EXPECT_EQ(huge.cut_off, "0.000");
}

TEST(TrimStub, TooShortOrNotANumberIsAnError) {
    using ridi::error_field;
    using ridi::error_kind;
    constexpr auto m = length_unit::metres;
    const fault_case rows[] = {
        {u"0.36", u"145", u"138.2", m, error_kind::out_of_range, error_field::target_frequency,
         "The stub is already 0.018 m too short: it resonates above the target frequency, and "
         "cutting only raises it. For the target it would be 0.378 m: cut a new piece.",
         "a target below the measured frequency: 0.37771 m needed"},
        {u"0.36", u"145", u"144.99", m, error_kind::out_of_range, error_field::target_frequency,
         "The stub is already less than 0.001 m too short: it resonates above the target "
         "frequency, and cutting only raises it. For the target it would be 0.360 m: cut a new "
         "piece.",
         "too short by 0.0000248 m, which shows as 0.000"},
        {u"36", u"145", u"144.99", length_unit::centimetres, error_kind::out_of_range,
         error_field::target_frequency,
         "The stub is already less than 0.01 cm too short: it resonates above the target "
         "frequency, and cutting only raises it. For the target it would be 36.00 cm: cut a new "
         "piece.",
         "0.00248 cm: the smallest step of each unit, not 0.00 (0.001 m is 0.10 cm)"},
        {u"360", u"145", u"144.99", length_unit::millimetres, error_kind::out_of_range,
         error_field::target_frequency,
         "The stub is already less than 0.1 mm too short:", "0.0248 mm"},
        {u"14", u"145", u"144.99", length_unit::inches, error_kind::out_of_range,
         error_field::target_frequency,
         "The stub is already less than 0.01 in too short:", "0.00097 in"},
        {u"1.2", u"145", u"144.99", length_unit::feet, error_kind::out_of_range,
         error_field::target_frequency,
         "The stub is already less than 0.001 ft too short:", "0.000083 ft"},
        {u"14in", u"145", u"144.99", length_unit::feet_inches, error_kind::out_of_range,
         error_field::target_frequency,
         "The stub is already less than 0 ft 0 1/16 in too short: it resonates above the target "
         "frequency, and cutting only raises it. For the target it would be 1 ft 2 in: cut a new "
         "piece.",
         "0.015 sixteenths of an inch"},
        {u"14in", u"145", u"138.2", length_unit::feet_inches, error_kind::out_of_range,
         error_field::target_frequency,
         "The stub is already 0 ft 0 11/16 in too short: it resonates above the target "
         "frequency, and cutting only raises it. For the target it would be 1 ft 2 11/16 in: "
         "cut a new piece.",
         "feet and inches name their own units"},
        {u"36", u"145", u"144", length_unit::centimetres, error_kind::out_of_range,
         error_field::target_frequency, "The stub is already 0.25 cm too short",
         "centimetres: 36.25 cm needed"},
        {u"1e300", u"1e10", u"1", m, error_kind::out_of_range, error_field::target_frequency,
         "The stub is already too short: it resonates above the target frequency, and cutting "
         "only raises its frequency further: cut a new, longer piece.",
         "no length of 300 digits in the message"},
        {u"0", u"138.2", u"145", m, error_kind::out_of_range, error_field::length,
         "The length \"0\" must be greater than 0: enter the length of the stub as it is now.",
         "a length of 0"},
        {u"0.36", u"-138.2", u"145", m, error_kind::out_of_range, error_field::measured_frequency,
         "The measured frequency \"-138.2\" must be greater than 0: enter the frequency in MHz "
         "at which the stub resonates now.",
         "a negative measured frequency"},
        {u"0.36", u"abc", u"145", m, error_kind::not_a_number, error_field::measured_frequency,
         "The measured frequency \"abc\" is not a number: enter the frequency in MHz at which the "
         "stub resonates now, for example 99.3.",
         "the advice is the measured frequency's, not the target's"},
        {u"0.36", u"1e-400", u"145", m, error_kind::too_small, error_field::measured_frequency,
         "The measured frequency \"1e-400\" is far below any radio frequency, too close to 0 MHz "
         "to work out a length from; enter the frequency in MHz at which the stub resonates now,",
         "0 only for want of range: not \"must be greater than 0\""},
        {u"0.36", u"138.2", u"1e-400", m, error_kind::too_small, error_field::target_frequency,
         "The target frequency \"1e-400\" is far below any radio frequency, too close to 0 MHz to "
         "work out a length from; enter the frequency in MHz the stub should resonate at,",
         "the same for the target"},
        {u"0.36", u"138.2", u"0", m, error_kind::out_of_range, error_field::target_frequency,
         "The target frequency \"0\" must be greater than 0: enter the frequency in MHz the "
         "stub should resonate at.",
         "a target of 0"},
        {u"0.36", u"138,2", u"145", m, error_kind::not_a_number, error_field::measured_frequency,
         "The measured frequency \"138,2\" has a comma", "a decimal comma"},
        {u"0.36", u"138.2", u"1e999", m, error_kind::overflow, error_field::target_frequency,
         "The target frequency \"1e999\" is too large for a number", "beyond the double range"},
    };
    expect_faults(rows, false);
}

} // namespace
