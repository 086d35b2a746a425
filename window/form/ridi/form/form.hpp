// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window as data, for every front-end: each control's name, kind,
// box in twips, tab index, starting text and tooltip; the client size, the title, the result
// font and the cable list. No toolkit's types: the Qt window and the Win32 window both build
// their controls by reading it, and ridi-calc prints its result captions.
#pragma once

#include "ridi/catalogue.hpp"
#include "ridi/result_captions.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ridi::form {

enum class kind {
    caption_label, // lbl_lbl: a caption, takes no focus
    text_field,    // one-line text field without a length limit
    drop_down,     // editable drop-down list
    push_button,   // the command button
    result_label,  // white, in the result font, selectable, never editable, not in the Tab cycle
};

// A box in twips (1/1440 inch) from the client area's top-left corner.
struct twips_box {
    int left;
    int top;
    int width;
    int height;
};

struct twips_size {
    int width;
    int height;
};

struct control {
    std::string_view name; // the control's name: "freq_txt", "lbl_lbl_0" for lbl_lbl(0)
    form::kind kind;
    twips_box box;
    int tab_index;
    std::u16string_view text;     // starting text or caption; "&" marks a button's access key
    std::u16string_view tooltip;  // empty: none
    std::string_view caption_for; // a caption label: the control it names; empty otherwise
};

struct font {
    std::u16string_view family;
    double points;
    int weight; // 400 normal, 700 bold
    bool italic;
    bool underline;
    bool strike_out;
    int charset;
};

struct colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline constexpr int twips_per_inch = 1440;

inline constexpr std::u16string_view title = u"RI-DI";
inline constexpr twips_size client{2310, 3360};

// The captions above the two results, in metres.
inline constexpr std::u16string_view coax_length_caption = coax_length_metres.text();
inline constexpr std::u16string_view vf_length_caption = vf_length_metres.text();

inline constexpr std::u16string_view starting_cable = u"RG-58";

// Every entry of the cable list carries this item value.
inline constexpr int cable_item_value = 0;

// The font and background of the two results.
inline constexpr font result_font{u"Arial", 14.25, 400, false, false, false, 0};
inline constexpr colour result_background{255, 255, 255};

// The widest result the result labels are made to show whole, in the result font.
inline constexpr std::u16string_view widest_result = u"-000.000";

// The eleven controls, in the order they are drawn in.
inline constexpr std::array<control, 11> controls{{
    {"lbl_lbl_0", kind::caption_label, {240, 0, 1095, 255}, 1, u"Frequency", u"", "freq_txt"},
    {"freq_txt",
     kind::text_field,
     {240, 240, 975, 285},
     0,
     u"435.850",
     u"Center frequency in MHz",
     ""},
    {"lbl_lbl_2", kind::caption_label, {1560, 0, 1095, 255}, 6, u"1/4 Wave", u"", "qtr_num_txt"},
    {"qtr_num_txt",
     kind::text_field,
     {1560, 240, 375, 285},
     4,
     u"1",
     u"Number of 1/4 waves required",
     ""},
    {"lbl_lbl_1", kind::caption_label, {240, 600, 1095, 255}, 5, u"Cable Type", u"", "cable_combo"},
    {"cable_combo",
     kind::drop_down,
     {240, 840, 975, 315},
     2,
     starting_cable,
     u"Select cable type",
     ""},
    {"calc_cmd", kind::push_button, {240, 1320, 1815, 375}, 3, u"&Calculate", u"", ""},
    {"lbl_lbl_3",
     kind::caption_label,
     {240, 1800, 1815, 255},
     7,
     coax_length_caption,
     u"",
     "coax_length_lbl"},
    {"coax_length_lbl",
     kind::result_label,
     {240, 2040, 1815, 375},
     9,
     u"",
     u"RI-DI length for required number of 1/4 waves",
     ""},
    {"lbl_lbl_4",
     kind::caption_label,
     {240, 2520, 1935, 255},
     8,
     vf_length_caption,
     u"",
     "vf_length_lbl"},
    {"vf_length_lbl",
     kind::result_label,
     {240, 2760, 1815, 375},
     10,
     u"",
     u"Velocity factor corrected length",
     ""},
}};

// The control named `name`, or nullptr.
const control* find(std::string_view name) noexcept;

// The control `name`, which must be in the table (std::out_of_range otherwise).
const control& get(std::string_view name);

// True for the kinds that the Tab key visits.
constexpr bool takes_tab_focus(kind k) noexcept {
    return k == kind::text_field || k == kind::drop_down || k == kind::push_button;
}

// The controls that Tab visits, in the order it visits them: by tab index.
std::vector<const control*> tab_order();

// The control that has the focus at start: the first of tab_order().
const control& first_focus();

// Every control, each caption directly before the control it names and the controls otherwise
// by tab index: a window system that tabs and names controls by their z-order creates them in
// this order.
std::vector<const control*> z_order();

// The caption label that names `name`, or nullptr.
const control* caption_of(std::string_view name) noexcept;

// The cable list of `cable_combo`, in order: the catalogue's names.
std::span<const cable> cable_list() noexcept;

// The index of the starting text in the cable list.
int starting_cable_index() noexcept;

// The letter after the "&" of a caption (the access key), or nothing.
std::optional<char16_t> access_key(std::u16string_view caption) noexcept;

// A caption as shown: without the "&" that marks its access key ("&&" shows one "&").
std::u16string shown_caption(std::u16string_view caption);

} // namespace ridi::form
