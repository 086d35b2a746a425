// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A batch line taken apart: its text without the line's CR, and its fields between the tabs.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace ridi::cli {

struct batch_line {
    std::string_view text;                  // the line without one CR at its end
    std::array<std::string_view, 6> fields; // the first six fields, each as it stands
    std::size_t field_count;                // how many fields there are: the tabs plus one
};

// Splits a batch line (without its line break) at every tab, after dropping one CR at its end:
// the rest of the line is the user's text, taken exactly as it stands, blanks and further CRs
// included.
inline batch_line split_batch_line(std::string_view line) noexcept {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    batch_line split{line, {}, 0};
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (split.field_count < split.fields.size()) {
            split.fields[split.field_count] =
                line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        }
        ++split.field_count;
        if (tab == std::string_view::npos) {
            return split;
        }
        start = tab + 1;
    }
}

} // namespace ridi::cli
