// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc against input that no script means to send: each gives a result line or a clear
// error, the exit status tells, and a failing stream is never reported as success.
#include "batch.hpp"
#include "ridi_calc.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr std::size_t mebibyte = std::size_t{1} << 20;
constexpr std::string_view tabs_error =
    "error\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs";

struct outcome {
    int status;
    std::vector<std::string> lines;
    std::string out;
    std::string err;
};

// Input handed out `part` bytes at a time, as a pipe hands out what has arrived so far.
class parted_input : public std::streambuf {
public:
    parted_input(const std::string& data, std::size_t part) : data_(data), part_(part) {}

protected:
    int_type underflow() override {
        if (next_ == data_.size()) {
            return traits_type::eof();
        }
        char* start = data_.data() + next_;
        next_ += std::min(part_, data_.size() - next_);
        setg(start, start, data_.data() + next_);
        return traits_type::to_int_type(*start);
    }

private:
    std::string data_;
    std::size_t part_;
    std::size_t next_ = 0;
};

// Batch mode on `input`, read whole or, with `part`, in parts of that many bytes.
outcome batch(const std::string& input, std::size_t part = 0) {
    std::istringstream whole(input);
    parted_input parted(input, part);
    std::istream in(part == 0 ? static_cast<std::streambuf*>(whole.rdbuf()) : &parted);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch"};
    const int status = ridi::cli::run(args, in, out, err);
    outcome result{status, {}, out.str(), err.str()};
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        result.lines.push_back(line);
    }
    return result;
}

// An error line whose message is one line of text.
void expect_error_line(const std::string& line) {
    EXPECT_TRUE(line.starts_with("error\t")) << line.substr(0, 200);
    EXPECT_LT(line.size(), 300u);
    for (const char c : line.substr(6)) {
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << "control " << int{c} << ": " << line;
    }
}

TEST(BatchInput, MebibyteLines) {
    const std::string junk(mebibyte, 'x');
    const std::string blanks(mebibyte / 2, ' ');
    const outcome result = batch(junk + "\n" +                              // no tabs at all
                                 junk + "\t1\tRG-58\n" +                    // a huge frequency
                                 "100\t1\t" + junk + "\n" +                 // a huge cable
                                 blanks + "100" + blanks + "\t1\tRG-58\n" + // blanks around it
                                 "8\t1\tRG-142\n");
    EXPECT_EQ(result.status, ridi::cli::exit_calc_error);
    ASSERT_EQ(result.lines.size(), 5u);
    EXPECT_EQ(result.lines[0], tabs_error);
    expect_error_line(result.lines[1]);
    EXPECT_TRUE(result.lines[1].starts_with("error\tThe frequency \"xxx")) << result.lines[1];
    EXPECT_EQ(result.lines[2], "0.750\t0.000");
    EXPECT_EQ(result.lines[3], "0.750\t0.495");
    EXPECT_EQ(result.lines[4], "9.375\t6.562") << "the lines after long ones still count";
}

TEST(BatchInput, LinesOverTheLimitAreSkippedNotKept) {
    const std::string at_limit = "100\t1\t" + std::string(ridi::cli::max_batch_line - 6, 'c');
    const outcome result = batch(at_limit + "\n" + at_limit + "c\n" + "100\t1\tRG-58\n" + at_limit +
                                 "cc"); // over the limit and no final line break
    EXPECT_EQ(result.status, ridi::cli::exit_calc_error);
    ASSERT_EQ(result.lines.size(), 4u);
    EXPECT_EQ(result.lines[0], "0.750\t0.000") << "a line of exactly the limit is computed";
    const std::string too_long =
        "error\tthe line is longer than 16 MiB: expected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE";
    EXPECT_EQ(result.lines[1], too_long);
    EXPECT_EQ(result.lines[2], "0.750\t0.495");
    EXPECT_EQ(result.lines[3], too_long);
}

TEST(BatchInput, ALineOverTheLimitIsOneErrorHoweverItIsRead) {
    // A line that runs on well past the limit, so that it is still being read after it has
    // outgrown it: one error line for all of it, and its tail is never answered as a line of
    // its own, wherever the reads cut it.
    const std::string over = std::string(ridi::cli::max_batch_line + mebibyte, 'c') + "\t1\tRG-58";
    const std::vector<std::string> expected{
        "error\tthe line is longer than 16 MiB: expected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE",
        "0.750\t0.495"};
    const std::pair<std::size_t, const char*> reads[] = {
        {0, "whole, in the reader's own chunks"},
        {65'537, "in parts a byte longer than a chunk, so that each chunk ends elsewhere"},
        {ridi::cli::max_batch_line - 1, "the limit passed in the second part"},
    };
    for (const auto& [part, why] : reads) {
        SCOPED_TRACE(why);
        const outcome result = batch(over + "\n100\t1\tRG-58\n", part);
        EXPECT_EQ(result.status, ridi::cli::exit_calc_error);
        EXPECT_EQ(result.lines, expected);
    }
}

TEST(BatchInput, NoFinalLineBreak) {
    EXPECT_EQ(batch("100\t1\tRG-58").out, "0.750\t0.495\n");
    EXPECT_EQ(batch("100\t1\tRG-58\r").out, "0.750\t0.495\n") << "the CR is still dropped";
    const outcome error = batch("100\t1\tRG-58\nabc");
    EXPECT_EQ(error.status, ridi::cli::exit_calc_error);
    ASSERT_EQ(error.lines.size(), 2u);
    expect_error_line(error.lines[1]);
}

TEST(BatchInput, EmptyInput) {
    const outcome empty = batch("");
    EXPECT_EQ(empty.status, ridi::cli::exit_ok);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "");
    // An empty line is answered by an empty line.
    const outcome blank = batch("\n");
    EXPECT_EQ(blank.status, ridi::cli::exit_ok);
    EXPECT_EQ(blank.out, "\n");
    EXPECT_EQ(blank.err, "");
}

TEST(BatchInput, NulAndControlBytes) {
    const outcome result = batch("100\0\t1\tRG-58\n"s    // NUL after the frequency
                                 "100\t1\tRG-58\0\n"s    // NUL in the cable: another name
                                 "\0\n"s                 // a NUL alone
                                 "\x1b[31m1\t1\tRG-58\n" // an escape sequence
                                 "1\v0\t1\tRG-58\n"
                                 "100\t1\r\tRG-58\n"); // a CR inside the line is no blank
    ASSERT_EQ(result.lines.size(), 6u) << result.out;
    expect_error_line(result.lines[0]);
    EXPECT_EQ(result.lines[0].find('\0'), std::string::npos);
    EXPECT_EQ(result.lines[1], "0.750\t0.000");
    EXPECT_EQ(result.lines[2], tabs_error);
    for (const std::size_t bad : {3u, 4u, 5u}) {
        expect_error_line(result.lines[bad]);
    }
}

TEST(BatchInput, MalformedUtf8AndEncodedSurrogates) {
    const outcome result = batch("100\t1\t\xED\xA0\x80\n" // a surrogate encoded in UTF-8
                                 "\xED\xA0\x80\t1\tRG-58\n"
                                 "100\t\xC0\xB1\tRG-58\n" // an overlong "1"
                                 "100\t1\tRG-58\xFF\n");
    const std::string replacement = "\xEF\xBF\xBD"; // U+FFFD for each byte that is no character
    ASSERT_EQ(result.lines.size(), 4u) << result.out;
    EXPECT_EQ(result.lines[0], "0.750\t0.000");
    EXPECT_EQ(result.lines[1], "error\tThe frequency \"" + replacement + replacement + replacement +
                                   "\" is not a number: enter the centre frequency in MHz, for "
                                   "example 435.850.");
    EXPECT_EQ(result.lines[2], "error\tThe number of quarter waves \"" + replacement + replacement +
                                   "\" is not a number: enter how many quarter "
                                   "waves, for example 1 or 2.5.");
    EXPECT_EQ(result.lines[3], "0.750\t0.000");

    // A "1" spelt in three bytes rather than one is no digit.
    const outcome overlong = batch("100\t\xE0\x80\xB1\tRG-58\n");
    EXPECT_EQ(overlong.lines,
              std::vector<std::string>{"error\tThe number of quarter waves \"" + replacement +
                                       replacement + replacement +
                                       "\" is not a number: enter how many quarter waves, for "
                                       "example 1 or 2.5."});
}

// A stream buffer that hands out `data` and then throws `failure`: a read error, as from a
// broken disk, or another exception from within.
template <class Failure = std::runtime_error> class failing_input : public std::streambuf {
public:
    explicit failing_input(std::string data) : data_(std::move(data)) {
        setg(data_.data(), data_.data(), data_.data() + data_.size());
    }

protected:
    int_type underflow() override { throw Failure("read error"); }

private:
    std::string data_;
};

// A stream buffer that takes nothing, as a full disk would.
class failing_output : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

// Input that arrives a few lines at a time, as from a program that waits for the answers
// before it sends more: each read that has to wait notes how many lines are answered by then.
class arriving_input : public std::streambuf {
public:
    arriving_input(std::vector<std::string> parts, const std::ostringstream& out)
        : parts_(std::move(parts)), out_(out) {}
    std::vector<std::size_t> answered_at_each_wait;

protected:
    int_type underflow() override {
        const std::string answers = out_.str();
        answered_at_each_wait.push_back(
            static_cast<std::size_t>(std::count(answers.begin(), answers.end(), '\n')));
        if (next_ == parts_.size()) {
            return traits_type::eof();
        }
        std::string& part = parts_[next_++];
        setg(part.data(), part.data(), part.data() + part.size());
        return traits_type::to_int_type(part.front());
    }

private:
    std::vector<std::string> parts_;
    std::size_t next_ = 0;
    const std::ostringstream& out_;
};

TEST(Streams, EveryLineIsAnsweredBeforeWaitingForMore) {
    std::ostringstream out;
    arriving_input input({"100\t1\tRG-58\n", "# two lines\n\n", "100\t2\tRG", "-58\n"}, out);
    std::istream in(&input);
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch"};
    EXPECT_EQ(ridi::cli::run(args, in, out, err), ridi::cli::exit_ok);
    EXPECT_EQ(out.str(), "0.750\t0.495\n# two lines\n\n1.500\t0.990\n");
    // Before the first read nothing; then one line, three, still three (half a line), four.
    EXPECT_EQ(input.answered_at_each_wait, (std::vector<std::size_t>{0, 1, 3, 3, 4}));
}

TEST(Streams, AReadFailureIsNotSuccess) {
    // Whole lines, the start of one more, then the next read fails: the start is not
    // computed as if it were the last line of the input.
    std::string lines;
    while (lines.size() + 12 <= 65'536) {
        lines += "100\t1\tRG-58\n"; // 12 bytes
    }
    const std::size_t whole_lines = lines.size() / 12;
    failing_input<> buffer(lines + "435.850\t1\tRG-58");
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch"};
    EXPECT_EQ(ridi::cli::run(args, in, out, err), ridi::cli::exit_io_error);
    std::string expected;
    for (std::size_t i = 0; i < whole_lines; ++i) {
        expected += "0.750\t0.495\n";
    }
    EXPECT_EQ(out.str(), expected) << "the line cut by the failure is not computed";
    EXPECT_TRUE(err.str().starts_with("ridi-calc: cannot read the input")) << err.str();
}

TEST(Streams, AFaultIsNoReadFailure) {
    // An exception that is no read failure is reported as the tool's own fault, with its own
    // status, and the lines answered before it are kept.
    failing_input<std::logic_error> buffer("100\t1\tRG-58\n");
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch"};
    EXPECT_EQ(ridi::cli::run(args, in, out, err), ridi::cli::exit_internal_error);
    EXPECT_EQ(out.str(), "0.750\t0.495\n");
    EXPECT_EQ(err.str(), "ridi-calc: internal error (read error); the results written are "
                         "incomplete. This is a fault in ridi-calc: please report it\n");
}

TEST(Streams, AWriteFailureLeavesAHalfReadLineAlone) {
    // The reader went away (a closed pipe) while the input was cut inside a line: the part read
    // so far is not answered as if it were the last line, with a warning about cable "RG".
    std::ostringstream answered;
    arriving_input input({"100\t1\tRG-58\n", "100\t1\tRG-58\n100\t1\tRG", "-58\n"}, answered);
    std::istream in(&input);
    failing_output buffer;
    std::ostream out(&buffer);
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch"};
    EXPECT_EQ(ridi::cli::run(args, in, out, err), ridi::cli::exit_io_error);
    EXPECT_EQ(err.str().find("warning"), std::string::npos) << err.str();
}

TEST(Streams, AWriteFailureIsNotSuccess) {
    const std::vector<std::vector<std::string_view>> every_mode = {
        {"--batch"}, {"100", "1", "RG-58"}, {"100", "1"}, {"--cables"}, {"--version"}, {"--help"},
    };
    for (const auto& args : every_mode) {
        SCOPED_TRACE(args.front());
        failing_output buffer;
        std::ostream out(&buffer);
        std::istringstream in("100\t1\tRG-58\n");
        std::ostringstream err;
        EXPECT_EQ(ridi::cli::run(args, in, out, err), ridi::cli::exit_io_error);
        EXPECT_TRUE(err.str().starts_with("ridi-calc: cannot write the results")) << err.str();
    }
}

} // namespace
