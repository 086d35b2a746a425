// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc's command line read and checked: what the tool is to do and with what, or what is
// wrong with the arguments.
#pragma once

#include "vocabulary.hpp"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ridi::cli {

enum class task {
    calculate, // FREQUENCY QUARTER_WAVES with a CABLE or --vf, or the table of every cable
    batch,     // --batch
    cables,    // --cables
    help,      // --help or -h
    version,   // --version
    measuring, // --measure or --trim, as `mode` says
    stub,      // --stub or --which-stub, as `mode` says
};

// A command line that makes sense: the arguments it gives are the ones its task takes, in
// number and kind.
struct command {
    task what = task::calculate;
    std::string_view mode; // the option that chose `what`, as given; empty for a calculation
    // FREQUENCY QUARTER_WAVES [CABLE] of a calculation (CABLE only without --vf), or the
    // arguments of --measure, --trim, --stub or --which-stub; none for the other tasks.
    std::vector<std::string_view> positional;
    calc_options options;
    stub_options stub; // the options of the stub forms (some also of batch mode)
};

// What is wrong with a command line, and the usage line to show after it.
struct usage_problem {
    std::string problem;
    std::string_view usage;
};

// Reads `args` (the arguments after the program name): the command, or its first problem.
std::variant<command, usage_problem> read_arguments(std::span<const std::string_view> args);

} // namespace ridi::cli
