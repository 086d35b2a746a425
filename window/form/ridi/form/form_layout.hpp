// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the controls go in pixels, and the one scale factor that makes every text fit its box
// at the font in use. Plain types: each toolkit supplies only how much room a control of a
// given size leaves for its text.
#pragma once

#include "ridi/form/form.hpp"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
// the client area's right edge only counts with its visible part, less `edge_margin` pixels
// that its text keeps from the edge.
bool fits(std::span<const text_box> boxes, double pixels_per_inch, double s,
          int edge_margin = 0) noexcept;

// The smallest s >= 1 at which every text fits, to well below a pixel; 1 when they fit as laid
// out. Texts that would need more than 16 times the layout get 16.
double scale_factor(std::span<const text_box> boxes, double pixels_per_inch, int edge_margin = 0);

enum class text_font {
    message, // the toolkit's font for dialogs
    result,  // result_font
};

// What a control must show whole, by its kind: a caption its text, the button its caption
// without the "&", a text field what it holds now, the cable field every catalogue name and
// what it holds now, a result the widest result; in the message font but for the results. A
// control the caret can be in also needs a pixel for the caret after the text.
struct text_to_fit {
    std::vector<std::u16string> texts; // the widest of them decides
    text_font font;
    int caret; // pixels after the text
};
text_to_fit texts_to_fit(const control& control, std::u16string_view current_text);

// The text_box of `control`: the size of the widest of its texts_to_fit as `measure` finds it in
// the toolkit, the caret added, against the `room` the toolkit's control leaves.
using text_measure = std::function<pixel_size(std::u16string_view text, text_font font)>;
text_box fit_box(const control& control, std::u16string_view current_text,
                 const text_measure& measure, std::function<pixel_size(pixel_size)> room);

// The mark at the end of a result too wide for its field.
inline constexpr std::u16string_view cut_mark = u"\u2026";

// What a result field draws of `value` in `room` pixels, `width` measuring a text in the result
// font: all of it where it fits; otherwise as much of its start as fits followed by cut_mark,
// so that a cut number never reads as a whole one. Only the drawing is cut: the field's text,
// which selecting, copying and screen readers get, stays the whole value.
using text_width = std::function<int(std::u16string_view text)>;
std::u16string shown_result(std::u16string_view value, int room, const text_width& width);

} // namespace ridi::form
