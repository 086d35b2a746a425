// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/catalogue.hpp"

#include "typed_text.hpp"

#include "ridi/bit_cast.hpp"
#include "ridi/utf.hpp"

#include <algorithm>
#include <cstdint>

namespace ridi {
namespace {

// The factors are kept as bit patterns: the calculation multiplies with exactly these single
// values (0.699999988... for 0.70), not with the double nearest the two-decimal figure.
constexpr float from_bits(std::uint32_t bits) {
    return ridi::bit_cast<float>(bits);
}

constexpr float vf_066 = from_bits(0x3F28F5C3);
constexpr float vf_070 = from_bits(0x3F333333);
constexpr float vf_079 = from_bits(0x3F4A3D71);
constexpr float vf_081 = from_bits(0x3F4F5C29);
constexpr float vf_084 = from_bits(0x3F570A3D);

constexpr std::array<cable, 14> catalogue{{
    {u"RG-11", vf_066},
    {u"RG-55", vf_066},
    {u"RG-58", vf_066},
    {u"RG-142", vf_070},
    {u"RG-174", vf_066},
    {u"RG-188", vf_070},
    {u"RG-196", vf_070},
    {u"RG-213", vf_066},
    {u"RG-214", vf_066},
    {u"RG-223", vf_066},
    {u"RG-316", vf_070},
    {u"H100", vf_084},
    {u"H155", vf_079},
    {u"H500", vf_081},
}};

bool set_aside(char16_t c) {
    switch (c) {
    case u' ':
    case u'\t':
    case u'\u00A0': // no-break space
    case u'\u00AD': // soft hyphen
    case u'\u200B': // zero width space
    case u'\u202F': // narrow no-break space
    case u'\u205F': // medium mathematical space
    case u'\u2212': // minus sign
    case u'\u3000': // ideographic space
    case u'\uFEFF': // zero width no-break space
    case u'-':
        return true;
    default:
        return (c >= u'\u2000' && c <= u'\u200A') || // the typographic spaces
               (c >= u'\u2010' && c <= u'\u2015');   // hyphens and dashes
    }
}

} // namespace

std::u16string folded_name(std::u16string_view text) {
    std::u16string out;
    for (const char16_t c : text) {
        if (!set_aside(c)) {
            out.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c);
        }
    }
    return out;
}

std::span<const cable> cable_catalogue() noexcept {
    return catalogue;
}

namespace {

template <typename Char> float velocity_factor_of(std::basic_string_view<Char> cable_text) {
    for (const cable& entry : catalogue) {
        // The last code unit first: it tells most names of equal length apart at once.
        if (entry.name.size() == cable_text.size() &&
            entry.name.back() == static_cast<char16_t>(cable_text.back()) &&
            std::equal(
                entry.name.begin(), entry.name.end(), cable_text.begin(),
                [](char16_t name, Char text) { return name == static_cast<char16_t>(text); })) {
            return entry.velocity_factor;
        }
    }
    return 0.0f;
}

} // namespace

float Get_Vk(std::u16string_view cable_text) noexcept {
    return velocity_factor_of(cable_text);
}

float Get_Vk(std::string_view cable_text) noexcept {
    return velocity_factor_of(cable_text);
}

std::optional<std::u16string_view> cable_suggestion(std::u16string_view cable_text) {
    const std::u16string typed = folded_name(cable_text);
    for (const cable& entry : catalogue) {
        if (entry.name == cable_text) {
            return std::nullopt;
        }
    }
    for (const cable& entry : catalogue) {
        if (!typed.empty() && folded_name(entry.name) == typed) {
            return entry.name;
        }
    }
    return std::nullopt;
}

std::string unknown_cable_warning(std::u16string_view cable_text) {
    std::string warning = cable_text.empty() ? "the cable name is empty"
                                             : "the cable " + quoted_for_message(cable_text) +
                                                   " is not in the catalogue";
    warning += ", so its velocity factor counts as 0";
    if (const auto suggestion = cable_suggestion(cable_text)) {
        warning += "; did you mean " + utf16_to_utf8(*suggestion) + "?";
    }
    return warning;
}

} // namespace ridi
