// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words every part of ridi-calc shares: its exit statuses, the options of a calculation and
// of a stub as the command line gives them, how an option takes its value, how many warnings
// batch mode names, and the words ridi-calc puts in a core message about the unit of a length.
#pragma once

#include "ridi/error.hpp"
#include "ridi/units.hpp"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ridi::cli {

// Exit statuses of ridi-calc.
enum exit_status : int {
    exit_ok = 0,             // every calculation succeeded
    exit_calc_error = 1,     // at least one calculation gave an error
    exit_usage_error = 2,    // the arguments were not understood
    exit_io_error = 3,       // the input could not be read or the output not written
    exit_internal_error = 4, // ridi-calc itself failed: out of memory, or a fault of the tool
};

// What the calculation options on the command line ask for.
struct calc_options {
    // --vf: the user's own velocity factor, in place of a catalogue cable.
    std::optional<double> velocity_factor;
    // --unit: the unit both lengths are shown in.
    length_unit unit = length_unit::metres;
};

// The options of the stub forms, as given.
struct stub_options {
    std::optional<std::string_view> length; // --length
    std::optional<std::string_view> loss;   // --loss DB@MHZ[,DB@MHZ]
    std::optional<std::string_view> dip;    // --dip OHMS
    std::optional<std::string_view> tee;    // --tee LENGTH
    std::optional<std::string_view> z0;     // --z0 OHMS
    std::optional<std::string_view> zc;     // --zc OHMS
    std::optional<std::string_view> region; // --region 1|2|3
    std::optional<std::string_view> from;   // --from MHZ
    std::optional<std::string_view> to;     // --to MHZ
    std::optional<std::string_view> sweep;  // --sweep POINTS
};

// The value of an option given as "--name VALUE" or "--name=VALUE", empty when none follows;
// false when args[i] is not that option. Moves `i` past a separate value.
inline bool option_value(std::span<const std::string_view> args, std::size_t& i,
                         std::string_view name, std::optional<std::string_view>& value) {
    const std::string_view arg = args[i];
    if (arg == name) {
        value = i + 1 < args.size() ? args[++i] : std::string_view(); // empty: no value given
        return true;
    }
    if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

// Batch mode names at most this many cables that are not in the catalogue, and as many lines
// whose velocity factor is unusual, then counts the rest.
inline constexpr std::size_t max_cable_warnings = 20;

// Where the core asks for a length, the unit it is read in (metres unless --unit says
// otherwise); where it names that unit, the option that chose it.
inline constexpr unit_hint_words unit_option_words{", in metres or in the unit given with --unit",
                                                   ", see --unit"};

// A calculation error as ridi-calc reports it, with its words for the unit of a length.
inline std::string error_message(const calc_error& error) {
    return error.message(unit_option_words);
}

} // namespace ridi::cli
