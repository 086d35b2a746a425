// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The RI-DI window on Windows: the description's controls as standard Win32 controls.
#pragma once

#include "win32.hpp"

#include "ridi/calculation.hpp"

#include <array>
#include <string>
#include <string_view>

namespace ridi::win32 {

// The one window. Its controls hold all the state; the calculation reads the inputs and writes
// the results through the form-text interface.
class coax_frm final : public form_texts {
public:
    // Creates the window and its controls at the DPI of the monitor it opens on, hidden.
    explicit coax_frm(HINSTANCE instance);
    ~coax_frm() override;
    coax_frm(const coax_frm&) = delete;
    coax_frm& operator=(const coax_frm&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }

    // Shows the window with the focus in the first field.
    void show(int show_command);

    // The Calculate command: runs the calculation on the window's texts and reports a failure.
    void calc_cmd_Click();
    // The velocity factor of the cable text.
    float Get_Vk();

    std::u16string_view freq_text() override;
    std::u16string_view qtr_num_text() override;
    std::u16string_view cable_text() override;
    std::u16string_view coax_length_caption() override;
    void set_coax_length_caption(std::u16string_view caption) override;
    void set_vf_length_caption(std::u16string_view caption) override;

private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

    void create_controls();
    void add_tooltips();
    // Fonts, scale, positions and the window's size for `dpi` dots per inch.
    void lay_out(UINT dpi);
    // The window's icons at the sizes Windows wants at `dpi`.
    void set_icons(UINT dpi);
    void read_locale();
    HWND control(std::string_view name) const;
    std::u16string_view read(HWND control);
    void write(HWND control, std::u16string_view text);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    std::array<HWND, 11> controls_{}; // in the order of form::controls
    HWND tooltip_ = nullptr;
    HWND focus_ = nullptr; // the control to give the focus back to when the window is activated
    HFONT message_font_ = nullptr;
    HFONT result_font_ = nullptr;
    HBRUSH result_brush_ = nullptr;
    HICON big_icon_ = nullptr;
    HICON small_icon_ = nullptr;
    UINT dpi_ = 96;
    double scale_ = 1.0;
    number_options options_;
    std::u16string read_; // the text of the last read, which the returned view points into
};

} // namespace ridi::win32
