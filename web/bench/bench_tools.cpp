// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_tools.hpp"

#include "stub_plot.hpp"

#include "ridi/bands.hpp"
#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/measurement.hpp"
#include "ridi/stub.hpp"
#include "ridi/utf.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace ridi::web {

std::string bench_caption::text(length_unit unit) const {
    return utf16_to_utf8(with_unit ? result_caption(*with_unit, unit).text() : words);
}

namespace {

bench_answer measure(const bench_request& request) {
    const auto& texts = request.texts;
    measured_factor measured =
        measure_velocity_factor(texts[0], texts[1], texts[2], request.unit, request.options);
    return {.values = {std::move(measured.factor)},
            .warning = std::move(measured.warning),
            .warning_hint = measured.warning_hint};
}

bench_answer own_cable(const bench_request& request) {
    const auto& texts = request.texts;
    const double factor = velocity_factor_from_text(texts[2], request.options);
    shown_lengths shown;
    quarter_wave_lengths(texts[0], texts[1], factor, request.unit, shown, request.options);
    return {.values = {std::move(shown.length), std::move(shown.corrected)}};
}

bench_answer trim(const bench_request& request) {
    const auto& texts = request.texts;
    trimmed_stub trimmed = trim_stub(texts[0], texts[1], texts[2], request.unit, request.options);
    return {.values = {std::move(trimmed.cut_to), std::move(trimmed.cut_off)}};
}

bench_answer every_cable(const bench_request& request) {
    const auto& texts = request.texts;
    every_cable_lengths every =
        lengths_for_every_cable(texts[0], texts[1], request.unit, request.options);
    bench_table table{
        .heads = {utf16_to_utf8(cable_column_head), utf16_to_utf8(factor_column_head),
                  utf16_to_utf8(result_caption(result::vf_length, request.unit).text())}};
    for (cable_lengths& row : every.cables) {
        table.rows.push_back(
            {utf16_to_utf8(row.name), std::move(row.factor), std::move(row.corrected)});
    }
    return {.values = {std::move(every.length)}, .tables = {std::move(table)}};
}

// The cable of a stub, as the field names it: a catalogue cable, or a velocity factor; any
// other text is taken for a cable, which the core refuses with its "did you mean".
void read_cable(std::u16string_view text, number_options options, stub_input& input) {
    if (Get_Vk(text) != 0.0F) {
        input.cable = text;
        return;
    }
    try {
        input.velocity_factor = velocity_factor_from_text(text, options);
    } catch (const calc_error& error) {
        if (error.kind() == error_kind::not_a_number) {
            input.cable = text;
            return;
        }
        throw calc_error(error.kind(), error_field::cable, error.what());
    }
}

iaru_region region_of(std::u16string_view choice) {
    return choice == u"3"   ? iaru_region::three
           : choice == u"2" ? iaru_region::two
                            : iaru_region::one;
}

// The texts of the fields that the two stub tools share, from `first` on: the cable, its loss
// at a frequency, the region, then among the further settings the Tee, the line and the cable's
// impedance.
struct cable_fields {
    stub_input input;
    iaru_region region;
};

cable_fields read_cable_fields(const bench_request& request, std::size_t first) {
    const auto& texts = request.texts;
    cable_fields read{{}, region_of(texts[first + 3])};
    read_cable(texts[first], request.options, read.input);
    read.input.loss = texts[first + 1];
    read.input.loss_mhz = texts[first + 2];
    read.input.tee = texts[first + 4];
    read.input.line_ohms = texts[first + 5];
    read.input.stub_ohms = texts[first + 6];
    read.input.unit = request.unit;
    return read;
}

std::vector<std::string> band_row(const band_figures& band) {
    return {std::string(band.band), band.low, band.high, band.least, band.most, band.verdict_text};
}

bench_answer stub_filter(const bench_request& request) {
    const auto& texts = request.texts;
    cable_fields fields = read_cable_fields(request, 4);
    stub_input& input = fields.input;
    input.end = texts[0] == u"shorted" ? stub_end::shorted : stub_end::open;
    input.frequency = texts[1];
    input.quarter_waves = texts[2];
    input.length = texts[3];
    input.dip_ohms = texts[11];
    const stub read = read_stub(input, request.options);
    const sweep_range range = read_sweep_range(texts[12], texts[13], {}, request.options);
    const stub_report report = report_stub(read, fields.region, range);
    stub_plot plot = plot_stub(sweep_stub(read.model, range), report, request.plot_width,
                               read.model.line_ohms, read.model.loss.has_value());
    bench_table bands{.heads = {std::string(band_column_head), std::string(from_column_head),
                                std::string(to_column_head), std::string(least_column_head),
                                std::string(most_column_head), std::string(verdict_column_head)}};
    for (const band_figures& band : report.bands) {
        bands.rows.push_back(band_row(band));
    }
    bench_table resonances{.heads = {std::string(resonance_column_head),
                                     std::string(at_column_head), std::string(loss_column_head)}};
    for (const resonance& found : report.resonances) {
        resonances.rows.push_back({found.kind, found.frequency, found.loss});
    }
    bench_answer answer{.values = {read.length},
                        .lines = report.heading,
                        .plot = std::move(plot.svg),
                        .plot_caption = std::move(plot.caption),
                        .tables = {std::move(bands), std::move(resonances)}};
    if (!report.unlisted.empty()) {
        answer.notes.push_back(report.unlisted +
                               " (narrow it with Plot from and Plot to, under More settings)");
    }
    return answer;
}

bench_answer which(const bench_request& request) {
    const auto& texts = request.texts;
    const cable_fields fields = read_cable_fields(request, 2);
    const stub_choices choices =
        which_stub(texts[0], texts[1], fields.region, fields.input, request.options);
    bench_table table{.heads = {"Stub",
                                utf16_to_utf8(result_caption(result::cut_to, request.unit).text()),
                                "To pass", "To notch"}};
    for (const stub_choice& choice : choices.stubs) {
        table.rows.push_back(
            {choice.description, choice.length, choice.pass.summary, choice.notch.summary});
    }
    bench_answer answer{.lines = choices.heading, .tables = {std::move(table)}};
    if (!choices.none.empty()) {
        answer.notes.push_back(choices.none);
    }
    return answer;
}

// The hints of the inputs that come back in several tools.
constexpr std::string_view frequency_hint = "The centre frequency, for example 145";
constexpr std::string_view quarter_waves_hint = "1 for a quarter-wave stub, 2 for a half wave";

constexpr std::array<bench_choice, 2> ends{{{"open", "Open"}, {"shorted", "Shorted"}}};
constexpr std::array<bench_choice, 3> regions{{{"1", "Region 1 (Europe, Africa)"},
                                               {"2", "Region 2 (the Americas)"},
                                               {"3", "Region 3 (Asia, Pacific)"}}};

// The fields of a stub's cable and line, in the order read_cable_fields reads them, with the
// ids `ids`.
constexpr std::array<bench_field, 7> cable_and_line(std::array<std::string_view, 7> ids) {
    return {{
        {ids[0], "Cable or velocity factor",
         "A cable of the list, such as RG-213, or your own cable's velocity factor, such as 0.66",
         error_field::cable, field_kind::cable, "RG-213"},
        {ids[1], "Loss (dB per 100 m)",
         "The matched loss from the cable's data sheet, for example 5.9; empty if not known",
         error_field::loss},
        {ids[2], "Loss at (MHz)",
         "The frequency the data sheet gives that loss at, for example 100",
         error_field::loss_frequency},
        {ids[3], "IARU region", "Where the stations are: the bands' edges differ",
         error_field::none, field_kind::choice, "1", regions},
        {ids[4],
         "Tee allowance",
         "The Tee's arm and connector on the stub's side, in the unit chosen above; 0 if empty",
         error_field::tee_allowance,
         field_kind::length,
         {},
         {},
         true},
        {ids[5],
         "Line (ohm)",
         "The line the Tee is on; 50 if empty",
         error_field::line_impedance,
         field_kind::number,
         {},
         {},
         true},
        {ids[6],
         "Cable impedance (ohm)",
         "The cable's own if empty (75 for RG-11, else 50)",
         error_field::stub_impedance,
         field_kind::number,
         {},
         {},
         true},
    }};
}

// `first` then `second`, as one array.
template <std::size_t N, std::size_t M>
constexpr std::array<bench_field, N + M> joined(const std::array<bench_field, N>& first,
                                                const std::array<bench_field, M>& second) {
    std::array<bench_field, N + M> both{};
    std::copy(first.begin(), first.end(), both.begin());
    std::copy(second.begin(), second.end(), both.begin() + N);
    return both;
}

constexpr std::array<bench_field, 3> measure_fields{{
    {"m_len", "Length of the piece", "As measured, in the unit chosen above", error_field::length,
     field_kind::length},
    {"m_freq", "Resonance (MHz)", "Where the analyser shows the dip, for example 49.62",
     error_field::frequency},
    {"m_qw", "Which resonance",
     "1: a quarter-wave stub's first dip; 2: a half wave; 3: the stub's next dip",
     error_field::quarter_waves, field_kind::number, "1"},
}};
constexpr std::array<bench_caption, 1> measure_results{{{std::nullopt, measured_factor_caption}}};
constexpr std::array<bench_carry, 2> measure_carries{{
    {"use_factor", "Use this factor", 0, "o_vf"},
    {"use_factor_for_stub", "Use it for a stub", 0, "s_cable"},
}};

constexpr std::array<bench_field, 3> own_fields{{
    {"o_freq", "Frequency (MHz)", frequency_hint, error_field::frequency},
    {"o_qw", "Quarter waves", quarter_waves_hint, error_field::quarter_waves, field_kind::number,
     "1"},
    {"o_vf", "Velocity factor", "Greater than 0, at most 1, for example 0.66",
     error_field::velocity_factor},
}};
constexpr std::array<bench_caption, 2> both_lengths{{{result::coax_length}, {result::vf_length}}};

constexpr std::array<bench_field, 3> trim_fields{{
    {"t_len", "Length now", "As it is now, in the unit chosen above", error_field::length,
     field_kind::length},
    {"t_now", "Resonates now (MHz)", "Where the dip is now, for example 138.2",
     error_field::measured_frequency},
    {"t_want", "Wanted (MHz)", "Where the dip should be, for example 145",
     error_field::target_frequency},
}};
constexpr std::array<bench_caption, 2> trim_results{{{result::cut_to}, {result::cut_off}}};
constexpr std::array<bench_carry, 1> trim_carries{{{"use_cut", "What this stub does", 0, "s_len"}}};

// In the order stub_filter reads them.
constexpr auto stub_fields = joined(
    joined(
        std::array<bench_field, 4>{{
            {"s_end", "Far end", "Open, or shorted to the shield", error_field::none,
             field_kind::choice, "open", ends},
            {"s_freq", "Cut for (MHz)",
             "Where it is a whole number of quarter waves, for example 7.1",
             error_field::frequency},
            {"s_qw", "Quarter waves", "1 for a quarter wave at that frequency, 2 for a half wave",
             error_field::quarter_waves, field_kind::number, "1"},
            {"s_len", "Or its length",
             "As cut, in the unit chosen above; empty to cut it for the frequency",
             error_field::length, field_kind::length},
        }},
        cable_and_line({"s_cable", "s_loss", "s_loss_mhz", "s_region", "s_tee", "s_z0", "s_zc"})),
    std::array<bench_field, 3>{{
        {"s_dip",
         "Or the resistance at its dip (ohm)",
         "What the analyser shows at the stub's first dip, in place of the loss",
         error_field::dip_resistance,
         field_kind::number,
         {},
         {},
         true},
        {"s_from",
         "Plot from (MHz)",
         "The lowest frequency shown",
         error_field::sweep_from,
         field_kind::number,
         "1.8",
         {},
         true},
        {"s_to",
         "Plot to (MHz)",
         "The highest frequency shown",
         error_field::sweep_to,
         field_kind::number,
         "450",
         {},
         true},
    }});
constexpr std::array<bench_caption, 1> stub_results{{{result::stub_length}}};
constexpr std::array<std::string_view, 2> stub_tables{"Every band", "Resonances"};

// In the order which reads them.
constexpr auto which_fields = joined(
    std::array<bench_field, 2>{{
        {"w_pass", "Band to pass", "Your own station's band, for example 40m",
         error_field::pass_band, field_kind::text, "40m"},
        {"w_notch", "Band to notch", "The other station's band, or where your harmonics fall",
         error_field::notch_band, field_kind::text, "20m"},
    }},
    cable_and_line({"w_cable", "w_loss", "w_loss_mhz", "w_region", "w_tee", "w_z0", "w_zc"}));
constexpr std::array<std::string_view, 1> which_tables{"Stubs worth cutting"};

constexpr std::array<bench_field, 2> every_fields{{
    {"e_freq", "Frequency (MHz)", frequency_hint, error_field::frequency},
    {"e_qw", "Quarter waves", quarter_waves_hint, error_field::quarter_waves, field_kind::number,
     "1"},
}};
constexpr std::array<bench_caption, 1> every_results{{{result::coax_length}}};
constexpr std::array<std::string_view, 1> every_tables{""};

constexpr std::array<bench_tool, 6> all_tools{{
    {"measure",
     "Measure the velocity factor",
     "Cut a piece, find its lowest resonance with the analyser, open or shorted at the far end, "
     "and get the cable's velocity factor.",
     measure_fields,
     measure_results,
     true,
     measure_carries,
     false,
     {},
     measure},
    {"own",
     "Your own cable",
     "Both lengths for a cable whose velocity factor you know or have measured.",
     own_fields,
     both_lengths,
     false,
     {},
     false,
     {},
     own_cable},
    {"trim",
     "Trim a stub",
     "Cut the stub long, find where it resonates, and see how much to cut off to move it up to "
     "the frequency you want.",
     trim_fields,
     trim_results,
     false,
     trim_carries,
     false,
     {},
     trim},
    {"stub",
     "What a stub does",
     "A stub on a Tee at the transceiver: its loss on every amateur band, where it notches and "
     "where it passes, as deep as its cable's loss lets it.",
     stub_fields,
     stub_results,
     false,
     {},
     true,
     stub_tables,
     stub_filter},
    {"which",
     "Which stub",
     "Two stations side by side: the stubs that pass one band and notch the other, best first.",
     which_fields,
     {},
     false,
     {},
     false,
     which_tables,
     which},
    {"every",
     "Every cable",
     "The free-space length, and the length in each cable of the catalogue.",
     every_fields,
     every_results,
     false,
     {},
     false,
     every_tables,
     every_cable},
}};

} // namespace

std::span<const bench_tool> bench_tools() {
    return all_tools;
}

} // namespace ridi::web
