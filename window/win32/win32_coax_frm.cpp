// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32_coax_frm.hpp"

#include "control_ids.hpp"

#include "ridi/catalogue.hpp"
#include "ridi/form/form.hpp"
#include "ridi/form/form_layout.hpp"
#include "ridi/utf.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace ridi::win32 {
namespace {

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
font_handle create_message_font(UINT dpi) {
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
    font_handle font(CreateFontIndirectW(&metrics.lfMessageFont));
    if (font == nullptr) {
        fail("CreateFontIndirect");
    }
    return font;
}

font_handle create_result_font(UINT dpi) {
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
    font_handle handle(CreateFontIndirectW(&font));
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

// Draws a result whose value is too wide for it as its start and an ellipsis
// (form::shown_result), in place of the edit control's own drawing of its start; false, and
// nothing drawn, when the value fits. Its text stays the whole value.
bool paint_cut_result(HWND result) {
    const int length = GetWindowTextLengthW(result);
    std::wstring value(static_cast<std::size_t>(length) + 1, L'\0');
    value.resize(
        static_cast<std::size_t>(std::max(GetWindowTextW(result, value.data(), length + 1), 0)));
    RECT room{};
    SendMessageW(result, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(result, WM_GETFONT, 0, 0));
    const std::u16string whole(value.begin(), value.end());
    const auto width = [font](std::u16string_view text) {
        return text_size(font, text).width;
    };
    if (width(whole) <= room.right - room.left) {
        return false;
    }
    const std::wstring shown = wide(form::shown_result(whole, room.right - room.left, width));
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(result, &paint);
    // The colours and background the window gives its results.
    auto* background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(result), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(result)));
    RECT client{};
    GetClientRect(result, &client);
    FillRect(dc, &client, background);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &room,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(result, &paint);
    return true;
}

// A result: the read-only edit control, but drawn cut with an ellipsis while it does not have
// the focus; with the focus, the user selects in the edit control's own drawing.
LRESULT CALLBACK result_proc(HWND result, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                             DWORD_PTR /*data*/) {
    switch (message) {
    case WM_PAINT:
        if (GetFocus() != result && paint_cut_result(result)) {
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(result, nullptr, TRUE);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(result, result_proc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(result, message, wparam, lparam);
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

// The window class, registered once per process: a second window finds it there.
void register_window_class(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    if (GetClassInfoExW(instance, class_name, &window_class) != FALSE) {
        return;
    }
    window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
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
    if (RegisterClassExW(&window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        fail("RegisterClassEx");
    }
}

} // namespace

coax_frm::coax_frm(HINSTANCE instance) : instance_(instance) {
    register_window_class(instance, window_proc);
    result_brush_.reset(CreateSolidBrush(RGB(
        form::result_background.red, form::result_background.green, form::result_background.blue)));
    if (result_brush_ == nullptr) {
        fail("CreateSolidBrush");
    }
    read_locale();

    // The controls are made in WM_CREATE: when one fails, Windows destroys the window before
    // CreateWindowEx returns, and the failure is thrown from here.
    const std::wstring title = wide(form::title);
    HWND created =
        CreateWindowExW(window_ex_style, class_name, title.c_str(), window_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, 200, 200, nullptr, nullptr, instance, this);
    if (created == nullptr) {
        if (create_failure_) {
            std::rethrow_exception(create_failure_);
        }
        fail("CreateWindowEx");
    }
}

coax_frm::~coax_frm() {
    if (hwnd_ != nullptr) {
        // From here on the window procedure no longer reaches this object; then the window,
        // the first member to go, is destroyed with its controls.
        SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
    }
}

bool coax_frm::create() noexcept {
    try {
        create_controls();
        add_tooltips();
        lay_out(window_dpi(hwnd()));
        ready_ = true;
        return true;
    } catch (...) {
        create_failure_ = std::current_exception();
        return false;
    }
}

void coax_frm::show(int show_command) {
    ShowWindow(hwnd(), show_command);
    UpdateWindow(hwnd());
    focus_ = control(form::first_focus());
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
        HWND created = CreateWindowExW(
            ex_style, window_class, description->kind == form::kind::drop_down ? L"" : text.c_str(),
            style, 0, 0, 10, 10, hwnd(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(index))), // NOLINT
            instance_, nullptr);
        if (created == nullptr) {
            fail("CreateWindowEx");
        }
        controls_[index] = created;
        switch (description->kind) {
        case form::kind::text_field:
            SendMessageW(created, EM_SETLIMITTEXT, 0, 0); // no limit but the system's
            break;
        case form::kind::result_label:
            SendMessageW(created, EM_SETLIMITTEXT, 0, 0);
            if (SetWindowSubclass(created, result_proc, 0, 0) == FALSE) {
                fail("SetWindowSubclass");
            }
            break;
        case form::kind::drop_down:
            for (const cable& entry : form::cable_list()) {
                const std::wstring name = wide(entry.name);
                const LRESULT item =
                    SendMessageW(created, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
                if (item < 0) {
                    fail("CB_ADDSTRING");
                }
                SendMessageW(created, CB_SETITEMDATA, static_cast<WPARAM>(item),
                             form::cable_item_value);
            }
            SendMessageW(created, CB_LIMITTEXT, 0, 0);
            SendMessageW(created, CB_SETCURSEL, static_cast<WPARAM>(form::starting_cable_index()),
                         0);
            set_control_text(*description, description->text);
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
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance_, nullptr);
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
            tool.hwnd = hwnd();
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
    font_handle message_font = create_message_font(dpi);
    font_handle result_font = create_result_font(dpi);
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        HFONT font = form::controls[i].kind == form::kind::result_label ? result_font.get()
                                                                        : message_font.get();
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(message_font.get()), FALSE);
    // The controls use the new fonts now; the old ones go.
    message_font_ = std::move(message_font);
    result_font_ = std::move(result_font);

    // Each control's room for its text: its box less what its frame, margins and arrow take,
    // measured on the control itself at this DPI and font.
    const form::text_measure measure = [this](std::u16string_view text, form::text_font font) {
        return text_size(font == form::text_font::result ? result_font_.get() : message_font_.get(),
                         text);
    };
    std::vector<form::text_box> boxes;
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::control& description = form::controls[i];
        HWND hwnd = controls_[i];
        std::function<form::pixel_size(form::pixel_size)> room;
        switch (description.kind) {
        case form::kind::caption_label:
            room = [](form::pixel_size box) {
                return box;
            };
            break;
        case form::kind::text_field:
        case form::kind::result_label: {
            const form::pixel_size frame = frame_of(hwnd);
            const int margins = edit_margins(hwnd);
            room = [frame, margins](form::pixel_size box) {
                return form::pixel_size{box.width - frame.width - margins,
                                        box.height - frame.height};
            };
            break;
        }
        case form::kind::drop_down: {
            // A combo box is as high as its font needs; its width is laid out. Its edit part is
            // what is left of it beside the button and the frame, less the edit's margins.
            // Measured at its own width: a combo box narrower than its button has no edit part
            // to speak of.
            const form::pixel_box unscaled = form::to_pixels(description.box, dpi);
            SetWindowPos(hwnd, nullptr, 0, 0, unscaled.width, unscaled.height,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            GetComboBoxInfo(hwnd, &info);
            const int beside_field =
                window_size(hwnd).width - (info.rcItem.right - info.rcItem.left);
            const int margins = info.hwndItem != nullptr ? edit_margins(info.hwndItem) : 0;
            const int line = text_size(message_font_.get(), u"").height;
            room = [beside_field, margins, line](form::pixel_size b) {
                return form::pixel_size{b.width - beside_field - margins, line};
            };
            break;
        }
        case form::kind::push_button: {
            // A push button draws its text inside a 2-pixel edge and the focus rectangle.
            const int inset = 2 * (metric(SM_CXEDGE, dpi) + 2);
            room = [inset](form::pixel_size box) {
                return form::pixel_size{box.width - inset, box.height - inset};
            };
            break;
        }
        }
        boxes.push_back(form::fit_box(description, control_text(description), measure, room));
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
    HWND window = hwnd();
    if (dpi_api().adjust_window_rect != nullptr) {
        dpi_api().adjust_window_rect(&frame, window_style, FALSE, window_ex_style, dpi);
    } else {
        AdjustWindowRectEx(&frame, window_style, FALSE, window_ex_style);
    }
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A frame whose menu bar or caption wraps differently: make the client area exact.
    RECT got{};
    GetClientRect(window, &got);
    if (got.right != client.width || got.bottom != client.height) {
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + client.width - got.right,
                     frame.bottom - frame.top + client.height - got.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void coax_frm::set_icons(UINT dpi) {
    const auto load = [&](int width, int height) {
        return icon_handle(static_cast<HICON>(LoadImageW(
            instance_, L"IDI_ICON1", IMAGE_ICON, metric(width, dpi), metric(height, dpi), 0)));
    };
    icon_handle big = load(SM_CXICON, SM_CYICON);
    icon_handle small_icon = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon.get()));
    big_icon_ = std::move(big);
    small_icon_ = std::move(small_icon);
}

void coax_frm::read_locale() {
    wchar_t decimal[8]{};
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, std::size(decimal));
    options_.decimal_comma = length > 0 && std::wstring_view(decimal) == L",";
}

HWND coax_frm::control(const form::control& description) const {
    return controls_[static_cast<std::size_t>(&description - form::controls.data())];
}

HWND coax_frm::control(form::control_id id) const {
    return control(form::get(id));
}

LRESULT CALLBACK coax_frm::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<coax_frm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<coax_frm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        // The object has ended and takes its window with it: so ends the program.
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
        }
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        // The last message: the window is gone, the object no longer owns it.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        (void)self->hwnd_.release();
        self->ready_ = false;
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (message == WM_CREATE) {
        return self->create() ? 0 : -1;
    }
    if (!self->ready_) {
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    // Nothing unwinds through Windows: a failure is reported as the window reports every other.
    try {
        return self->handle(message, wparam, lparam);
    } catch (const std::exception& error) {
        try {
            self->report_failure(utf8_to_utf16(error.what()));
        } catch (...) {
            self->report_failure(form::internal_failure);
        }
    } catch (...) {
        self->report_failure(form::internal_failure);
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT coax_frm::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = hwnd();
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wparam);
        const HWND calc = control(form::control_id::calc_cmd);
        if (id == control_id(form::control_id::calc_cmd) && HIWORD(wparam) == BN_CLICKED) {
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
        if (hwnd == control(form::control_id::coax_length_lbl) ||
            hwnd == control(form::control_id::vf_length_lbl)) {
            const form::colour& white = form::result_background;
            SetBkColor(hdc, RGB(white.red, white.green, white.blue));
            SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(result_brush_.get());
        }
        SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
        // Like a dialog: the focus goes back to the control that had it.
        if (LOWORD(wparam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus != nullptr && IsChild(window, focus)) {
                focus_ = focus;
            }
        } else if (HIWORD(wparam) == 0) {
            SetFocus(focus_ != nullptr ? focus_ : control(form::first_focus()));
        }
        return 0;
    case WM_SETFOCUS:
        SetFocus(focus_ != nullptr ? focus_ : control(form::first_focus()));
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        lay_out(HIWORD(wparam));
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
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
    return DefWindowProcW(window, message, wparam, lparam);
}

void coax_frm::report_failure(std::u16string_view message) noexcept {
    try {
        const std::wstring text = wide(message);
        const std::wstring title = wide(form::title);
        MessageBoxW(hwnd(), text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
    } catch (...) {
        // No memory for the message: the box says what it can.
        MessageBoxW(hwnd(), L"Out of memory", nullptr, MB_OK | MB_ICONWARNING);
    }
}

std::u16string coax_frm::control_text(const form::control& description) {
    HWND hwnd = control(description);
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
    return {text.begin(), text.begin() + std::clamp(got, 0, length)};
}

void coax_frm::set_control_text(const form::control& description, std::u16string_view text) {
    HWND hwnd = control(description);
    const std::wstring shown = wide(text);
    if (SetWindowTextW(hwnd, shown.c_str()) == FALSE) {
        fail("SetWindowText");
    }
    if (description.kind == form::kind::result_label) {
        // A value wider than its field shows from its start, where its digits begin (and ends
        // in an ellipsis, result_proc).
        SendMessageW(hwnd, EM_SETSEL, 0, 0);
        SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
        // Screen readers hear the new value.
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

} // namespace ridi::win32
