// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The amateur bands from 160 m to 70 cm, with their edges in each IARU region.
#pragma once

#include "ridi/error.hpp"
#include "ridi/number_text.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace ridi {

enum class iaru_region { one, two, three };

// "IARU Region 1", as a table's heading names the region.
std::string region_caption(iaru_region region);

struct amateur_band {
    std::string_view name; // "160 m", ..., "2 m", "70 cm"
    double low_mhz;
    double high_mhz;
};

// The bands allocated in `region`, lowest first: 160, 80, 60, 40, 30, 20, 17, 15, 12, 10, 6,
// 4 (Region 1 only), 2 m and 70 cm.
std::vector<amateur_band> amateur_bands(iaru_region region);

// The band of `region` that `text` names: its name with or without the blank, any case ("40m",
// "40 M", "70cm"), or the number alone ("40"; "70" is 70 cm, as 70 m is no band). Throws a
// calc_error naming `field` (error_field::pass_band or notch_band) that lists the region's bands
// for any other text.
amateur_band band_named(std::u16string_view text, iaru_region region, error_field field);

} // namespace ridi
