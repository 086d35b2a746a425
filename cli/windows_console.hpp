// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc's standard streams on Windows. The tool reads and writes UTF-8 bytes, exactly as on
// Linux. Redirected to a file or a pipe, the streams carry those bytes unchanged (byte_stream.hpp:
// no CRLF for "\n", no end at Ctrl+Z). A console window holds UTF-16 text instead, so there
// the text goes through the console's Unicode calls and reads right whatever the console's
// code page.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace ridi::cli::windows {

// The program's arguments after its name, as UTF-8 (a lone surrogate becomes U+FFFD).
std::vector<std::string> utf8_arguments(int argc, const wchar_t* const* argv);

// Standard input, output and error for run(): the standard handles' bytes unchanged (files and
// pipes), or a console's text, each as it is.
class standard_streams {
public:
    standard_streams();
    standard_streams(const standard_streams&) = delete;
    standard_streams& operator=(const standard_streams&) = delete;
    ~standard_streams();

    std::istream& in() { return *in_; }
    std::ostream& out() { return *out_; }
    std::ostream& err() { return *err_; }

private:
    std::vector<std::unique_ptr<std::streambuf>> buffers_; // outlive the streams on them
    std::unique_ptr<std::istream> in_;
    std::unique_ptr<std::ostream> out_;
    std::unique_ptr<std::ostream> err_;
};

} // namespace ridi::cli::windows
