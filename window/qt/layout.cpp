// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.hpp"

namespace ridi::layout {

QRect pixels(std::string_view name, double s) {
    const form::control* control = form::find(name);
    return control == nullptr ? QRect()
                              : to_qrect(form::to_pixels(control->box, pixels_per_inch, s));
}

QSize client_pixels(double s) {
    return to_qsize(form::client_pixels(pixels_per_inch, s));
}

} // namespace ridi::layout
