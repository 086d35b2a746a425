// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_tools.hpp"

#include "ridi/calculation.hpp"
#include "ridi/measurement.hpp"
#include "ridi/utf.hpp"

#include <utility>

namespace ridi::web {

std::string bench_caption::text(length_unit unit) const {
    return utf16_to_utf8(with_unit ? result_caption(*with_unit, unit).text() : words);
}

namespace {

bench_answer measure(std::span<const std::u16string_view> texts, length_unit unit,
                     number_options options) {
    measured_factor measured = measure_velocity_factor(texts[0], texts[1], texts[2], unit, options);
    return {.values = {std::move(measured.factor)},
            .warning = std::move(measured.warning),
            .warning_hint = measured.warning_hint};
}

bench_answer own_cable(std::span<const std::u16string_view> texts, length_unit unit,
                       number_options options) {
    const double factor = velocity_factor_from_text(texts[2], options);
    shown_lengths shown;
    quarter_wave_lengths(texts[0], texts[1], factor, unit, shown, options);
    return {.values = {std::move(shown.length), std::move(shown.corrected)}};
}

bench_answer trim(std::span<const std::u16string_view> texts, length_unit unit,
                  number_options options) {
    trimmed_stub trimmed = trim_stub(texts[0], texts[1], texts[2], unit, options);
    return {.values = {std::move(trimmed.cut_to), std::move(trimmed.cut_off)}};
}

bench_answer every_cable(std::span<const std::u16string_view> texts, length_unit unit,
                         number_options options) {
    every_cable_lengths every = lengths_for_every_cable(texts[0], texts[1], unit, options);
    bench_answer answer{.values = {std::move(every.length)}};
    for (cable_lengths& row : every.cables) {
        answer.rows.push_back(
            {utf16_to_utf8(row.name), std::move(row.factor), std::move(row.corrected)});
    }
    return answer;
}

// The hints of the inputs that come back in several tools.
constexpr std::string_view frequency_hint = "The centre frequency, for example 145";
constexpr std::string_view quarter_waves_hint = "1 for a quarter-wave stub, 2 for a half wave";

} // namespace

std::span<const bench_tool> bench_tools() {
    static const std::vector<bench_tool> all{
        {"measure",
         "Measure the velocity factor",
         "Cut a piece, find its lowest resonance with the analyser, open or shorted at the far "
         "end, and get the cable's velocity factor.",
         {{"m_len", "Length of the piece", "As measured, in the unit chosen above",
           error_field::length, true},
          {"m_freq", "Resonance (MHz)", "Where the analyser shows the dip, for example 49.62",
           error_field::frequency},
          {"m_qw", "Which resonance",
           "1: a quarter-wave stub's first dip; 2: a half wave; 3: the stub's next dip",
           error_field::quarter_waves, false, "1"}},
         {{std::nullopt, measured_factor_caption}},
         {},
         true,
         {{"use_factor", "Use this factor", 0, "o_vf"}},
         measure},
        {"own",
         "Your own cable",
         "Both lengths for a cable whose velocity factor you know or have measured.",
         {{"o_freq", "Frequency (MHz)", frequency_hint, error_field::frequency},
          {"o_qw", "Quarter waves", quarter_waves_hint, error_field::quarter_waves, false, "1"},
          {"o_vf", "Velocity factor", "Greater than 0, at most 1, for example 0.66",
           error_field::velocity_factor}},
         {{result::coax_length}, {result::vf_length}},
         {},
         false,
         {},
         own_cable},
        {"trim",
         "Trim a stub",
         "Cut the stub long, find where it resonates, and see how much to cut off to move it up "
         "to the frequency you want.",
         {{"t_len", "Length now", "As it is now, in the unit chosen above", error_field::length,
           true},
          {"t_now", "Resonates now (MHz)", "Where the dip is now, for example 138.2",
           error_field::measured_frequency},
          {"t_want", "Wanted (MHz)", "Where the dip should be, for example 145",
           error_field::target_frequency}},
         {{result::cut_to}, {result::cut_off}},
         {},
         false,
         {},
         trim},
        {"every",
         "Every cable",
         "The free-space length, and the length in each cable of the catalogue.",
         {{"e_freq", "Frequency (MHz)", frequency_hint, error_field::frequency},
          {"e_qw", "Quarter waves", quarter_waves_hint, error_field::quarter_waves, false, "1"}},
         {{result::coax_length}},
         {{std::nullopt, cable_column_head},
          {std::nullopt, factor_column_head},
          {result::vf_length}},
         false,
         {},
         every_cable},
    };
    return all;
}

} // namespace ridi::web
