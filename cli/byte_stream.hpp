// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A standard stream that is a file or a pipe, read or written as bytes, unchanged: where the C++
// library's own streams will not do (on Windows, whose streams would turn "\n" into CRLF and
// end at Ctrl+Z; with libc++, whose std::cin takes a failed read for the end of the input).
#pragma once

#include <array>
#include <streambuf>

namespace ridi::cli {

// A stream buffer over a system handle (a file descriptor; a HANDLE on Windows) that reads or
// writes its bytes as they are, in large blocks. The end of a file, or of a pipe whose writer
// closed it, is the end of the input; a read that fails throws std::ios_base::failure, which
// run() reports with status 3. A write that fails, as to a closed pipe or a full disk, fails
// the stream. Each byte_stream is read or written, not both: its one block is either.
class byte_stream final : public std::streambuf {
public:
#ifdef _WIN32
    using handle = void*;
#else
    using handle = int;
#endif

    explicit byte_stream(handle system_handle) : handle_(system_handle) {}
    byte_stream(const byte_stream&) = delete;
    byte_stream& operator=(const byte_stream&) = delete;
    ~byte_stream() override; // writes what it still holds

protected:
    int_type underflow() override;
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    // Writes what the block holds and empties it; false when the write failed.
    bool write_out();

    handle handle_;
    std::array<char, 1 << 16> block_{};
};

} // namespace ridi::cli
