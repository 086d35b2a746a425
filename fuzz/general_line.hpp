// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's answer to one batch line, calc_cmd_Click over the line's fields as form texts, for
// the batch fuzz target to compare ridi-calc's answer with.
#pragma once

#include "batch_line.hpp"

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
    const cli::batch_line split = cli::split_batch_line(line);
    if (split.field_count != 3) {
        return std::nullopt;
    }
    form_strings form;
    form.freq = utf8_to_utf16(split.fields[0]);
    form.qtr_num = utf8_to_utf16(split.fields[1]);
    form.cable = utf8_to_utf16(split.fields[2]);
    try {
        calc_cmd_Click(form);
    } catch (const calc_error&) {
        return std::nullopt;
    }
    return utf16_to_utf8(form.coax_length) + "\t" + utf16_to_utf8(form.vf_length) + "\n";
}

} // namespace ridi::test
