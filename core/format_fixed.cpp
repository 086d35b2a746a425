// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a number with fixed decimals: the shortest digits that read back as it, from
// std::to_chars or from Dragonbox, rounded to the decimals asked for.
#include "ridi/number_text.hpp"

#include "fixed_text.hpp"

#if !RIDI_HAVE_FLOAT_TO_CHARS
#include <dragonbox/dragonbox.h>
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace ridi {
namespace {

constexpr int max_decimals = 9;

// The shortest decimal digits that read back as a double, and where the point goes: the value
// is d0.d1d2... x 10^exponent, with digit d0 other than 0 unless the value is zero.
struct shortest_digits {
    std::array<char, 20> significand{};
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

#if RIDI_HAVE_FLOAT_TO_CHARS
// From std::to_chars, in the form "-d.ddde+XX".
shortest_digits shortest_round_trip(double value) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(result.ptr - buffer.data()));
    shortest_digits shortest;
    std::size_t pos = 0;
    shortest.negative = scientific[pos] == '-';
    if (shortest.negative) {
        ++pos;
    }
    for (; pos < scientific.size() && scientific[pos] != 'e'; ++pos) {
        if (scientific[pos] != '.') {
            shortest.significand[static_cast<std::size_t>(shortest.count++)] = scientific[pos];
        }
    }
    // to_chars writes the exponent as "e+XX" or "e-XX"; from_chars reads no "+".
    pos += scientific[pos + 1] == '+' ? 2 : 1;
    std::from_chars(scientific.data() + pos, scientific.data() + scientific.size(),
                    shortest.exponent);
    return shortest;
}
#else
// Where the C++ library has no floating-point to_chars (emscripten's libc++), or a large one
// (MinGW's, linked statically): Dragonbox, which gives the same shortest, closest digits; with
// its compact table of powers of ten, a tenth of the full one's 10 KB, for the smaller programs.
shortest_digits shortest_round_trip(double value) {
    shortest_digits shortest;
    shortest.negative = std::signbit(value);
    if (value == 0.0) {
        shortest.significand[0] = '0';
        shortest.count = 1;
        return shortest;
    }
    const auto decimal = jkj::dragonbox::to_decimal(value, jkj::dragonbox::policy::cache::compact);
    std::array<char, 20> reversed{};
    int count = 0;
    for (std::uint64_t rest = decimal.significand; rest != 0; rest /= 10) {
        reversed[static_cast<std::size_t>(count++)] = static_cast<char>('0' + rest % 10);
    }
    for (int k = 0; k < count; ++k) {
        shortest.significand[static_cast<std::size_t>(k)] =
            reversed[static_cast<std::size_t>(count - 1 - k)];
    }
    shortest.count = count;
    shortest.exponent = decimal.exponent + count - 1;
    return shortest;
}
#endif

} // namespace

std::size_t format_shortest_into(double value, int decimals, fixed_text& out) {
    if (!std::isfinite(value)) {
        // The calculation never shows one; a caller that tries gets no text built from "inf".
        throw std::domain_error("format_fixed: the value is not a finite number");
    }
    const shortest_digits shortest = shortest_round_trip(value);
    const std::array<char, 20>& significand = shortest.significand;
    const int count = shortest.count;
    const int exponent = shortest.exponent;
    const bool negative = shortest.negative;

    // Significand digit k has the weight 10^(exponent - k).
    auto digit_at = [&](int weight) {
        const int k = exponent - weight;
        return k >= 0 && k < count ? significand[static_cast<std::size_t>(k)] : '0';
    };
    // digits[0] is kept free for a carry out of the highest digit.
    fixed_text digits; // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::size_t first = 1;
    std::size_t end = 1;
    for (int weight = exponent > 0 ? exponent : 0; weight >= -decimals; --weight) {
        digits[end++] = digit_at(weight);
    }
    // Halves away from zero: the shortest digits are exact, so a first dropped digit of 5 or
    // more rounds the magnitude up.
    if (digit_at(-decimals - 1) >= '5') {
        std::size_t k = end;
        while (k > first && digits[k - 1] == '9') {
            digits[--k] = '0';
        }
        if (k == first) {
            digits[--first] = '1';
        } else {
            ++digits[k - 1];
        }
    }
    bool zero = true;
    for (std::size_t k = first; k < end; ++k) {
        zero = zero && digits[k] == '0';
    }
    std::size_t length = 0;
    if (negative && !zero) {
        out[length++] = '-';
    }
    const std::size_t point = end - static_cast<std::size_t>(decimals);
    for (std::size_t k = first; k < end; ++k) {
        if (k == point) {
            out[length++] = '.';
        }
        out[length++] = digits[k];
    }
    return length;
}

std::string format_fixed(double value, int decimals) {
    fixed_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    return {text.data(), format_into(value, std::clamp(decimals, 0, max_decimals), text.data())};
}

std::string format_fixed_from_shortest(double value, int decimals) {
    fixed_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    return {text.data(), format_shortest_into(value, std::clamp(decimals, 0, max_decimals), text)};
}

} // namespace ridi
