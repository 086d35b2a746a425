// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window as data, for every front-end: each control's name, kind,
// box in twips, tab index, starting text and tooltip; the client size, the title, the result
// font and the cable list. No toolkit's types: the Qt window, the Win32 window and the web
// page's generator all build their controls by reading it. Code names a control by its
// control_id, so a name the window does not have does not compile.
#pragma once

#include "ridi/catalogue.hpp"
#include "ridi/result_captions.hpp"

#include <array>
#include <cstddef>
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

// The controls by name, in the order they are drawn in: each is the place of its control in
// `controls`.
enum class control_id {
    lbl_lbl_0,
    freq_txt,
    lbl_lbl_2,
    qtr_num_txt,
    lbl_lbl_1,
    cable_combo,
    calc_cmd,
    lbl_lbl_3,
    coax_length_lbl,
    lbl_lbl_4,
    vf_length_lbl,
};

struct control {
    control_id id;
    std::string_view name; // the control's name: "freq_txt", "lbl_lbl_0" for lbl_lbl(0)
    form::kind kind;
    twips_box box;
    int tab_index;
    std::u16string_view text;    // starting text or caption; "&" marks a button's access key
    std::u16string_view tooltip; // empty: none
    std::optional<control_id> caption_for; // a caption label: the control it names
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
// The window's own name, which the toolkits give the window as they give each control its name.
inline constexpr std::string_view window_name = "coax_frm";
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
    {control_id::lbl_lbl_0,
     "lbl_lbl_0",
     kind::caption_label,
     {240, 0, 1095, 255},
     1,
     u"Frequency",
     u"",
     control_id::freq_txt},
    {control_id::freq_txt,
     "freq_txt",
     kind::text_field,
     {240, 240, 975, 285},
     0,
     u"435.850",
     u"Center frequency in MHz",
     std::nullopt},
    {control_id::lbl_lbl_2,
     "lbl_lbl_2",
     kind::caption_label,
     {1560, 0, 1095, 255},
     6,
     u"1/4 Wave",
     u"",
     control_id::qtr_num_txt},
    {control_id::qtr_num_txt,
     "qtr_num_txt",
     kind::text_field,
     {1560, 240, 375, 285},
     4,
     u"1",
     u"Number of 1/4 waves required",
     std::nullopt},
    {control_id::lbl_lbl_1,
     "lbl_lbl_1",
     kind::caption_label,
     {240, 600, 1095, 255},
     5,
     u"Cable Type",
     u"",
     control_id::cable_combo},
    {control_id::cable_combo,
     "cable_combo",
     kind::drop_down,
     {240, 840, 975, 315},
     2,
     starting_cable,
     u"Select cable type",
     std::nullopt},
    {control_id::calc_cmd,
     "calc_cmd",
     kind::push_button,
     {240, 1320, 1815, 375},
     3,
     u"&Calculate",
     u"",
     std::nullopt},
    {control_id::lbl_lbl_3,
     "lbl_lbl_3",
     kind::caption_label,
     {240, 1800, 1815, 255},
     7,
     coax_length_caption,
     u"",
     control_id::coax_length_lbl},
    {control_id::coax_length_lbl,
     "coax_length_lbl",
     kind::result_label,
     {240, 2040, 1815, 375},
     9,
     u"",
     u"RI-DI length for required number of 1/4 waves",
     std::nullopt},
    {control_id::lbl_lbl_4,
     "lbl_lbl_4",
     kind::caption_label,
     {240, 2520, 1935, 255},
     8,
     vf_length_caption,
     u"",
     control_id::vf_length_lbl},
    {control_id::vf_length_lbl,
     "vf_length_lbl",
     kind::result_label,
     {240, 2760, 1815, 375},
     10,
     u"",
     u"Velocity factor corrected length",
     std::nullopt},
}};

// Each control sits at the place its id gives it.
static_assert([] {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id != static_cast<control_id>(i)) {
            return false;
        }
    }
    return true;
}());

// The control `id`.
constexpr const control& get(control_id id) noexcept {
    return controls[static_cast<std::size_t>(id)];
}

// The control that the caption label `caption` names, or nullptr.
constexpr const control* named_by(const control& caption) noexcept {
    return caption.caption_for ? &get(*caption.caption_for) : nullptr;
}

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

// The caption label that names the control `id`, or nullptr.
const control* caption_of(control_id id) noexcept;

// The cable list of `cable_combo`, in order: the catalogue's names.
std::span<const cable> cable_list() noexcept;

// The index of the starting text in the cable list.
int starting_cable_index() noexcept;

// The letter after the "&" of a caption (the access key), or nothing.
std::optional<char16_t> access_key(std::u16string_view caption) noexcept;

// A caption as shown: without the "&" that marks its access key ("&&" shows one "&").
std::u16string shown_caption(std::u16string_view caption);

} // namespace ridi::form
