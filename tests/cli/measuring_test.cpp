// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc --measure and --trim, alone and as batch lines: what they print, their usage and
// their exit statuses. The arithmetic itself is tested in tests/core/measurement_test.cpp.
#include "run_tool.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using ridi::test::outcome;
using ridi::test::run;

// The text after "caption: " on the line that starts with it.
std::string value_after(const std::string& output, const std::string& caption) {
    const std::size_t start = output.find(caption + ": ");
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t value = start + caption.size() + 2;
    return output.substr(value, output.find('\n', value) - value);
}

TEST(Measuring, TheWholeWorkflow) {
    // A piece 1 m long resonates at 49.62 MHz as a quarter wave.
    const outcome measured = run({"--measure", "1", "49.62"});
    ASSERT_EQ(measured.status, 0) << measured.err;
    EXPECT_EQ(measured.out, "Velocity factor: 0.662\nCalculate with: --vf 0.662\n");
    EXPECT_EQ(measured.err, "");
    // The option it prints, as given: a 145 MHz quarter wave of that cable.
    const std::string option = value_after(measured.out, "Calculate with");
    const std::string factor = option.substr(option.find(' ') + 1);
    const outcome stub = run({"145", "1", option.substr(0, option.find(' ')), factor});
    ASSERT_EQ(stub.status, 0) << stub.err;
    EXPECT_EQ(stub.out, "RI-DI Length (Metres): 0.517\nV/F Corrected (Metres): 0.342\n");
    // Cut long at 0.36 m, it resonates at 138.2 MHz: 0.36 x 138.2 / 145 = 0.343117.
    const outcome trimmed = run({"--trim", "0.36", "138.2", "145"});
    EXPECT_EQ(trimmed.status, 0) << trimmed.err;
    EXPECT_EQ(trimmed.out, "Cut to (Metres): 0.343\nCut off (Metres): 0.017\n");
    EXPECT_EQ(trimmed.err, "");
}

struct run_case {
    std::vector<std::string_view> args;
    int status;
    const char* out;
    const char* err; // the start of standard error
    const char* why;
};

void expect_runs(const std::vector<run_case>& cases) {
    for (const run_case& row : cases) {
        SCOPED_TRACE(row.why);
        const outcome result = run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_TRUE(result.err.starts_with(row.err)) << result.err;
        if (row.status == 2) {
            EXPECT_NE(result.err.find("\nusage: ridi-calc"), std::string::npos) << result.err;
        }
    }
}

TEST(Measuring, SingleResultsAndWarnings) {
    expect_runs({
        {{"--measure", "50", "99.3", "3", "--unit", "cm"},
         0,
         "Velocity factor: 0.221\nCalculate with: --vf 0.221\n",
         "ridi-calc: warning: the velocity factor 0.221 is below 0.5, unusual for coaxial cable: "
         "check the length, its unit (read in cm, see --unit) and the number of quarter waves\n",
         "the answer, and a warning on standard error"},
        {{"--unit=ft-in", "--measure", "3ft 3in", "49.62"},
         0,
         "Velocity factor: 0.655\nCalculate with: --vf 0.655\n",
         "",
         "options in any order; a length in feet and inches"},
        {{"--trim", "1'2\"", "138.2", "145", "--unit", "ft-in"},
         0,
         "Cut to (Feet and Inches): 1 ft 1 5/16 in\nCut off (Feet and Inches): 0 ft 0 11/16 in\n",
         "",
         "the captions name the unit of the length"},
        {{"--", "--trim", "0.36", "138.2", "145"},
         2,
         "",
         "ridi-calc: expected FREQUENCY QUARTER_WAVES [CABLE]\n",
         "after -- the option is a value"},
    });
}

TEST(Measuring, FaultsSayWhatToFixAndPrintNothing) {
    expect_runs({
        {{"--measure", "1"},
         2,
         "",
         "ridi-calc: missing FREQUENCY for --measure LENGTH FREQUENCY [QUARTER_WAVES]\n",
         "a missing argument is a usage error naming it"},
        {{"--trim"},
         2,
         "",
         "ridi-calc: missing LENGTH for --trim LENGTH MEASURED TARGET\n",
         "none"},
        {{"--trim", "0.36", "138.2"},
         2,
         "",
         "ridi-calc: missing TARGET for --trim LENGTH MEASURED TARGET\n",
         "the last one missing"},
        {{"--measure", "1", "49.62", "1", "RG-58"},
         2,
         "",
         "ridi-calc: too many arguments for --measure LENGTH FREQUENCY [QUARTER_WAVES]: 'RG-58'\n",
         "one too many"},
        {{"--measure", "1", "49.62", "--vf", "0.66"},
         2,
         "",
         "ridi-calc: --measure takes no --vf: it finds the velocity factor\n",
         "--vf makes no sense here"},
        {{"--trim", "0.36", "138.2", "145", "--vf", "0.66"},
         2,
         "",
         "ridi-calc: --trim takes no --vf: the cut does not depend on it\n",
         "nor here"},
        {{"--measure", "1", "49.62", "--unit", "yd"},
         2,
         "",
         "ridi-calc: unknown unit 'yd' for --unit: use m, cm, mm, in, ft or ft-in\n"
         "usage: ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES] [--unit UNIT] | --trim "
         "LENGTH MEASURED TARGET [--unit UNIT]\n",
         "an unknown unit, and the usage of the bench"},
        {{"--batch", "--trim", "0.36", "138.2", "145"},
         2,
         "",
         "ridi-calc: give only one of --measure, --trim, --batch, --cables, --help, --version\n",
         "two modes"},
        {{"--measure", "1", "49.62", "--batch"},
         2,
         "",
         "ridi-calc: give only one of --measure, --trim, --batch, --cables, --help, --version\n"
         "usage: ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES] [--unit UNIT] | --trim "
         "LENGTH MEASURED TARGET [--unit UNIT]\n",
         "two modes, the bench one first"},
        {{"--measure", "1", "49.62", "--trim"},
         2,
         "",
         "ridi-calc: give only one of --measure, --trim, --batch, --cables, --help, --version\n",
         "both bench modes"},
        {{"--measure", "0", "49.62"},
         1,
         "",
         "ridi-calc: The length \"0\" must be greater than 0: enter the length of the piece as "
         "measured.\n",
         "a fault in a number is a calculation error, as for FREQUENCY QUARTER_WAVES"},
        {{"--trim", "0.36", "145", "138.2"},
         1,
         "",
         "ridi-calc: The stub is already 0.018 m too short:",
         "already too short: an error, no negative cut"},
        {{"--measure", "half", "49.62"},
         1,
         "",
         "ridi-calc: The length \"half\" is not a number: enter the length as measured, in "
         "metres or in the unit given with --unit.\n",
         "the core asks for the length; ridi-calc says which unit it is read in"},
        {{"--measure", "0.001", "75", "--unit", "cm"},
         1,
         "",
         "ridi-calc: The velocity factor comes out below 0.0005, far too small for any cable: "
         "check the unit of the length (read in cm, see --unit) and the frequency.\n",
         "the core names the unit; ridi-calc names the option that chose it"},
    });
}

TEST(MeasuringBatch, LinesNameTheirForm) {
    const outcome result = run({"--batch"}, "measure\t1\t49.62\n"
                                            "100\t1\tRG-58\n" // a line as before, between them
                                            "measure\t1.5\t99.3\t3\r\n"
                                            "trim\t0.36\t138.2\t145\n"
                                            "trim\t0.36\t145\t138.2\n"
                                            "measure\t0.3\t49.62\n"
                                            "measure\t1\n"
                                            "measure\t1\t49.62\t1\t1\n"
                                            "trim\t0.36\t138.2\n"
                                            "trim\t0.36\t138.2\t145\t\n"
                                            "trim\n"
                                            "Measure\t1\t49.62\n"
                                            "measure 1 49.62\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "0.662\n"
              "0.750\t0.495\n"
              "0.662\n"
              "0.343\t0.017\n"
              "error\tThe stub is already 0.018 m too short: it resonates above the target "
              "frequency, and cutting only raises it. For the target it would be 0.378 m: cut a "
              "new piece.\n"
              "0.198\n"
              "error\texpected measure<TAB>LENGTH<TAB>FREQUENCY[<TAB>QUARTER_WAVES]\n"
              "error\texpected measure<TAB>LENGTH<TAB>FREQUENCY[<TAB>QUARTER_WAVES]\n"
              "error\texpected trim<TAB>LENGTH<TAB>MEASURED<TAB>TARGET\n"
              "error\texpected trim<TAB>LENGTH<TAB>MEASURED<TAB>TARGET\n"
              "error\texpected trim<TAB>LENGTH<TAB>MEASURED<TAB>TARGET\n"
              "error\tThe frequency \"Measure\" is not a number: enter the centre frequency in "
              "MHz, for example 435.850.\n"
              "error\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs\n");
    EXPECT_EQ(result.err, "ridi-calc: line 6: warning: the velocity factor 0.198 is below 0.5, "
                          "unusual for coaxial cable: check the length, its unit (read in m, see "
                          "--unit) and the number of quarter waves\n");
}

TEST(MeasuringBatch, WithTheOptions) {
    // --unit gives the unit of their lengths; --vf applies only to the other lines.
    const outcome result = run({"--batch", "--vf", "0.78", "--unit", "cm"},
                               "145\t1\nmeasure\t34.5\t145\ntrim\t36\t138.2\t145\n");
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.out, "51.72\t40.34\n0.667\n34.31\t1.69\n");
    // All good: status 0. A stub already too short is an error line, which alone gives 1.
    EXPECT_EQ(run({"--batch"}, "trim\t0.36\t145\t145\n").status, 0);
    const outcome too_short = run({"--batch"}, "trim\t0.36\t138.2\t145\ntrim\t0.36\t145\t138.2\n");
    EXPECT_EQ(too_short.status, 1);
    EXPECT_EQ(too_short.out, "0.343\t0.017\nerror\tThe stub is already 0.018 m too short: it "
                             "resonates above the target frequency, and cutting only raises it. "
                             "For the target it would be 0.378 m: cut a new piece.\n");
}

TEST(MeasuringBatch, LowFactorWarningsAreCounted) {
    const struct {
        int lines;         // each with a factor below 0.5
        const char* count; // the last warning, after the 20 that name their line; empty: none
        const char* why;
    } rows[] = {
        {20, "", "exactly 20: each named, and no count of 0 more"},
        {21, "ridi-calc: warning: 1 more line gives a velocity factor below 0.5", "one more"},
        {25, "ridi-calc: warning: 5 more lines give a velocity factor below 0.5", "more"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        std::string input;
        for (int i = 0; i < row.lines; ++i) {
            input += "measure\t0.3\t49.62\n";
        }
        const outcome result = run({"--batch"}, input);
        EXPECT_EQ(result.status, 0);
        std::istringstream lines(result.err);
        std::vector<std::string> warnings;
        for (std::string line; std::getline(lines, line);) {
            warnings.push_back(line);
        }
        const std::size_t counted = *row.count != '\0' ? 1 : 0;
        ASSERT_EQ(warnings.size(), 20 + counted) << result.err;
        EXPECT_TRUE(warnings[19].starts_with("ridi-calc: line 20: warning: the velocity factor"));
        if (counted != 0) {
            EXPECT_EQ(warnings[20], row.count);
        }
    }
}

TEST(Measuring, HelpShowsTheWorkflow) {
    const outcome help = run({"--help"});
    for (const char* text :
         {"  ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES]\n",
          "  ridi-calc --trim LENGTH MEASURED TARGET\n", "  ridi-calc --measure 1 49.62 ",
          "  ridi-calc 145 1 --vf 0.662 ", "  ridi-calc --trim 0.36 138.2 145 "}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
}

} // namespace
