// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc --stub (what a stub does on every band, or its sweep) and --which-stub (the stubs to
// cut for a station beside another), on the command line and as batch lines.
#pragma once

#include "batch_line.hpp"
#include "vocabulary.hpp"

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ridi::cli {

// The usage of the stub forms, after their mistakes.
inline constexpr std::string_view stub_usage_line =
    "usage: ridi-calc --stub open|shorted FREQUENCY QUARTER_WAVES [CABLE] [OPTION...] | --stub "
    "open|shorted --length LENGTH [CABLE] [OPTION...] | --which-stub PASS NOTCH [CABLE] "
    "[OPTION...] (ridi-calc --help lists the options)";

// An option of the stub forms as --help describes it.
struct stub_option_help {
    std::string option; // with its placeholder: "--loss DB@MHZ"
    std::string description;
};

// The options of the stub forms for --help: those also of --which-stub and --batch first.
std::vector<stub_option_help> stub_option_helps();

// "--stub" or "--which-stub".
bool is_stub_mode(std::string_view arg) noexcept;

// Reads the stub option at args[i], moving `i` past its value; false when args[i] is none. A
// repeated option or one without its value sets `problem`.
bool read_stub_option(std::span<const std::string_view> args, std::size_t& i, stub_options& options,
                      std::string& problem);

// What is wrong with the arguments of a stub form (`mode`; the positional arguments, and whether
// --vf was given), or with stub options given to another (`mode` empty for a calculation,
// "--batch" for batch mode), for a usage error; empty when they fit.
std::string stub_usage_problem(std::string_view mode, std::span<const std::string_view> args,
                               bool with_velocity_factor, const stub_options& options);

// Runs a stub form whose arguments stub_usage_problem accepted. Prints the band table, the
// sweep or the stubs to cut, or the error on `err` (exit_calc_error).
int run_stub(std::string_view mode, std::span<const std::string_view> args,
             const calc_options& calc, const stub_options& options, std::ostream& out,
             std::ostream& err);

// The stub lines of batch mode: "stub<TAB>END<TAB>FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE<TAB>BAND"
// answered by "LEAST<TAB>MOST<TAB>VERDICT", and "which<TAB>PASS<TAB>NOTCH<TAB>CABLE" answered by
// the best stub, "END<TAB>QUARTER_WAVES<TAB>CUT_MHZ<TAB>CUT_TO"; without CABLE where --vf gives
// the factor. The options of batch mode apply to them.
class stub_lines {
public:
    stub_lines(const calc_options& calc, const stub_options& options)
        : calc_(calc), options_(options) {}

    // Whether the first field of `line` names a stub form.
    static bool takes(const batch_line& line) noexcept;

    // Appends the answer to `line` and a line break to `output`; false for an error line.
    bool answer(const batch_line& line, std::string& output) const;

private:
    const calc_options& calc_;
    const stub_options& options_;
};

} // namespace ridi::cli
