// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's description: the table, the Tab order, the z-order that names
// each input by its caption, and the cable list.
#include "ridi/form/form.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace form = ridi::form;

namespace {

std::vector<std::string> names(const std::vector<const form::control*>& controls) {
    std::vector<std::string> out;
    out.reserve(controls.size());
    for (const form::control* c : controls) {
        out.emplace_back(c->name);
    }
    return out;
}

TEST(Form, EveryControlsNameKindBoxTabIndexTextAndTooltip) {
    struct row {
        form::control_id id;
        const char* name;
        form::kind kind;
        form::twips_box box;
        int tab_index;
        std::u16string_view text;
        std::u16string_view tooltip;
    };
    const row table[] = {
        {form::control_id::lbl_lbl_0,
         "lbl_lbl_0",
         form::kind::caption_label,
         {240, 0, 1095, 255},
         1,
         u"Frequency",
         u""},
        {form::control_id::freq_txt,
         "freq_txt",
         form::kind::text_field,
         {240, 240, 975, 285},
         0,
         u"435.850",
         u"Center frequency in MHz"},
        {form::control_id::lbl_lbl_2,
         "lbl_lbl_2",
         form::kind::caption_label,
         {1560, 0, 1095, 255},
         6,
         u"1/4 Wave",
         u""},
        {form::control_id::qtr_num_txt,
         "qtr_num_txt",
         form::kind::text_field,
         {1560, 240, 375, 285},
         4,
         u"1",
         u"Number of 1/4 waves required"},
        {form::control_id::lbl_lbl_1,
         "lbl_lbl_1",
         form::kind::caption_label,
         {240, 600, 1095, 255},
         5,
         u"Cable Type",
         u""},
        {form::control_id::cable_combo,
         "cable_combo",
         form::kind::drop_down,
         {240, 840, 975, 315},
         2,
         u"RG-58",
         u"Select cable type"},
        {form::control_id::calc_cmd,
         "calc_cmd",
         form::kind::push_button,
         {240, 1320, 1815, 375},
         3,
         u"&Calculate",
         u""},
        {form::control_id::lbl_lbl_3,
         "lbl_lbl_3",
         form::kind::caption_label,
         {240, 1800, 1815, 255},
         7,
         u"RI-DI Length (Metres)",
         u""},
        {form::control_id::coax_length_lbl,
         "coax_length_lbl",
         form::kind::result_label,
         {240, 2040, 1815, 375},
         9,
         u"",
         u"RI-DI length for required number of 1/4 waves"},
        {form::control_id::lbl_lbl_4,
         "lbl_lbl_4",
         form::kind::caption_label,
         {240, 2520, 1935, 255},
         8,
         u"V/F Corrected (Metres)",
         u""},
        {form::control_id::vf_length_lbl,
         "vf_length_lbl",
         form::kind::result_label,
         {240, 2760, 1815, 375},
         10,
         u"",
         u"Velocity factor corrected length"},
    };
    ASSERT_EQ(form::controls.size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const form::control& c = form::controls[i];
        SCOPED_TRACE(table[i].name);
        EXPECT_EQ(c.id, table[i].id);
        EXPECT_EQ(c.name, table[i].name);
        EXPECT_EQ(c.kind, table[i].kind);
        EXPECT_EQ(c.box.left, table[i].box.left);
        EXPECT_EQ(c.box.top, table[i].box.top);
        EXPECT_EQ(c.box.width, table[i].box.width);
        EXPECT_EQ(c.box.height, table[i].box.height);
        EXPECT_EQ(c.tab_index, table[i].tab_index);
        EXPECT_TRUE(c.text == table[i].text);
        EXPECT_TRUE(c.tooltip == table[i].tooltip);
        EXPECT_EQ(&form::get(table[i].id), &c);
    }
}

TEST(Form, WindowAndResults) {
    EXPECT_TRUE(form::title == u"RI-DI");
    EXPECT_EQ(form::client.width, 2310);
    EXPECT_EQ(form::client.height, 3360);
    EXPECT_TRUE(form::result_font.family == u"Arial");
    EXPECT_EQ(form::result_font.points, 14.25);
    EXPECT_EQ(form::result_font.weight, 400);
    EXPECT_FALSE(form::result_font.italic || form::result_font.underline ||
                 form::result_font.strike_out);
    EXPECT_EQ(form::result_font.charset, 0);
    EXPECT_EQ(form::result_background.red, 255);
    EXPECT_EQ(form::result_background.green, 255);
    EXPECT_EQ(form::result_background.blue, 255);
    // The captions over the results are the core's, which ridi-calc prints as well.
    EXPECT_TRUE(form::get(form::control_id::lbl_lbl_3).text == form::coax_length_caption);
    EXPECT_TRUE(form::get(form::control_id::lbl_lbl_4).text == form::vf_length_caption);
}

TEST(Form, TabOrderAndFirstFocus) {
    EXPECT_EQ(names(form::tab_order()),
              (std::vector<std::string>{"freq_txt", "cable_combo", "calc_cmd", "qtr_num_txt"}));
    EXPECT_EQ(form::first_focus().name, "freq_txt");
}

// Each caption sits directly before its control, and the focusable controls come in Tab order,
// so a window system that tabs and names by z-order gets both right.
TEST(Form, ZOrder) {
    const std::vector<const form::control*> order = form::z_order();
    EXPECT_EQ(names(order),
              (std::vector<std::string>{"lbl_lbl_0", "freq_txt", "lbl_lbl_1", "cable_combo",
                                        "calc_cmd", "lbl_lbl_2", "qtr_num_txt", "lbl_lbl_3",
                                        "coax_length_lbl", "lbl_lbl_4", "vf_length_lbl"}));
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (const form::control* named = form::named_by(*order[i])) {
            ASSERT_LT(i + 1, order.size());
            EXPECT_EQ(order[i + 1], named);
            EXPECT_EQ(form::caption_of(named->id), order[i]);
        }
    }
    std::vector<const form::control*> focusable;
    std::copy_if(order.begin(), order.end(), std::back_inserter(focusable),
                 [](const form::control* c) { return form::takes_tab_focus(c->kind); });
    EXPECT_EQ(focusable, form::tab_order());
    EXPECT_EQ(form::caption_of(form::control_id::calc_cmd), nullptr);
    EXPECT_EQ(form::caption_of(form::control_id::freq_txt)->name, "lbl_lbl_0");
    EXPECT_EQ(form::caption_of(form::control_id::qtr_num_txt)->name, "lbl_lbl_2");
    EXPECT_EQ(form::caption_of(form::control_id::cable_combo)->name, "lbl_lbl_1");
}

TEST(Form, CableList) {
    const std::u16string_view expected[] = {u"RG-11",  u"RG-55",  u"RG-58",  u"RG-142", u"RG-174",
                                            u"RG-188", u"RG-196", u"RG-213", u"RG-214", u"RG-223",
                                            u"RG-316", u"H100",   u"H155",   u"H500"};
    const auto list = form::cable_list();
    ASSERT_EQ(list.size(), std::size(expected));
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_TRUE(list[i].name == expected[i]) << i;
    }
    EXPECT_EQ(list.data(), ridi::cable_catalogue().data()); // written once, in the core
    EXPECT_EQ(form::starting_cable_index(), 2);
    EXPECT_TRUE(form::get(form::control_id::cable_combo).text == list[2].name);
    EXPECT_EQ(form::cable_item_value, 0);
}

TEST(Form, AccessKeys) {
    EXPECT_EQ(form::access_key(u"&Calculate"), u'C');
    EXPECT_EQ(form::access_key(u"Frequency"), std::nullopt);
    EXPECT_EQ(form::access_key(u"R&&D"), std::nullopt);
    EXPECT_EQ(form::access_key(u"R&&D &go"), u'g');
    EXPECT_EQ(form::access_key(u"end&"), std::nullopt);
    EXPECT_TRUE(form::shown_caption(u"&Calculate") == u"Calculate");
    EXPECT_TRUE(form::shown_caption(u"R&&D") == u"R&D");
    EXPECT_TRUE(form::shown_caption(u"1/4 Wave") == u"1/4 Wave");
    // Only the button has an access key; no caption has an "&" that a window system would hide.
    for (const form::control& c : form::controls) {
        EXPECT_EQ(form::access_key(c.text).has_value(), c.kind == form::kind::push_button)
            << c.name;
        EXPECT_EQ(c.text.find(u'&') != std::u16string_view::npos, c.kind == form::kind::push_button)
            << c.name;
    }
}

TEST(Form, UniqueNames) {
    std::set<std::string_view> seen;
    std::set<int> tab_indices;
    for (const form::control& c : form::controls) {
        EXPECT_TRUE(seen.insert(c.name).second) << c.name;
        EXPECT_TRUE(tab_indices.insert(c.tab_index).second) << c.name;
    }
}

} // namespace
