// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/bands.hpp"

#include "text_message.hpp"
#include "typed_text.hpp"

#include "ridi/utf.hpp"

#include <array>
#include <cstddef>

namespace ridi {
namespace {

struct band_edges {
    double low_mhz;
    double high_mhz; // 0 where the band is not allocated in the region
};

struct band_row {
    std::string_view name;
    std::array<band_edges, 3> regions; // Region 1, 2, 3
};

constexpr band_edges none{0.0, 0.0};

// The sources: the IARU Region 1 HF band plan (effective 16 October 2020) and its VHF/UHF band
// plans (VHF Handbook); the IARU Region 2 MF/HF band plan; the IARU Region 3 band plan
// (document R3-004, 2019); the Table of Frequency Allocations of the ITU Radio Regulations,
// Article 5, where a region's band plan was not to be had.
constexpr std::array<band_row, 14> band_table{{
    // R1 1810-2000 kHz (R1 HF plan); R2 1800-2000 kHz (R2 MF/HF plan); R3 1800-2000 kHz (RR Art. 5)
    {"160 m", {{{1.810, 2.000}, {1.800, 2.000}, {1.800, 2.000}}}},
    // R1 3500-3800 kHz (R1 HF plan); R2 3500-4000 kHz (R2 MF/HF plan); R3 3500-3900 kHz (RR Art. 5)
    {"80 m", {{{3.500, 3.800}, {3.500, 4.000}, {3.500, 3.900}}}},
    // 5351.5-5366.5 kHz everywhere: WRC-15 (R1 HF plan; R2 plan since 2016)
    {"60 m", {{{5.3515, 5.3665}, {5.3515, 5.3665}, {5.3515, 5.3665}}}},
    // R1 7000-7200 kHz (R1 HF plan); R2 7000-7300 kHz (R2 MF/HF plan); R3 7000-7200 kHz (R3-004:
    // 7200-7300 kHz is not allocated to amateurs in Region 3)
    {"40 m", {{{7.000, 7.200}, {7.000, 7.300}, {7.000, 7.200}}}},
    // 10100-10150 kHz everywhere (R1 HF plan, R2 MF/HF plan, R3-004)
    {"30 m", {{{10.100, 10.150}, {10.100, 10.150}, {10.100, 10.150}}}},
    // 14000-14350 kHz everywhere (R1 HF plan, R2 MF/HF plan, R3-004)
    {"20 m", {{{14.000, 14.350}, {14.000, 14.350}, {14.000, 14.350}}}},
    // 18068-18168 kHz everywhere (R1 HF plan, R2 MF/HF plan, R3-004)
    {"17 m", {{{18.068, 18.168}, {18.068, 18.168}, {18.068, 18.168}}}},
    // 21000-21450 kHz everywhere (R1 HF plan, R2 MF/HF plan, R3-004)
    {"15 m", {{{21.000, 21.450}, {21.000, 21.450}, {21.000, 21.450}}}},
    // 24890-24990 kHz everywhere (R1 HF plan, R2 MF/HF plan, R3-004)
    {"12 m", {{{24.890, 24.990}, {24.890, 24.990}, {24.890, 24.990}}}},
    // 28000-29700 kHz everywhere (R1 HF plan, R2 MF/HF plan, R3-004)
    {"10 m", {{{28.000, 29.700}, {28.000, 29.700}, {28.000, 29.700}}}},
    // R1 50-52 MHz (R1 50 MHz plan; WRC-19); R2 and R3 50-54 MHz (RR Art. 5)
    {"6 m", {{{50.000, 52.000}, {50.000, 54.000}, {50.000, 54.000}}}},
    // 70.0-70.5 MHz, allocated nationally in Region 1 only (R1 70 MHz plan)
    {"4 m", {{{70.000, 70.500}, none, none}}},
    // R1 144-146 MHz (R1 145 MHz plan); R2 and R3 144-148 MHz (RR Art. 5)
    {"2 m", {{{144.000, 146.000}, {144.000, 148.000}, {144.000, 148.000}}}},
    // 430-440 MHz in each region's table (R1 435 MHz plan; RR Art. 5). Wider national
    // allocations, 420-450 MHz in the United States, are not a region's.
    {"70 cm", {{{430.000, 440.000}, {430.000, 440.000}, {430.000, 440.000}}}},
}};

std::size_t index_of(iaru_region region) {
    return static_cast<std::size_t>(region);
}

// The names of the region's bands as band_named takes them, for a message: "160m, 80m, ...,
// 2m or 70cm".
std::string band_list(const std::vector<amateur_band>& bands) {
    std::string list;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (i > 0) {
            list += i + 1 < bands.size() ? ", " : " or ";
        }
        for (const char c : bands[i].name) {
            if (c != ' ') {
                list += c;
            }
        }
    }
    return list;
}

} // namespace

std::string region_caption(iaru_region region) {
    return "IARU Region " + std::to_string(index_of(region) + 1);
}

std::vector<amateur_band> amateur_bands(iaru_region region) {
    std::vector<amateur_band> bands;
    for (const band_row& row : band_table) {
        const band_edges& edges = row.regions[index_of(region)];
        if (edges.high_mhz > 0.0) {
            bands.push_back({row.name, edges.low_mhz, edges.high_mhz});
        }
    }
    return bands;
}

amateur_band band_named(std::u16string_view text, iaru_region region, error_field field) {
    const std::u16string typed = folded_name(text);
    const std::vector<amateur_band> bands = amateur_bands(region);
    for (const amateur_band& band : bands) {
        const std::u16string name = folded_name(utf8_to_utf16(band.name));
        const std::u16string number = name.substr(0, name.find_first_not_of(u"0123456789"));
        if (!typed.empty() && (typed == name || typed == number)) {
            return band;
        }
    }
    throw calc_error(error_kind::out_of_range, field,
                     text_message(field, text,
                                  "is not an amateur band of " + region_caption(region),
                                  "enter one of " + band_list(bands)));
}

} // namespace ridi
