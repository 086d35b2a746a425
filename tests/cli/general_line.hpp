// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The general path's answer to one batch line, as the window computes it, for comparing the quick
// route with: used by the differential test and the fast_line fuzz target.
#pragma once

#include "ridi/calculation.hpp"
#include "ridi/utf.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace ridi::test {

// The result line "LENGTH<TAB>CORRECTED\n" that calc_cmd_Click gives over the form texts of the
// line's three fields (one CR at the end dropped, UTF-8 read as the tool reads it); nothing for a
// line that is not three fields or whose calculation fails.
inline std::optional<std::string> general_answer(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::size_t first_tab = line.find('\t');
    const std::size_t second_tab =
        first_tab == std::string_view::npos ? first_tab : line.find('\t', first_tab + 1);
    if (second_tab == std::string_view::npos ||
        line.find('\t', second_tab + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    form_strings form;
    form.freq = utf8_to_utf16(line.substr(0, first_tab));
    form.qtr_num = utf8_to_utf16(line.substr(first_tab + 1, second_tab - first_tab - 1));
    form.cable = utf8_to_utf16(line.substr(second_tab + 1));
    try {
        calc_cmd_Click(form);
    } catch (const calc_error&) {
        return std::nullopt;
    }
    return utf16_to_utf8(form.coax_length) + "\t" + utf16_to_utf8(form.vf_length) + "\n";
}

} // namespace ridi::test
