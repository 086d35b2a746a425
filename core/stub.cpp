// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/stub.hpp"

#include "bench_number.hpp"
#include "text_message.hpp"
#include "typed_text.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace ridi {
namespace {

// Metres a wavelength at 1 MHz in free space, as RI-DI's lengths count them (300 / f).
constexpr double metres_per_wave_at_1_mhz = 300.0;
// Nepers in a decibel of loss.
const double nepers_per_db = std::log(10.0) / 20.0;
// No coaxial cable loses more than this many dB per 100 m below a few GHz.
constexpr double most_loss_per_100m = 1000.0;
// A stub worth cutting notches the other station's band by at least this much.
constexpr double worth_cutting_db = 10.0;
// The range of a coaxial stub's resonances and of a sweep, in MHz: from 1 Hz, a stub 50,000 km
// long, to 100 GHz.
constexpr double lowest_resonance_mhz = 1e-6;
constexpr double highest_mhz = 1e5;
// Stubs of one end whose lengths differ by less than this part are the same stub.
constexpr double same_length = 0.01;

// The nominal impedance of a catalogue cable: 75 ohm for RG-11, 50 for every other.
double nominal_ohms(std::u16string_view cable) {
    return cable == u"RG-11" ? 75.0 : 50.0;
}

// A number for a message, without trailing zeros: "1.8", "450".
std::string plain(double value) {
    std::string text = format_fixed(value, 9);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string mhz_text(double mhz) {
    return format_fixed(mhz, 3);
}

// A band edge: three decimals of MHz, four where the edge has a half kHz (5351.5 kHz).
std::string edge_text(double mhz) {
    std::string text = mhz_text(mhz);
    return read_number(std::string_view(text), error_field::none) == mhz ? text
                                                                         : format_fixed(mhz, 4);
}

std::string db_text(double db) {
    return format_fixed(db, 1);
}

// A figure in dB as its text shows it, for verdicts that agree with the table.
double shown_db(double db) {
    return read_number(std::string_view(db_text(db)), error_field::none);
}

std::string typed(std::u16string_view text) {
    return utf16_to_utf8(trim_blanks(text));
}

// The cable a stub is cut from, and the line it stands on.
struct cable_and_line {
    std::string name; // "RG-213 (V/F 0.66, 50 ohm)", "cable (V/F 0.78, 50 ohm)"
    double velocity_factor = 0.0;
    double stub_ohms = 50.0;
    double line_ohms = 50.0;
    double tee_m = 0.0;
    std::optional<cable_loss> loss; // from the data sheet's figures, not from a dip
    std::string loss_text;
};

double read_ohms(std::u16string_view text, error_field field, double by_default,
                 number_options options) {
    if (trim_blanks(text).empty()) {
        return by_default;
    }
    return read_positive_number({text, field,
                                 field == error_field::line_impedance
                                     ? "enter the impedance of the line in ohms"
                                     : "enter the cable's impedance in ohms"},
                                options);
}

[[noreturn]] void fail_loss(std::u16string_view text, std::string_view fault) {
    throw calc_error(error_kind::out_of_range, error_field::loss,
                     text_message(error_field::loss, text, fault,
                                  "enter the matched loss in dB per 100 m from the cable's data "
                                  "sheet"));
}

// One figure of a data sheet: dB per 100 m at a frequency.
struct loss_figure {
    double db = 0.0;
    double mhz = 0.0;
};

loss_figure read_figure(std::u16string_view loss, std::u16string_view mhz, number_options options) {
    loss_figure figure;
    figure.db = read_positive_number(
        {loss, error_field::loss, "enter the matched loss in dB per 100 m from the data sheet"},
        options);
    if (figure.db > most_loss_per_100m) {
        fail_loss(loss, "is beyond any coaxial cable (more than " + plain(most_loss_per_100m) +
                            " dB per 100 m)");
    }
    figure.mhz = read_positive_number(
        {mhz, error_field::loss_frequency, "enter the frequency in MHz the loss holds at"},
        options);
    return figure;
}

// The loss of one or two data-sheet figures: sqrt(f) alone through one; through two, the sqrt(f)
// and f terms that fit both, which must both be at least 0.
std::optional<cable_loss> read_loss(const stub_input& input, number_options options,
                                    std::string& text) {
    if (trim_blanks(input.loss).empty() && trim_blanks(input.loss_mhz).empty()) {
        if (!trim_blanks(input.second_loss).empty() ||
            !trim_blanks(input.second_loss_mhz).empty()) {
            fail_loss({}, "is empty, though a second loss figure is given");
        }
        return std::nullopt;
    }
    const loss_figure first = read_figure(input.loss, input.loss_mhz, options);
    text = typed(input.loss) + " dB/100 m at " + typed(input.loss_mhz) + " MHz";
    if (trim_blanks(input.second_loss).empty() && trim_blanks(input.second_loss_mhz).empty()) {
        return cable_loss{first.db / std::sqrt(first.mhz), 0.0};
    }
    const loss_figure second = read_figure(input.second_loss, input.second_loss_mhz, options);
    text += " and " + typed(input.second_loss) + " at " + typed(input.second_loss_mhz) + " MHz";
    const loss_figure& low = first.mhz < second.mhz ? first : second;
    const loss_figure& high = first.mhz < second.mhz ? second : first;
    const double ratio = high.db / low.db;
    const double span = high.mhz / low.mhz;
    if (low.mhz == high.mhz || ratio < std::sqrt(span) || ratio > span) {
        throw calc_error(error_kind::out_of_range, error_field::loss,
                         "The loss figures " + text +
                             " do not fit a cable: from the lower frequency to the higher the "
                             "loss grows at least as the square root of the frequency and at most "
                             "in proportion to it. Check both figures and their frequencies.");
    }
    // a(f) = k1 sqrt(f) + k2 f through both figures.
    const double det = std::sqrt(low.mhz) * high.mhz - std::sqrt(high.mhz) * low.mhz;
    return cable_loss{
        (low.db * high.mhz - high.db * low.mhz) / det,
        std::max((std::sqrt(low.mhz) * high.db - std::sqrt(high.mhz) * low.db) / det, 0.0)};
}

cable_and_line read_cable_and_line(const stub_input& input, number_options options) {
    cable_and_line read;
    std::string cable;
    if (!input.cable.empty()) {
        read.velocity_factor = Get_Vk(input.cable);
        if (read.velocity_factor == 0.0) {
            const std::optional<std::u16string_view> meant = cable_suggestion(input.cable);
            std::string message(field_noun(error_field::cable));
            message += ' ' + quoted_for_message(input.cable) + " is not in the catalogue";
            message += meant ? "; did you mean " + utf16_to_utf8(*meant) + "?"
                             : ": enter a catalogue cable such as RG-58, or the cable's own "
                               "velocity factor.";
            throw calc_error(error_kind::out_of_range, error_field::cable, message);
        }
        cable = utf16_to_utf8(input.cable) + " (V/F " +
                format_fixed(read.velocity_factor, catalogue_factor_decimals);
        read.stub_ohms = nominal_ohms(input.cable);
    } else if (input.velocity_factor > 0.0 && input.velocity_factor <= 1.0) {
        read.velocity_factor = input.velocity_factor;
        cable = "cable (V/F " + plain(read.velocity_factor);
    } else {
        throw calc_error(error_kind::out_of_range, error_field::cable,
                         "No cable is given: enter a catalogue cable such as RG-58, or the cable's "
                         "own velocity factor.");
    }
    read.stub_ohms =
        read_ohms(input.stub_ohms, error_field::stub_impedance, read.stub_ohms, options);
    read.line_ohms = read_ohms(input.line_ohms, error_field::line_impedance, 50.0, options);
    if (!trim_blanks(input.tee).empty()) {
        const double tee = read_length(input.tee, input.unit, error_field::tee_allowance, options);
        if (!(tee >= 0.0)) {
            throw calc_error(error_kind::out_of_range, error_field::tee_allowance,
                             text_message(error_field::tee_allowance, input.tee,
                                          "must not be negative",
                                          "enter the length the Tee adds to the stub, or 0"));
        }
        read.tee_m = metres_from_unit(tee, input.unit);
    }
    read.name = cable + ", " + plain(read.stub_ohms) + " ohm)";
    read.loss = read_loss(input, options, read.loss_text);
    return read;
}

// What the heading says of the loss when none is given.
constexpr std::string_view no_loss_text =
    "none given, so the figures are a lossless stub's and the depth of a notch is not known";

std::vector<std::string> heading_of(std::string first_line, double line_ohms, std::string_view loss,
                                    iaru_region region) {
    return {std::move(first_line),
            "On a Tee across a matched " + plain(line_ohms) + " ohm line, " +
                region_caption(region),
            "Loss: " + std::string(loss)};
}

// The loss that makes |Zs| = `ohms` at the stub's first dip, its first resonance of low
// impedance, where |Zs| = Zc tanh(a l): one sqrt(f) figure.
cable_loss loss_from_dip(const stub_model& stub, std::u16string_view text, number_options options,
                         std::string& loss_text) {
    const double ohms = read_positive_number(
        {text, error_field::dip_resistance, "enter the resistance the analyser shows at the dip"},
        options);
    if (!(ohms < stub.stub_ohms)) {
        throw calc_error(error_kind::out_of_range, error_field::dip_resistance,
                         text_message(error_field::dip_resistance, text,
                                      "is not below the cable's impedance of " +
                                          plain(stub.stub_ohms) + " ohm, as a stub's dip is",
                                      "enter the resistance at the lowest point of the dip, a few "
                                      "ohms"));
    }
    const double dip_mhz = quarter_wave_mhz(stub) * (notches_at(stub.end, 1) ? 1.0 : 2.0);
    const double db_per_100m =
        std::atanh(ohms / stub.stub_ohms) / stub.length_m / nepers_per_db * 100.0;
    loss_text = db_text(db_per_100m) + " dB/100 m at " + mhz_text(dip_mhz) + " MHz, from " +
                typed(text) + " ohm at the dip";
    return {db_per_100m / std::sqrt(dip_mhz), 0.0};
}

// The least and the most loss across [low, high]: at its edges and at each resonance within,
// where a lossless stub's loss has its extremes (and a lossy one's lie within a hair of them).
struct extremes {
    double least;
    double most;
    bool notch_inside;
};

extremes extremes_across(const stub_model& stub, double low, double high) {
    const double at_low = insertion_loss_db(stub, low);
    const double at_high = insertion_loss_db(stub, high);
    extremes found{std::min(at_low, at_high), std::max(at_low, at_high), false};
    const double quarter = quarter_wave_mhz(stub);
    const double first = std::ceil(low / quarter);
    const double count = std::floor(high / quarter) - first + 1.0;
    // A stub kilometres long resonates thousands of times in a band: every one of them would
    // tell no more than an even sample of them, which holds both kinds.
    constexpr double most_resonances = 4096.0;
    const double samples = std::min(count, most_resonances);
    found.notch_inside = samples < count;
    for (double i = 0.0; i < samples; ++i) {
        const double k = first + std::floor(i * (count / samples));
        found.notch_inside = found.notch_inside || notches_at(stub.end, static_cast<long long>(k));
        const double loss = insertion_loss_db(stub, k * quarter);
        found.least = std::min(found.least, loss);
        found.most = std::max(found.most, loss);
    }
    return found;
}

std::string end_word(stub_end end, bool capital) {
    std::string word(end_name(end));
    if (capital) {
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    }
    return word;
}

// A candidate of which_stub, rated for sorting: greater is better.
struct rated_choice {
    stub_choice choice;
    double length_m = 0.0;
    bool passes = false;
    double notch_least = 0.0;
    double pass_most = 0.0;
};

bool better(const rated_choice& a, const rated_choice& b) {
    if (a.passes != b.passes) {
        return a.passes;
    }
    if (a.notch_least != b.notch_least) {
        return a.notch_least > b.notch_least;
    }
    if (a.pass_most != b.pass_most) {
        return a.pass_most < b.pass_most;
    }
    return a.choice.quarter_waves < b.choice.quarter_waves;
}

} // namespace

std::string_view end_name(stub_end end) noexcept {
    return end == stub_end::open ? "open" : "shorted";
}

double loss_per_100m(const cable_loss& loss, double mhz) noexcept {
    return loss.sqrt_term * std::sqrt(mhz) + loss.linear_term * mhz;
}

double quarter_wave_mhz(const stub_model& stub) noexcept {
    return stub.velocity_factor * metres_per_wave_at_1_mhz / 4.0 / stub.length_m;
}

bool notches_at(stub_end end, long long k) noexcept {
    return (k % 2 != 0) == (end == stub_end::open);
}

double insertion_loss_db(const stub_model& stub, double mhz) noexcept {
    const double beta_l = 2.0 * std::numbers::pi * mhz /
                          (stub.velocity_factor * metres_per_wave_at_1_mhz) * stub.length_m;
    const double alpha_l =
        stub.loss ? loss_per_100m(*stub.loss, mhz) / 100.0 * nepers_per_db * stub.length_m : 0.0;
    // Z0 / (2 Zs) is r tanh(gl) for an open stub and r coth(gl) for a shorted one, with gl =
    // x + jy: tanh(gl) = (sinh 2x + j sin 2y) / d, d = 2 (sinh^2 x + cos^2 y), and coth(gl) =
    // (sinh 2x - j sin 2y) / d, d = 2 (sinh^2 x + sin^2 y). In real arithmetic, and with d in
    // these forms, which lose no digits near a resonance, every platform computes the same.
    const double r = stub.line_ohms / (2.0 * stub.stub_ohms);
    const double sinh_x = std::sinh(alpha_l);
    const double across = stub.end == stub_end::open ? std::cos(beta_l) : std::sin(beta_l);
    const double d = 2.0 * (sinh_x * sinh_x + across * across);
    // |1 + r tanh(gl)| or |1 + r coth(gl)|: |d + r (sinh 2x +- j sin 2y)| / d.
    const double loss =
        20.0 *
        (std::log10(std::hypot(d + r * std::sinh(2.0 * alpha_l), r * std::sin(2.0 * beta_l))) -
         std::log10(d));
    return loss < max_loss_db ? loss : max_loss_db;
}

stub read_stub(const stub_input& input, number_options options) {
    const cable_and_line line = read_cable_and_line(input, options);
    double cable_m = 0.0;
    std::string length_text;
    std::string made_for;
    if (!trim_blanks(input.length).empty()) {
        const double length = read_positive_length(
            {input.length, error_field::length, "enter the length of the stub"}, input.unit,
            options);
        cable_m = metres_from_unit(length, input.unit);
        length_text = format_length(cable_m, input.unit);
    } else {
        const double mhz = read_positive_number(
            {input.frequency, error_field::frequency, "enter the frequency the stub is cut for"},
            options);
        const double quarters = read_positive_number(
            {input.quarter_waves, error_field::quarter_waves, "enter how many quarter waves"},
            options);
        cable_m = line.velocity_factor * free_space_length(mhz, quarters);
        shown_lengths shown;
        quarter_wave_lengths(input.frequency, input.quarter_waves, line.velocity_factor, input.unit,
                             shown, options);
        length_text = std::move(shown.corrected);
        made_for = ", " + typed(input.quarter_waves) + " quarter wave" +
                   (quarters == 1.0 ? "" : "s") + " at " + typed(input.frequency) + " MHz";
    }
    stub read;
    read.model = {input.end,      cable_m + line.tee_m, line.velocity_factor,
                  line.stub_ohms, line.line_ohms,       line.loss};
    const double quarter = quarter_wave_mhz(read.model);
    if (!(quarter >= lowest_resonance_mhz && quarter <= highest_mhz)) {
        throw calc_error(error_kind::out_of_range, error_field::length,
                         "The stub is " +
                             std::string(quarter > highest_mhz ? "shorter" : "longer") +
                             " than any stub of coaxial cable, with its first resonance " +
                             (quarter > highest_mhz ? "above 100 GHz" : "below 1 Hz") +
                             ": check the length and its unit.");
    }
    read.loss = line.loss ? line.loss_text : std::string(no_loss_text);
    if (!trim_blanks(input.dip_ohms).empty()) {
        if (line.loss) {
            throw calc_error(error_kind::out_of_range, error_field::dip_resistance,
                             "The loss is given twice, as figures and as the resistance at the "
                             "dip: give one of them.");
        }
        read.model.loss = loss_from_dip(read.model, input.dip_ohms, options, read.loss);
    }
    read.length = length_text;
    read.description = end_word(input.end, true) + " stub, " +
                       with_unit_name(length_text, input.unit) + " of " + line.name + made_for;
    if (line.tee_m > 0.0) {
        read.description +=
            ", and the Tee's " + with_unit_name(format_length(line.tee_m, input.unit), input.unit);
    }
    return read;
}

sweep_range read_sweep_range(std::u16string_view from, std::u16string_view to,
                             std::u16string_view points, number_options options) {
    sweep_range range;
    if (!trim_blanks(from).empty()) {
        range.from_mhz = read_positive_number(
            {from, error_field::sweep_from, "enter the lowest frequency in MHz"}, options);
    }
    if (!trim_blanks(to).empty()) {
        range.to_mhz = read_positive_number(
            {to, error_field::sweep_to, "enter the highest frequency in MHz"}, options);
    }
    if (range.to_mhz > highest_mhz) {
        throw calc_error(error_kind::out_of_range, error_field::sweep_to,
                         text_message(error_field::sweep_to, to, "is above 100 GHz",
                                      "enter a frequency a coaxial cable carries, in MHz"));
    }
    if (!(range.from_mhz < range.to_mhz)) {
        throw calc_error(error_kind::out_of_range, error_field::sweep_to,
                         "The range from " + plain(range.from_mhz) + " MHz to " +
                             plain(range.to_mhz) +
                             " MHz is upside down or empty: give its lowest frequency first, "
                             "then a higher one.");
    }
    if (!trim_blanks(points).empty()) {
        const double count = read_number(points, error_field::sweep_points, options);
        if (!(count >= 2.0 && count <= static_cast<double>(max_sweep_points)) ||
            count != std::floor(count)) {
            throw calc_error(
                error_kind::out_of_range, error_field::sweep_points,
                text_message(error_field::sweep_points, points,
                             "is not a whole number from 2 to " + std::to_string(max_sweep_points),
                             "enter how many frequencies to compute, for example "
                             "2000"));
        }
        range.points = static_cast<std::size_t>(count);
    }
    return range;
}

stub_sweep sweep_stub(const stub_model& stub, const sweep_range& range) {
    stub_sweep sweep;
    sweep.mhz.resize(range.points);
    sweep.loss_db.resize(range.points);
    const double first = std::log(range.from_mhz);
    const double step = (std::log(range.to_mhz) - first) / static_cast<double>(range.points - 1);
    for (std::size_t i = 0; i < range.points; ++i) {
        const double mhz = i == 0 ? range.from_mhz
                           : i + 1 == range.points
                               ? range.to_mhz
                               : std::exp(first + step * static_cast<double>(i));
        sweep.mhz[i] = mhz;
        sweep.loss_db[i] = insertion_loss_db(stub, mhz);
    }
    return sweep;
}

band_figures band_loss(const stub_model& stub, const amateur_band& band) {
    const extremes found = extremes_across(stub, band.low_mhz, band.high_mhz);
    band_figures figures;
    figures.band = band.name;
    figures.low_mhz = band.low_mhz;
    figures.high_mhz = band.high_mhz;
    figures.least_db = found.least;
    figures.most_db = found.most;
    figures.most_known = stub.loss.has_value() || !found.notch_inside;
    figures.low = edge_text(band.low_mhz);
    figures.high = edge_text(band.high_mhz);
    figures.least = db_text(found.least);
    figures.most = figures.most_known ? db_text(found.most) : std::string(not_known);
    if (shown_db(found.least) >= notch_limit_db) {
        figures.verdict = band_verdict::notches;
        figures.verdict_text = "notches";
    } else if (figures.most_known && shown_db(found.most) <= pass_limit_db) {
        figures.verdict = band_verdict::passes;
        figures.verdict_text = "passes";
    } else {
        figures.verdict = band_verdict::partly;
        figures.verdict_text = figures.most_known ? "partly, up to " + figures.most + " dB"
                                                  : "partly, depth not known";
    }
    figures.summary =
        std::string(band.name) + ": " + figures.least +
        (figures.most_known ? " to " + figures.most + " dB, " : " dB to a depth not known, ") +
        figures.verdict_text;
    return figures;
}

stub_report report_stub(const stub& stub, iaru_region region, const sweep_range& range) {
    const stub_model& model = stub.model;
    stub_report report;
    report.heading = heading_of(stub.description, model.line_ohms, stub.loss, region);
    for (const amateur_band& band : amateur_bands(region)) {
        report.bands.push_back(band_loss(model, band));
    }
    const double quarter = quarter_wave_mhz(model);
    const double first = std::ceil(range.from_mhz / quarter);
    const double last = std::floor(range.to_mhz / quarter);
    const double count = std::max(last - first + 1.0, 0.0);
    const double listed = std::min(count, static_cast<double>(max_listed_resonances));
    for (double i = 0.0; i < listed; ++i) {
        resonance found;
        const double k = first + i;
        found.notch = notches_at(model.end, static_cast<long long>(k));
        found.mhz = k * quarter;
        found.loss_db = insertion_loss_db(model, found.mhz);
        found.kind = found.notch ? "notch" : "pass";
        found.frequency = mhz_text(found.mhz);
        found.loss = found.notch && !model.loss ? std::string(not_known) : db_text(found.loss_db);
        report.resonances.push_back(std::move(found));
    }
    report.unlisted_resonances = static_cast<std::size_t>(count - listed);
    if (report.unlisted_resonances > 0) {
        report.unlisted =
            "and " + std::to_string(report.unlisted_resonances) + " more resonances in the range";
    }
    return report;
}

stub_choices which_stub(std::u16string_view pass_band, std::u16string_view notch_band,
                        iaru_region region, const stub_input& cable_and_line_input,
                        number_options options) {
    const amateur_band pass = band_named(pass_band, region, error_field::pass_band);
    const amateur_band notch = band_named(notch_band, region, error_field::notch_band);
    if (pass.name == notch.name) {
        throw calc_error(error_kind::out_of_range, error_field::notch_band,
                         text_message(error_field::notch_band, notch_band,
                                      "is the band to pass as well",
                                      "enter the other station's band"));
    }
    if (!trim_blanks(cable_and_line_input.dip_ohms).empty()) {
        throw calc_error(error_kind::out_of_range, error_field::dip_resistance,
                         "The resistance at a dip gives the loss of the stub it was measured on, "
                         "not of the stubs to choose from: give the loss from the data sheet.");
    }
    const cable_and_line line = read_cable_and_line(cable_and_line_input, options);
    stub_choices choices;
    choices.heading = heading_of("Stubs of " + line.name + " to pass " + std::string(pass.name) +
                                     " and notch " + std::string(notch.name),
                                 line.line_ohms, line.loss ? line.loss_text : no_loss_text, region);
    choices.pass_band = pass;
    choices.notch_band = notch;

    std::vector<rated_choice> rated;
    for (const stub_end end : {stub_end::shorted, stub_end::open}) {
        for (int quarters = 1; quarters <= 4; ++quarters) {
            // The stub resonates at the frequency it is cut for: there it passes or notches.
            const amateur_band& own = notches_at(end, quarters) ? notch : pass;
            auto rate = [&](double cut_mhz) {
                rated_choice candidate;
                candidate.length_m =
                    line.velocity_factor * metres_per_wave_at_1_mhz / cut_mhz * quarters / 4.0;
                const stub_model model{end,
                                       candidate.length_m,
                                       line.velocity_factor,
                                       line.stub_ohms,
                                       line.line_ohms,
                                       line.loss};
                candidate.choice.pass = band_loss(model, pass);
                candidate.choice.notch = band_loss(model, notch);
                candidate.passes = candidate.choice.pass.verdict == band_verdict::passes;
                candidate.notch_least = candidate.choice.notch.least_db;
                candidate.pass_most = candidate.choice.pass.most_db;
                return candidate;
            };
            // The cut frequency across the band, then finer around the best.
            constexpr int steps = 64;
            double best_mhz = own.low_mhz;
            double width = own.high_mhz - own.low_mhz;
            for (int round = 0; round < 2; ++round) {
                const double from = std::max(own.low_mhz, best_mhz - width / 2.0);
                const double to = std::min(own.high_mhz, best_mhz + width / 2.0);
                rated_choice best = rate(from);
                best_mhz = from;
                for (int i = 1; i <= steps; ++i) {
                    const double mhz = from + (to - from) * i / steps;
                    rated_choice candidate = rate(mhz);
                    if (better(candidate, best)) {
                        best = std::move(candidate);
                        best_mhz = mhz;
                    }
                }
                width = 2.0 * (to - from) / steps;
            }
            // Cut as described: at the frequency as shown.
            const std::string cut_text = mhz_text(best_mhz);
            rated_choice chosen = rate(read_number(std::string_view(cut_text), error_field::none));
            const double cut_m = chosen.length_m - line.tee_m;
            if (!(cut_m > 0.0)) {
                continue; // shorter than the Tee's own arm
            }
            stub_choice& choice = chosen.choice;
            choice.end = end;
            choice.quarter_waves = quarters;
            choice.cut_mhz = read_number(std::string_view(cut_text), error_field::none);
            choice.description = std::string(end_name(end)) + ", " + std::to_string(quarters) +
                                 " quarter wave" + (quarters == 1 ? "" : "s") + " at " + cut_text +
                                 " MHz";
            const length_unit unit = cable_and_line_input.unit;
            if (line.tee_m > 0.0) {
                choice.length = format_length(cut_m, unit);
            } else {
                shown_lengths shown;
                quarter_wave_lengths(std::string_view(cut_text),
                                     std::string_view(std::to_string(quarters)),
                                     line.velocity_factor, unit, shown);
                choice.length = std::move(shown.corrected);
            }
            choice.cut = cut_text;
            choice.summary =
                choice.description + ": cut the cable to " + with_unit_name(choice.length, unit);
            rated.push_back(std::move(chosen));
        }
    }
    // The same stub described twice (a shorted half wave at 14.2 MHz is a shorted quarter wave at
    // 7.1 MHz) is listed once, where the better of them stands, with the fewer quarter waves.
    std::sort(rated.begin(), rated.end(), better);
    const auto same_stub = [](const rated_choice& a, const rated_choice& b) {
        return a.choice.end == b.choice.end &&
               std::fabs(a.length_m - b.length_m) <= same_length * a.length_m;
    };
    std::vector<const rated_choice*> kept;
    for (const rated_choice& candidate : rated) {
        const auto twin = std::find_if(kept.begin(), kept.end(), [&](const rated_choice* other) {
            return same_stub(*other, candidate);
        });
        if (twin == kept.end()) {
            kept.push_back(&candidate);
        } else if (candidate.choice.quarter_waves < (*twin)->choice.quarter_waves) {
            *twin = &candidate;
        }
    }
    for (const rated_choice* candidate : kept) {
        if (candidate->passes && shown_db(candidate->notch_least) >= worth_cutting_db) {
            choices.stubs.push_back(candidate->choice);
        }
    }
    if (choices.stubs.empty()) {
        choices.none = "No stub of 1 to 4 quarter waves passes " + std::string(pass.name) +
                       " with at most " + plain(pass_limit_db) + " dB and notches " +
                       std::string(notch.name) + " by " + plain(worth_cutting_db) + " dB or more.";
    }
    return choices;
}

} // namespace ridi
