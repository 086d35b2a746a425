// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cable catalogue: cable names and their velocity factors.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace ridi {

struct cable {
    std::u16string_view name;
    float velocity_factor; // the single-precision value the calculation multiplies with
};

// The fourteen cables in their fixed order; the window's drop-down list offers the same names.
std::span<const cable> cable_catalogue() noexcept;

// Velocity factor for a cable text: the first catalogue name equal to it code unit for code
// unit (case-sensitive, no trimming), or 0 for any other text.
float Get_Vk(std::u16string_view cable_text) noexcept;

} // namespace ridi
