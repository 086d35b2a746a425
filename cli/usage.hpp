// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What ridi-calc says about its own command line: the usage lines after a usage error, the text
// of --help, and the units --unit takes as the help and the error messages list them (by the
// core's names, which the reading of --unit takes too: length_unit_from_name).
#pragma once

#include <string>
#include <string_view>

namespace ridi::cli {

inline constexpr std::string_view usage_line =
    "usage: ridi-calc FREQUENCY QUARTER_WAVES [CABLE | --vf FACTOR] [--unit UNIT] | --batch "
    "[--vf FACTOR] [--unit UNIT] | --cables | --help | --version";

// The usage of the measuring bench, after its mistakes.
inline constexpr std::string_view measuring_usage_line =
    "usage: ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES] [--unit UNIT] | --trim LENGTH "
    "MEASURED TARGET [--unit UNIT]";

// The text of --help.
std::string help_text();

// The names --unit takes, for a message: "m, cm, mm, in, ft or ft-in".
std::string unit_names();

} // namespace ridi::cli
