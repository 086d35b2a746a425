// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window's controls go: the layout in twips, and the one scale factor that makes
// every text fit its box at the user's font.
#pragma once

#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <span>
#include <string_view>

namespace ridi::layout {

// One control's box in twips from the client area's top-left corner (15 twips to a pixel).
struct place {
    std::string_view name; // the control's object name
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int twips_per_pixel = 15;

inline constexpr QSize client_twips{2310, 3360};

inline constexpr std::array<place, 11> places{{
    {"lbl_lbl_0", 240, 0, 1095, 255},
    {"freq_txt", 240, 240, 975, 285},
    {"lbl_lbl_2", 1560, 0, 1095, 255},
    {"qtr_num_txt", 1560, 240, 375, 285},
    {"lbl_lbl_1", 240, 600, 1095, 255},
    {"cable_combo", 240, 840, 975, 315},
    {"calc_cmd", 240, 1320, 1815, 375},
    {"lbl_lbl_3", 240, 1800, 1815, 255},
    {"coax_length_lbl", 240, 2040, 1815, 375},
    {"lbl_lbl_4", 240, 2520, 1935, 255},
    {"vf_length_lbl", 240, 2760, 1815, 375},
}};

// The box of `name` in logical pixels at scale 1; an empty rectangle for an unknown name.
QRect pixels(std::string_view name);
QSize client_pixels();

// A position or size of the layout at scale `s`, rounded to whole pixels.
int scaled(int pixels, double s);
QRect scaled(const QRect& box, double s);
QSize scaled(const QSize& size, double s);

// A text that must be readable in a control: the control's box at scale 1, the size the text
// needs, and the room the control leaves for its text in a box of a given size (frames,
// margins and arrows taken off).
struct text_box {
    QRect box;
    QSize text;
    std::function<QSize(QSize)> room;
};

// True when every text fits its box at scale `s`. A box that runs past the client area's
// right edge only counts with its visible part.
bool fits(std::span<const text_box> boxes, double s);

// The smallest s >= 1 at which every text fits, to well below a pixel; 1 when they fit as laid
// out. Texts that would need more than 16 times the layout get 16.
double scale_factor(std::span<const text_box> boxes);

} // namespace ridi::layout
