// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the controls go in pixels, and the one scale factor that makes every text fit its box
// at the font in use. Plain types: each toolkit supplies only how much room a control of a
// given size leaves for its text.
#pragma once

#include "ridi/form.hpp"

#include <functional>
#include <span>

namespace ridi::form {

struct pixel_size {
    int width;
    int height;
    friend bool operator==(const pixel_size&, const pixel_size&) = default;
};

struct pixel_box {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const pixel_box&, const pixel_box&) = default;
};

// Pixels per inch of a screen at 100 %, where 15 twips make a pixel.
inline constexpr double standard_pixels_per_inch = 96.0;

// A length in twips as pixels at `pixels_per_inch`, times the scale `s`, rounded to the nearest
// whole pixel (halves up): twips × pixels_per_inch / 1440 × s.
int to_pixels(int twips, double pixels_per_inch, double s = 1.0) noexcept;

// Each of a box's four numbers converted on its own.
pixel_box to_pixels(const twips_box& box, double pixels_per_inch, double s = 1.0) noexcept;
pixel_size to_pixels(const twips_size& size, double pixels_per_inch, double s = 1.0) noexcept;

// The client area's size at `pixels_per_inch` and scale `s`.
pixel_size client_pixels(double pixels_per_inch, double s = 1.0) noexcept;

// A text that must be readable in a control: the control's box in twips, the size the text
// needs in pixels, and the room the control leaves for its text in a box of a given size in
// pixels (frames, margins and arrows taken off).
struct text_box {
    twips_box box;
    pixel_size text;
    std::function<pixel_size(pixel_size)> room;
};

// True when every text fits its box at `pixels_per_inch` and scale `s`. A box that runs past
// the client area's right edge only counts with its visible part.
bool fits(std::span<const text_box> boxes, double pixels_per_inch, double s) noexcept;

// The smallest s >= 1 at which every text fits, to well below a pixel; 1 when they fit as laid
// out. Texts that would need more than 16 times the layout get 16.
double scale_factor(std::span<const text_box> boxes, double pixels_per_inch);

} // namespace ridi::form
