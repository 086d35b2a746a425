// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a stub on a Tee does: the loss figures against those scikit-rf gives for the same stubs
// (tests/cli/stub_reference.py checks the whole curve through ridi-calc), the resonances where
// RI-DI's lengths put them, the band edges against a listing of the IARU band plans written out
// here, the classic pair of stations, and input that no stub can have.
#include "ridi/bands.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/error.hpp"
#include "ridi/number_text.hpp"
#include "ridi/stub.hpp"
#include "ridi/utf.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using ridi::error_field;
using ridi::iaru_region;
using ridi::stub_end;

// An open stub of `quarters` quarter waves at `mhz` of `cable`, as typed.
ridi::stub_input cut_for(const char16_t* mhz, const char16_t* quarters = u"1",
                         const char16_t* cable = u"RG-213") {
    ridi::stub_input input;
    input.frequency = mhz;
    input.quarter_waves = quarters;
    input.cable = cable;
    return input;
}

ridi::stub stub_of(stub_end end, const char16_t* mhz, const char16_t* quarters,
                   const char16_t* cable) {
    ridi::stub_input input = cut_for(mhz, quarters, cable);
    input.end = end;
    return ridi::read_stub(input);
}

struct figure_case {
    stub_end end;
    double mhz;
    double db;
    const char* why;
};

TEST(Stub, LossAsScikitRfComputesIt) {
    // A 7.1 MHz quarter wave of a cable of V/F 0.66 losing 5.9 dB/100 m at 100 MHz, the loss
    // growing as sqrt(f): scikit-rf 0.15.4, the stub's input impedance from a line in its own
    // impedance, put across a 50 ohm line as a shunt (tests/cli/stub_reference.py).
    const figure_case rows[] = {
        {stub_end::shorted, 7.1, 0.05462716, "a shorted quarter wave passes its own frequency"},
        {stub_end::shorted, 14.2, 29.2543198, "and notches its second harmonic, loss-limited"},
        {stub_end::shorted, 28.4, 26.36799273, "the fourth, shallower as the loss grows"},
        {stub_end::open, 7.1, 32.17606353, "an open quarter wave notches its own frequency"},
        {stub_end::open, 14.2, 0.07715015, "and passes the second harmonic"},
        {stub_end::open, 21.3, 27.56085456, "the third harmonic notched again"},
    };
    for (const figure_case& row : rows) {
        SCOPED_TRACE(row.why);
        ridi::stub_input input = cut_for(u"7.1", u"1", u"");
        input.end = row.end;
        input.velocity_factor = 0.66;
        input.loss = u"5.9";
        input.loss_mhz = u"100";
        EXPECT_NEAR(ridi::insertion_loss_db(ridi::read_stub(input).model, row.mhz), row.db, 1e-7);
    }
}

TEST(Stub, ResonatesWhereRiDiCutsIt) {
    // Every catalogue cable's factor as the window multiplies with it, from one to four quarter
    // waves, from 160 m to 70 cm: the first resonance is the frequency over the quarter waves.
    for (const ridi::cable& cable : ridi::cable_catalogue()) {
        for (const double quarters : {1.0, 2.0, 3.0, 4.0}) {
            for (const double mhz : {1.81, 7.1, 435.85}) {
                const std::u16string mhz_text = ridi::text_from_number(mhz);
                const std::u16string quarters_text = ridi::text_from_number(quarters);
                const ridi::stub read =
                    stub_of(stub_end::open, mhz_text.c_str(), quarters_text.c_str(),
                            std::u16string(cable.name).c_str());
                EXPECT_NEAR(ridi::quarter_wave_mhz(read.model) * quarters / mhz, 1.0, 1e-15)
                    << ridi::utf16_to_utf8(cable.name) << " " << quarters << " at " << mhz;
            }
        }
    }
    // The resonance listed at the frequency cut for, as typed.
    const ridi::stub read = stub_of(stub_end::shorted, u"14.2", u"1", u"RG-58");
    const ridi::stub_report report = ridi::report_stub(read, iaru_region::one, {10.0, 30.0, 2});
    ASSERT_FALSE(report.resonances.empty());
    EXPECT_EQ(report.resonances.front().frequency, "14.200");
    EXPECT_EQ(report.resonances.front().kind, "pass");
}

TEST(Stub, TeeAllowanceMovesShortStubsFar) {
    // The README's figures: 3 cm of Tee on an open quarter wave of RG-213.
    struct tee_case {
        const char16_t* mhz;
        double moved_mhz;
        const char* why;
    };
    const tee_case rows[] = {
        {u"145", 11.7, "0.341 m of cable: the notch falls by about 12 MHz"},
        {u"7.1", 0.0304, "6.972 m: by about 30 kHz"},
    };
    for (const tee_case& row : rows) {
        SCOPED_TRACE(row.why);
        ridi::stub_input input = cut_for(row.mhz);
        input.tee = u"3";
        input.unit = ridi::length_unit::centimetres;
        const double moved = ridi::read_number(std::u16string_view(row.mhz), error_field::none) -
                             ridi::quarter_wave_mhz(ridi::read_stub(input).model);
        EXPECT_NEAR(moved, row.moved_mhz, row.moved_mhz * 0.01);
    }
}

TEST(Stub, LossFromTwoFiguresOrADip) {
    ridi::stub_input input;
    input.length = u"5";
    input.cable = u"RG-58";
    input.loss = u"13.0";
    input.loss_mhz = u"100";
    input.second_loss = u"31";
    input.second_loss_mhz = u"400";
    const ridi::cable_loss loss = *ridi::read_stub(input).model.loss;
    EXPECT_NEAR(ridi::loss_per_100m(loss, 100.0), 13.0, 1e-12) << "through both figures";
    EXPECT_NEAR(ridi::loss_per_100m(loss, 400.0), 31.0, 1e-12);

    // At the dip of an open stub Zs is real, the resistance shown: IL = 20 log10(1 + 25 / R).
    ridi::stub_input dip;
    dip.length = u"5";
    dip.cable = u"RG-58";
    dip.dip_ohms = u"1.5";
    const ridi::stub read = ridi::read_stub(dip);
    EXPECT_NEAR(ridi::insertion_loss_db(read.model, ridi::quarter_wave_mhz(read.model)),
                20.0 * std::log10(1.0 + 25.0 / 1.5), 1e-9);
}

TEST(Stub, WithoutALossFigureTheDepthIsNotKnown) {
    const ridi::stub read = stub_of(stub_end::open, u"7.1", u"1", u"RG-213");
    const ridi::band_figures forty = ridi::band_loss(read.model, {"40 m", 7.0, 7.2});
    EXPECT_FALSE(forty.most_known) << "the notch lies within the band";
    EXPECT_EQ(forty.most, "not known");
    EXPECT_EQ(forty.verdict_text, "notches") << "the least is a lossless stub's, far above 20 dB";
    const ridi::band_figures twenty = ridi::band_loss(read.model, {"20 m", 14.0, 14.35});
    EXPECT_EQ(twenty.verdict_text, "passes");
    const ridi::stub_report report = ridi::report_stub(read, iaru_region::one, {7.0, 7.2, 2});
    ASSERT_EQ(report.resonances.size(), 1u);
    EXPECT_EQ(report.resonances.front().loss, "not known");
    EXPECT_LE(ridi::insertion_loss_db(read.model, 7.1), ridi::max_loss_db) << "never infinite";
}

// The band edges in kHz, from the IARU band plans of each region (Region 1 HF plan 2020, VHF
// Handbook; Region 2 MF/HF plan; Region 3 document R3-004) and, where a plan gives none, the
// ITU Table of Frequency Allocations. 0: not allocated.
struct listed_band {
    const char* name;
    int low[3];
    int high[3];
};

constexpr listed_band iaru_listing[] = {
    {"160 m", {1810, 1800, 1800}, {2000, 2000, 2000}},
    {"80 m", {3500, 3500, 3500}, {3800, 4000, 3900}},
    {"60 m", {0, 0, 0}, {0, 0, 0}}, // 5351.5-5366.5 kHz everywhere: checked on its own
    {"40 m", {7000, 7000, 7000}, {7200, 7300, 7200}},
    {"30 m", {10100, 10100, 10100}, {10150, 10150, 10150}},
    {"20 m", {14000, 14000, 14000}, {14350, 14350, 14350}},
    {"17 m", {18068, 18068, 18068}, {18168, 18168, 18168}},
    {"15 m", {21000, 21000, 21000}, {21450, 21450, 21450}},
    {"12 m", {24890, 24890, 24890}, {24990, 24990, 24990}},
    {"10 m", {28000, 28000, 28000}, {29700, 29700, 29700}},
    {"6 m", {50000, 50000, 50000}, {52000, 54000, 54000}},
    {"4 m", {70000, 0, 0}, {70500, 0, 0}},
    {"2 m", {144000, 144000, 144000}, {146000, 148000, 148000}},
    {"70 cm", {430000, 430000, 430000}, {440000, 440000, 440000}},
};

TEST(Bands, EdgesAsTheBandPlansList) {
    const iaru_region regions[] = {iaru_region::one, iaru_region::two, iaru_region::three};
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(ridi::region_caption(regions[r]));
        std::vector<listed_band> expected;
        const std::vector<ridi::amateur_band> bands = ridi::amateur_bands(regions[r]);
        std::size_t i = 0;
        for (const listed_band& row : iaru_listing) {
            if (std::string(row.name) == "4 m" && row.high[r] == 0) {
                continue;
            }
            ASSERT_LT(i, bands.size());
            const ridi::amateur_band& band = bands[i++];
            EXPECT_EQ(band.name, row.name);
            const double low = std::string(row.name) == "60 m" ? 5351.5 : row.low[r];
            const double high = std::string(row.name) == "60 m" ? 5366.5 : row.high[r];
            EXPECT_DOUBLE_EQ(band.low_mhz * 1000.0, low) << row.name;
            EXPECT_DOUBLE_EQ(band.high_mhz * 1000.0, high) << row.name;
        }
        EXPECT_EQ(i, bands.size());
    }
}

TEST(Bands, NamedAsUsersWriteThem) {
    const char16_t* names[] = {u"40m", u"40 m", u"40M", u"40", u"70cm", u"70", u" 2 m"};
    const char* meant[] = {"40 m", "40 m", "40 m", "40 m", "70 cm", "70 cm", "2 m"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        EXPECT_EQ(ridi::band_named(names[i], iaru_region::one, error_field::pass_band).name,
                  meant[i]);
    }
    EXPECT_THROW(ridi::band_named(u"4m", iaru_region::two, error_field::pass_band),
                 ridi::calc_error)
        << "no 4 m band in Region 2";
}

TEST(WhichStub, TheClassicPairInEveryRegion) {
    ridi::stub_input cable;
    cable.cable = u"RG-213";
    cable.loss = u"5.9";
    cable.loss_mhz = u"100";
    for (const iaru_region region : {iaru_region::one, iaru_region::two, iaru_region::three}) {
        SCOPED_TRACE(ridi::region_caption(region));
        const ridi::amateur_band forty = ridi::band_named(u"40m", region, error_field::none);
        const auto expect_quarter_wave_at_40 = [&](const ridi::stub_choices& choices,
                                                   stub_end end) {
            ASSERT_FALSE(choices.stubs.empty());
            const ridi::stub_choice& best = choices.stubs.front();
            EXPECT_EQ(best.end, end);
            EXPECT_EQ(best.quarter_waves, 1);
            EXPECT_GE(best.cut_mhz, forty.low_mhz);
            EXPECT_LE(best.cut_mhz, forty.high_mhz);
            EXPECT_EQ(best.pass.verdict_text, "passes");
            EXPECT_EQ(best.notch.verdict_text, "notches");
        };
        // The 40 m rig: a shorted quarter wave at 40 m, passing 40 and notching 20 m; the 20 m
        // rig: an open quarter wave at 40 m.
        expect_quarter_wave_at_40(ridi::which_stub(u"40m", u"20m", region, cable),
                                  stub_end::shorted);
        expect_quarter_wave_at_40(ridi::which_stub(u"20m", u"40m", region, cable), stub_end::open);
    }
}

struct fault_case {
    ridi::stub_input input;
    error_field field;
    const char* why;
};

template <typename Change> ridi::stub_input changed(Change change) {
    ridi::stub_input input = cut_for(u"7.1");
    change(input);
    return input;
}

TEST(Stub, InputNoStubCanHaveNamesItsField) {
    const fault_case rows[] = {
        {changed([](auto& in) { in.length = u"0"; }), error_field::length, "a length of 0"},
        {changed([](auto& in) { in.length = u"-2"; }), error_field::length, "a negative length"},
        {changed([](auto& in) { in.length = u"1e300"; }), error_field::length,
         "a stub resonating below 1 Hz, whose resonances no loop would count"},
        {changed([](auto& in) { in.frequency = u"0"; }), error_field::frequency, "0 MHz"},
        {changed([](auto& in) { in.cable = u"rg213"; }), error_field::cable, "not the catalogue's"},
        {changed([](auto& in) { in.cable = u""; }), error_field::cable, "no cable, no factor"},
        {changed([](auto& in) { in.loss = u"0", in.loss_mhz = u"100"; }), error_field::loss,
         "a cable without loss"},
        {changed([](auto& in) { in.loss = u"2000", in.loss_mhz = u"100"; }), error_field::loss,
         "more loss than any coax"},
        {changed([](auto& in) { in.loss = u"5.9"; }), error_field::loss_frequency,
         "a loss without its frequency"},
        {changed([](auto& in) {
             in.loss = u"13", in.loss_mhz = u"100", in.second_loss = u"12",
             in.second_loss_mhz = u"400";
         }),
         error_field::loss, "a loss that falls as the frequency rises"},
        {changed([](auto& in) {
             in.loss = u"1", in.loss_mhz = u"100", in.second_loss = u"9",
             in.second_loss_mhz = u"400";
         }),
         error_field::loss, "a loss that grows faster than the frequency"},
        {changed([](auto& in) { in.dip_ohms = u"50"; }), error_field::dip_resistance,
         "a dip as high as the cable's impedance"},
        {changed([](auto& in) { in.dip_ohms = u"1", in.loss = u"5", in.loss_mhz = u"100"; }),
         error_field::dip_resistance, "the loss given twice"},
        {changed([](auto& in) { in.tee = u"-0.03"; }), error_field::tee_allowance,
         "a negative Tee"},
        {changed([](auto& in) { in.stub_ohms = u"0"; }), error_field::stub_impedance, "0 ohm"},
    };
    for (const fault_case& row : rows) {
        SCOPED_TRACE(row.why);
        try {
            ridi::read_stub(row.input);
            ADD_FAILURE() << "no error";
        } catch (const ridi::calc_error& error) {
            EXPECT_EQ(error.field(), row.field) << error.what();
        }
    }
}

TEST(SweepRange, ARangeThatCannotBeSweptNamesItsField) {
    struct range_case {
        const char16_t* from;
        const char16_t* to;
        const char16_t* points;
        error_field field;
        const char* why;
    };
    const range_case rows[] = {
        {u"450", u"1.8", u"", error_field::sweep_to, "upside down"},
        {u"500", u"", u"", error_field::sweep_to, "above the default top"},
        {u"0", u"", u"", error_field::sweep_from, "a log scale from 0"},
        {u"", u"1e9", u"", error_field::sweep_to, "far above any coax"},
        {u"", u"", u"1000000", error_field::sweep_points, "a million points"},
        {u"", u"", u"1", error_field::sweep_points, "one point is no sweep"},
        {u"", u"", u"20.5", error_field::sweep_points, "half a point"},
    };
    for (const range_case& row : rows) {
        SCOPED_TRACE(row.why);
        try {
            ridi::read_sweep_range(row.from, row.to, row.points);
            ADD_FAILURE() << "no error";
        } catch (const ridi::calc_error& error) {
            EXPECT_EQ(error.field(), row.field) << error.what();
        }
    }
    const ridi::stub_sweep sweep =
        ridi::sweep_stub(stub_of(stub_end::open, u"7.1", u"1", u"RG-213").model,
                         ridi::read_sweep_range(u"1.8", u"450", u"2000"));
    ASSERT_EQ(sweep.mhz.size(), 2000u);
    EXPECT_EQ(sweep.mhz.front(), 1.8) << "the ends exactly as typed";
    EXPECT_EQ(sweep.mhz.back(), 450.0);
}

} // namespace
