// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.hpp"

namespace ridi::layout {

QRect pixels(const form::control& control, double s) {
    return to_qrect(form::to_pixels(control.box, pixels_per_inch, s));
}

QSize client_pixels(double s) {
    return to_qsize(form::client_pixels(pixels_per_inch, s));
}

} // namespace ridi::layout
