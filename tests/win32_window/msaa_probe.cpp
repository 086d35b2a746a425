// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds of the Win32 window through MSAA (oleacc), asked in the process
// that owns the window: Wine answers MSAA for a window only there. Makes the real window class
// twice (a second window in one process), presses Calculate, then asks for each input and
// result its name (its caption), value (its text), role and state, and for the button its name
// and shortcut. Before that, a window whose cable field cannot be made: its construction fails
// and leaves nothing behind. After them, a decimal symbol changed in the regional settings
// while the window is open, which Wine lets only the window's own process see. Run by the
// window driver under Wine; prints one line per check, exit status 0 when all passed.
#include "control_ids.hpp"
#include "win32_coax_frm.hpp"

#include "ridi/form/form.hpp"
#include "ridi/utf.hpp"

#include <commctrl.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace form = ridi::form;

namespace {

int failed = 0;

void check(bool ok, const std::string& what, const std::wstring& got = {}) {
    failed += ok ? 0 : 1;
    const std::string detail =
        ok || got.empty()
            ? ""
            : ": got \"" + ridi::utf16_to_utf8(std::u16string(got.begin(), got.end())) + "\"";
    std::printf("%s - in the window's own process: %s%s\n", ok ? "ok" : "not ok", what.c_str(),
                detail.c_str());
    std::fflush(stdout);
}

void pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// One of oleacc's string answers, or "(failed)" when it gives none.
template <class Get> std::wstring answer(Get get) {
    BSTR text = nullptr;
    if (FAILED(get(&text)) || text == nullptr) {
        return L"(failed)";
    }
    std::wstring value(text, SysStringLen(text));
    SysFreeString(text);
    return value;
}

// The client object oleacc makes for `hwnd`, or nullptr.
IAccessible* accessible(HWND hwnd, const std::string& name) {
    // (oleacc.dll exports IID_IAccessible as data, which MinGW links as its import address;
    // the compiler's own copy of the interface id is the one to pass.)
    IAccessible* object = nullptr;
    const HRESULT got =
        AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    if (FAILED(got) || object == nullptr) {
        char code[16];
        std::snprintf(code, sizeof code, "%08lx", static_cast<unsigned long>(got));
        check(false, name + " answers MSAA (" + code + ")");
        return nullptr;
    }
    return object;
}

long role_of(IAccessible& object, VARIANT self) {
    VARIANT role{};
    object.get_accRole(self, &role);
    return role.vt == VT_I4 ? role.lVal : -1;
}

void control_answers(HWND window, const form::control& c) {
    const std::string name(c.name);
    HWND hwnd = GetDlgItem(window, ridi::win32::control_id(c.id));
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    if (c.kind == form::kind::drop_down) {
        // Wine answers for a combo box as for any window (its text as its name, the role of a
        // client area); Windows names it after its caption like an edit, which the driver's
        // z-order check stands for. The edit part, where the typing goes, is asked here.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(hwnd, &info);
        hwnd = info.hwndItem;
    }
    IAccessible* object = accessible(hwnd, name);
    if (object == nullptr) {
        return;
    }
    const std::wstring accessible_name =
        answer([&](BSTR* text) { return object->get_accName(self, text); });
    if (c.kind == form::kind::push_button) {
        check(accessible_name == wide(form::shown_caption(c.text)), name + " is named Calculate",
              accessible_name);
        const std::wstring shortcut =
            answer([&](BSTR* text) { return object->get_accKeyboardShortcut(self, text); });
        check(shortcut ==
                  L"Alt+" + std::wstring(1, static_cast<wchar_t>(*form::access_key(c.text))),
              name + "'s shortcut is Alt+C", shortcut);
        object->Release();
        return;
    }
    if (c.kind != form::kind::drop_down) {
        const std::u16string_view caption = form::caption_of(c.id)->text;
        check(accessible_name == wide(caption),
              name + " is named after its caption \"" + ridi::utf16_to_utf8(caption) + "\"",
              accessible_name);
    }
    const std::string what = c.kind == form::kind::drop_down ? name + "'s edit part" : name;
    wchar_t shown[256]{};
    GetWindowTextW(hwnd, shown, static_cast<int>(std::size(shown)));
    const std::wstring value = answer([&](BSTR* text) { return object->get_accValue(self, text); });
    check(value == shown && !value.empty(), what + "'s value is its text", value);
    const long role = role_of(*object, self);
    check(role == ROLE_SYSTEM_TEXT, what + " is text", std::to_wstring(role));
    VARIANT state{};
    object->get_accState(self, &state);
    const bool read_only = state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_READONLY) != 0;
    check(read_only == (c.kind == form::kind::result_label),
          what + (read_only ? " is read-only" : " is not read-only"));
    object->Release();
}

// Refuses to make a combo box, as Windows may when it is out of resources.
LRESULT CALLBACK refuse_combo_box(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        const auto* name = create->lpszClass;
        if (!IS_INTRESOURCE(name) && _wcsicmp(name, L"COMBOBOX") == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

// A control that cannot be made fails the window's construction, which leaves no window (whose
// messages would reach the object no longer there) and no request to quit (which would close
// the message box that reports the failure at once).
// Every cable name fits the edit part of the cable field that GetComboBoxInfo names, inside
// its margins, with the caret after it.
void cable_names_fit(HWND window) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    const bool found =
        GetComboBoxInfo(GetDlgItem(window, ridi::win32::control_id(form::control_id::cable_combo)),
                        &info) != FALSE &&
        info.hwndItem != nullptr;
    check(found, "GetComboBoxInfo names the cable field's edit part");
    if (!found) {
        return;
    }
    HDC dc = GetDC(info.hwndItem);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(info.hwndItem, WM_GETFONT, 0, 0)));
    RECT client{};
    GetClientRect(info.hwndItem, &client);
    const auto margins = static_cast<DWORD>(SendMessageW(info.hwndItem, EM_GETMARGINS, 0, 0));
    const LONG room = client.right - LOWORD(margins) - HIWORD(margins);
    for (const ridi::cable& entry : form::cable_list()) {
        const std::wstring name = wide(entry.name);
        SIZE size{};
        GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
        check(size.cx + 1 <= room,
              "the cable name " + ridi::utf16_to_utf8(entry.name) + " fits the edit part",
              std::to_wstring(size.cx) + L" pixels and the caret in " + std::to_wstring(room));
    }
    SelectObject(dc, old);
    ReleaseDC(info.hwndItem, dc);
}

// A decimal symbol changed in the regional settings while the window is open counts from the
// next Calculate: Windows tells every window of the change with WM_SETTINGCHANGE "intl", and
// the window reads the symbol again then, not only when it opened. Changed both ways, so that
// a symbol read once at the start fails one of them. Wine shows a process only the changes it
// makes itself, hence here, in the window's process.
void decimal_symbol_follows_settings(ridi::win32::coax_frm& window) {
    wchar_t saved[8]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, saved, std::size(saved));
    HWND freq = GetDlgItem(window.hwnd(), ridi::win32::control_id(form::control_id::freq_txt));
    HWND length =
        GetDlgItem(window.hwnd(), ridi::win32::control_id(form::control_id::coax_length_lbl));
    for (const bool comma : {true, false}) {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, comma ? L"," : L".");
        SendMessageW(window.hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
        const bool counts = window.options().decimal_comma == comma;
        check(counts, std::string("the decimal symbol changed to \"") + (comma ? "," : ".") +
                          "\" while the window is open counts");
        if (comma && counts) {
            // (Refusing 7,1 would show a message box, which would wait here for a click.)
            SetWindowTextW(freq, L"7,1");
            window.calc_cmd_Click();
            wchar_t shown[32]{};
            GetWindowTextW(length, shown, static_cast<int>(std::size(shown)));
            check(std::wstring_view(shown) == L"10.563", "Calculate then takes 7,1 MHz as 7.1",
                  shown);
        }
    }
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
    SendMessageW(window.hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
}

void failed_construction() {
    HHOOK hook = SetWindowsHookExW(WH_CBT, refuse_combo_box, nullptr, GetCurrentThreadId());
    bool threw = false;
    try {
        const ridi::win32::coax_frm broken(GetModuleHandleW(nullptr));
    } catch (const std::exception&) {
        threw = true;
    }
    UnhookWindowsHookEx(hook);
    check(threw, "a window whose cable field cannot be made fails to construct");
    check(FindWindowW(ridi::win32::class_name, nullptr) == nullptr,
          "the failed window leaves no window behind");
    MSG quit{};
    check(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) == FALSE,
          "the failed window posts no request to quit");
}

} // namespace

int wmain() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    if (FAILED(CoInitialize(nullptr))) {
        check(false, "COM starts");
        return 1;
    }
    failed_construction();
    {
        ridi::win32::coax_frm window(GetModuleHandleW(nullptr));
        try {
            const ridi::win32::coax_frm second(GetModuleHandleW(nullptr));
            check(second.hwnd() != nullptr && second.hwnd() != window.hwnd(),
                  "a second window of the class opens in the same process");
        } catch (const std::exception& error) {
            check(false, std::string("a second window opens: ") + error.what());
        }
        window.show(SW_SHOWNORMAL);
        pump();
        cable_names_fit(window.hwnd());
        window.calc_cmd_Click();
        pump();
        for (const form::control& c : form::controls) {
            if (form::caption_of(c.id) != nullptr || c.kind == form::kind::push_button) {
                control_answers(window.hwnd(), c);
            }
        }
        decimal_symbol_follows_settings(window);
    }
    CoUninitialize();
    return failed == 0 ? 0 : 1;
}
