// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuring.hpp"

#include "vocabulary.hpp"

#include "ridi/measurement.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/utf.hpp"

#include <array>
#include <ostream>
#include <utility>
#include <vector>

namespace ridi::cli {
namespace {

// The argument names of each form, the optional ones last.
struct bench_form {
    std::string_view mode; // on the command line
    std::string_view line; // as the first field of a batch line
    std::array<std::string_view, 3> arguments;
    std::size_t required;
};

constexpr bench_form measure_form{
    "--measure", "measure", {"LENGTH", "FREQUENCY", "QUARTER_WAVES"}, 2};
constexpr bench_form trim_form{"--trim", "trim", {"LENGTH", "MEASURED", "TARGET"}, 3};

const bench_form& form_of(std::string_view mode) {
    return mode == measure_form.mode || mode == measure_form.line ? measure_form : trim_form;
}

// "--measure LENGTH FREQUENCY [QUARTER_WAVES]" on the command line, and
// "measure<TAB>LENGTH<TAB>FREQUENCY[<TAB>QUARTER_WAVES]" as a batch line.
std::string synopsis(const bench_form& form, bool as_line) {
    const std::string_view separator = as_line ? "<TAB>" : " ";
    std::string text(as_line ? form.line : form.mode);
    for (std::size_t i = 0; i < form.arguments.size(); ++i) {
        const bool optional = i >= form.required;
        text += optional && as_line ? "[" : "";
        text += separator;
        text += optional && !as_line ? "[" : "";
        text += form.arguments[i];
        text += optional ? "]" : "";
    }
    return text;
}

// What either form gives: one value (the factor) or two (cut to, cut off), and a warning.
struct bench_result {
    std::array<std::string, 2> values;
    std::string warning;
};

bench_result compute(const bench_form& form, std::span<const std::u16string> fields,
                     length_unit unit) {
    bench_result result;
    if (&form == &measure_form) {
        measured_factor measured = measure_velocity_factor(
            fields[0], fields[1], fields.size() > 2 ? std::u16string_view(fields[2]) : u"1", unit);
        result.values[0] = std::move(measured.factor);
        result.warning = with_unit_hint(measured.warning, measured.warning_hint, unit_option_words);
    } else {
        trimmed_stub trimmed = trim_stub(fields[0], fields[1], fields[2], unit);
        result.values = {std::move(trimmed.cut_to), std::move(trimmed.cut_off)};
    }
    return result;
}

} // namespace

bool is_measuring_mode(std::string_view arg) noexcept {
    return arg == measure_form.mode || arg == trim_form.mode;
}

std::string measuring_usage_problem(std::string_view mode, std::span<const std::string_view> args,
                                    bool with_velocity_factor) {
    const bench_form& form = form_of(mode);
    if (with_velocity_factor) {
        return std::string(mode) + (&form == &measure_form
                                        ? " takes no --vf: it finds the velocity factor"
                                        : " takes no --vf: the cut does not depend on it");
    }
    if (args.size() < form.required) {
        return "missing " + std::string(form.arguments[args.size()]) + " for " +
               synopsis(form, false);
    }
    if (args.size() > form.arguments.size()) {
        return "too many arguments for " + synopsis(form, false) + ": '" +
               std::string(args[form.arguments.size()]) + "'";
    }
    return {};
}

int run_measuring(std::string_view mode, std::span<const std::string_view> args, length_unit unit,
                  std::ostream& out, std::ostream& err) {
    const bench_form& form = form_of(mode);
    std::vector<std::u16string> fields;
    for (const std::string_view arg : args) {
        fields.push_back(utf8_to_utf16(arg));
    }
    bench_result result;
    try {
        result = compute(form, fields, unit);
    } catch (const calc_error& error) {
        err << "ridi-calc: " << error_message(error) << "\n";
        return exit_calc_error;
    }
    if (&form == &measure_form) {
        out << utf16_to_utf8(measured_factor_caption) << ": " << result.values[0] << "\n"
            << "Calculate with: --vf " << result.values[0] << "\n";
    } else {
        out << utf16_to_utf8(result_caption(ridi::result::cut_to, unit).text()) << ": "
            << result.values[0] << "\n"
            << utf16_to_utf8(result_caption(ridi::result::cut_off, unit).text()) << ": "
            << result.values[1] << "\n";
    }
    if (!result.warning.empty()) {
        err << "ridi-calc: warning: " << result.warning << "\n";
    }
    return exit_ok;
}

bool measuring_lines::takes(const batch_line& line) noexcept {
    const std::string_view first = line.fields[0];
    return first == measure_form.line || first == trim_form.line;
}

bool measuring_lines::answer(const batch_line& line, std::size_t line_number, std::string& output) {
    const bench_form& form = form_of(line.fields[0]);
    const std::size_t arguments = line.field_count - 1;
    if (arguments < form.required || arguments > form.arguments.size()) {
        output += "error\texpected ";
        output += synopsis(form, true);
        output += '\n';
        return false;
    }
    std::vector<std::u16string> fields;
    for (std::size_t i = 1; i <= arguments; ++i) {
        fields.push_back(utf8_to_utf16(line.fields[i]));
    }
    bench_result result;
    try {
        result = compute(form, fields, unit_);
    } catch (const calc_error& error) {
        output += "error\t";
        output += error_message(error);
        output += '\n';
        return false;
    }
    output += result.values[0];
    if (&form == &trim_form) {
        output += '\t';
        output += result.values[1];
    }
    output += '\n';
    // Named as often as unknown cables are, then counted.
    if (!result.warning.empty() && ++warnings_ <= max_cable_warnings) {
        err_ << "ridi-calc: line " << line_number << ": warning: " << result.warning << "\n";
    }
    return true;
}

void measuring_lines::finish() {
    if (warnings_ > max_cable_warnings) {
        const std::size_t more = warnings_ - max_cable_warnings;
        err_ << "ridi-calc: warning: " << more << " more line" << (more == 1 ? " gives" : "s give")
             << " a velocity factor below 0.5\n";
    }
}

} // namespace ridi::cli
