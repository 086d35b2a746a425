// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real ridi.exe from outside, as a user's tools would: it starts the program, finds
// its window and controls, reads them with window messages, types and clicks with SendInput and
// reads the screen. Run under Wine (tests/win32_window/run.sh) at one DPI:
//   ridi_window_driver RIDI_EXE DPI [SCREENSHOT_DIR]
// Prints one line per check and "N passed, N failed"; the exit status is 0 when all passed.
#include "control_ids.hpp"
#include "win32.hpp"

#include "ridi/calculation.hpp"
#include "ridi/form/form.hpp"
#include "ridi/form/form_layout.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace form = ridi::form;
using ridi::win32::control_id;

namespace {

// The window's controls by their names in the description.
using enum form::control_id;

// The name of the control `id`, for the messages.
std::string name_of(form::control_id id) {
    return std::string(form::get(id).name);
}

int passed = 0;
int failed = 0;

std::string narrow(const std::wstring& text) {
    return ridi::utf16_to_utf8(std::u16string(text.begin(), text.end()));
}
std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

void check(bool ok, const std::string& what, const std::string& detail = {}) {
    if (ok) {
        ++passed;
        std::printf("ok - %s\n", what.c_str());
    } else {
        ++failed;
        std::printf("not ok - %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    }
    std::fflush(stdout);
}

void check_text(const std::wstring& got, std::u16string_view expected, const std::string& what) {
    check(got == wide(expected), what,
          "got \"" + narrow(got) + "\", expected \"" + narrow(wide(expected)) + "\"");
}

void pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Waits up to `milliseconds` for `condition`.
bool wait_for(const std::function<bool()>& condition, int milliseconds = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        pause(20);
    }
    return true;
}

std::wstring text_of(HWND hwnd) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length) == 0) {
        return L"(no answer)";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &got);
    text.resize(got);
    return text;
}

std::wstring class_of(HWND hwnd) {
    wchar_t name[64]{};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// Memory in the window's process, for messages whose pointers Windows does not carry across.
class remote_buffer {
public:
    remote_buffer(HANDLE process, std::size_t size) : process_(process), size_(size) {
        address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~remote_buffer() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }
    remote_buffer(const remote_buffer&) = delete;
    remote_buffer& operator=(const remote_buffer&) = delete;
    void* address() const { return address_; }
    template <class T> void write(const T& value, std::size_t offset = 0) {
        WriteProcessMemory(process_, static_cast<char*>(address_) + offset, &value, sizeof value,
                           nullptr);
    }
    template <class T> T read(std::size_t offset = 0) const {
        T value{};
        ReadProcessMemory(process_, static_cast<char*>(address_) + offset, &value, sizeof value,
                          nullptr);
        return value;
    }
    std::wstring read_text(std::size_t offset) const {
        std::wstring text((size_ - offset) / sizeof(wchar_t), L'\0');
        ReadProcessMemory(process_, static_cast<char*>(address_) + offset, text.data(),
                          text.size() * sizeof(wchar_t), nullptr);
        return text.substr(0, text.find(L'\0'));
    }

private:
    HANDLE process_;
    std::size_t size_;
    void* address_ = nullptr;
};

// ---- input ---------------------------------------------------------------------------------

void send_inputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A key pressed and released, with modifiers held around it.
void press(WORD vk, std::initializer_list<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) {
        inputs.push_back(key(m, false));
    }
    inputs.push_back(key(vk, false));
    inputs.push_back(key(vk, true));
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) {
        inputs.push_back(key(*m, true));
    }
    send_inputs(inputs);
}

void type(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    send_inputs(inputs);
}

void mouse_to(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>(screen.x * 65536.0 / GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = static_cast<LONG>(screen.y * 65536.0 / GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send_inputs({input});
}

void click_at(POINT screen) {
    mouse_to(screen);
    pause(50);
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send_inputs({down, up});
}

POINT centre_of(HWND hwnd) {
    RECT box{};
    GetWindowRect(hwnd, &box);
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// ---- the screen ----------------------------------------------------------------------------

struct image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // RGB() values, row by row

    COLORREF at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

image from_dc(HDC source, int x, int y, int width, int height) {
    image out;
    out.width = width;
    out.height = height;
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const auto* raw = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD p = raw[i];
        out.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return out;
}

image screen_area(const RECT& area) {
    HDC screen = GetDC(nullptr);
    image out =
        from_dc(screen, area.left, area.top, area.right - area.left, area.bottom - area.top);
    ReleaseDC(nullptr, screen);
    return out;
}

// The client area of `hwnd` as it is on the screen.
image client_on_screen(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return screen_area(client);
}

void save_bmp(const image& picture, const std::wstring& path) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = -picture.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    const DWORD size = static_cast<DWORD>(picture.pixels.size() * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + size;
    std::vector<DWORD> raw;
    for (COLORREF c : picture.pixels) {
        raw.push_back(static_cast<DWORD>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &header, sizeof header, &written, nullptr);
    WriteFile(out, raw.data(), size, &written, nullptr);
    CloseHandle(out);
}

// Saves the whole screen as SHOT_DIR\dpiN-what.bmp, when screenshots are asked for.
void shoot(const std::wstring& shots, const std::wstring& tag, const wchar_t* what) {
    if (!shots.empty()) {
        save_bmp(screen_area({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}),
                 shots + L"\\" + tag + L"-" + what + L".bmp");
    }
}

bool dark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
}

// The smallest box around the dark pixels of `picture`; empty when there are none.
RECT ink_box(const image& picture) {
    RECT box{picture.width, picture.height, 0, 0};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (dark(picture.at(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    }
    return box;
}

long dark_pixels(const image& picture) {
    return static_cast<long>(std::count_if(picture.pixels.begin(), picture.pixels.end(), dark));
}

// `text` drawn in `font` in black on white, as an image.
image rendered(HFONT font, const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 200);
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    RECT all{0, 0, 400, 200};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ old_font = SelectObject(memory, font);
    SetTextColor(memory, RGB(0, 0, 0));
    SetBkColor(memory, RGB(255, 255, 255));
    TextOutW(memory, 10, 10, text.c_str(), static_cast<int>(text.size()));
    image out = from_dc(memory, 0, 0, 400, 200);
    SelectObject(memory, old_font);
    SelectObject(memory, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out;
}

// ---- the program under test ----------------------------------------------------------------

struct program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double startup_ms = 0;

    HWND item(form::control_id id) const { return GetDlgItem(window, control_id(id)); }
    std::wstring text(form::control_id id) const { return text_of(item(id)); }

    void set_text(form::control_id id, std::u16string_view value) const {
        const std::wstring text = wide(value);
        SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // Waits until the window has handled everything sent to it so far.
    void settle(int milliseconds = 150) const {
        pause(milliseconds);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    }

    // The name of the control with the keyboard focus, its combo box's for the edit inside one.
    std::string focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(process.dwThreadId, &info) == FALSE || info.hwndFocus == nullptr) {
            return "(none)";
        }
        HWND focus = info.hwndFocus;
        if (GetParent(focus) != window && GetParent(focus) != nullptr) {
            focus = GetParent(focus);
        }
        const int id = GetDlgCtrlID(focus);
        for (std::size_t i = 0; i < form::controls.size(); ++i) {
            if (control_id(i) == id && GetParent(focus) == window) {
                return std::string(form::controls[i].name);
            }
        }
        return focus == window ? "(the window)" : "(other: " + narrow(class_of(focus)) + ")";
    }

    bool to_front() const {
        SetForegroundWindow(window);
        return wait_for([&] { return GetForegroundWindow() == window; }, 3000);
    }

    // Tab from the first field until the control `id` has the focus.
    bool focus_on(form::control_id id) const {
        const std::string name = name_of(id);
        for (int i = 0; i < 5 && focus() != name; ++i) {
            tab();
        }
        return focus() == name;
    }

    // Tab (with Shift: back) and wait for the focus to move.
    void tab(bool back = false) const {
        const std::string before = focus();
        if (back) {
            press(VK_TAB, {VK_SHIFT});
        } else {
            press(VK_TAB);
        }
        wait_for([&] { return focus() != before; }, 2000);
        settle(50);
    }

    // A top-level window of the program's, of class `class_name`, other than the main one.
    HWND find_top(const wchar_t* class_name, bool visible_only = true) const {
        struct search {
            DWORD pid;
            const wchar_t* class_name;
            bool visible_only;
            HWND found;
        } s{process.dwProcessId, class_name, visible_only, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM data) -> BOOL {
                auto* state = reinterpret_cast<search*>(data);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                if (pid == state->pid && class_of(hwnd) == state->class_name &&
                    (!state->visible_only || IsWindowVisible(hwnd))) {
                    state->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&s));
        return s.found;
    }

    HWND message_box() const { return find_top(L"#32770"); }

    // Waits for the two results to read `length` and `corrected`.
    bool results_are(const std::wstring& length, const std::wstring& corrected) const {
        return wait_for(
            [&] { return text(coax_length_lbl) == length && text(vf_length_lbl) == corrected; },
            3000);
    }

    // Clears both results, as a fresh start shows them.
    void clear_results() const {
        set_text(coax_length_lbl, u"");
        set_text(vf_length_lbl, u"");
    }

    void reset_inputs() const {
        set_text(freq_txt, form::get(freq_txt).text);
        set_text(qtr_num_txt, form::get(qtr_num_txt).text);
        SendMessageW(item(cable_combo), CB_SETCURSEL,
                     static_cast<WPARAM>(form::starting_cable_index()), 0);
        clear_results();
    }
};

program start(const std::wstring& exe) {
    program p;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    LARGE_INTEGER frequency{};
    LARGE_INTEGER begin{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &p.process) == FALSE) {
        return p;
    }
    wait_for(
        [&] {
            HWND found = FindWindowW(L"ridi_coax_frm", nullptr);
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (found != nullptr && pid == p.process.dwProcessId && IsWindowVisible(found)) {
                p.window = found;
            }
            return p.window != nullptr;
        },
        20000);
    LARGE_INTEGER end{};
    QueryPerformanceCounter(&end);
    p.startup_ms = static_cast<double>(end.QuadPart - begin.QuadPart) * 1000.0 /
                   static_cast<double>(frequency.QuadPart);
    if (p.window != nullptr) {
        p.settle(300);
    }
    return p;
}

void stop(program& p) {
    if (p.process.hProcess == nullptr) {
        return;
    }
    if (p.window != nullptr && IsWindow(p.window)) {
        PostMessageW(p.window, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(p.process.hProcess, 5000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(p.process.hProcess, &code);
    check(ended && code == 0, "closing the window ends the program with status 0",
          ended ? "status " + std::to_string(code) : "still running");
    if (!ended) {
        TerminateProcess(p.process.hProcess, 1);
    }
    CloseHandle(p.process.hThread);
    CloseHandle(p.process.hProcess);
    p = {};
}

// The core's message for these texts, or an empty text when they calculate.
std::wstring core_message(std::u16string_view freq, std::u16string_view qtr_num,
                          std::u16string_view cable) {
    ridi::form_strings strings;
    strings.freq = freq;
    strings.qtr_num = qtr_num;
    strings.cable = cable;
    try {
        ridi::calc_cmd_Click(strings);
    } catch (const std::exception& error) {
        return wide(ridi::utf8_to_utf16(error.what()));
    }
    return {};
}

// ---- the checks ----------------------------------------------------------------------------

const std::u16string_view kind_class(form::kind k) {
    switch (k) {
    case form::kind::caption_label:
        return u"Static";
    case form::kind::text_field:
    case form::kind::result_label:
        return u"Edit";
    case form::kind::drop_down:
        return u"ComboBox";
    case form::kind::push_button:
        return u"Button";
    }
    return u"";
}

void starting_state(const program& p) {
    check_text(text_of(p.window), form::title, "the window's title");
    for (const form::control& c : form::controls) {
        const std::string name(c.name);
        HWND hwnd = p.item(c.id);
        check(hwnd != nullptr, name + " is there");
        if (hwnd == nullptr) {
            continue;
        }
        std::wstring got_class = class_of(hwnd);
        std::wstring expected_class = wide(kind_class(c.kind));
        check(_wcsicmp(got_class.c_str(), expected_class.c_str()) == 0,
              name + " is a standard " + narrow(expected_class), narrow(got_class));
        check_text(text_of(hwnd), c.text, name + " starts with its text");
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
        check(((style & WS_TABSTOP) != 0) == form::takes_tab_focus(c.kind),
              name + (form::takes_tab_focus(c.kind) ? " is" : " is not") + " a Tab stop");
        if (c.kind == form::kind::result_label) {
            check((style & ES_READONLY) != 0, name + " is read-only");
        }
        if (c.kind == form::kind::push_button) {
            check((style & BS_TYPEMASK) == BS_PUSHBUTTON, name + " is no default button");
            check(control_id(c.id) != IDOK && control_id(c.id) != IDCANCEL,
                  name + "'s id is neither IDOK nor IDCANCEL");
        }
        if (c.kind == form::kind::text_field) {
            const auto limit = SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0);
            check(limit >= 0x7FFFFFFE, name + " has no length limit", std::to_string(limit));
        }
    }
    check(p.focus() == name_of(freq_txt), "the focus starts in freq_txt", p.focus());
}

void z_order(const program& p) {
    std::vector<std::string> got;
    for (HWND child = GetWindow(p.window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        for (std::size_t i = 0; i < form::controls.size(); ++i) {
            if (control_id(i) == id) {
                got.emplace_back(form::controls[i].name);
            }
        }
    }
    std::vector<std::string> expected;
    for (const form::control* c : form::z_order()) {
        expected.emplace_back(c->name);
    }
    std::string shown;
    for (const std::string& name : got) {
        shown += name + " ";
    }
    check(got == expected, "each caption is directly before its control in z-order", shown);
    // Windows names a control after the STATIC right before it in z-order: nothing may stand
    // between them, not even a window without an id.
    for (const form::control& c : form::controls) {
        if (const form::control* caption = form::caption_of(c.id)) {
            HWND before = GetWindow(p.item(c.id), GW_HWNDPREV);
            check(before == p.item(caption->id) &&
                      _wcsicmp(class_of(before).c_str(), L"STATIC") == 0,
                  std::string(c.name) + " comes right after its caption STATIC " +
                      std::string(caption->name),
                  narrow(class_of(before)) + " " + std::to_string(GetDlgCtrlID(before)));
        }
    }
}

// The columns of `picture` from `left` on.
image columns_from(const image& picture, int left) {
    image out;
    out.width = picture.width - left;
    out.height = picture.height;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = left; x < picture.width; ++x) {
            out.pixels.push_back(picture.at(x, y));
        }
    }
    return out;
}

// Whether the last thing drawn in `field` is an ellipsis, dots on the baseline, where a digit
// cut off at the edge would reach up to the top of the digits: the ink of its last columns sits
// in the lowest quarter of the text's. `detail` says where the ink is.
bool ends_in_ellipsis(const image& field, std::string& detail) {
    const RECT ink = ink_box(field);
    int highest = ink.bottom;
    for (int x = std::max<int>(ink.left, ink.right - 2); x < ink.right; ++x) {
        for (int y = ink.top; y < ink.bottom; ++y) {
            highest = dark(field.at(x, y)) ? std::min(highest, y) : highest;
        }
    }
    detail = "ink from row " + std::to_string(ink.top) + " to " + std::to_string(ink.bottom) +
             ", its last columns from row " + std::to_string(highest);
    return ink.right > ink.left && highest >= ink.bottom - (ink.bottom - ink.top) / 4;
}

// A result wider than its field shows from its start and ends in an ellipsis; the whole value
// is in the field.
void wide_result(const program& p, const std::wstring& shots, const std::wstring& tag) {
    p.reset_inputs();
    p.set_text(freq_txt, u"0.0000001");
    PostMessageW(p.item(calc_cmd), BM_CLICK, 0, 0);
    check(p.results_are(L"750000000.000", L"495000019.670"),
          "0.0000001 MHz gives 750000000.000 and 495000019.670",
          narrow(p.text(coax_length_lbl)) + " " + narrow(p.text(vf_length_lbl)));
    for (const form::control_id result : {coax_length_lbl, vf_length_lbl}) {
        const LRESULT first = SendMessageW(p.item(result), EM_GETFIRSTVISIBLELINE, 0, 0);
        check(first == 0, "the wide value in " + name_of(result) + " shows from its start",
              "first character shown: " + std::to_string(first));
        p.settle();
        std::string ink;
        check(ends_in_ellipsis(client_on_screen(p.item(result)), ink),
              "the wide value in " + name_of(result) + " ends in an ellipsis", ink);
    }
    // A click into a cut result gives it the focus and the edit control's own drawing of the
    // whole value, to select and copy from; leaving it brings the cut drawing back.
    p.to_front();
    for (const form::control_id result : {coax_length_lbl, vf_length_lbl}) {
        const std::string name = name_of(result);
        RECT box{};
        GetWindowRect(p.item(result), &box);
        click_at({box.left + 4, (box.top + box.bottom) / 2}); // the caret goes before the value
        wait_for([&] { return p.focus() == name; }, 2000);
        // Drawn again whole, as when a window that covered it goes away.
        RedrawWindow(p.item(result), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        p.settle();
        // (the caret is left out: only the right half is looked at)
        const image clicked = client_on_screen(p.item(result));
        std::string ink;
        const bool cut = ends_in_ellipsis(columns_from(clicked, clicked.width / 2), ink);
        check(p.focus() == name && !cut,
              "clicked, " + name + " shows the edit control's own drawing, no ellipsis",
              "focus in " + p.focus() + ", " + ink);
        click_at(centre_of(p.item(freq_txt)));
        wait_for([&] { return p.focus() == name_of(freq_txt); }, 2000);
        p.settle();
        check(ends_in_ellipsis(client_on_screen(p.item(result)), ink),
              "left, " + name + " ends in an ellipsis again", ink);
    }
    // The screenshot shows a six-character cable name in the cable field as well.
    SendMessageW(p.item(cable_combo), CB_SETCURSEL,
                 static_cast<WPARAM>(SendMessageW(p.item(cable_combo), CB_FINDSTRINGEXACT,
                                                  static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(L"RG-213"))),
                 0);
    p.settle();
    shoot(shots, tag, L"wide-result");
    p.reset_inputs();
}

// The value-change events of the window's process seen out of context, by window.
std::vector<HWND> value_changes;

void CALLBACK on_value_change(HWINEVENTHOOK /*hook*/, DWORD event, HWND hwnd, LONG object,
                              LONG child, DWORD /*thread*/, DWORD /*time*/) {
    if (event == EVENT_OBJECT_VALUECHANGE && object == OBJID_CLIENT && child == CHILDID_SELF) {
        value_changes.push_back(hwnd);
    }
}

// After Calculate a screen reader hears both new values: the window raises a value change on
// each result, which a hook in another process receives.
void value_change_events(const program& p) {
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                        on_value_change, p.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    check(hook != nullptr, "a value-change hook on the window's process is set");
    if (hook == nullptr) {
        return;
    }
    p.reset_inputs();
    value_changes.clear();
    PostMessageW(p.item(calc_cmd), BM_CLICK, 0, 0);
    const auto heard = [&](form::control_id result) {
        return std::find(value_changes.begin(), value_changes.end(), p.item(result)) !=
               value_changes.end();
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!(heard(coax_length_lbl) && heard(vf_length_lbl)) &&
           std::chrono::steady_clock::now() < deadline) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    UnhookWinEvent(hook);
    check(p.results_are(L"0.172", L"0.114"), "Calculate with the hook in place calculates");
    for (const form::control_id result : {coax_length_lbl, vf_length_lbl}) {
        check(heard(result), "Calculate raises a value change on " + name_of(result),
              std::to_string(value_changes.size()) + " value changes in all");
    }
}

// The window's screen-reader answers through MSAA, asked by ridi_msaa_probe.exe (beside this
// program) in a process of its own that makes the window itself: Wine answers MSAA only there.
void msaa_in_process() {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring probe = self;
    probe = probe.substr(0, probe.find_last_of(L"\\/") + 1) + L"ridi_msaa_probe.exe";
    std::wstring command = L"\"" + probe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::fflush(stdout);
    if (CreateProcessW(probe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        check(false, "ridi_msaa_probe.exe starts", std::to_string(GetLastError()));
        return;
    }
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    check(ended && code == 0, "every MSAA answer in the window's own process is right (above)",
          ended ? "status " + std::to_string(code) : "still running after 60 s");
}

void cable_list(const program& p) {
    HWND combo = p.item(cable_combo);
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    const auto list = form::cable_list();
    check(count == static_cast<LRESULT>(list.size()), "the cable list has 14 entries",
          std::to_string(count));
    for (std::size_t i = 0; i < list.size() && static_cast<LRESULT>(i) < count; ++i) {
        wchar_t entry[64]{};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
        check_text(entry, list[i].name, "cable list entry " + std::to_string(i + 1));
        check(SendMessageW(combo, CB_GETITEMDATA, i, 0) == form::cable_item_value,
              "cable list entry " + std::to_string(i + 1) + " carries the value 0");
    }
    check(SendMessageW(combo, CB_GETCURSEL, 0, 0) == form::starting_cable_index(),
          "RG-58 is the selected entry");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(combo, GWL_STYLE));
    check((style & 3) == CBS_DROPDOWN && (style & CBS_SORT) == 0,
          "the cable list is an editable, unsorted drop-down list");
}

void tab_cycle(const program& p) {
    std::string forward;
    for (int i = 0; i < 5; ++i) {
        p.tab();
        forward += p.focus() + " ";
    }
    check(forward == "cable_combo calc_cmd qtr_num_txt freq_txt cable_combo ",
          "Tab runs freq, cable, Calculate, 1/4 Wave and back", forward);
    std::string backward;
    for (int i = 0; i < 5; ++i) {
        p.tab(true);
        backward += p.focus() + " ";
    }
    check(backward == "freq_txt qtr_num_txt calc_cmd cable_combo freq_txt ",
          "Shift+Tab runs the other way", backward);
}

bool results_empty(const program& p) {
    return p.text(coax_length_lbl).empty() && p.text(vf_length_lbl).empty();
}

void enter_and_escape(const program& p) {
    for (const form::control_id field : {freq_txt, cable_combo, qtr_num_txt}) {
        const std::string name = name_of(field);
        p.reset_inputs();
        check(p.focus_on(field), "Tab reaches " + name);
        press(VK_RETURN);
        p.settle(300);
        check(results_empty(p) && p.message_box() == nullptr,
              "Enter in " + name + " calculates nothing");
        press(VK_ESCAPE);
        p.settle(300);
        check(IsWindowVisible(p.window) && results_empty(p) && p.focus() == name,
              "Escape in " + name + " does nothing");
    }
    check(p.focus_on(calc_cmd), "Tab reaches calc_cmd");
    press(VK_ESCAPE);
    p.settle(300);
    check(IsWindowVisible(p.window) && results_empty(p), "Escape on the button does nothing");
}

// Runs `activate` with a frequency of 0, so that every calculation shows a message box, and
// counts the boxes: exactly one, then none after it is closed.
void calculates_once(const program& p, const std::string& how,
                     const std::function<void()>& activate) {
    p.reset_inputs();
    p.set_text(freq_txt, u"0");
    activate();
    int boxes = 0;
    for (int round = 0; round < 3; ++round) {
        HWND box = nullptr;
        if (!wait_for([&] { return (box = p.message_box()) != nullptr; },
                      round == 0 ? 3000 : 700)) {
            break;
        }
        ++boxes;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        wait_for([&] { return !IsWindow(box) || !IsWindowVisible(box); });
        p.settle(100);
    }
    check(boxes == 1, how + " calculates once", std::to_string(boxes) + " calculations");
    p.reset_inputs();
}

void activations(const program& p) {
    for (const form::control_id field : {freq_txt, cable_combo, calc_cmd, qtr_num_txt}) {
        const std::string name = name_of(field);
        p.reset_inputs();
        check(p.to_front() && p.focus_on(field), "Tab reaches " + name);
        press('C', {VK_MENU});
        check(p.results_are(L"0.172", L"0.114"), "Alt+C in " + name + " calculates 0.172 and 0.114",
              narrow(p.text(coax_length_lbl)) + " " + narrow(p.text(vf_length_lbl)));
        check(p.text(freq_txt) == L"435.850" && p.text(cable_combo) == L"RG-58" &&
                  p.text(qtr_num_txt) == L"1",
              "Alt+C in " + name + " types nothing");
    }
    p.reset_inputs();
    click_at(centre_of(p.item(calc_cmd)));
    check(p.results_are(L"0.172", L"0.114"), "a click on Calculate calculates");
    check(p.focus() == name_of(calc_cmd), "the click leaves the focus on the button", p.focus());
    for (WORD vk : {static_cast<WORD>(VK_SPACE), static_cast<WORD>(VK_RETURN)}) {
        p.reset_inputs();
        p.to_front();
        p.focus_on(calc_cmd);
        press(vk);
        check(p.results_are(L"0.172", L"0.114"),
              std::string(vk == VK_SPACE ? "Space" : "Enter") + " on the button calculates");
    }

    calculates_once(p, "Alt+C", [&] {
        p.to_front();
        press('C', {VK_MENU});
    });
    calculates_once(p, "Space on the button", [&] {
        p.to_front();
        p.focus_on(calc_cmd);
        press(VK_SPACE);
    });
    calculates_once(p, "Enter on the button", [&] {
        p.to_front();
        p.focus_on(calc_cmd);
        press(VK_RETURN);
    });
    calculates_once(p, "a click", [&] {
        p.to_front();
        click_at(centre_of(p.item(calc_cmd)));
    });
}

// The window reads the three inputs' texts as they stand and shows both results; the
// arithmetic itself is the core's (tests/core).
void worked_examples(const program& p) {
    struct example {
        const char* why;
        std::u16string_view freq, qtr_num, cable, length, corrected;
    };
    const example examples[] = {
        {"the frequency and a count that is not whole, as set", u"100", u"2.5", u"RG-58", u"1.875",
         u"1.238"},
        {"the cable field's text, not the list entry it resembles", u"435.850", u"1", u"rg-58",
         u"0.172", u"0.000"},
    };
    for (const example& e : examples) {
        p.reset_inputs();
        p.set_text(freq_txt, e.freq);
        p.set_text(qtr_num_txt, e.qtr_num);
        p.set_text(cable_combo, e.cable);
        click_at(centre_of(p.item(calc_cmd)));
        check(p.results_are(wide(e.length), wide(e.corrected)),
              std::string("worked example: ") + e.why,
              narrow(p.text(coax_length_lbl)) + " " + narrow(p.text(vf_length_lbl)));
    }

    // A cable typed by the user, key by key.
    p.reset_inputs();
    p.to_front();
    p.focus_on(cable_combo);
    press(VK_HOME);
    press(VK_END, {VK_SHIFT});
    type(L"LMR-400");
    p.settle(200);
    check(p.text(cable_combo) == L"LMR-400", "a typed cable name is kept as typed",
          narrow(p.text(cable_combo)));
    press('C', {VK_MENU});
    check(p.results_are(L"0.172", L"0.000"), "a typed unknown cable gives 0.172 and 0.000");
    check(SendMessageW(p.item(cable_combo), CB_GETCOUNT, 0, 0) == 14,
          "typing adds nothing to the list");
}

void picked_from_list(const program& p, const std::wstring& shots, const std::wstring& tag) {
    p.reset_inputs();
    p.to_front();
    p.focus_on(cable_combo);
    press(VK_DOWN, {VK_MENU}); // opens the list
    p.settle(400);
    check(SendMessageW(p.item(cable_combo), CB_GETDROPPEDSTATE, 0, 0) != 0,
          "Alt+Down opens the cable list");
    shoot(shots, tag, L"list-open");
    // Down arrows walk the open list to H100.
    const int h100 = 11;
    for (int i = 0; i < 20 && SendMessageW(p.item(cable_combo), CB_GETCURSEL, 0, 0) < h100; ++i) {
        press(VK_DOWN);
        p.settle(60);
    }
    press(VK_RETURN);
    p.settle(300);
    check(p.text(cable_combo) == L"H100" &&
              SendMessageW(p.item(cable_combo), CB_GETCURSEL, 0, 0) == 11,
          "H100 is picked from the list", narrow(p.text(cable_combo)));
    check(results_empty(p), "picking from the list with Enter calculates nothing");
    click_at(centre_of(p.item(calc_cmd)));
    check(p.results_are(L"0.172", L"0.144"), "H100 from the list gives 0.172 and 0.144",
          narrow(p.text(coax_length_lbl)) + " " + narrow(p.text(vf_length_lbl)));
}

// Compares the icon a message box shows with the system's icons, drawn here the same size.
std::string closest_icon(HWND icon_control) {
    RECT box{};
    GetWindowRect(icon_control, &box);
    const image shown = screen_area(box);
    const COLORREF background = shown.at(0, 0);
    std::string best;
    long best_difference = -1;
    const std::pair<const char*, LPCWSTR> icons[] = {{"warning", IDI_WARNING},
                                                     {"error", IDI_ERROR},
                                                     {"information", IDI_INFORMATION},
                                                     {"question", IDI_QUESTION}};
    for (const auto& [name, id] : icons) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, shown.width, shown.height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        RECT all{0, 0, shown.width, shown.height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        HICON icon = static_cast<HICON>(
            LoadImageW(nullptr, id, IMAGE_ICON, shown.width, shown.height, LR_SHARED));
        DrawIconEx(memory, 0, 0, icon, shown.width, shown.height, 0, nullptr, DI_NORMAL);
        const image drawn = from_dc(memory, 0, 0, shown.width, shown.height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        long difference = 0;
        for (std::size_t i = 0; i < drawn.pixels.size(); ++i) {
            difference += std::abs(GetRValue(drawn.pixels[i]) - GetRValue(shown.pixels[i])) +
                          std::abs(GetGValue(drawn.pixels[i]) - GetGValue(shown.pixels[i])) +
                          std::abs(GetBValue(drawn.pixels[i]) - GetBValue(shown.pixels[i]));
        }
        if (best_difference < 0 || difference < best_difference) {
            best_difference = difference;
            best = name;
        }
    }
    return best;
}

void failure(const program& p, const std::wstring& shots, const std::wstring& tag) {
    p.reset_inputs();
    click_at(centre_of(p.item(calc_cmd)));
    p.results_are(L"0.172", L"0.114");
    p.set_text(freq_txt, u"0");
    // Post, not send: the click opens a modal box and returns only when it is closed.
    PostMessageW(p.item(calc_cmd), BM_CLICK, 0, 0);
    HWND box = nullptr;
    check(wait_for([&] { return (box = p.message_box()) != nullptr; }),
          "a frequency of 0 shows a message box");
    if (box == nullptr) {
        return;
    }
    p.settle(300);
    shoot(shots, tag, L"message");
    check(GetWindow(box, GW_OWNER) == p.window, "the message box is owned by the window");
    check_text(text_of(box), form::title, "the message box's title");
    std::wstring message;
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(class_of(child).c_str(), L"Static") != 0) {
            continue;
        }
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if ((style & SS_TYPEMASK) == SS_ICON) {
            icon = child;
        } else if (!text_of(child).empty()) {
            message = text_of(child);
        }
    }
    const std::wstring expected = core_message(u"0", u"1", u"RG-58");
    check(!expected.empty() && message == expected, "the message box shows the core's message",
          narrow(message));
    check(icon != nullptr && closest_icon(icon) == "warning",
          "the message box shows the warning icon",
          icon == nullptr ? "no icon" : closest_icon(icon));
    check(!IsWindowEnabled(p.window), "the message box is modal to the window");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    check(wait_for([&] { return !IsWindow(box); }), "OK closes the message box");
    check(p.results_are(L"0.172", L"0.114"), "the failure changes neither result");
    check(p.text(freq_txt) == L"0", "the failure leaves the input as typed");
    p.set_text(freq_txt, u"100");
    click_at(centre_of(p.item(calc_cmd)));
    check(p.results_are(L"0.750", L"0.495"), "the window calculates again after the box");
}

// Asks the tooltip control `tips` for a tool (TTM_ENUMTOOLSW, TTM_GETCURRENTTOOLW): the tool
// description and its text live in the program, so they are read through its memory.
std::pair<TTTOOLINFOW, std::wstring> query_tool(const program& p, HWND tips, UINT message,
                                                WPARAM wparam) {
    constexpr std::size_t text_offset = 512;
    remote_buffer buffer(p.process.hProcess, 4096);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = reinterpret_cast<LPWSTR>(static_cast<char*>(buffer.address()) + text_offset);
    buffer.write(tool);
    buffer.write(L'\0', text_offset);
    SendMessageW(tips, message, wparam, reinterpret_cast<LPARAM>(buffer.address()));
    return {buffer.read<TTTOOLINFOW>(), buffer.read_text(text_offset)};
}

void tooltips(const program& p, const std::wstring& shots, const std::wstring& tag) {
    HWND tips = p.find_top(TOOLTIPS_CLASSW, false);
    check(tips != nullptr, "the window has tooltips");
    if (tips == nullptr) {
        return;
    }
    const auto count = SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0);
    std::vector<std::pair<std::string, std::wstring>> tools;
    // The cable field's edit part, where the mouse rests most of the time over the field.
    HWND cable_edit = FindWindowExW(p.item(cable_combo), nullptr, L"Edit", nullptr);
    std::wstring cable_edit_tip = L"(none)";
    for (LRESULT i = 0; i < count; ++i) {
        const auto [tool, tool_text] = query_tool(p, tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(i));
        auto target = reinterpret_cast<HWND>(tool.uId);
        if (cable_edit != nullptr && target == cable_edit) {
            cable_edit_tip = tool_text;
        }
        if (GetParent(target) != p.window) {
            target = GetParent(target); // the edit field inside the combo box
        }
        std::string name = "(unknown)";
        for (std::size_t c = 0; c < form::controls.size(); ++c) {
            if (p.item(form::controls[c].id) == target) {
                name = form::controls[c].name;
            }
        }
        tools.emplace_back(name, tool_text);
    }
    for (const form::control& c : form::controls) {
        const std::string name(c.name);
        const auto found = std::find_if(tools.begin(), tools.end(),
                                        [&](const auto& tool) { return tool.first == name; });
        if (c.tooltip.empty()) {
            check(found == tools.end(), name + " has no tooltip");
        } else {
            check(found != tools.end() && found->second == wide(c.tooltip),
                  name + "'s tooltip reads \"" + narrow(wide(c.tooltip)) + "\"",
                  found == tools.end() ? "none" : narrow(found->second));
        }
    }
    check(cable_edit_tip == wide(form::get(cable_combo).tooltip),
          "the cable field's edit part has the cable field's tooltip", narrow(cable_edit_tip));

    // Resting the mouse on the frequency field shows its tooltip.
    p.to_front();
    mouse_to(centre_of(p.item(freq_txt)));
    pause(100);
    RECT box{};
    GetWindowRect(p.item(freq_txt), &box);
    mouse_to({box.left + 5, (box.top + box.bottom) / 2});
    const bool shown = wait_for([&] { return IsWindowVisible(tips) != FALSE; }, 4000);
    check(shown, "resting the mouse on freq_txt shows a tooltip");
    if (shown) {
        pause(300);
        const std::wstring current = query_tool(p, tips, TTM_GETCURRENTTOOLW, 0).second;
        check(current == wide(form::get(freq_txt).tooltip), "the tooltip shown is freq_txt's",
              narrow(current));
        shoot(shots, tag, L"tooltip");
    }
    mouse_to({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
    pause(200);
}

HFONT result_font_at(UINT dpi, int weight = form::result_font.weight,
                     std::u16string_view family = form::result_font.family) {
    LOGFONTW font{};
    font.lfHeight =
        -MulDiv(static_cast<int>(form::result_font.points * 100), static_cast<int>(dpi), 7200);
    font.lfWeight = weight;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wide(family).copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

HFONT message_font_at(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void result_look(const program& p, UINT dpi, const std::wstring& shots, const std::wstring& tag) {
    p.reset_inputs();
    p.to_front();
    click_at(centre_of(p.item(calc_cmd)));
    p.results_are(L"0.172", L"0.114");
    mouse_to({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
    p.settle(300);
    shoot(shots, tag, L"calculated");
    HFONT arial = result_font_at(dpi);
    HFONT bold = result_font_at(dpi, FW_BOLD);
    HFONT message = message_font_at(dpi);
    for (const form::control_id result : {coax_length_lbl, vf_length_lbl}) {
        const std::string name = name_of(result);
        const image shown = client_on_screen(p.item(result));
        const RECT ink = ink_box(shown);
        // Everything but the digits and their smoothed edges is pure white.
        bool white = ink.right > ink.left;
        std::string where;
        for (int y = 0; y < shown.height && white; ++y) {
            for (int x = 0; x < shown.width && white; ++x) {
                // (a border drawn inside the client area is left out)
                const bool near_ink = (x >= ink.left - 2 && x < ink.right + 2 && y >= ink.top - 2 &&
                                       y < ink.bottom + 2) ||
                                      x == 0 || y == 0 || x == shown.width - 1 ||
                                      y == shown.height - 1;
                white = near_ink || shown.at(x, y) == RGB(255, 255, 255);
                if (!white) {
                    char detail[96];
                    std::snprintf(detail, sizeof detail, "pixel %d,%d of %dx%d is %06lx", x, y,
                                  shown.width, shown.height,
                                  static_cast<unsigned long>(shown.at(x, y)));
                    where = detail;
                }
            }
        }
        check(white, std::string(name) + " is white around its digits", where);
        const std::wstring text = p.text(result);
        // The same ink: the same box around the dark pixels, and as many of them give or take
        // a tenth (a bold face has the same figures' box but more ink).
        const long shown_dark = dark_pixels(shown);
        const auto same_size = [&](HFONT font) {
            const image drawing = rendered(font, text);
            const RECT drawn = ink_box(drawing);
            const long dark_drawn = dark_pixels(drawing);
            // (the digits may fall a pixel differently at another horizontal offset)
            return std::abs((drawn.right - drawn.left) - (ink.right - ink.left)) <= 1 &&
                   std::abs((drawn.bottom - drawn.top) - (ink.bottom - ink.top)) <= 1 &&
                   std::abs(dark_drawn - shown_dark) * 10 <= shown_dark;
        };
        const RECT arial_ink = ink_box(rendered(arial, text));
        check(same_size(arial) && !same_size(bold) && !same_size(message),
              std::string(name) + " shows \"" + narrow(text) +
                  "\" in Arial 14.25 pt, normal weight",
              "shown " + std::to_string(ink.right - ink.left) + "x" +
                  std::to_string(ink.bottom - ink.top) + ", Arial " +
                  std::to_string(arial_ink.right - arial_ink.left) + "x" +
                  std::to_string(arial_ink.bottom - arial_ink.top));
    }
    DeleteObject(arial);
    DeleteObject(bold);
    DeleteObject(message);
}

// Checks the layout at `dpi` and returns the smallest scale factor that fits the client size.
double geometry(const program& p, UINT dpi) {
    const UINT window_dpi = GetDpiForWindow(p.window);
    check(window_dpi == dpi, "the window runs at " + std::to_string(dpi) + " DPI",
          std::to_string(window_dpi));
    RECT client{};
    GetClientRect(p.window, &client);
    // The factors s at which the layout at this DPI rounds to the client size found.
    const double width = form::client.width * static_cast<double>(dpi) / form::twips_per_inch;
    const double height = form::client.height * static_cast<double>(dpi) / form::twips_per_inch;
    const double low =
        std::max({1.0, (client.right - 0.5) / width, (client.bottom - 0.5) / height});
    const double high = std::min((client.right + 0.5) / width, (client.bottom + 0.5) / height);
    check(low < high, "the client area is 2310 x 3360 twips times one factor >= 1",
          std::to_string(client.right) + "x" + std::to_string(client.bottom));
    const double s = (low + high) / 2;
    std::printf("# DPI %u: client %ldx%ld pixels, scale factor %.3f to %.3f\n", dpi, client.right,
                client.bottom, low, high);
    for (const form::control& c : form::controls) {
        RECT box{};
        GetWindowRect(p.item(c.id), &box);
        MapWindowPoints(nullptr, p.window, reinterpret_cast<POINT*>(&box), 2);
        const auto close_to = [&](LONG got, int twips) {
            return std::abs(got - twips * static_cast<double>(dpi) / form::twips_per_inch * s) <=
                   1.0;
        };
        bool ok = close_to(box.left, c.box.left) && close_to(box.top, c.box.top) &&
                  close_to(box.right - box.left, c.box.width);
        if (c.kind == form::kind::drop_down) {
            // A closed combo box is as high as its font needs, as on Windows; its field holds
            // the text.
            HFONT font = message_font_at(dpi);
            HDC dc = GetDC(nullptr);
            HGDIOBJ old = SelectObject(dc, font);
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            SelectObject(dc, old);
            ReleaseDC(nullptr, dc);
            DeleteObject(font);
            ok = ok && box.bottom - box.top >= metrics.tmHeight + 4;
        } else {
            ok = ok && close_to(box.bottom - box.top, c.box.height);
        }
        check(ok, std::string(c.name) + " is at its box times the same factor",
              std::to_string(box.left) + "," + std::to_string(box.top) + " " +
                  std::to_string(box.right - box.left) + "x" +
                  std::to_string(box.bottom - box.top));
    }

    // No caption is clipped: each fits the part of its box that is inside the window.
    HFONT font = message_font_at(dpi);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    for (const form::control& c : form::controls) {
        if (c.kind != form::kind::caption_label && c.kind != form::kind::push_button) {
            continue;
        }
        const std::wstring text = wide(form::shown_caption(c.text));
        SIZE need{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &need);
        RECT box{};
        GetWindowRect(p.item(c.id), &box);
        MapWindowPoints(nullptr, p.window, reinterpret_cast<POINT*>(&box), 2);
        const LONG visible = std::min(box.right, client.right) - box.left;
        check(need.cx <= visible && need.cy <= box.bottom - box.top,
              std::string(c.name) + "'s text fits",
              std::to_string(need.cx) + "x" + std::to_string(need.cy) + " in " +
                  std::to_string(visible) + "x" + std::to_string(box.bottom - box.top));
    }
    // Every cable name fits the edit part of the cable field, beside its button and inside the
    // edit's margins, with the caret after it.
    std::wstring widest;
    SIZE widest_size{};
    for (const ridi::cable& entry : form::cable_list()) {
        const std::wstring name = wide(entry.name);
        SIZE size{};
        GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
        if (size.cx > widest_size.cx) {
            widest = name;
            widest_size = size;
        }
    }
    // The edit part as a child window: Wine hands GetComboBoxInfo's structure to no other
    // process (the window's own process asks GetComboBoxInfo, in the probe).
    HWND edit = FindWindowExW(p.item(cable_combo), nullptr, L"Edit", nullptr);
    RECT edit_client{};
    GetClientRect(edit, &edit_client);
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    const LONG room = edit_client.right - LOWORD(margins) - HIWORD(margins);
    check(edit != nullptr && widest_size.cx + 1 <= room,
          "the widest cable name " + narrow(widest) + " fits the cable field's edit part",
          std::to_string(widest_size.cx) + " pixels and the caret in " + std::to_string(room));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return low;
}

void resources(const std::wstring& exe) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    std::vector<char> data(size);
    check(size > 0 && GetFileVersionInfoW(exe.c_str(), 0, size, data.data()) != FALSE,
          "ridi.exe has a version record");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size > 0 &&
        VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) != FALSE) {
        const std::string version = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                    std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                    std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                                    std::to_string(LOWORD(fixed->dwFileVersionLS));
        check(version == ridi::version, "the file version is " + std::string(ridi::version),
              version);
        wchar_t* value = nullptr;
        VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\ProductVersion",
                       reinterpret_cast<void**>(&value), &length);
        check(value != nullptr && narrow(value) == ridi::version, "the product version string",
              value == nullptr ? "none" : narrow(value));
        VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\ProductName",
                       reinterpret_cast<void**>(&value), &length);
        check(value != nullptr && std::wstring(value) == wide(form::title), "the product name");
    }

    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC group = module != nullptr ? FindResourceW(module, L"IDI_ICON1", RT_GROUP_ICON) : nullptr;
    check(group != nullptr, "ridi.exe holds its icon");
    if (group != nullptr) {
        const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
        for (int side : {16, 32}) {
            const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory), TRUE, side,
                                                       side, LR_DEFAULTCOLOR);
            HRSRC entry = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
            HICON icon = entry == nullptr
                             ? nullptr
                             : CreateIconFromResourceEx(
                                   static_cast<BYTE*>(LockResource(LoadResource(module, entry))),
                                   SizeofResource(module, entry), TRUE, 0x00030000, side, side, 0);
            bool black = false;
            bool white = false;
            if (icon != nullptr) {
                HDC screen = GetDC(nullptr);
                HDC memory = CreateCompatibleDC(screen);
                HBITMAP bitmap = CreateCompatibleBitmap(screen, side, side);
                HGDIOBJ old = SelectObject(memory, bitmap);
                DrawIconEx(memory, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
                const image drawn = from_dc(memory, 0, 0, side, side);
                for (COLORREF c : drawn.pixels) {
                    black = black || c == RGB(0, 0, 0);
                    white = white || c == RGB(255, 255, 255);
                }
                SelectObject(memory, old);
                DeleteObject(bitmap);
                DeleteDC(memory);
                ReleaseDC(nullptr, screen);
                DestroyIcon(icon);
            }
            check(icon != nullptr && black && white, "the icon has a " + std::to_string(side) +
                                                         " pixel image: black screen, white trace");
        }
    }
    if (module != nullptr) {
        FreeLibrary(module);
    }
    // (Wine answers no other process about a window's icon; the screenshots show it in the
    // title bar.)
}

// The window lays itself out again when Windows says its DPI changed.
void dpi_change(const program& p, UINT dpi) {
    const UINT new_dpi = dpi * 2;
    remote_buffer buffer(p.process.hProcess, sizeof(RECT));
    RECT suggested{};
    GetWindowRect(p.window, &suggested);
    buffer.write(suggested);
    SendMessageW(p.window, WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
                 reinterpret_cast<LPARAM>(buffer.address()));
    p.settle(200);
    RECT client{};
    GetClientRect(p.window, &client);
    const form::pixel_size least = form::client_pixels(new_dpi);
    check(client.right >= least.width && client.bottom >= least.height,
          "after WM_DPICHANGED to " + std::to_string(new_dpi) +
              " DPI the window is laid out for it",
          std::to_string(client.right) + "x" + std::to_string(client.bottom));
    RECT button{};
    GetWindowRect(p.item(calc_cmd), &button);
    check(button.right - button.left >= form::to_pixels(form::get(calc_cmd).box, new_dpi).width,
          "after WM_DPICHANGED the controls are laid out for it");
    p.clear_results();
    click_at(centre_of(p.item(calc_cmd)));
    check(p.results_are(L"0.172", L"0.114"), "the window works after WM_DPICHANGED");
}

// With the user's message font twice as large, the window grows by one factor until every text
// fits again.
void large_font(const std::wstring& exe, UINT dpi, const std::wstring& shots,
                const std::wstring& tag) {
    NONCLIENTMETRICSW saved{};
    saved.cbSize = sizeof saved;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    NONCLIENTMETRICSW large = saved;
    large.lfMessageFont.lfHeight *= 2;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof large, &large, SPIF_UPDATEINIFILE);
    program p = start(exe);
    check(p.window != nullptr, "ridi.exe starts with a message font twice as large");
    if (p.window != nullptr) {
        std::printf("# with the message font twice as large:\n");
        const double s = geometry(p, dpi);
        check(s > 1.2, "the window grows with the font", std::to_string(s));
        shoot(shots, tag, L"large-font");
        stop(p);
    }
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, SPIF_UPDATEINIFILE);
}

// The user's decimal separator, as Windows keeps it; empty when it is not set.
std::wstring user_decimal() {
    wchar_t value[16]{};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", L"sDecimal", RRF_RT_REG_SZ,
                     nullptr, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

void set_user_decimal(const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (value.empty()) {
        RegDeleteValueW(key, L"sDecimal");
    } else {
        RegSetValueExW(key, L"sDecimal", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

// Where the user's locale writes decimals with a comma, the window also reads one; elsewhere a
// comma is an error. Results are written with "." either way.
void decimal_comma(const std::wstring& exe) {
    const std::wstring saved = user_decimal();
    for (const bool comma : {true, false}) {
        set_user_decimal(comma ? L"," : L".");
        program p = start(exe);
        if (p.window == nullptr) {
            check(false, "ridi.exe starts again");
            continue;
        }
        p.set_text(freq_txt, u"7,1");
        PostMessageW(p.item(calc_cmd), BM_CLICK, 0, 0);
        // Each case waits for what it expects, the results or the message box, however slowly
        // they come.
        HWND box = nullptr;
        if (comma) {
            check(p.results_are(L"10.563", L"6.972") && (box = p.message_box()) == nullptr,
                  "with a decimal comma in the locale, 7,1 MHz gives 10.563 and 6.972",
                  narrow(p.text(coax_length_lbl)) + " " + narrow(p.text(vf_length_lbl)));
        } else {
            check(wait_for([&] { return (box = p.message_box()) != nullptr; }),
                  "with a decimal point in the locale, 7,1 is refused");
        }
        if (box != nullptr) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            wait_for([&] { return !IsWindow(box); });
        }
        stop(p);
    }
    set_user_decimal(saved);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ridi_window_driver RIDI_EXE DPI [SCREENSHOT_DIR]\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::wstring exe = argv[1];
    const auto dpi = static_cast<UINT>(std::wcstoul(argv[2], nullptr, 10));
    const std::wstring shots = argc > 3 ? argv[3] : L"";
    const std::wstring tag = L"dpi" + std::to_wstring(dpi);

    program p = start(exe);
    check(p.window != nullptr, "ridi.exe opens its window");
    if (p.window == nullptr) {
        if (p.process.hProcess != nullptr) {
            TerminateProcess(p.process.hProcess, 1);
        }
        std::printf("%d passed, %d failed\n", passed, failed);
        return 1;
    }
    std::printf("# start-up: %.0f ms from CreateProcess to the visible window\n", p.startup_ms);
    check(p.to_front(), "the window comes to the front");

    starting_state(p);
    z_order(p);
    geometry(p, dpi);
    cable_list(p);
    resources(exe);
    tab_cycle(p);
    enter_and_escape(p);
    activations(p);
    worked_examples(p);
    picked_from_list(p, shots, tag);
    failure(p, shots, tag);
    tooltips(p, shots, tag);
    result_look(p, dpi, shots, tag);
    value_change_events(p);
    wide_result(p, shots, tag);
    dpi_change(p, dpi);
    stop(p);
    msaa_in_process();
    decimal_comma(exe);
    large_font(exe, dpi, shots, tag);

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
