// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct outcome {
    int status;
    std::string out;
    std::string err;
};

outcome run(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = ridi::cli::run(args, in, out, err);
    return {status, out.str(), err.str()};
}

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

TEST(Single, ErrorsGoToStandardError) {
    const outcome zero = run({"0", "1", "RG-58"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.out, "");
    EXPECT_TRUE(zero.err.starts_with("ridi-calc: The frequency must not be 0")) << zero.err;

    // The tool always reads "." as the decimal point.
    const outcome comma = run({"7,1", "1", "RG-58"});
    EXPECT_EQ(comma.status, 1);
    EXPECT_NE(comma.err.find("comma"), std::string::npos) << comma.err;
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
                                            "\n"               // none
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
    EXPECT_EQ(result.err, "");
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
}

TEST(Usage, MistakesExitTwoWithAHint) {
    const std::vector<std::vector<std::string_view>> mistakes = {
        {},                         // nothing to compute
        {"100"},                    // one number
        {"100", "1", "RG-58", "x"}, // too many
        {"--frobnicate"},           // unknown option
        {"--batch", "100"},         // an option with numbers
        {"--cables", "--version"},  // two modes
    };
    for (const auto& args : mistakes) {
        const outcome result = run(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("ridi-calc: ")) << result.err;
        EXPECT_NE(result.err.find("usage: ridi-calc"), std::string::npos) << result.err;
    }
}

TEST(Usage, DoubleDashEndsOptions) {
    EXPECT_EQ(run({"--", "100", "1", "RG-58"}).status, 0);
}

} // namespace
