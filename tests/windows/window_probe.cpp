// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// window_probe PROGRAM.exe [TITLE]: starts a GUI program, waits for its first visible top-level
// window, prints that window's title and how long it took to appear, closes it as a user would
// (WM_CLOSE) and waits for the program to end. Exit status 0 when a window (with TITLE, when
// given) appeared within 30 s and the program then ended by itself, with status 0, within 10 s.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

struct search {
    DWORD process_id;
    HWND window;
};

BOOL CALLBACK find_window(HWND window, LPARAM data) {
    auto* wanted = reinterpret_cast<search*>(data);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id == wanted->process_id && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        wanted->window = window;
        return FALSE;
    }
    return TRUE;
}

std::string utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring title_of(HWND window) {
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(
        GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: window_probe PROGRAM.exe [TITLE]\n", stderr);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::wstring command_line = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[1], command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "window_probe: cannot start %s (error %lu)\n", utf8(argv[1]).c_str(),
                     GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    WaitForInputIdle(process.hProcess, 30000);
    search wanted{process.dwProcessId, nullptr};
    for (int tries = 0; tries < 300 && wanted.window == nullptr; ++tries) {
        EnumWindows(find_window, reinterpret_cast<LPARAM>(&wanted));
        if (wanted.window == nullptr) {
            if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) {
                std::fputs("window_probe: the program ended without showing a window\n", stderr);
                return 1;
            }
        }
    }
    if (wanted.window == nullptr) {
        std::fputs("window_probe: no window within 30 s\n", stderr);
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    const auto shown = std::chrono::steady_clock::now();
    const std::wstring title = title_of(wanted.window);
    RECT client{};
    GetClientRect(wanted.window, &client);
    std::printf(
        "window \"%s\", client area %ld x %ld, shown after %lld ms\n", utf8(title).c_str(),
        client.right, client.bottom,
        static_cast<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(shown - started).count()));
    int status = 0;
    if (argc == 3 && title != argv[2]) {
        std::fprintf(stderr, "window_probe: the title is not \"%s\"\n", utf8(argv[2]).c_str());
        status = 1;
    }
    PostMessageW(wanted.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        std::fputs("window_probe: the program did not end within 10 s of closing its window\n",
                   stderr);
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    DWORD exit_code = 1;
    GetExitCodeProcess(process.hProcess, &exit_code);
    std::printf("closed; the program ended with status %lu\n", exit_code);
    return exit_code == 0 ? status : 1;
}
