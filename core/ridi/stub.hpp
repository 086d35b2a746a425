// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a coaxial stub on a Tee does: its insertion loss across a matched line at any frequency,
// swept over a range, summed up per amateur band, and which stub to cut to pass one band and
// notch another.
//
// The model: the stub, a line of characteristic impedance Zc, length l (the Tee's allowance
// included) and propagation constant g = a + jb, open or shorted at its far end, stands across
// a matched line of impedance Z0. Its input impedance is Zs = Zc coth(gl) open and Zc tanh(gl)
// shorted, and the insertion loss is IL = 20 log10 |1 + Z0 / (2 Zs)|. The phase constant is
// b = 2 pi f / (VF v0), v0 being the free-space speed RI-DI's lengths use (300 / f metres a
// wavelength at f MHz), so that a stub cut to RI-DI's length for f resonates at f exactly. The
// loss a (dB per 100 m) is k1 sqrt(f) + k2 f.
#pragma once

#include "ridi/bands.hpp"
#include "ridi/number_text.hpp"
#include "ridi/units.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ridi {

enum class stub_end { open, shorted };

// A cable's matched loss in dB per 100 m at f MHz: sqrt_term sqrt(f) + linear_term f. The first
// term is the conductors' skin effect, the second the dielectric's loss.
struct cable_loss {
    double sqrt_term;
    double linear_term;
};

// The stub as the model computes it.
struct stub_model {
    stub_end end = stub_end::open;
    double length_m = 0.0; // from the Tee to the far end, the Tee's allowance included
    double velocity_factor = 0.0;
    double stub_ohms = 50.0;        // Zc
    double line_ohms = 50.0;        // Z0
    std::optional<cable_loss> loss; // none: the depth of a notch is not known
};

// The loss of `loss` in dB per 100 m at `mhz`.
double loss_per_100m(const cable_loss& loss, double mhz) noexcept;

// The frequency in MHz at which the stub is a quarter wave long; its resonances are the whole
// multiples of it, notches and passes by turns (an open stub notches at the odd ones).
double quarter_wave_mhz(const stub_model& stub) noexcept;

// Whether the k-th resonance (k >= 1, at k quarter_wave_mhz) notches; otherwise it passes.
bool notches_at(stub_end end, long long k) noexcept;

// The insertion loss in dB at `mhz` (greater than 0): without a loss figure that of a lossless
// stub. Never more than max_loss_db, which no sum of doubles reaches but a lossless notch hit
// exactly would.
double insertion_loss_db(const stub_model& stub, double mhz) noexcept;
inline constexpr double max_loss_db = 999.0;

// What the user typed for a stub and the line it sits on. A text left empty is not given, as
// each says.
struct stub_input {
    stub_end end = stub_end::open;
    // The length of the stub in `unit`; empty: the length of `quarter_waves` quarter waves at
    // `frequency` MHz in the cable, as quarter_wave_lengths computes it before rounding.
    std::u16string_view length;
    std::u16string_view frequency;
    std::u16string_view quarter_waves;
    // A catalogue cable; empty: the factor of velocity_factor (velocity_factor_from_text).
    std::u16string_view cable;
    double velocity_factor = 0.0;
    // The matched loss from a data sheet: dB per 100 m at a frequency in MHz, and optionally a
    // second figure at another frequency. With one figure the loss grows as sqrt(f) (the skin
    // effect alone); with two, the sqrt(f) and f terms are fitted to both.
    std::u16string_view loss;
    std::u16string_view loss_mhz;
    std::u16string_view second_loss;
    std::u16string_view second_loss_mhz;
    // Or the resistance in ohms an analyser shows at the stub's first dip (its first resonance
    // of low impedance), |Zs| = Zc tanh(a l) there, which gives the loss as one sqrt(f) figure.
    std::u16string_view dip_ohms;
    std::u16string_view tee;       // the Tee's allowance in `unit`, counted as cable; empty: 0
    std::u16string_view line_ohms; // Z0; empty: 50
    std::u16string_view stub_ohms; // Zc; empty: the cable's nominal impedance, 50 for own cable
    length_unit unit = length_unit::metres;
};

// A stub read: its model, and its description in words for a heading.
struct stub {
    stub_model model;
    std::string length;      // the stub's length as typed or calculated, in its unit: "6.972"
    std::string description; // "Shorted stub, 6.972 m of RG-213 (V/F 0.66, 50 ohm)"
    std::string loss;        // "5.9 dB/100 m at 100 MHz", or what says the loss is not known
};

// The stub `input` describes. Every fault throws a calc_error naming the text to blame: a
// number that is not one, a length, frequency or count not greater than 0, a negative Tee
// allowance, a cable not in the catalogue, a loss or dip that no cable can have.
stub read_stub(const stub_input& input, number_options options = {});

// The frequencies a sweep computes: `points` from `from_mhz` to `to_mhz`, evenly on a log scale.
struct sweep_range {
    double from_mhz = 1.8; // the bottom of 160 m
    double to_mhz = 450.0; // the top of 70 cm
    std::size_t points = 2000;
};
inline constexpr std::size_t max_sweep_points = 100000;

// The range typed; an empty text keeps the default. The frequencies must be greater than 0 and
// the lowest below the highest; the points at least 2 and at most max_sweep_points, whole.
sweep_range read_sweep_range(std::u16string_view from, std::u16string_view to,
                             std::u16string_view points, number_options options = {});

// The insertion loss at each frequency of the range, lowest first: two arrays of one length.
struct stub_sweep {
    std::vector<double> mhz;
    std::vector<double> loss_db;
};
stub_sweep sweep_stub(const stub_model& stub, const sweep_range& range);

// The words of the tables, heads and verdicts, as every front-end shows them.
inline constexpr std::string_view band_column_head = "Band";
inline constexpr std::string_view from_column_head = "From (MHz)";
inline constexpr std::string_view to_column_head = "To (MHz)";
inline constexpr std::string_view least_column_head = "Least (dB)";
inline constexpr std::string_view most_column_head = "Most (dB)";
inline constexpr std::string_view verdict_column_head = "Verdict";
inline constexpr std::string_view not_known = "not known";
inline constexpr std::string_view resonance_column_head = "Resonance";
inline constexpr std::string_view at_column_head = "At (MHz)";
inline constexpr std::string_view loss_column_head = "Loss (dB)";

// What a stub does across a band: "passes" (at most pass_limit_db across the band), "notches"
// (at least notch_limit_db across it), or "partly" (with the most it loses there).
enum class band_verdict { passes, notches, partly };
inline constexpr double pass_limit_db = 0.5;
inline constexpr double notch_limit_db = 20.0;

// The least and the most insertion loss across a band, and the verdict, as numbers and as the
// texts a table shows (three decimals of MHz, one of dB).
struct band_figures {
    std::string_view band; // "40 m"
    double low_mhz = 0.0;
    double high_mhz = 0.0;
    double least_db = 0.0;
    double most_db = 0.0;
    bool most_known = true; // false without a loss figure where a notch lies in the band
    band_verdict verdict = band_verdict::partly;
    std::string low;
    std::string high;
    std::string least;
    std::string most; // not_known where most_known is false
    std::string verdict_text;
    std::string summary; // "40 m: 0.1 to 0.1 dB, passes"
};
band_figures band_loss(const stub_model& stub, const amateur_band& band);

// A resonance of the stub: a notch (low Zs) or a pass (high Zs), with its frequency and loss.
struct resonance {
    bool notch = false;
    double mhz = 0.0;
    double loss_db = 0.0;
    std::string kind;      // "notch" or "pass"
    std::string frequency; // three decimals of MHz
    std::string loss;      // one decimal of dB, or not_known for a notch without a loss figure
};
inline constexpr std::size_t max_listed_resonances = 200;

// What a stub does on every band of a region and where it resonates within a range.
struct stub_report {
    std::vector<std::string> heading;    // the stub, the line and the region, line by line
    std::vector<band_figures> bands;     // every band of the region, lowest first
    std::vector<resonance> resonances;   // within the range, lowest first, max_listed_resonances
    std::size_t unlisted_resonances = 0; // within the range beyond those listed
    std::string unlisted;                // "and 812 more resonances in the range", or empty
};
stub_report report_stub(const stub& stub, iaru_region region, const sweep_range& range);

// A stub worth cutting for a station on one band beside another's: open or shorted,
// quarter_waves quarter waves at cut_mhz, and what it does on both bands.
struct stub_choice {
    stub_end end = stub_end::open;
    int quarter_waves = 1;
    double cut_mhz = 0.0;
    std::string cut;         // cut_mhz as the description shows it: "7.088"
    std::string description; // "shorted, 1 quarter wave at 7.088 MHz"
    std::string length;      // of the cable to cut, in the unit asked for, as RI-DI cuts it
    std::string summary;     // the description and the length to cut the cable to, with its unit
    band_figures pass;
    band_figures notch;
};

// The stubs that pass `pass_band` (at most pass_limit_db across it) and notch `notch_band` by at
// least 10 dB more, best first: open or shorted, 1 to 4 quarter waves, each cut at the frequency
// of its own band that makes the least loss across the band to notch greatest; a stub the same
// as a better one (the same end and length) is left out. Best is the greatest least loss across
// the band to notch, then the least loss across the band to pass, then the fewer quarter waves.
// `cable_and_line` gives the cable, loss, Tee allowance, impedances and unit; its end, length,
// frequency, quarter waves and dip are not used (a dip belongs to one stub: given, it is an
// error). Throws a calc_error for a band not of the region (or the same band twice) and for
// what read_stub refuses.
struct stub_choices {
    std::vector<std::string> heading; // the cable, the bands, the line and the region
    amateur_band pass_band;
    amateur_band notch_band;
    std::vector<stub_choice> stubs;
    std::string none; // why no stub is listed, when none is
};
stub_choices which_stub(std::u16string_view pass_band, std::u16string_view notch_band,
                        iaru_region region, const stub_input& cable_and_line,
                        number_options options = {});

// "Open" or "Shorted" and "open" or "shorted", as a description names the end.
std::string_view end_name(stub_end end) noexcept;

} // namespace ridi
