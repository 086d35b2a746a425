// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows_console.hpp"

#include "byte_stream.hpp"
#include "ridi/utf.hpp"

#include <windows.h>

#include <algorithm>
#include <array>
#include <ios>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace ridi::cli::windows {
namespace {

// Writes UTF-8 to a console as UTF-16 (WriteConsoleW) when full and when flushed; bytes that
// are not UTF-8 show as U+FFFD. A write that fails fails the stream.
class console_output final : public std::streambuf {
public:
    explicit console_output(HANDLE console) : console_(console) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    console_output(const console_output&) = delete;
    console_output& operator=(const console_output&) = delete;
    ~console_output() override { write_out(true); }

protected:
    int_type overflow(int_type ch) override {
        if (!write_out(false)) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return write_out(false) ? 0 : -1; }

private:
    // Writes what the buffer holds, but for a sequence cut short at its end unless `all`: that
    // one's rest may follow in the next write. False when the write failed.
    bool write_out(bool all) {
        const std::string_view bytes(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t kept = all ? 0 : utf8_cut_short(bytes);
        const std::u16string text = utf8_to_utf16(bytes.substr(0, bytes.size() - kept));
        const bool written = write_console(text);
        // The bytes kept back move to the start of the buffer.
        std::copy(bytes.end() - static_cast<std::ptrdiff_t>(kept), bytes.end(), buffer_.begin());
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        pbump(static_cast<int>(kept));
        return written;
    }

    bool write_console(std::u16string_view text) const {
        // Consoles of older Windows versions take at most about 64 KiB at once.
        constexpr std::size_t most = 8192;
        while (!text.empty()) {
            const std::u16string_view part = text.substr(0, most);
            std::wstring wide(part.begin(), part.end());
            DWORD written = 0;
            if (!WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written,
                               nullptr) ||
                written == 0) {
                return false;
            }
            text.remove_prefix(std::min<std::size_t>(written, part.size()));
        }
        return true;
    }

    HANDLE console_;
    std::array<char, 4096> buffer_{};
};

// Reads a console's UTF-16 text (ReadConsoleW) as UTF-8. Ctrl+Z, as in Windows' own tools, ends
// the input (Ctrl+Z then Enter at the start of a line).
class console_input final : public std::streambuf {
public:
    explicit console_input(HANDLE console) : console_(console) {}

protected:
    int_type underflow() override {
        while (gptr() == egptr()) {
            if (ended_) {
                return traits_type::eof();
            }
            std::array<wchar_t, 4096> wide{};
            DWORD count = 0;
            if (!ReadConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &count,
                              nullptr)) {
                ended_ = true;
                throw std::ios_base::failure("cannot read the console");
            }
            std::u16string text = pending_;
            pending_.clear();
            text.append(wide.begin(), wide.begin() + count);
            const std::size_t end_of_input = text.find(u'\x1A');
            if (count == 0 || end_of_input != std::u16string::npos) {
                ended_ = true;
                text.resize(std::min(end_of_input, text.size()));
            } else if (text.back() >= 0xD800 && text.back() <= 0xDBFF) {
                // The first half of a surrogate pair: its second half comes with the next read.
                pending_ = text.back();
                text.pop_back();
            }
            bytes_ = utf16_to_utf8(text);
            setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    HANDLE console_;
    std::string bytes_;
    std::u16string pending_;
    bool ended_ = false;
};

} // namespace

std::vector<std::string> utf8_arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        arguments.push_back(utf16_to_utf8(std::u16string(wide.begin(), wide.end())));
    }
    return arguments;
}

standard_streams::standard_streams() {
    // A console holds UTF-16 text; a file or a pipe takes the bytes as they are. (Not the C++
    // library's std::cin and std::cout: they bring wide streams the tool has no use for.)
    const auto buffer_for = [&](DWORD which, bool input) -> std::streambuf* {
        HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        const bool console =
            handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
        if (console && input) {
            buffers_.push_back(std::make_unique<console_input>(handle));
        } else if (console) {
            buffers_.push_back(std::make_unique<console_output>(handle));
        } else {
            buffers_.push_back(std::make_unique<byte_stream>(handle));
        }
        return buffers_.back().get();
    };
    in_ = std::make_unique<std::istream>(buffer_for(STD_INPUT_HANDLE, true));
    out_ = std::make_unique<std::ostream>(buffer_for(STD_OUTPUT_HANDLE, false));
    err_ = std::make_unique<std::ostream>(buffer_for(STD_ERROR_HANDLE, false));
    err_->setf(std::ios::unitbuf);
}

standard_streams::~standard_streams() {
    out_->flush();
    err_->flush();
}

} // namespace ridi::cli::windows
