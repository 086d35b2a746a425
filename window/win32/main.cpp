// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi.exe: the RI-DI window on Windows.
#include "win32_coax_frm.hpp"

#include "ridi/form/form.hpp"
#include "ridi/utf.hpp"

#include <commctrl.h>

#include <exception>
#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    try {
        ridi::win32::coax_frm window(instance);
        window.show(show_command);
        MSG message{};
        // The dialog keys: Tab and Shift+Tab, the access key, Enter and Escape as commands.
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (IsDialogMessageW(window.hwnd(), &message) == FALSE) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return static_cast<int>(message.wParam);
    } catch (const std::exception& error) {
        const std::u16string message = ridi::utf8_to_utf16(error.what());
        const std::u16string_view title = ridi::form::title;
        MessageBoxW(nullptr, std::wstring(message.begin(), message.end()).c_str(),
                    std::wstring(title.begin(), title.end()).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
