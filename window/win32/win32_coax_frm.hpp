// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The RI-DI window on Windows: the description's controls as standard Win32 controls.
#pragma once

#include "win32.hpp"

#include "ridi/form/window_texts.hpp"

#include <array>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace ridi::win32 {

// Owners of the window's handles: each is released when its owner ends, whatever happens.
struct window_destroyer {
    void operator()(HWND hwnd) const noexcept { DestroyWindow(hwnd); }
};
struct gdi_deleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct icon_destroyer {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using window_handle = std::unique_ptr<std::remove_pointer_t<HWND>, window_destroyer>;
using font_handle = std::unique_ptr<std::remove_pointer_t<HFONT>, gdi_deleter>;
using brush_handle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, gdi_deleter>;
using icon_handle = std::unique_ptr<std::remove_pointer_t<HICON>, icon_destroyer>;

// The window class's name; several windows of it may live in one process.
inline constexpr wchar_t class_name[] = L"ridi_coax_frm";

// The one window. Its controls hold all the state; the calculation reads the inputs and writes
// the results through the form-text interface. A constructor that fails leaves no window.
class coax_frm final : public form::window_texts {
public:
    // Creates the window and its controls at the DPI of the monitor it opens on, hidden.
    explicit coax_frm(HINSTANCE instance);
    ~coax_frm() override;
    coax_frm(const coax_frm&) = delete;
    coax_frm& operator=(const coax_frm&) = delete;

    HWND hwnd() const noexcept { return hwnd_.get(); }

    // Shows the window with the focus in the first field.
    void show(int show_command);

    number_options options() const override { return options_; }

private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    // WM_CREATE: the controls, laid out; false, with the failure kept, when one fails.
    bool create() noexcept;

    std::u16string control_text(const form::control& description) override;
    void set_control_text(const form::control& description, std::u16string_view text) override;
    void report_failure(std::u16string_view message) noexcept override;

    void create_controls();
    void add_tooltips();
    // Fonts, scale, positions and the window's size for `dpi` dots per inch.
    void lay_out(UINT dpi);
    // The window's icons at the sizes Windows wants at `dpi`.
    void set_icons(UINT dpi);
    void read_locale();
    HWND control(form::control_id id) const;
    HWND control(const form::control& description) const;

    HINSTANCE instance_;
    // The fonts, brush and icons outlive the window and its controls, which use them.
    font_handle message_font_;
    font_handle result_font_;
    brush_handle result_brush_;
    icon_handle big_icon_;
    icon_handle small_icon_;
    UINT dpi_ = 96;
    double scale_ = 1.0;
    number_options options_;
    std::exception_ptr create_failure_; // why WM_CREATE failed
    bool ready_ = false;                // WM_CREATE has made every control
    std::array<HWND, 11> controls_{};   // in the order of form::controls, children of the window
    HWND tooltip_ = nullptr;            // owned by the window, destroyed with it
    HWND focus_ = nullptr; // the control to give the focus back to when the window is activated
    window_handle hwnd_;   // destroyed first, taking its controls with it
};

} // namespace ridi::win32
