// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plain decimals: a quick route for format_fixed's common numbers (0.172), which gives exactly
// the text format_fixed gives or declines (returns false) and leaves the number to it, and the
// number such a text reads back as.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace ridi {

// Every power of ten up to 10^15 is an exact double (all are up to 10^22).
inline constexpr std::array<double, 16> exact_powers_of_ten{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// |value| * 10^decimals (decimals 0 to 15) rounded to an integer with halves away from zero, as
// format_fixed rounds it, where that is certain without the shortest digits format_fixed starts
// from; false for a value that is not finite, that large, or close to a half.
// Exact: the shortest digits lie within half an ulp of the value, and `scaled` is one rounded
// product, so the scaled shortest digits and `scaled` both lie within about scaled * 2^-53 of the
// exact |value| * 10^d, and within scaled * 2^-52 of each other. Unless a half lies within the
// margin below (sixteen times that), both round to the same nearest integer: only a half decides.
// At 2^47 and above the margin covers every half, so the result stays below 2^47.
inline bool round_scaled(double value, int decimals, std::uint64_t& rounded) noexcept {
    const double scaled =
        std::fabs(value) * exact_powers_of_ten[static_cast<std::size_t>(decimals)];
    if (!(scaled < 0x1p52)) {
        return false;
    }
    const auto whole = static_cast<std::uint64_t>(scaled);       // the floor, as scaled >= 0
    const double fraction = scaled - static_cast<double>(whole); // exact below 2^52
    if (std::fabs(fraction - 0.5) <= scaled * 0x1p-48 + 0x1p-60) {
        return false;
    }
    rounded = whole + (fraction > 0.5 ? 1u : 0u);
    return true;
}

inline constexpr std::array<std::uint64_t, 16> exact_integer_powers_of_ten{1,
                                                                           10,
                                                                           100,
                                                                           1000,
                                                                           10000,
                                                                           100000,
                                                                           1000000,
                                                                           10000000,
                                                                           100000000,
                                                                           1000000000,
                                                                           10000000000,
                                                                           100000000000,
                                                                           1000000000000,
                                                                           10000000000000,
                                                                           100000000000000,
                                                                           1000000000000000};

// Writes `rounded` units of 10^-decimals (decimals 0 to 15) as format_fixed shows them: at least
// one digit before the point, exactly `decimals` after it, no grouping, and "-" when `negative`
// unless the text is all zeros. Returns the end of the text, at most 22 characters.
// Always inlined: with `decimals` a constant, every division below is a multiplication.
template <typename Char>
[[gnu::always_inline]] inline Char* write_fixed(std::uint64_t rounded, int decimals, bool negative,
                                                Char* out) noexcept {
    if (negative && rounded != 0) {
        *out++ = Char('-');
    }
    const auto places = static_cast<std::size_t>(decimals);
    std::uint64_t integer = rounded / exact_integer_powers_of_ten[places];
    std::uint64_t fraction = rounded % exact_integer_powers_of_ten[places];
    std::size_t integer_digits = 1;
    for (std::uint64_t rest = integer / 10; rest != 0; rest /= 10) {
        ++integer_digits;
    }
    // Each part from its last digit back.
    for (std::size_t k = integer_digits; k > 0; --k) {
        out[k - 1] = static_cast<Char>('0' + integer % 10);
        integer /= 10;
    }
    out += integer_digits;
    if (places == 0) {
        return out;
    }
    *out++ = Char('.');
    for (std::size_t k = places; k > 0; --k) {
        out[k - 1] = static_cast<Char>('0' + fraction % 10);
        fraction /= 10;
    }
    return out + places;
}

// The number a result caption of `rounded` thousandths shows ("0.172" for 172), with the sign
// of `negative` unless it shows as zero: the number reading the caption back gives.
// Exact: rounded < 2^53 and 1000 are both exact doubles, so the one division is correctly
// rounded and gives the double nearest the decimal rounded / 1000, which is the double a correct
// reading of the caption's text gives too.
inline double caption_value(std::uint64_t rounded, bool negative) noexcept {
    const double magnitude = static_cast<double>(rounded) / 1000.0;
    return negative && rounded != 0 ? -magnitude : magnitude;
}

} // namespace ridi
