// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/form/form_layout.hpp"

#include <algorithm>

namespace ridi::form {

int to_pixels(int twips, double pixels_per_inch, double s) noexcept {
    const double pixels = twips * pixels_per_inch / twips_per_inch * s;
    // Halves away from zero, as qRound and MulDiv do.
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

pixel_box to_pixels(const twips_box& box, double pixels_per_inch, double s) noexcept {
    return {to_pixels(box.left, pixels_per_inch, s), to_pixels(box.top, pixels_per_inch, s),
            to_pixels(box.width, pixels_per_inch, s), to_pixels(box.height, pixels_per_inch, s)};
}

pixel_size to_pixels(const twips_size& size, double pixels_per_inch, double s) noexcept {
    return {to_pixels(size.width, pixels_per_inch, s), to_pixels(size.height, pixels_per_inch, s)};
}

pixel_size client_pixels(double pixels_per_inch, double s) noexcept {
    return to_pixels(client, pixels_per_inch, s);
}

bool fits(std::span<const text_box> boxes, double pixels_per_inch, double s,
          int edge_margin) noexcept {
    const int client_width = client_pixels(pixels_per_inch, s).width;
    return std::all_of(boxes.begin(), boxes.end(), [&](const text_box& b) {
        const pixel_box box = to_pixels(b.box, pixels_per_inch, s);
        pixel_size room = b.room({box.width, box.height});
        room.width -= std::max(0, box.left + box.width - (client_width - edge_margin));
        return room.width >= b.text.width && room.height >= b.text.height;
    });
}

double scale_factor(std::span<const text_box> boxes, double pixels_per_inch, int edge_margin) {
    constexpr double largest = 16.0;
    if (fits(boxes, pixels_per_inch, 1.0, edge_margin)) {
        return 1.0;
    }
    if (!fits(boxes, pixels_per_inch, largest, edge_margin)) {
        return largest;
    }
    // Bisection: `low` never fits, `high` always does. The room grows with the box, so the
    // boundary is sharp up to the rounding to whole pixels.
    double low = 1.0;
    double high = largest;
    while (high - low > 1e-6) {
        const double middle = (low + high) / 2;
        (fits(boxes, pixels_per_inch, middle, edge_margin) ? high : low) = middle;
    }
    return high;
}

text_to_fit texts_to_fit(const control& control, std::u16string_view current_text) {
    switch (control.kind) {
    case kind::caption_label:
        return {{std::u16string(control.text)}, text_font::message, 0};
    case kind::push_button:
        return {{shown_caption(control.text)}, text_font::message, 0};
    case kind::text_field:
        return {{std::u16string(current_text)}, text_font::message, 1};
    case kind::drop_down: {
        text_to_fit fit{{std::u16string(current_text)}, text_font::message, 1};
        for (const cable& entry : cable_list()) {
            fit.texts.emplace_back(entry.name);
        }
        return fit;
    }
    case kind::result_label:
        return {{std::u16string(widest_result)}, text_font::result, 1};
    }
    return {{}, text_font::message, 0};
}

text_box fit_box(const control& control, std::u16string_view current_text,
                 const text_measure& measure, std::function<pixel_size(pixel_size)> room) {
    const text_to_fit fit = texts_to_fit(control, current_text);
    pixel_size need{0, 0};
    for (const std::u16string& text : fit.texts) {
        const pixel_size size = measure(text, fit.font);
        need.width = std::max(need.width, size.width);
        need.height = std::max(need.height, size.height);
    }
    need.width += fit.caret;
    return {control.box, need, std::move(room)};
}

std::u16string shown_result(std::u16string_view value, int room, const text_width& width) {
    if (width(value) <= room) {
        return std::u16string(value);
    }
    // The longest start that fits with the mark: widths grow with the length of the start.
    const auto with_mark = [value](std::size_t length) {
        return std::u16string(value.substr(0, length)) + std::u16string(cut_mark);
    };
    std::size_t fits = 0;
    std::size_t too_long = value.size();
    while (too_long - fits > 1) {
        const std::size_t middle = fits + (too_long - fits) / 2;
        (width(with_mark(middle)) <= room ? fits : too_long) = middle;
    }
    return with_mark(fits);
}

} // namespace ridi::form
