// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// console_typist PROGRAM.exe ARGS...: runs a console program whose standard input is a console
// window in which its standard input (UTF-8) is typed, key by key, as a user would type it: a
// line feed is the Enter key, every other character is typed as itself (Ctrl+Z as its
// character 0x1A).
// console_typist --pipe PROGRAM.exe ARGS...: runs it with its standard input the reading end
// of a pipe, into which this program writes its own standard input, byte for byte, and then
// closes its end, as the writer of `type lines.tsv | PROGRAM` does in a Command Prompt.
// The program's standard output and error are this program's; the exit status is the
// program's.
#include <windows.h>

#include <cstdio>
#include <io.h>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
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

// A console of this program's own, which the program shares, with `typed` typed into it; the
// console's input, inheritable, or nullptr.
HANDLE console_typed_into(const std::wstring& typed) {
    FreeConsole();
    if (!AllocConsole()) {
        std::fprintf(stderr, "console_typist: no console (error %lu)\n", GetLastError());
        return nullptr;
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
        return nullptr;
    }
    return console_in;
}

// Writes `text` into the pipe's end `writer` and closes it; the error of a write that failed,
// or 0.
DWORD write_and_close(HANDLE writer, const std::string& text) {
    DWORD failure = 0;
    for (std::size_t done = 0; done < text.size() && failure == 0;) {
        DWORD written = 0;
        if (WriteFile(writer, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                      nullptr)) {
            done += written;
        } else {
            failure = GetLastError();
        }
    }
    CloseHandle(writer);
    return failure;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const bool pipe = argc > 1 && std::wstring_view(argv[1]) == L"--pipe";
    const int first = pipe ? 2 : 1; // the program's name
    if (argc <= first) {
        std::fputs("usage: console_typist [--pipe] PROGRAM.exe ARGS... < TEXT\n", stderr);
        return 125;
    }
    _setmode(_fileno(stdin), 0x8000); // _O_BINARY
    const std::string text{std::istreambuf_iterator<char>(std::cin), {}};

    HANDLE input = nullptr;  // the program's standard input
    HANDLE writer = nullptr; // with --pipe, this program's end of the pipe
    if (pipe) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        // Only the reading end goes to the program: were the writing end inherited too, the
        // pipe would never close.
        if (!CreatePipe(&input, &writer, &inherit, 0) ||
            !SetHandleInformation(writer, HANDLE_FLAG_INHERIT, 0)) {
            std::fprintf(stderr, "console_typist: no pipe (error %lu)\n", GetLastError());
            return 125;
        }
    } else {
        const int length =
            MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::wstring typed(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), typed.data(),
                            length);
        input = console_typed_into(typed);
        if (input == nullptr) {
            return 125;
        }
    }

    std::wstring command_line = quoted(argv[first]);
    for (int i = first + 1; i < argc; ++i) {
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
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(argv[first], command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fprintf(stderr, "console_typist: cannot start the program (error %lu)\n",
                     GetLastError());
        return 125;
    }
    if (pipe) {
        CloseHandle(input); // the program's now
        if (const DWORD failure = write_and_close(writer, text); failure != 0) {
            std::fprintf(stderr, "console_typist: cannot write into the pipe (error %lu)\n",
                         failure);
        }
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
