// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.hpp"

#include <QtMath>

#include <algorithm>

namespace ridi::layout {

QRect pixels(std::string_view name) {
    for (const place& p : places) {
        if (p.name == name) {
            return {p.left / twips_per_pixel, p.top / twips_per_pixel, p.width / twips_per_pixel,
                    p.height / twips_per_pixel};
        }
    }
    return {};
}

QSize client_pixels() {
    return client_twips / twips_per_pixel;
}

int scaled(int pixels, double s) {
    return qRound(pixels * s);
}

QRect scaled(const QRect& box, double s) {
    return {scaled(box.x(), s), scaled(box.y(), s), scaled(box.width(), s),
            scaled(box.height(), s)};
}

QSize scaled(const QSize& size, double s) {
    return {scaled(size.width(), s), scaled(size.height(), s)};
}

bool fits(std::span<const text_box> boxes, double s) {
    const int client_width = scaled(client_pixels(), s).width();
    return std::all_of(boxes.begin(), boxes.end(), [&](const text_box& b) {
        const QRect box = scaled(b.box, s);
        QSize room = b.room(box.size());
        const int hidden = std::max(0, box.x() + box.width() - client_width);
        room.rwidth() -= hidden;
        return room.width() >= b.text.width() && room.height() >= b.text.height();
    });
}

double scale_factor(std::span<const text_box> boxes) {
    constexpr double largest = 16.0;
    if (fits(boxes, 1.0)) {
        return 1.0;
    }
    if (!fits(boxes, largest)) {
        return largest;
    }
    // Bisection: `low` never fits, `high` always does. The room grows with the box, so the
    // boundary is sharp up to the rounding to whole pixels.
    double low = 1.0;
    double high = largest;
    while (high - low > 1e-6) {
        const double middle = (low + high) / 2;
        (fits(boxes, middle) ? high : low) = middle;
    }
    return high;
}

} // namespace ridi::layout
