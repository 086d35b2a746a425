// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi-calc run in the test's own process: its arguments and standard input in, its exit status
// and both outputs back.
#pragma once

#include "ridi_calc.hpp"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace ridi::test {

struct outcome {
    int status;
    std::string out;
    std::string err;
};

inline outcome run(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = ridi::cli::run(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace ridi::test
