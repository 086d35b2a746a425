// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of what a stub does, natively: the 2,000-point sweep a plot draws, with the band table
// beside it, and the choice of stubs for two stations.
//   build/bench/bench_stub
#include "ridi/stub.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// A shorted quarter wave for 7.1 MHz of RG-213 losing 5.9 dB/100 m at 100 MHz.
ridi::stub_input classic_input() {
    ridi::stub_input input;
    input.end = ridi::stub_end::shorted;
    input.frequency = u"7.1";
    input.quarter_waves = u"1";
    input.cable = u"RG-213";
    input.loss = u"5.9";
    input.loss_mhz = u"100";
    return input;
}

ridi::stub classic_stub() {
    return ridi::read_stub(classic_input());
}

// What a page shows for one stub: the sweep from 1.8 to 450 MHz and the band table with the
// resonances.
void sweep_and_band_table(benchmark::State& state) {
    const ridi::stub read = classic_stub();
    const ridi::sweep_range range{1.8, 450.0, 2000};
    for (auto _ : state) {
        const ridi::stub_sweep sweep = ridi::sweep_stub(read.model, range);
        const ridi::stub_report report = ridi::report_stub(read, ridi::iaru_region::one, range);
        benchmark::DoNotOptimize(sweep.loss_db.data());
        benchmark::DoNotOptimize(report.bands.data());
    }
}
BENCHMARK(sweep_and_band_table)->Unit(benchmark::kMicrosecond);

// The sweep alone, a point at a time.
void sweep_points(benchmark::State& state) {
    const ridi::stub read = classic_stub();
    const ridi::sweep_range range{1.8, 450.0, 2000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ridi::sweep_stub(read.model, range).loss_db.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(range.points));
}
BENCHMARK(sweep_points)->Unit(benchmark::kMicrosecond);

void which_stub_for_two_stations(benchmark::State& state) {
    const ridi::stub_input cable = classic_input();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ridi::which_stub(u"40m", u"20m", ridi::iaru_region::one, cable).stubs.data());
    }
}
BENCHMARK(which_stub_for_two_stations)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
