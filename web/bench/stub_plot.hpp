// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of what a stub does: its insertion loss in dB against frequency on a log scale, each
// amateur band a shaded strip labelled by its name, each notch marked with its frequency, as an
// SVG drawing for a box of a given width, which the bench page puts in as it stands.
#pragma once

#include "ridi/stub.hpp"

#include <string>

namespace ridi::web {

struct stub_plot {
    std::string svg;
    std::string caption; // what the plot shows, for its figure
};

// The plot of `sweep` (its frequencies lowest first), with the bands and resonances of `report`,
// for a box `width` CSS pixels wide (at least a phone's narrowest). `line_ohms` is the line the
// Tee stands on; `depth_known` is false without a loss figure, when a notch's depth is not known.
stub_plot plot_stub(const stub_sweep& sweep, const stub_report& report, int width, double line_ohms,
                    bool depth_known);

} // namespace ridi::web
