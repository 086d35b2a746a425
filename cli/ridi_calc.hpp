// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc: the calculation from the command line and from scripts.
#pragma once

#include "vocabulary.hpp"

#include <iosfwd>
#include <span>
#include <string_view>

namespace ridi::cli {

// Runs ridi-calc with `args` (the arguments after the program name), reading `in` only in
// batch mode. Returns the exit status; a failure to read `in` or to write `out` is reported on
// `err` and gives exit_io_error, and an exception from within the tool (out of memory, a fault)
// is reported there and gives exit_internal_error, the results written before it kept.
int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err);

} // namespace ridi::cli
