// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cable catalogue: cable names and their velocity factors.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ridi {

struct cable {
    std::u16string_view name;
    float velocity_factor; // the single-precision value the calculation multiplies with
};

// The fourteen cables in their fixed order, the order a list of them keeps.
std::span<const cable> cable_catalogue() noexcept;

// Velocity factor for a cable text: the first catalogue name equal to it code unit for code
// unit (case-sensitive, no trimming), or 0 for any other text.
float Get_Vk(std::u16string_view cable_text) noexcept;

// The same for a UTF-8 text: the names are ASCII, so a text equals one byte for byte exactly
// when its UTF-16 form equals it code unit for code unit.
float Get_Vk(std::string_view cable_text) noexcept;

// The catalogue name a text that is not one was probably meant to be: the name it equals once
// ASCII case, blanks (space, tab and the Unicode spaces) and hyphens with their look-alikes
// (U+2010 to U+2015, U+2212, U+00AD) are set aside, as in "rg58", "RG-58 " or "RG\u201158".
// None for a catalogue name itself or a text that matches no name so.
std::optional<std::u16string_view> cable_suggestion(std::u16string_view cable_text);

// What to tell a user whose cable text is not in the catalogue, as one line: the name, that
// its velocity factor counts as 0, and the suggestion if there is one ("did you mean RG-58?").
std::string unknown_cable_warning(std::u16string_view cable_text);

} // namespace ridi
