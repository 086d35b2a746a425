// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one whole calculation and of ridi-calc's batch mode.
//   build/bench/bench_core
#include "batch.hpp"
#include "ridi/calculation.hpp"
#include "ridi/number_text.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

void whole_calculation(benchmark::State& state) {
    ridi::form_strings form;
    form.freq = u"435.850";
    form.qtr_num = u"1";
    form.cable = u"RG-58";
    for (auto _ : state) {
        ridi::calc_cmd_Click(form);
        benchmark::DoNotOptimize(form.vf_length.data());
    }
}
BENCHMARK(whole_calculation);

// The two conversions of the calculation on its own, on the texts of the starting form.
void number_from_text_plain(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ridi::number_from_text(u"435.850", ridi::error_field::frequency));
    }
}
BENCHMARK(number_from_text_plain);

// The number reader on the rarer texts: exponents, signs, blanks, long digits, subnormals and
// numbers beyond the double range.
void read_number_general(benchmark::State& state) {
    static constexpr std::array<std::u16string_view, 8> texts{u"2.5e1",
                                                              u"-100",
                                                              u" 435.850 ",
                                                              u"1.2345678901234567890123",
                                                              u"4.9e-324",
                                                              u"1e-400",
                                                              u"0.000000000000000000000000001e-5",
                                                              u"7.1E+2"};
    for (auto _ : state) {
        for (const std::u16string_view text : texts) {
            benchmark::DoNotOptimize(ridi::read_number(text, ridi::error_field::frequency));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(read_number_general);

void text_from_number_caption(benchmark::State& state) {
    double length = 300 / 435.85 * (1 / 4.0);
    ridi::caption_text text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(ridi::show_number(length, text).text.data());
    }
}
BENCHMARK(text_from_number_caption);

std::string batch_input(int lines) {
    const char* const cables[] = {"RG-58", "RG-142", "H100", "H500", "RG-213"};
    std::string input;
    for (int i = 0; i < lines; ++i) {
        input += std::to_string(1 + i % 2000) + "." + std::to_string(i % 1000) + "\t" +
                 std::to_string(1 + i % 8) + "\t" + cables[i % 5] + "\n";
    }
    return input;
}

void batch_million_lines(benchmark::State& state) {
    constexpr int lines = 1'000'000;
    const std::string input = batch_input(lines);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream warnings; // none: every cable is in the catalogue
        benchmark::DoNotOptimize(ridi::cli::run_batch(in, out, warnings));
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(batch_million_lines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
