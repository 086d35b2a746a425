// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_tool.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ridi::test::outcome;
using ridi::test::run;

TEST(Single, PrintsBothResultsWithCaptions) {
    const outcome result = run({"435.850", "1", "RG-58"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114\n");
    EXPECT_EQ(result.err, "");
}

TEST(Single, NegativeNumbersAreNotOptions) {
    const outcome result = run({"-100", "1", "RG-58"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "RI-DI Length (Metres): -0.750\nV/F Corrected (Metres): -0.495\n");
}

TEST(Single, UnknownCableGivesZero) {
    const outcome result = run({"100", "1", "rg-58"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("V/F Corrected (Metres): 0.000"), std::string::npos);
}

struct run_case {
    std::vector<std::string_view> args;
    int status;
    const char* out;
    const char* err;
    const char* why;
};

void expect_runs(const std::vector<run_case>& cases) {
    for (const run_case& row : cases) {
        const outcome result = run(row.args);
        EXPECT_EQ(result.status, row.status) << row.why;
        EXPECT_EQ(result.out, row.out) << row.why;
        EXPECT_EQ(result.err, row.err) << row.why;
    }
}

TEST(Single, OwnFactorAndUnits) {
    expect_runs({
        {{"145", "1", "--vf", "0.78"},
         0,
         "RI-DI Length (Metres): 0.517\nV/F Corrected (Metres): 0.403\n",
         "",
         "the user's own factor, from the length as shown"},
        {{"--vf=0.78", "145", "1"},
         0,
         "RI-DI Length (Metres): 0.517\nV/F Corrected (Metres): 0.403\n",
         "",
         "--vf=F before the numbers"},
        {{"8", "1", "--vf", "0.7"},
         0,
         "RI-DI Length (Metres): 9.375\nV/F Corrected (Metres): 6.563\n",
         "",
         "0.7 as typed, a double: 9.375 x 0.7 is a tie, where RG-142's single gives 6.562"},
        {{"100", "1", "--vf", "1"},
         0,
         "RI-DI Length (Metres): 0.750\nV/F Corrected (Metres): 0.750\n",
         "",
         "1 is allowed"},
        {{"-100", "1", "--vf", "0.5"},
         0,
         "RI-DI Length (Metres): -0.750\nV/F Corrected (Metres): -0.375\n",
         "",
         "a negative frequency with --vf"},
        {{"435.850", "1", "RG-58", "--unit", "m"},
         0,
         "RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114\n",
         "",
         "metres are the default, byte for byte"},
        {{"435.850", "1", "RG-58", "--unit", "cm"},
         0,
         "RI-DI Length (Centimetres): 17.21\nV/F Corrected (Centimetres): 11.36\n",
         "",
         "centimetres, two decimals"},
        {{"435.850", "1", "RG-58", "--unit=mm"},
         0,
         "RI-DI Length (Millimetres): 172.1\nV/F Corrected (Millimetres): 113.6\n",
         "",
         "millimetres, one decimal"},
        {{"435.850", "1", "RG-58", "--unit", "in"},
         0,
         "RI-DI Length (Inches): 6.77\nV/F Corrected (Inches): 4.47\n",
         "",
         "inches, two decimals"},
        {{"272.57", "1", "RG-58", "--unit", "ft"},
         0,
         "RI-DI Length (Feet): 0.903\nV/F Corrected (Feet): 0.596\n",
         "",
         "feet, corrected from the length before rounding (0.275 m would give 0.595)"},
        {{"14.2", "1", "RG-213", "--unit", "ft-in"},
         0,
         "RI-DI Length (Feet and Inches): 17 ft 3 15/16 in\n"
         "V/F Corrected (Feet and Inches): 11 ft 5 1/4 in\n",
         "",
         "feet, inches and sixteenths"},
        {{"14.2", "1", "--unit", "ft-in", "--vf", "0.78"},
         0,
         "RI-DI Length (Feet and Inches): 17 ft 3 15/16 in\n"
         "V/F Corrected (Feet and Inches): 13 ft 6 3/16 in\n",
         "",
         "both options together"},
    });
}

TEST(Single, UnknownCablesWarnOnStandardError) {
    const char* const zero_result = "RI-DI Length (Metres): 0.750\nV/F Corrected (Metres): 0.000\n";
    expect_runs({
        {{"100", "1", "rg-58"},
         0,
         zero_result,
         "ridi-calc: warning: the cable \"rg-58\" is not in the catalogue, so its velocity "
         "factor counts as 0; did you mean RG-58?\n",
         "case"},
        {{"100", "1", "RG-58 "},
         0,
         zero_result,
         "ridi-calc: warning: the cable \"RG-58 \" is not in the catalogue, so its velocity "
         "factor counts as 0; did you mean RG-58?\n",
         "a trailing blank"},
        {{"100", "1",
          "RG\xE2\x80\x91"
          "58"},
         0,
         zero_result,
         "ridi-calc: warning: the cable \"RG\xE2\x80\x91"
         "58\" is not in the catalogue, so its "
         "velocity factor counts as 0; did you mean RG-58?\n",
         "a non-breaking hyphen"},
        {{"100", "1", "LMR-400"},
         0,
         zero_result,
         "ridi-calc: warning: the cable \"LMR-400\" is not in the catalogue, so its velocity "
         "factor counts as 0 (ridi-calc --cables lists the catalogue)\n",
         "not in the catalogue at all"},
        {{"100", "1", ""},
         0,
         zero_result,
         "ridi-calc: warning: the cable name is empty, so its velocity factor counts as 0 "
         "(ridi-calc --cables lists the catalogue)\n",
         "an empty name"},
        {{"0", "1", "rg-58"},
         1,
         "",
         "ridi-calc: The frequency must not be 0: enter the centre frequency in MHz, for example "
         "435.850.\n",
         "no result, so no warning about it"},
    });
}

TEST(Single, ErrorsGoToStandardError) {
    const outcome zero = run({"0", "1", "RG-58"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.out, "");
    EXPECT_TRUE(zero.err.starts_with("ridi-calc: The frequency must not be 0")) << zero.err;

    // The tool always reads "." as the decimal point.
    const outcome comma = run({"7,1", "1", "RG-58"});
    EXPECT_EQ(comma.status, 1);
    EXPECT_NE(comma.err.find("comma"), std::string::npos) << comma.err;

    // A frequency that reads as 0 only for want of range says so.
    const std::string tiny = "0." + std::string(3'000, '0') + "1";
    for (const std::string_view frequency : {std::string_view("1e-400"), std::string_view(tiny)}) {
        const outcome result = run({frequency, "1", "RG-58"});
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("\" is far below any radio frequency"), std::string::npos)
            << result.err;
    }
}

TEST(Table, EveryCableInCatalogueOrder) {
    const outcome result = run({"100", "1"});
    EXPECT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "RI-DI Length (Metres): 0.750");
    std::getline(lines, line);
    EXPECT_EQ(line, "");
    std::getline(lines, line);
    EXPECT_EQ(line, "Cable   V/F   V/F Corrected (Metres)");
    std::vector<std::string> rows;
    while (std::getline(lines, line)) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows.front(), "RG-11   0.66  0.495");
    EXPECT_EQ(rows[3], "RG-142  0.70  0.525");
    EXPECT_EQ(rows.back(), "H500    0.81  0.608");
}

TEST(Table, InAnotherUnit) {
    const outcome result = run({"100", "1", "--unit", "ft-in"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("RI-DI Length (Feet and Inches): 2 ft 5 1/2 in\n\n"
                                       "Cable   V/F   V/F Corrected (Feet and Inches)\n"
                                       "RG-11   0.66  1 ft 7 1/2 in\n"))
        << result.out;
    EXPECT_TRUE(result.out.ends_with("H500    0.81  1 ft 11 15/16 in\n")) << result.out;
}

TEST(Table, ErrorStopsTheTable) {
    const outcome result = run({"0", "1"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
}

TEST(Batch, OneLinePerInputLineInOrder) {
    const outcome result = run({"--batch"}, "435.850\t1\tRG-58\n"
                                            "0\t1\tRG-58\n"
                                            "8\t1\tRG-142\r\n" // a CR before the break is dropped
                                            "100\t1\tRG-58 \n" // the blank is part of the cable
                                            "100\t1\n"         // one tab
                                            "100 1 RG-58\n"    // blanks, no tabs
                                            "100\t1\tRG-58\textra\n"
                                            "-100\t2.5\tH100"); // no final line break
    EXPECT_EQ(result.status, 1);
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 8u) << result.out;
    EXPECT_EQ(rows[0], "0.172\t0.114");
    EXPECT_TRUE(rows[1].starts_with("error\tThe frequency must not be 0")) << rows[1];
    EXPECT_EQ(rows[2], "9.375\t6.562");
    EXPECT_EQ(rows[3], "0.750\t0.000");
    for (const std::size_t bad : {4u, 5u, 6u}) {
        EXPECT_EQ(rows[bad], "error\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly "
                             "two tabs")
            << "line " << bad + 1;
    }
    EXPECT_EQ(rows[7], "-1.875\t-1.575");
    EXPECT_EQ(result.err, "ridi-calc: line 4: warning: the cable \"RG-58 \" is not in the "
                          "catalogue, so its velocity factor counts as 0; did you mean RG-58?\n");
}

struct batch_case {
    const char* input;
    const char* output;
    int status;
    const char* why;
};

TEST(Batch, OutputLineNAnswersInputLineN) {
    const batch_case cases[] = {
        {"\xEF\xBB\xBF"
         "100\t1\tRG-58\n",
         "0.750\t0.495\n", 0, "a byte order mark at the start is skipped"},
        {"100\t1\tRG-58\n\xEF\xBB\xBF"
         "100\t1\tRG-58\n",
         "0.750\t0.495\nerror\tThe frequency \"\xEF\xBB\xBF"
         "100\" is not a number: enter the "
         "centre frequency in MHz, for example 435.850.\n",
         1, "only at the very start"},
        {"\xEF\xBB\xBF", "\n", 0, "a byte order mark alone leaves an empty last line"},
        {"100\t1\tRG-58\n\n\r\n100\t2\tRG-58\n", "0.750\t0.495\n\n\n1.500\t0.990\n", 0,
         "empty lines and CR-only lines give empty lines, no error"},
        {"100\t1\tRG-58\n\n", "0.750\t0.495\n\n", 0, "a trailing empty line is no error"},
        {"# 20 m band\n14.2\t1\tRG-58\n#\tno\tcalculation\r\n",
         "# 20 m band\n5.282\t3.486\n#\tno\tcalculation\n", 0,
         "lines starting with # are copied, without the CR of a CRLF line break"},
        {" # not first\n",
         "error\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs\n", 1,
         "only a # in the first column makes a comment"},
        {"   \n", "error\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs\n",
         1, "blanks are not an empty line"},
        {"7,1\t1\tRG-58\n",
         "error\tThe frequency \"7,1\" has a comma: write the decimal point as \".\" and no "
         "digit grouping, for example 7.1.\n",
         1, "batch mode never reads a decimal comma"},
        {"100\t1\tRG-58\r\r\n", "0.750\t0.000\n", 0,
         "only one CR is dropped: RG-58 and a CR is not RG-58"},
    };
    for (const batch_case& row : cases) {
        const outcome result = run({"--batch"}, row.input);
        EXPECT_EQ(result.out, row.output) << row.why;
        EXPECT_EQ(result.status, row.status) << row.why;
    }
}

TEST(Batch, OwnFactorAndUnit) {
    const outcome result =
        run({"--batch", "--vf", "0.78", "--unit", "ft-in"}, "7.1\t1\n14.2\t3\n100\t1\tRG-58\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "34 ft 7 7/8 in\t27 ft 0 3/8 in\n"
                          "51 ft 11 13/16 in\t40 ft 6 9/16 in\n"
                          "error\texpected FREQUENCY<TAB>QUARTER_WAVES, with exactly one tab\n");
    EXPECT_EQ(result.err, "");
    const outcome cm = run({"--unit", "cm", "--batch"}, "435.850\t1\tRG-58\n");
    EXPECT_EQ(cm.out, "17.21\t11.36\n");
}

TEST(Batch, OneWarningPerUnknownCable) {
    std::string input = "100\t1\trg-58\n"    // line 1
                        "100\t1\tRG-58\n"    // line 2: in the catalogue
                        "100\t1\trg-58\n"    // line 3: warned about already
                        "0\t1\tLMR-400\n"    // line 4: an error line, no result to warn about
                        "100\t1\tLMR-400\n"; // line 5
    const outcome few = run({"--batch"}, input);
    EXPECT_EQ(few.status, 1);
    EXPECT_EQ(few.err, "ridi-calc: line 1: warning: the cable \"rg-58\" is not in the catalogue, "
                       "so its velocity factor counts as 0; did you mean RG-58?\n"
                       "ridi-calc: line 5: warning: the cable \"LMR-400\" is not in the "
                       "catalogue, so its velocity factor counts as 0 (ridi-calc --cables lists "
                       "the catalogue)\n");

    // At most 20 names, then a count of the others.
    std::string many;
    for (int i = 1; i <= 25; ++i) {
        many += "100\t1\tX" + std::to_string(i) + "\n" + "100\t1\tX1\n";
    }
    const outcome result = run({"--batch"}, many);
    EXPECT_EQ(result.status, 0);
    std::istringstream lines(result.err);
    std::vector<std::string> warnings;
    for (std::string line; std::getline(lines, line);) {
        warnings.push_back(line);
    }
    ASSERT_EQ(warnings.size(), 21u) << result.err;
    EXPECT_TRUE(warnings[19].starts_with("ridi-calc: line 39: warning: the cable \"X20\""))
        << warnings[19];
    EXPECT_EQ(warnings[20], "ridi-calc: warning: 5 more cable names are not in the catalogue; "
                            "their velocity factor counts as 0");
}

TEST(Batch, EmptyInputAndAllGood) {
    EXPECT_EQ(run({"--batch"}).status, 0);
    EXPECT_EQ(run({"--batch"}).out, "");
    const outcome good = run({"--batch"}, "100\t1\tRG-58\n100\t0\tRG-58\n");
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out, "0.750\t0.495\n0.000\t0.000\n");
}

TEST(Batch, LinesLongerThanTheReadChunk) {
    // A line split across reads is put together again.
    std::string input;
    for (int i = 0; i < 20'000; ++i) {
        input += "435.850\t1\tRG-58\n";
    }
    const std::string long_frequency = "  " + std::string(200'000, '0') + "100";
    input += long_frequency + "\t1\tRG-58\n";
    const outcome result = run({"--batch"}, input);
    EXPECT_EQ(result.status, 0);
    std::string expected;
    for (int i = 0; i < 20'000; ++i) {
        expected += "0.172\t0.114\n";
    }
    EXPECT_EQ(result.out, expected + "0.750\t0.495\n");
}

TEST(Batch, NonAsciiFieldsAreText) {
    const outcome result = run({"--batch"}, "100\t1\tRG\xE2\x80\x91"
                                            "58\n"
                                            "\xFF\xFE\t1\tRG-58\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.starts_with("0.750\t0.000\nerror\tThe frequency \"\xEF\xBF\xBD"))
        << result.out;
}

TEST(Info, CablesVersionHelp) {
    const outcome cables = run({"--cables"});
    EXPECT_EQ(cables.status, 0);
    EXPECT_TRUE(cables.out.starts_with("RG-11   0.66\nRG-55   0.66\n")) << cables.out;
    EXPECT_NE(cables.out.find("H100    0.84\nH155    0.79\nH500    0.81\n"), std::string::npos);

    EXPECT_EQ(run({"--version"}).out, "ridi-calc 1.0.0.0\n");

    const outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
    for (const char* example :
         {"  ridi-calc 145 1 --vf 0.78\n", "  ridi-calc 14.2 1 RG-213 --unit ft-in\n",
          "  printf '7.1\\t1\\n14.2\\t3\\n' | ridi-calc --batch --vf 0.78 --unit ft-in\n"}) {
        EXPECT_NE(help.out.find(example), std::string::npos) << "an example of each option";
    }
    const outcome short_help = run({"-h"});
    EXPECT_EQ(short_help.status, 0);
    EXPECT_EQ(short_help.out, help.out);
}

TEST(Usage, MistakesExitTwoWithAHint) {
    const struct {
        std::vector<std::string_view> args;
        const char* problem;
    } mistakes[] = {
        {{}, "missing FREQUENCY and QUARTER_WAVES"},
        {{"100"}, "expected FREQUENCY QUARTER_WAVES [CABLE]"},
        {{"100", "1", "RG-58", "x"}, "expected FREQUENCY QUARTER_WAVES [CABLE]"},
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"-x"}, "unknown option '-x'"},
        {{"100", "1", "-v"}, "unknown option '-v'"},
        {{"-vf", "0.78", "100", "1"}, "unknown option '-vf'"},
        {{"--batch", "100"}, "--batch takes no other arguments"},
        {{"--cables", "--version"}, "give only one of --batch, --cables, --help, --version"},
        {{"--cables", "--unit", "ft"}, "--cables takes no --vf or --unit"},
        {{"100", "1", "--vf"}, "--vf needs a velocity factor, for example --vf 0.78"},
        {{"100", "1", "--vf="}, "--vf needs a velocity factor, for example --vf 0.78"},
        {{"100", "1", "--vf", "0"},
         "--vf \"0\" is out of range: a velocity factor is greater than 0 and at most 1 (no "
         "wave is faster than light in free space)"},
        {{"100", "1", "--vf", "1.01"},
         "--vf \"1.01\" is out of range: a velocity factor is greater than 0 and at most 1 (no "
         "wave is faster than light in free space)"},
        {{"100", "1", "--vf", "-0.5"},
         "--vf \"-0.5\" is out of range: a velocity factor is greater than 0 and at most 1 (no "
         "wave is faster than light in free space)"},
        {{"100", "1", "--vf", "1e-400"},
         "--vf \"1e-400\" is out of range: a velocity factor is greater than 0 and at most 1 "
         "(no wave is faster than light in free space)"},
        {{"100", "1", "--vf", "0,78"},
         "--vf \"0,78\" is not a number: give the velocity factor of the cable, for example "
         "--vf 0.78"},
        {{"100", "1", "--vf", "0.78", "--vf", "0.66"}, "give --vf only once"},
        {{"100", "1", "RG-58", "--vf", "0.78"}, "give either a CABLE or --vf, not both"},
        {{"100", "1", "--unit", "yd"},
         "unknown unit 'yd' for --unit: use m, cm, mm, in, ft or "
         "ft-in"},
        {{"100", "1", "--unit", "FT"},
         "unknown unit 'FT' for --unit: use m, cm, mm, in, ft or "
         "ft-in"},
        {{"100", "1", "--unit"}, "--unit needs a unit: m, cm, mm, in, ft or ft-in"},
        {{"100", "1", "--unit", "m", "--unit=cm"}, "give --unit only once"},
    };
    for (const auto& mistake : mistakes) {
        const outcome result = run(mistake.args);
        EXPECT_EQ(result.status, 2) << mistake.problem;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("ridi-calc: " + std::string(mistake.problem) + "\n"))
            << result.err;
        EXPECT_NE(result.err.find("usage: ridi-calc"), std::string::npos) << result.err;
    }
}

// The help's --unit paragraph and the messages are written from one list of units: every name
// a message offers is taken by --unit and named in the help, whose lines stay within its width.
TEST(Usage, EveryUnitOfferedIsTakenAndInTheHelp) {
    const std::string message = run({"100", "1", "--unit"}).err;
    const std::string prefix = "ridi-calc: --unit needs a unit: ";
    ASSERT_TRUE(message.starts_with(prefix)) << message;
    std::istringstream offered(message.substr(prefix.size(), message.find('\n') - prefix.size()));
    const std::string help = run({"--help"}).out;
    const std::size_t start = help.find("  --unit UNIT ");
    ASSERT_NE(start, std::string::npos);
    std::istringstream paragraph(help.substr(start, help.find("\n\n", start) - start));
    std::vector<std::string> help_words;
    for (std::string word; paragraph >> word && !word.ends_with(';');) {
        help_words.push_back(word.ends_with(',') ? word.substr(0, word.size() - 1) : word);
    }
    int names = 0;
    for (std::string name; offered >> name; ++names) {
        if (name == "or") {
            offered >> name;
        }
        name = name.ends_with(',') ? name.substr(0, name.size() - 1) : name;
        EXPECT_EQ(run({"100", "1", "--unit", name}).status, 0) << name;
        EXPECT_NE(std::find(help_words.begin(), help_words.end(), name), help_words.end()) << name;
    }
    EXPECT_EQ(names, 6) << message;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 91U) << line;
    }
}

TEST(Usage, NegativeNumbersAreNumbers) {
    EXPECT_EQ(run({"-.5", "1", "RG-58"}).out,
              "RI-DI Length (Metres): -150.000\nV/F Corrected (Metres): -99.000\n");
    EXPECT_EQ(run({"100", "-1e0", "RG-58"}).out,
              "RI-DI Length (Metres): -0.750\nV/F Corrected (Metres): -0.495\n");
    EXPECT_EQ(run({"-", "1", "RG-58"}).status, 1) << "a lone minus is a number gone wrong";
}

TEST(Usage, DoubleDashEndsOptions) {
    EXPECT_EQ(run({"--", "100", "1", "RG-58"}).status, 0);
}

} // namespace
