// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of the results, in any length unit: "RI-DI Length (Metres)", "V/F Corrected
// (Feet and Inches)", and at the measuring bench "Cut to (Metres)". The form names the first two
// in metres; a caller that shows its lengths in another unit names them in that unit.
#pragma once

#include "ridi/units.hpp"

#include <array>
#include <cstddef>
#include <string_view>

namespace ridi {

enum class result {
    coax_length, // the free-space length
    vf_length,   // the velocity-factor corrected length
    cut_to,      // the length to cut a stub to (trim_stub)
    cut_off,     // how much to cut off it
    stub_length, // the length of a stub whose filtering is shown (read_stub)
};

// The words of a result caption before its unit.
constexpr std::u16string_view result_words(result which) noexcept {
    switch (which) {
    case result::coax_length:
        return u"RI-DI Length";
    case result::vf_length:
        return u"V/F Corrected";
    case result::cut_to:
        return u"Cut to";
    case result::cut_off:
        return u"Cut off";
    case result::stub_length:
        return u"Stub length";
    }
    return u"";
}

// The caption of a measured velocity factor, which has no unit.
inline constexpr std::u16string_view measured_factor_caption = u"Velocity factor";

// The heads of the table of every cable's factor, before its corrected-length column, whose head
// is the vf_length caption.
inline constexpr std::u16string_view cable_column_head = u"Cable";
inline constexpr std::u16string_view factor_column_head = u"V/F";

// The unit as the result captions name it.
constexpr std::u16string_view length_unit_caption(length_unit unit) noexcept {
    switch (unit) {
    case length_unit::metres:
        return u"Metres";
    case length_unit::centimetres:
        return u"Centimetres";
    case length_unit::millimetres:
        return u"Millimetres";
    case length_unit::inches:
        return u"Inches";
    case length_unit::feet:
        return u"Feet";
    case length_unit::feet_inches:
        return u"Feet and Inches";
    }
    return u"";
}

// A result caption: the result's words, then its unit in brackets. It holds its text, so that a
// caption made at compile time can be viewed for as long as the program runs.
class result_caption {
public:
    constexpr result_caption(result which, length_unit unit) noexcept {
        append(result_words(which));
        append(u" (");
        append(length_unit_caption(unit));
        append(u")");
    }

    constexpr std::u16string_view text() const noexcept { return {text_.data(), size_}; }

private:
    constexpr void append(std::u16string_view part) noexcept {
        for (const char16_t unit : part) {
            text_[size_++] = unit;
        }
    }

    std::array<char16_t, 40> text_{}; // the longest, "V/F Corrected (Feet and Inches)", is 31
    std::size_t size_ = 0;
};

// The two captions in metres, as the form names them.
inline constexpr result_caption coax_length_metres{result::coax_length, length_unit::metres};
inline constexpr result_caption vf_length_metres{result::vf_length, length_unit::metres};

} // namespace ridi
