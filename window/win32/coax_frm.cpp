// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coax_frm.hpp"

#include "control_ids.hpp"

#include "ridi/catalogue.hpp"
#include "ridi/form.hpp"
#include "ridi/form_layout.hpp"
#include "ridi/utf.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace ridi::win32 {
namespace {

constexpr wchar_t class_name[] = L"ridi_coax_frm";
constexpr DWORD window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD window_ex_style = 0;

std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

[[noreturn]] void fail(const char* what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// The per-monitor DPI functions of Windows 10, looked up at run time so that the program also
// starts where they are missing and then works at the system DPI.
struct dpi_functions {
    UINT(WINAPI* dpi_for_window)(HWND) = nullptr;
    BOOL(WINAPI* adjust_window_rect)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* system_parameters)(UINT, UINT, PVOID, UINT, UINT) = nullptr;
    int(WINAPI* system_metrics)(int, UINT) = nullptr;

    dpi_functions() {
        if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            load(user32, "GetDpiForWindow", dpi_for_window);
            load(user32, "AdjustWindowRectExForDpi", adjust_window_rect);
            load(user32, "SystemParametersInfoForDpi", system_parameters);
            load(user32, "GetSystemMetricsForDpi", system_metrics);
        }
    }
    template <class F> static void load(HMODULE module, const char* name, F& function) {
        function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

const dpi_functions& dpi_api() {
    static const dpi_functions functions;
    return functions;
}

UINT system_dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT window_dpi(HWND hwnd) {
    if (dpi_api().dpi_for_window != nullptr) {
        if (const UINT dpi = dpi_api().dpi_for_window(hwnd); dpi != 0) {
            return dpi;
        }
    }
    return system_dpi();
}

int metric(int index, UINT dpi) {
    if (dpi_api().system_metrics != nullptr) {
        return dpi_api().system_metrics(index, dpi);
    }
    return GetSystemMetrics(index);
}

// The font Windows uses for dialogs, at `dpi`.
HFONT create_message_font(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    BOOL got = FALSE;
    if (dpi_api().system_parameters != nullptr) {
        got =
            dpi_api().system_parameters(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    }
    if (got == FALSE) {
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) == FALSE) {
            fail("SystemParametersInfo");
        }
        metrics.lfMessageFont.lfHeight = MulDiv(
            metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(system_dpi()));
    }
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (font == nullptr) {
        fail("CreateFontIndirect");
    }
    return font;
}

HFONT create_result_font(UINT dpi) {
    const form::font& result = form::result_font;
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(result.points * dpi / 72.0));
    font.lfWeight = result.weight;
    font.lfItalic = result.italic ? TRUE : FALSE;
    font.lfUnderline = result.underline ? TRUE : FALSE;
    font.lfStrikeOut = result.strike_out ? TRUE : FALSE;
    font.lfCharSet = static_cast<BYTE>(result.charset);
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::wstring family = wide(result.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    HFONT handle = CreateFontIndirectW(&font);
    if (handle == nullptr) {
        fail("CreateFontIndirect");
    }
    return handle;
}

// The size one line of `text` takes in `font`.
form::pixel_size text_size(HFONT font, std::u16string_view text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring shown = wide(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {extent.cx, metrics.tmHeight};
}

form::pixel_size window_size(HWND hwnd) {
    RECT box{};
    GetWindowRect(hwnd, &box);
    return {box.right - box.left, box.bottom - box.top};
}

// What a control's frame takes of its box, whatever its size: the box less the client area.
form::pixel_size frame_of(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const form::pixel_size box = window_size(hwnd);
    return {box.width - client.right, box.height - client.bottom};
}

int edit_margins(HWND edit) {
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    return LOWORD(margins) + HIWORD(margins);
}

} // namespace

coax_frm::coax_frm(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = class_name;
    window_class.hIcon =
        static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), 0));
    if (RegisterClassExW(&window_class) == 0) {
        fail("RegisterClassEx");
    }
    result_brush_ = CreateSolidBrush(RGB(form::result_background.red, form::result_background.green,
                                         form::result_background.blue));
    read_locale();

    const std::wstring title = wide(form::title);
    hwnd_ = CreateWindowExW(window_ex_style, class_name, title.c_str(), window_style, CW_USEDEFAULT,
                            CW_USEDEFAULT, 200, 200, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) {
        fail("CreateWindowEx");
    }
    create_controls();
    add_tooltips();
    lay_out(window_dpi(hwnd_));
}

coax_frm::~coax_frm() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (HICON icon : {big_icon_, small_icon_}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(message_font_), static_cast<HGDIOBJ>(result_font_),
                           static_cast<HGDIOBJ>(result_brush_)}) {
        if (object != nullptr) {
            DeleteObject(object);
        }
    }
}

void coax_frm::show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    focus_ = control(form::first_focus().name);
    SetFocus(focus_);
}

void coax_frm::create_controls() {
    // Creation order is z-order: each caption right before the control it names (screen readers
    // name a control after the text before it), the inputs in Tab order.
    for (const form::control* description : form::z_order()) {
        const auto index = static_cast<std::size_t>(description - form::controls.data());
        const wchar_t* window_class = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD ex_style = 0;
        switch (description->kind) {
        case form::kind::caption_label:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case form::kind::text_field:
            window_class = L"EDIT";
            style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            ex_style = WS_EX_CLIENTEDGE;
            break;
        case form::kind::drop_down:
            window_class = L"COMBOBOX";
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            break;
        case form::kind::push_button:
            window_class = L"BUTTON";
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case form::kind::result_label:
            // A read-only edit: selectable and copyable, never editable; no Tab stop.
            window_class = L"EDIT";
            style |= ES_LEFT | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER;
            break;
        }
        const std::wstring text = wide(description->text);
        HWND hwnd = CreateWindowExW(
            ex_style, window_class, description->kind == form::kind::drop_down ? L"" : text.c_str(),
            style, 0, 0, 10, 10, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(index))), // NOLINT
            instance_, nullptr);
        if (hwnd == nullptr) {
            fail("CreateWindowEx");
        }
        controls_[index] = hwnd;
        switch (description->kind) {
        case form::kind::text_field:
        case form::kind::result_label:
            SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0); // no limit but the system's
            break;
        case form::kind::drop_down:
            for (const cable& entry : form::cable_list()) {
                const std::wstring name = wide(entry.name);
                const LRESULT item =
                    SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
                if (item < 0) {
                    fail("CB_ADDSTRING");
                }
                SendMessageW(hwnd, CB_SETITEMDATA, static_cast<WPARAM>(item),
                             form::cable_item_value);
            }
            SendMessageW(hwnd, CB_LIMITTEXT, 0, 0);
            SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(form::starting_cable_index()), 0);
            write(hwnd, description->text);
            break;
        default:
            break;
        }
    }
}

void coax_frm::add_tooltips() {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    if (tooltip_ == nullptr) {
        fail("CreateWindowEx tooltips");
    }
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::control& description = form::controls[i];
        if (description.tooltip.empty()) {
            continue;
        }
        std::vector<HWND> targets{controls_[i]};
        if (description.kind == form::kind::drop_down) {
            // The mouse is over the combo's edit field most of the time.
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            if (GetComboBoxInfo(controls_[i], &info) != FALSE && info.hwndItem != nullptr) {
                targets.push_back(info.hwndItem);
            }
        }
        std::wstring text = wide(description.tooltip);
        for (HWND target : targets) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(target);
            tool.lpszText = text.data();
            if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == 0) {
                fail("TTM_ADDTOOL");
            }
        }
    }
}

void coax_frm::lay_out(UINT dpi) {
    dpi_ = dpi;
    HFONT message_font = create_message_font(dpi);
    HFONT result_font = create_result_font(dpi);
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        HFONT font =
            form::controls[i].kind == form::kind::result_label ? result_font : message_font;
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(message_font), FALSE);
    for (HFONT old : {message_font_, result_font_}) {
        if (old != nullptr) {
            DeleteObject(old);
        }
    }
    message_font_ = message_font;
    result_font_ = result_font;

    // Each control's room for its text: its box less what its frame, margins and arrow take,
    // measured on the control itself at this DPI and font.
    std::vector<form::text_box> boxes;
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::control& description = form::controls[i];
        HWND hwnd = controls_[i];
        switch (description.kind) {
        case form::kind::caption_label:
            boxes.push_back({description.box, text_size(message_font, description.text),
                             [](form::pixel_size box) {
                                 return box;
                             }});
            break;
        case form::kind::text_field:
        case form::kind::result_label: {
            const form::pixel_size frame = frame_of(hwnd);
            const int margins = edit_margins(hwnd);
            form::pixel_size text = description.kind == form::kind::text_field
                                        ? text_size(message_font, read(hwnd))
                                        : text_size(result_font, form::widest_result);
            text.width += 1; // the caret after the text
            boxes.push_back({description.box, text, [frame, margins](form::pixel_size box) {
                                 return form::pixel_size{box.width - frame.width - margins,
                                                         box.height - frame.height};
                             }});
            break;
        }
        case form::kind::drop_down: {
            // A combo box is as high as its font needs; its width is laid out.
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            GetComboBoxInfo(hwnd, &info);
            const int beside_field =
                window_size(hwnd).width - (info.rcItem.right - info.rcItem.left);
            const int margins = info.hwndItem != nullptr ? edit_margins(info.hwndItem) : 0;
            form::pixel_size text = text_size(message_font, read(hwnd));
            text.width += 1;
            boxes.push_back(
                {description.box, text, [beside_field, margins, text](form::pixel_size b) {
                     return form::pixel_size{b.width - beside_field - margins, text.height};
                 }});
            break;
        }
        case form::kind::push_button: {
            // A push button draws its text inside a 2-pixel edge and the focus rectangle.
            const int inset = 2 * (metric(SM_CXEDGE, dpi) + 2);
            boxes.push_back({description.box,
                             text_size(message_font, form::shown_caption(description.text)),
                             [inset](form::pixel_size box) {
                                 return form::pixel_size{box.width - inset, box.height - inset};
                             }});
            break;
        }
        }
    }
    const double ppi = dpi;
    scale_ = form::scale_factor(boxes, ppi);

    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::control& description = form::controls[i];
        const form::pixel_box box = form::to_pixels(description.box, ppi, scale_);
        int height = box.height;
        if (description.kind == form::kind::drop_down) {
            // The window of a drop-down list also holds the open list: all entries at once.
            const auto item = static_cast<int>(SendMessageW(controls_[i], CB_GETITEMHEIGHT, 0, 0));
            height += item * static_cast<int>(form::cable_list().size()) + 2;
        }
        SetWindowPos(controls_[i], nullptr, box.left, box.top, box.width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(controls_[i], nullptr, TRUE);
    }
    set_icons(dpi);

    const form::pixel_size client = form::client_pixels(ppi, scale_);
    RECT frame{0, 0, client.width, client.height};
    if (dpi_api().adjust_window_rect != nullptr) {
        dpi_api().adjust_window_rect(&frame, window_style, FALSE, window_ex_style, dpi);
    } else {
        AdjustWindowRectEx(&frame, window_style, FALSE, window_ex_style);
    }
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A frame whose menu bar or caption wraps differently: make the client area exact.
    RECT got{};
    GetClientRect(hwnd_, &got);
    if (got.right != client.width || got.bottom != client.height) {
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + client.width - got.right,
                     frame.bottom - frame.top + client.height - got.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void coax_frm::set_icons(UINT dpi) {
    const auto load = [&](int width, int height) {
        return static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON,
                                             metric(width, dpi), metric(height, dpi), 0));
    };
    HICON big = load(SM_CXICON, SM_CYICON);
    HICON small_icon = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
    for (HICON old : {big_icon_, small_icon_}) {
        if (old != nullptr) {
            DestroyIcon(old);
        }
    }
    big_icon_ = big;
    small_icon_ = small_icon;
}

void coax_frm::read_locale() {
    wchar_t decimal[8]{};
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, std::size(decimal));
    options_.decimal_comma = length > 0 && std::wstring_view(decimal) == L",";
}

HWND coax_frm::control(std::string_view name) const {
    const form::control& description = form::get(name);
    return controls_[static_cast<std::size_t>(&description - form::controls.data())];
}

LRESULT CALLBACK coax_frm::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<coax_frm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<coax_frm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->controls_.back() == nullptr) {
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
        }
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    return self->handle(message, wparam, lparam);
}

LRESULT coax_frm::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wparam);
        const HWND calc = control("calc_cmd");
        if (id == control_id("calc_cmd") && HIWORD(wparam) == BN_CLICKED) {
            calc_cmd_Click();
        } else if (id == IDOK && lparam == 0 && GetFocus() == calc) {
            // Enter with the button focused; Enter anywhere else does nothing.
            calc_cmd_Click();
        }
        // IDCANCEL (Escape) does nothing.
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        auto* hdc = reinterpret_cast<HDC>(wparam);
        const auto hwnd = reinterpret_cast<HWND>(lparam);
        if (hwnd == control("coax_length_lbl") || hwnd == control("vf_length_lbl")) {
            const form::colour& white = form::result_background;
            SetBkColor(hdc, RGB(white.red, white.green, white.blue));
            SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(result_brush_);
        }
        SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
        // Like a dialog: the focus goes back to the control that had it.
        if (LOWORD(wparam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd_, focus)) {
                focus_ = focus;
            }
        } else if (HIWORD(wparam) == 0) {
            SetFocus(focus_ != nullptr ? focus_ : control(form::first_focus().name));
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(focus_ != nullptr ? focus_ : control(form::first_focus().name));
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        lay_out(HIWORD(wparam));
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SETTINGCHANGE:
        if (lparam != 0 && std::wstring_view(reinterpret_cast<const wchar_t*>(lparam)) == L"intl") {
            read_locale();
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void coax_frm::calc_cmd_Click() {
    try {
        ridi::calc_cmd_Click(*this, options_);
    } catch (const std::exception& error) {
        const std::u16string message = utf8_to_utf16(error.what());
        const std::wstring text = wide(message);
        const std::wstring title = wide(form::title);
        MessageBoxW(hwnd_, text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
    }
}

float coax_frm::Get_Vk() {
    return ridi::Get_Vk(cable_text());
}

std::u16string_view coax_frm::read(HWND hwnd) {
    SetLastError(ERROR_SUCCESS);
    const int length = GetWindowTextLengthW(hwnd);
    if (length == 0 && GetLastError() != ERROR_SUCCESS) {
        fail("GetWindowTextLength");
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SetLastError(ERROR_SUCCESS);
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    if (got == 0 && GetLastError() != ERROR_SUCCESS) {
        fail("GetWindowText");
    }
    read_.assign(text.begin(), text.begin() + std::clamp(got, 0, length));
    return read_;
}

void coax_frm::write(HWND hwnd, std::u16string_view text) {
    const std::wstring shown = wide(text);
    if (SetWindowTextW(hwnd, shown.c_str()) == FALSE) {
        fail("SetWindowText");
    }
}

std::u16string_view coax_frm::freq_text() {
    return read(control("freq_txt"));
}
std::u16string_view coax_frm::qtr_num_text() {
    return read(control("qtr_num_txt"));
}
std::u16string_view coax_frm::cable_text() {
    return read(control("cable_combo"));
}
std::u16string_view coax_frm::coax_length_caption() {
    return read(control("coax_length_lbl"));
}
void coax_frm::set_coax_length_caption(std::u16string_view caption) {
    write(control("coax_length_lbl"), caption);
}
void coax_frm::set_vf_length_caption(std::u16string_view caption) {
    write(control("vf_length_lbl"), caption);
}

} // namespace ridi::win32
