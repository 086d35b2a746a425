// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.hpp"

#include "measuring.hpp"
#include "stub.hpp"
#include "usage.hpp"

#include "ridi/calculation.hpp"
#include "ridi/error.hpp"
#include "ridi/number_text.hpp"
#include "ridi/units.hpp"
#include "ridi/utf.hpp"

#include <array>
#include <optional>
#include <utility>

namespace ridi::cli {
namespace {

// The options that choose a task other than a calculation or the measuring bench.
struct mode_option {
    std::string_view option;
    task what;
};

constexpr std::array<mode_option, 5> mode_options{{
    {"--batch", task::batch},
    {"--cables", task::cables},
    {"--help", task::help},
    {"-h", task::help},
    {"--version", task::version},
}};

std::optional<task> task_of(std::string_view arg) {
    if (is_measuring_mode(arg)) {
        return task::measuring;
    }
    if (is_stub_mode(arg)) {
        return task::stub;
    }
    for (const mode_option& mode : mode_options) {
        if (mode.option == arg) {
            return mode.what;
        }
    }
    return std::nullopt;
}

// Reads the --vf value; returns an empty text when it is good, else what is wrong with it.
std::string read_velocity_factor(std::string_view text, double& factor) {
    const std::u16string typed = utf8_to_utf16(text);
    try {
        factor = velocity_factor_from_text(typed);
    } catch (const calc_error& error) {
        const std::string shown = "--vf " + quoted_for_message(typed);
        if (error.kind() == error_kind::out_of_range) {
            return shown + " is out of range: " + std::string(velocity_factor_range);
        }
        return shown + " is not a number: give the velocity factor of the cable, for example "
                       "--vf 0.78";
    }
    return {};
}

bool is_short_option(std::string_view arg) {
    // "-x" and "-v" are options; "-100" and "-.5" are numbers.
    return arg.size() >= 2 && arg[0] == '-' &&
           ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z'));
}

usage_problem problem(std::string text, std::string_view usage = usage_line) {
    return {std::move(text), usage};
}

} // namespace

std::variant<command, usage_problem> read_arguments(std::span<const std::string_view> args) {
    command read;
    std::optional<std::string_view> vf_text;
    std::optional<std::string_view> unit_text;
    bool options_done = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<std::string_view> value;
        if (!options_done && arg == "--") {
            options_done = true;
        } else if (options_done || !(arg.starts_with("--") || is_short_option(arg))) {
            read.positional.push_back(arg);
        } else if (const std::optional<task> mode = task_of(arg)) {
            if (!read.mode.empty()) {
                if (read.what == task::stub || *mode == task::stub) {
                    return problem("give only one of --stub, --which-stub, --measure, --trim, "
                                   "--batch, --cables, --help, --version",
                                   stub_usage_line);
                }
                if (read.what == task::measuring || *mode == task::measuring) {
                    return problem("give only one of --measure, --trim, --batch, --cables, "
                                   "--help, --version",
                                   measuring_usage_line);
                }
                return problem("give only one of --batch, --cables, --help, --version");
            }
            read.what = *mode;
            read.mode = arg;
        } else if (option_value(args, i, "--vf", value) || option_value(args, i, "--unit", value)) {
            const bool is_vf = arg.starts_with("--vf");
            std::optional<std::string_view>& slot = is_vf ? vf_text : unit_text;
            if (slot) {
                return problem(std::string("give ") + (is_vf ? "--vf" : "--unit") + " only once");
            }
            if (value->empty()) {
                return problem(is_vf ? "--vf needs a velocity factor, for example --vf 0.78"
                                     : "--unit needs a unit: " + unit_names());
            }
            slot = value;
        } else if (std::string wrong; read_stub_option(args, i, read.stub, wrong)) {
            if (!wrong.empty()) {
                return problem(std::move(wrong), stub_usage_line);
            }
        } else {
            return problem("unknown option '" + std::string(arg) + "'");
        }
    }
    if (std::string wrong =
            stub_usage_problem(read.mode, read.positional, vf_text.has_value(), read.stub);
        !wrong.empty()) {
        return problem(std::move(wrong), stub_usage_line);
    }
    const bool measuring = read.what == task::measuring;
    if (measuring) {
        std::string wrong =
            measuring_usage_problem(read.mode, read.positional, vf_text.has_value());
        if (!wrong.empty()) {
            return problem(std::move(wrong), measuring_usage_line);
        }
    } else if (read.what != task::stub && !read.mode.empty() && !read.positional.empty()) {
        return problem(std::string(read.mode) + " takes no other arguments");
    }
    const bool calculates = read.what == task::calculate || read.what == task::batch || measuring ||
                            read.what == task::stub;
    if (!calculates && (vf_text || unit_text)) {
        return problem(std::string(read.mode) + " takes no --vf or --unit");
    }
    if (vf_text) {
        double factor = 0.0;
        std::string wrong = read_velocity_factor(*vf_text, factor);
        if (!wrong.empty()) {
            return problem(std::move(wrong));
        }
        read.options.velocity_factor = factor;
    }
    if (unit_text) {
        const std::optional<length_unit> unit = length_unit_from_name(*unit_text);
        if (!unit) {
            return problem("unknown unit '" + std::string(*unit_text) + "' for --unit: use " +
                               unit_names(),
                           measuring ? measuring_usage_line : usage_line);
        }
        read.options.unit = *unit;
    }
    if (read.what == task::calculate) {
        if (read.positional.size() == 3 && read.options.velocity_factor) {
            return problem("give either a CABLE or --vf, not both");
        }
        if (read.positional.size() != 2 && read.positional.size() != 3) {
            return problem(read.positional.empty() ? "missing FREQUENCY and QUARTER_WAVES"
                                                   : "expected FREQUENCY QUARTER_WAVES [CABLE]");
        }
    }
    return read;
}

} // namespace ridi::cli
