// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// console_typist PROGRAM.exe ARGS...: runs a console program whose standard input is a console
// window in which its standard input (UTF-8) is typed, key by key, as a user would type it: a
// line feed is the Enter key, every other character is typed as itself (Ctrl+Z as its
// character 0x1A). The program's standard output and error are this program's; the exit
// status is the program's.
#include <windows.h>

#include <cstdio>
#include <io.h>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

void add_key(std::vector<INPUT_RECORD>& keys, wchar_t character, WORD virtual_key) {
    for (const BOOL down : {TRUE, FALSE}) {
        INPUT_RECORD record{};
        record.EventType = KEY_EVENT;
        record.Event.KeyEvent.bKeyDown = down;
        record.Event.KeyEvent.wRepeatCount = 1;
        record.Event.KeyEvent.wVirtualKeyCode = virtual_key;
        record.Event.KeyEvent.uChar.UnicodeChar = character;
        keys.push_back(record);
    }
}

std::wstring quoted(const wchar_t* argument) {
    return L"\"" + std::wstring(argument) + L"\"";
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: console_typist PROGRAM.exe ARGS... < TEXT\n", stderr);
        return 125;
    }
    _setmode(_fileno(stdin), 0x8000); // _O_BINARY
    const std::string text{std::istreambuf_iterator<char>(std::cin), {}};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring typed(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), typed.data(),
                        length);

    // A console of this program's own, which the program shares.
    FreeConsole();
    if (!AllocConsole()) {
        std::fprintf(stderr, "console_typist: no console (error %lu)\n", GetLastError());
        return 125;
    }
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE console_in =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherit, OPEN_EXISTING, 0, nullptr);
    std::vector<INPUT_RECORD> keys;
    for (const wchar_t character : typed) {
        if (character == L'\n') {
            add_key(keys, L'\r', VK_RETURN);
        } else {
            add_key(keys, character, 0);
        }
    }
    DWORD written = 0;
    if (console_in == INVALID_HANDLE_VALUE ||
        !WriteConsoleInputW(console_in, keys.data(), static_cast<DWORD>(keys.size()), &written)) {
        std::fprintf(stderr, "console_typist: cannot type into the console (error %lu)\n",
                     GetLastError());
        return 125;
    }

    std::wstring command_line = quoted(argv[1]);
    for (int i = 2; i < argc; ++i) {
        command_line += L" " + quoted(argv[i]);
    }
    // The original standard output and error, inheritable, for the program.
    HANDLE output = nullptr;
    HANDLE error = nullptr;
    DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(_get_osfhandle(1)),
                    GetCurrentProcess(), &output, 0, TRUE, DUPLICATE_SAME_ACCESS);
    DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(_get_osfhandle(2)),
                    GetCurrentProcess(), &error, 0, TRUE, DUPLICATE_SAME_ACCESS);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = console_in;
    startup.hStdOutput = output;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[1], command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "console_typist: cannot start the program (error %lu)\n",
                     GetLastError());
        return 125;
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        std::fputs("console_typist: the program did not end within 30 s\n", stderr);
        TerminateProcess(process.hProcess, 124);
        return 124;
    }
    DWORD status = 125;
    GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
}
