// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows_console.hpp"

#include "ridi/utf.hpp"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ios>
#include <iostream>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace ridi::cli::windows {
namespace {

// How many bytes the UTF-8 sequence that starts with `lead` has; 1 for a byte that starts none.
std::size_t sequence_length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 1;
}

// How many of `bytes` can be written now: all but a sequence cut short at the end, whose rest
// may follow in the next write.
std::size_t complete_prefix(std::string_view bytes) {
    const std::size_t look_back = std::min<std::size_t>(bytes.size(), 3);
    for (std::size_t back = 1; back <= look_back; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0u) != 0x80u) { // the start of the last sequence
            return sequence_length(byte) > back ? bytes.size() - back : bytes.size();
        }
    }
    return bytes.size();
}

// Writes UTF-8 to a console as UTF-16 (WriteConsoleW); bytes that are not UTF-8 show as U+FFFD.
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
    // Writes what the buffer holds, keeping back a sequence cut short unless `all`.
    bool write_out(bool all) {
        const std::string_view bytes(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t ready = all ? bytes.size() : complete_prefix(bytes);
        const std::u16string text = utf8_to_utf16(bytes.substr(0, ready));
        const bool written = write_console(text);
        // The bytes kept back move to the start of the buffer.
        const std::size_t kept = bytes.size() - ready;
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

// The console behind a standard handle, or nullptr when it is a file, a pipe or nothing.
HANDLE console_of(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)
               ? handle
               : nullptr;
}

} // namespace

std::vector<std::string> utf8_arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        arguments.push_back(utf16_to_utf8(std::u16string(wide.begin(), wide.end())));
    }
    return arguments;
}

standard_streams::standard_streams() : in_(&std::cin), out_(&std::cout), err_(&std::cerr) {
    // Bytes in, bytes out: the C library would otherwise write "\r\n" for "\n", drop the "\r"
    // of "\r\n" and end the input at Ctrl+Z.
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    if (HANDLE console = console_of(STD_INPUT_HANDLE)) {
        console_buffers_.push_back(std::make_unique<console_input>(console));
        console_in_ = std::make_unique<std::istream>(console_buffers_.back().get());
        in_ = console_in_.get();
    }
    if (HANDLE console = console_of(STD_OUTPUT_HANDLE)) {
        console_buffers_.push_back(std::make_unique<console_output>(console));
        console_out_ = std::make_unique<std::ostream>(console_buffers_.back().get());
        out_ = console_out_.get();
    }
    if (HANDLE console = console_of(STD_ERROR_HANDLE)) {
        console_buffers_.push_back(std::make_unique<console_output>(console));
        console_err_ = std::make_unique<std::ostream>(console_buffers_.back().get());
        console_err_->setf(std::ios::unitbuf);
        err_ = console_err_.get();
    }
}

standard_streams::~standard_streams() {
    out_->flush();
    err_->flush();
}

} // namespace ridi::cli::windows
