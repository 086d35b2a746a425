// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: arbitrary bytes as the standard input of ridi-calc --batch.
//
// Checks: output line N answers input line N (a last line without a line break counts; a UTF-8
// byte order mark at the start and one CR before a line break are no part of a line): an
// empty line gives an empty line, a line starting with "#" gives itself, a measure line a
// velocity factor, a stub line a band's least and most loss (0.0, the most perhaps not known)
// and a verdict, a which line a stub (open or shorted, 1 to 4 quarter waves, its frequency and
// length of the form 0.000), and any other line (trim lines too) two lengths, each of the form
// 0.000, or error<TAB> and a one-line message. A line of three fields whose first is no bench word
// has the two lengths exactly where the window (calc_cmd_Click) computes them from the same texts,
// and they are the window's, byte for byte; otherwise it is an error line. The exit
// status is 0 exactly when no line is an error; standard error holds only one-line warnings.
#include "fuzz_check.hpp"
#include "general_line.hpp"

#include "measuring.hpp"
#include "ridi_calc.hpp"
#include "stub.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using ridi::fuzz::check;

namespace {

// The fields of a line between its tabs.
std::vector<std::string_view> fields_of(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t tab = line.find('\t');; tab = line.find('\t')) {
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

// A loss in dB as the band figures show it: 0.0.
bool is_db(std::string_view text) {
    const std::size_t point = text.find('.');
    return point != std::string_view::npos && point + 2 == text.size() &&
           ridi::fuzz::is_caption(std::string_view(std::string(text) + "00"));
}

// The answer of a stub line, or of a which line.
bool is_stub_answer(std::string_view line, bool which) {
    const std::vector<std::string_view> fields = fields_of(line);
    if (which) {
        return fields.size() == 4 && (fields[0] == "open" || fields[0] == "shorted") &&
               fields[1].size() == 1 && fields[1][0] >= '1' && fields[1][0] <= '4' &&
               ridi::fuzz::is_caption(fields[2]) && ridi::fuzz::is_caption(fields[3]);
    }
    return fields.size() == 3 && is_db(fields[0]) &&
           (is_db(fields[1]) || fields[1] == "not known") &&
           (fields[2] == "passes" || fields[2] == "notches" || fields[2].starts_with("partly, "));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const std::array<std::string_view, 1> args{"--batch"};
    const int status = ridi::cli::run(args, in, out, err);

    const std::string output = out.str();
    check(output.empty() || output.back() == '\n', "the output does not end with a line break");
    std::string_view rest_in = input;
    bool any_error = false;
    std::string_view rest_out = output;
    for (bool first = true; !rest_in.empty(); first = false) {
        const std::size_t in_end = rest_in.find('\n');
        std::string_view line_in = rest_in.substr(0, in_end);
        rest_in.remove_prefix(in_end == std::string_view::npos ? rest_in.size() : in_end + 1);
        if (first && line_in.starts_with("\xEF\xBB\xBF")) {
            line_in.remove_prefix(3);
        }
        // The window's answer, from the line with its CR (general_answer drops one).
        const ridi::cli::batch_line split = ridi::cli::split_batch_line(line_in);
        const bool calculation =
            split.field_count == 3 && !ridi::cli::measuring_lines::takes(split);
        const std::optional<std::string> window =
            calculation ? ridi::test::general_answer(line_in) : std::nullopt;
        if (line_in.ends_with('\r')) {
            line_in.remove_suffix(1);
        }
        const std::size_t out_end = rest_out.find('\n');
        check(out_end != std::string_view::npos, "the output has fewer lines than the input");
        const std::string_view line = rest_out.substr(0, out_end);
        rest_out.remove_prefix(out_end + 1);
        if (line_in.empty() || line_in.front() == '#') {
            check(line == line_in, "an empty or # line is not answered by itself");
            continue;
        }
        if (window) {
            check(std::string(line) + "\n" == *window, "a result line is not the window's");
            continue;
        }
        check(!calculation || line.starts_with("error\t"),
              "a result line where the window gives an error");
        if (line.starts_with("error\t")) {
            any_error = true;
            check(ridi::fuzz::is_message(line.substr(6)),
                  "an error line's message is not one line");
            continue;
        }
        if (ridi::cli::stub_lines::takes(split)) {
            check(is_stub_answer(line, split.fields[0] == "which"),
                  "a stub line's answer is not of its form");
            continue;
        }
        if (line_in.substr(0, line_in.find('\t')) == "measure") {
            check(ridi::fuzz::is_caption(line), "a velocity factor is not of the form 0.000");
            continue;
        }
        const std::size_t tab = line.find('\t');
        check(tab != std::string_view::npos, "a result line without a tab");
        check(ridi::fuzz::is_caption(line.substr(0, tab)), "a length is not of the form 0.000");
        check(ridi::fuzz::is_caption(line.substr(tab + 1)),
              "a corrected length is not of the form 0.000");
    }
    check(rest_out.empty(), "the output has more lines than the input");
    check(status == (any_error ? ridi::cli::exit_calc_error : ridi::cli::exit_ok),
          "the exit status does not match the error lines");
    const std::string warnings = err.str();
    for (std::string_view rest = warnings; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        check(end != std::string_view::npos, "standard error does not end with a line break");
        const std::string_view warning = rest.substr(0, end);
        check(warning.starts_with("ridi-calc: ") && warning.find("warning: ") != std::string::npos,
              "standard error holds something other than a warning");
        check(ridi::fuzz::is_message(warning), "a warning is not one line");
        rest.remove_prefix(end + 1);
    }
    return 0;
}
