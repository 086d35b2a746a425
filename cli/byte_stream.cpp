// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "byte_stream.hpp"

#include <ios>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace ridi::cli {
namespace {

// What one read gave: how many bytes (0 at the end of the input), or -1 when it failed.
long read_some(byte_stream::handle from, char* data, std::size_t size) {
#ifdef _WIN32
    DWORD got = 0;
    if (ReadFile(from, data, static_cast<DWORD>(size), &got, nullptr) == FALSE) {
        const DWORD error = GetLastError();
        return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF ? 0 : -1;
    }
    return static_cast<long>(got);
#else
    ssize_t got = 0;
    do {
        got = ::read(from, data, size);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
#endif
}

// What one write took: how many bytes, or -1 (or 0) when it failed.
long write_some(byte_stream::handle to, const char* data, std::size_t size) {
#ifdef _WIN32
    DWORD written = 0;
    if (WriteFile(to, data, static_cast<DWORD>(size), &written, nullptr) == FALSE) {
        return -1;
    }
    return static_cast<long>(written);
#else
    ssize_t written = 0;
    do {
        written = ::write(to, data, size);
    } while (written < 0 && errno == EINTR);
    return static_cast<long>(written);
#endif
}

} // namespace

byte_stream::~byte_stream() {
    write_out();
}

byte_stream::int_type byte_stream::underflow() {
    if (gptr() == egptr()) {
        const long got = read_some(handle_, block_.data(), block_.size());
        if (got < 0) {
            throw std::ios_base::failure("cannot read the input");
        }
        if (got == 0) {
            return traits_type::eof();
        }
        setg(block_.data(), block_.data(), block_.data() + got);
    }
    return traits_type::to_int_type(*gptr());
}

byte_stream::int_type byte_stream::overflow(int_type ch) {
    if (!write_out()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return traits_type::not_eof(ch);
}

int byte_stream::sync() {
    return write_out() ? 0 : -1;
}

bool byte_stream::write_out() {
    const char* next = pbase();
    const char* const end = pptr();
    setp(block_.data(), block_.data() + block_.size());
    while (next < end) {
        const long written = write_some(handle_, next, static_cast<std::size_t>(end - next));
        if (written <= 0) {
            return false;
        }
        next += written;
    }
    return true;
}

} // namespace ridi::cli
