// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc --stub and --which-stub, alone and as batch lines: what they print, their usage and
// their exit statuses. The figures themselves are tested in tests/core/stub_test.cpp and against
// scikit-rf in tests/cli/stub_reference.py.
#include "run_tool.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using ridi::test::outcome;
using ridi::test::run;

struct run_case {
    std::vector<std::string_view> args;
    int status;
    const char* err; // the first line of standard error
    const char* why;
};

TEST(Stub, MistakesSayWhatToFixAndPrintNothing) {
    const run_case rows[] = {
        {{"--stub"}, 2, "ridi-calc: missing the far end, open or shorted, for --stub", "no END"},
        {{"--stub", "closed", "7.1", "1", "RG-213"},
         2,
         "ridi-calc: the far end of a stub is open or shorted, not 'closed'",
         "an END the tool does not know"},
        {{"--stub", "open", "7.1", "1"},
         2,
         "ridi-calc: missing CABLE (or --vf FACTOR) for --stub open|shorted FREQUENCY "
         "QUARTER_WAVES CABLE",
         "no cable"},
        {{"--stub", "open", "--length", "7", "RG-58", "--vf", "0.7"},
         2,
         "ridi-calc: give either a CABLE or --vf, not both",
         "the factor twice"},
        {{"--stub", "open", "7.1", "1", "RG-58", "--loss", "5.9"},
         2,
         "ridi-calc: --loss takes the loss in dB per 100 m and its frequency in MHz, as in "
         "--loss 5.9@100, or --loss 5.9@100,13@400",
         "a loss without its frequency"},
        {{"--stub", "open", "7.1", "1", "RG-58", "--loss", "5@100", "--dip", "2"},
         2,
         "ridi-calc: give either --loss or --dip, not both",
         "the loss twice"},
        {{"--stub", "open", "7.1", "1", "RG-58", "--region", "4"},
         2,
         "ridi-calc: unknown region '4' for --region: use 1, 2 or 3",
         "no such region"},
        {{"--which-stub", "40m", "20m", "RG-58", "--sweep", "10"},
         2,
         "ridi-calc: --which-stub takes no --sweep",
         "an option of --stub alone"},
        {{"7.1", "1", "RG-58", "--tee", "0.03"},
         2,
         "ridi-calc: --tee is an option of --stub, --which-stub and --batch",
         "not an option of a plain calculation"},
        {{"--batch", "--dip", "2"}, 2, "ridi-calc: --dip is an option of --stub", "nor of batch"},
        {{"--stub", "open", "7.1", "1", "RG-58", "--tee", "1", "--tee", "2"},
         2,
         "ridi-calc: give --tee only once",
         "an option twice"},
        {{"--stub", "open", "7.1", "1", "RG-58", "--trim"},
         2,
         "ridi-calc: give only one of --stub, --which-stub, --measure, --trim, --batch, --cables, "
         "--help, --version",
         "two modes"},
        {{"--stub", "open", "--length", "-1", "RG-58"},
         1,
         "ridi-calc: The length \"-1\" must be greater than 0: enter the length of the stub.",
         "a number no stub can have is a calculation error naming the argument"},
        {{"--stub", "open", "7.1", "1", "RG-58", "--tee", "3cm"},
         1,
         "ridi-calc: The Tee allowance \"3cm\" is not a number: enter the length of the Tee's arm "
         "and connector on the stub's side, in metres or in the unit given with --unit.",
         "a length asked for again names the unit it is read in"},
    };
    for (const run_case& row : rows) {
        SCOPED_TRACE(row.why);
        const outcome result = run(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), row.err);
        if (row.status == 2) {
            EXPECT_NE(result.err.find("\nusage: ridi-calc"), std::string::npos) << result.err;
        }
    }
}

TEST(Stub, TheSweepIsTabSeparatedAfterItsHeading) {
    const outcome result = run({"--stub", "shorted", "7.1", "1", "RG-213", "--sweep", "3", "--from",
                                "7", "--to", "28.4", "--loss", "5.9@100"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "# Shorted stub, 6.972 m of RG-213 (V/F 0.66, 50 ohm), 1 quarter wave "
                          "at 7.1 MHz\n"
                          "# On a Tee across a matched 50 ohm line, IARU Region 1\n"
                          "# Loss: 5.9 dB/100 m at 100 MHz\n"
                          "# MHz\tdB\n"
                          "7.000000\t0.055\n"
                          "14.099645\t25.210\n"
                          "28.400000\t26.368\n");
}

TEST(Stub, ResonancesBeyondTheListAreCounted) {
    // A 1.81 MHz stub of four quarter waves resonates every 0.4525 MHz up to 450 MHz:
    // 200 listed, from 1.81 MHz, and 991 - 200 more.
    const outcome result = run({"--stub", "open", "1.81", "4", "RG-58"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("\nand 791 more resonances in the range (narrow it with --from and "
                              "--to)\n"),
              std::string::npos)
        << result.out;
}

TEST(StubBatch, LinesNameTheirForm) {
    const outcome result = run({"--batch", "--loss", "5.9@100", "--region", "2"},
                               "stub\tshorted\t7.1\t1\tRG-213\t20m\n"
                               "stub\topen\t7.1\t1\tRG-213\t40 m\r\n"
                               "which\t40m\t20m\tRG-213\n"
                               "which\t20m\t40m\tRG-213\n"
                               "stub\tshorted\t7.1\t1\tRG-213\t4m\n"
                               "stub\tshorted\t7.1\t1\tRG-213\n"
                               "which\t40m\t20m\n"
                               "100\t1\tRG-58\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "20.7\t29.3\tnotches\n"
              "21.0\t32.2\tnotches\n"
              "shorted\t1\t7.088\t6.983\n"
              "open\t1\t7.150\t6.923\n"
              "error\tThe band \"4m\" is not an amateur band of IARU Region 2: enter one of 160m, "
              "80m, 60m, 40m, 30m, 20m, 17m, 15m, 12m, 10m, 6m, 2m or 70cm.\n"
              "error\texpected stub<TAB>open|shorted<TAB>FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE"
              "<TAB>BAND\n"
              "error\texpected which<TAB>PASS<TAB>NOTCH<TAB>CABLE\n"
              "0.750\t0.495\n");
    // With --vf the lines have no CABLE, as the others.
    const outcome own = run({"--batch", "--vf", "0.66"}, "which\t40m\t20m\n");
    EXPECT_EQ(own.out, "shorted\t1\t7.087\t6.985\n");
}

} // namespace
