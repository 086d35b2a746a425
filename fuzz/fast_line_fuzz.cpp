// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: arbitrary bytes as batch lines, each through the quick route and the general path.
//
// Checks, on every line: where the quick route answers, its result line is byte for byte the
// one calc_cmd_Click gives over the form texts; where it declines, it appends nothing.
#include "fuzz_check.hpp"

#include "fast_line.hpp"
#include "general_line.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using ridi::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string output;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        output = "before";
        if (!ridi::cli::try_fast_line(line, output)) {
            check(output == "before", "the quick route declined a line but wrote to the output");
            continue;
        }
        const std::optional<std::string> general = ridi::test::general_answer(line);
        check(general.has_value(), "the quick route answered a line the general path refuses");
        check(output == "before" + *general, "the quick route and the general path differ");
    }
    return 0;
}
