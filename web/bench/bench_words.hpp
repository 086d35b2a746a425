// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bench page's own words that both its generator and its binding use: the name of its unit
// choice, and what the binding adds where the core names the unit a length is read in (where
// ridi-calc names its --unit option).
#pragma once

#include <string_view>

namespace ridi::web {

// The bench page's address in the site, its name after the window's title ("RI-DI Bench"), and
// what it is for, as the window page's link and the app's shortcut say.
inline constexpr std::string_view bench_page_file = "bench.html";
inline constexpr std::string_view bench_name_suffix = " Bench";
inline constexpr std::string_view bench_summary =
    "measure a cable's velocity factor, trim a stub, your own cable and every cable";

// The caption of the unit choice at the top of the bench page.
inline constexpr std::string_view unit_choice_caption = "Unit";

// After the unit the core names ("(read in m"): how the page's user chose it.
inline constexpr std::string_view unit_choice_hint = ", chosen under Unit";

// After the core asks again for a length it could not read: the unit it is read in.
inline constexpr std::string_view length_unit_hint = ", in the unit chosen under Unit";

// Before the core's warning about a measured factor.
inline constexpr std::string_view warning_prefix = "Warning: ";

} // namespace ridi::web
