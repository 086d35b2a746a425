// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Twips to pixels at any DPI, what text each kind of control must show whole, and the one scale
// factor at which every text fits.
#include "ridi/form/form_layout.hpp"

#include <gtest/gtest.h>

namespace form = ridi::form;

namespace {

TEST(FormLayout, TwipsToPixels) {
    EXPECT_EQ(form::to_pixels(240, 96), 16);
    EXPECT_EQ(form::to_pixels(240, 144), 24);
    EXPECT_EQ(form::to_pixels(240, 120), 20);
    EXPECT_EQ(form::to_pixels(15, 144), 2);         // 1.5 rounds up
    EXPECT_EQ(form::to_pixels(255, 144), 26);       // 25.5
    EXPECT_EQ(form::to_pixels(1095, 96, 1.5), 110); // 109.5
    EXPECT_EQ(form::to_pixels(-15, 144), -2);
    EXPECT_EQ(form::client_pixels(96), (form::pixel_size{154, 224}));
    EXPECT_EQ(form::client_pixels(144), (form::pixel_size{231, 336}));
    EXPECT_EQ(form::client_pixels(96, 1.5), (form::pixel_size{231, 336}));
    EXPECT_EQ(form::to_pixels(form::get(form::control_id::cable_combo).box, 96),
              (form::pixel_box{16, 56, 65, 21}));
    EXPECT_EQ(form::to_pixels(form::get(form::control_id::vf_length_lbl).box, 192),
              (form::pixel_box{32, 368, 242, 50}));
}

// Every box of the table is a whole number of pixels at 96 DPI: 15 twips to the pixel.
TEST(FormLayout, DrawnOnTheFifteenTwipGrid) {
    for (const form::control& c : form::controls) {
        for (int twips : {c.box.left, c.box.top, c.box.width, c.box.height}) {
            EXPECT_EQ(twips % 15, 0) << c.name;
        }
    }
}

struct scale_case {
    const char* what;
    form::pixel_box box; // pixels at 96 DPI
    form::pixel_size text;
    double expected;
    int edge_margin = 0; // pixels a text keeps from the window's right edge
};

class ScaleFactor : public testing::TestWithParam<scale_case> {};

form::pixel_size less_frame(form::pixel_size size) {
    return {size.width - 4, size.height - 4};
}

form::twips_box twips(form::pixel_box box) {
    return {box.left * 15, box.top * 15, box.width * 15, box.height * 15};
}

TEST_P(ScaleFactor, SmallestThatFits) {
    const scale_case& c = GetParam();
    const form::text_box boxes[] = {
        {twips(c.box), c.text, less_frame},
        {twips({16, 40, 73, 17}), {10, 10}, less_frame},
    };
    const double s = form::scale_factor(boxes, 96, c.edge_margin);
    if (c.expected < 16.0) {
        EXPECT_TRUE(form::fits(boxes, 96, s, c.edge_margin));
    }
    if (c.expected > 1.0 && c.expected < 16.0) {
        EXPECT_FALSE(form::fits(boxes, 96, s - 1e-3, c.edge_margin));
    }
    EXPECT_NEAR(s, c.expected, 0.01);
}

// The room is the box less a 2-pixel frame all round; sizes round to whole pixels.
INSTANTIATE_TEST_SUITE_P(
    Cases, ScaleFactor,
    testing::Values(
        scale_case{"fits as drawn", {16, 0, 73, 17}, {69, 13}, 1.0},
        scale_case{"a pixel too wide", {16, 0, 73, 17}, {70, 13}, 73.5 / 73},
        scale_case{"twice the room", {16, 0, 73, 17}, {138, 13}, 141.5 / 73},
        scale_case{"height decides", {16, 0, 73, 17}, {10, 26}, 29.5 / 17},
        // At x 104 of 154, 50 pixels show: 46 of them are room.
        scale_case{"visible part fits", {104, 0, 73, 17}, {46, 13}, 1.0},
        scale_case{"visible part too small", {104, 0, 73, 17}, {60, 13}, 1.263},
        // With 3 pixels kept from the edge, 43 are room: 46 needs the client 53
        // pixels past the box's left, first at s = 161.5 / 154 (162 - 109).
        scale_case{"visible part less the edge margin", {104, 0, 73, 17}, {46, 13}, 161.5 / 154, 3},
        scale_case{"more than 16 times", {16, 0, 73, 17}, {5000, 13}, 16.0}));

// At 144 DPI the same texts in pixels need less scaling: the boxes are already half as large again.
TEST(FormLayout, ScaleAtHigherDpi) {
    const form::text_box boxes[] = {{twips({16, 0, 73, 17}), {105, 21}, less_frame}};
    // At 144 DPI the box is 110 x 26 (109.5 and 25.5 round up): room 106 x 22, which fits.
    EXPECT_EQ(form::scale_factor(boxes, 144), 1.0);
    const form::text_box wider[] = {{twips({16, 0, 73, 17}), {140, 21}, less_frame}};
    const double s = form::scale_factor(wider, 144);
    EXPECT_GT(s, 1.0);
    EXPECT_TRUE(form::fits(wider, 144, s));
    EXPECT_FALSE(form::fits(wider, 144, s - 1e-3));
}

// A stand-in for a toolkit's text measure: 10 pixels a character, 10 high in the message font
// and 20 in the result font.
form::pixel_size ten_a_character(std::u16string_view text, form::text_font font) {
    return {10 * static_cast<int>(text.size()), font == form::text_font::result ? 20 : 10};
}

TEST(FormLayout, TextEachKindMustShowWhole) {
    struct row {
        form::control_id control;
        std::u16string_view shows; // what the control holds now
        form::pixel_size need;
        const char* why;
    };
    const row rows[] = {
        {form::control_id::lbl_lbl_0, u"Frequency", {90, 10}, "a caption: its text"},
        {form::control_id::freq_txt, u"435.850", {71, 10}, "a field: what it holds and the caret"},
        {form::control_id::freq_txt,
         u"1",
         {11, 10},
         "a field: what it holds now, not its starting text"},
        {form::control_id::cable_combo,
         u"RG-58",
         {61, 10},
         "every cable name, RG-142 as wide as any"},
        {form::control_id::cable_combo,
         u"a cable name typed",
         {181, 10},
         "what it holds, when wider"},
        {form::control_id::calc_cmd,
         u"&Calculate",
         {90, 10},
         "the button: the \"&\" takes no room"},
        {form::control_id::coax_length_lbl,
         u"",
         {81, 20},
         "a result: -000.000 in the result font, caret"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.why);
        const form::text_box box = form::fit_box(form::get(r.control), r.shows, ten_a_character,
                                                 [](form::pixel_size size) { return size; });
        EXPECT_EQ(box.text, r.need);
        EXPECT_EQ(box.box.left, form::get(r.control).box.left);
    }
}

// A result too wide for its field: what shows of it, at 10 pixels a character with a mark as
// wide as a digit.
TEST(FormLayout, ResultTooWideShowsItIsCut) {
    struct row {
        std::u16string_view value;
        int room;
        std::u16string_view shown;
        const char* why;
    };
    const row rows[] = {
        {u"0.172", 50, u"0.172", "fits exactly: whole, no mark"},
        {u"75000000000000000.000", 120, u"75000000000\u2026", "the start that fits with the mark"},
        {u"75000000000000000.000", 209, u"75000000000000000.0\u2026",
         "one pixel short of the whole value: still cut"},
        {u"75000000000000000.000", 5, u"\u2026", "no digit fits: the mark alone"},
    };
    const form::text_width width = [](std::u16string_view text) {
        return 10 * static_cast<int>(text.size());
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.why);
        EXPECT_EQ(form::shown_result(r.value, r.room, width), r.shown);
    }
}

} // namespace
