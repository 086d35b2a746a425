// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout (ridi/form/form_layout.hpp) in Qt's types. Qt lays out in logical pixels of a
// 96-dot inch and scales to the screen itself.
#pragma once

#include "ridi/form/form_layout.hpp"

#include <QRect>
#include <QSize>

namespace ridi::layout {

inline constexpr double pixels_per_inch = form::standard_pixels_per_inch;

inline QSize to_qsize(form::pixel_size size) {
    return {size.width, size.height};
}
inline form::pixel_size to_pixel_size(QSize size) {
    return {size.width(), size.height()};
}
inline QRect to_qrect(form::pixel_box box) {
    return {box.left, box.top, box.width, box.height};
}

// The box of `control` at scale `s`.
QRect pixels(const form::control& control, double s = 1.0);
// The client area at scale `s`.
QSize client_pixels(double s = 1.0);

} // namespace ridi::layout
