// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/units.hpp"

#include "ridi/error.hpp"
#include "ridi/number_text.hpp"

#include <array>
#include <cmath>
#include <cstdint>

namespace ridi {
namespace {

__extension__ typedef unsigned __int128 uint128;

// How a unit is shown: the length in metres times numerator / denominator counts the steps
// shown (hundredths of a centimetre, sixteenths of an inch, ...), exactly.
struct unit_steps {
    std::string_view name;
    std::uint64_t numerator;
    std::uint64_t denominator;
    int decimals;           // digits after the point; 0 for feet and inches
    double metres_per_unit; // for lengths too large to count steps exactly
};

constexpr std::array<unit_steps, 6> units{{
    {"m", 1000, 1, 3, 1.0},
    {"cm", 10000, 1, 2, 0.01},            // 0.01 cm = 1/10000 m
    {"mm", 10000, 1, 1, 0.001},           // 0.1 mm = 1/10000 m
    {"in", 500000, 127, 2, 0.0254},            // 0.01 in = 0.000254 m = 127/500000 m
    {"ft", 1250000, 381, 3, 0.3048},             // 0.001 ft = 0.0003048 m = 381/1250000 m
    {"ft-in", 80000, 127, 0, 0.3048}, // 1/16 in = 0.0015875 m = 127/80000 m
}};

const unit_steps& steps_of(length_unit unit) {
    return units[static_cast<std::size_t>(unit)];
}

// round(magnitude * numerator / denominator), halves away from zero, computed exactly from the
// binary value of `magnitude`; false when the count does not fit.
bool count_steps(double magnitude, const unit_steps& unit, uint128& count) {
    if (magnitude == 0.0) {
        count = 0;
        return true;
    }
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    // magnitude = mantissa * 2^exponent, with a 53-bit mantissa.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    uint128 numerator = uint128{mantissa} * unit.numerator; // below 2^74
    uint128 denominator = unit.denominator;                 // below 2^9
    if (exponent >= 0) {
        if (exponent > 53) {
            return false;
        }
        numerator <<= exponent;
    } else if (-exponent > 118) {
        count = 0; // below 2^74 / 2^119 of a step
        return true;
    } else {
        denominator <<= -exponent;
    }
    count = numerator / denominator;
    if (2 * (numerator % denominator) >= denominator) {
        ++count;
    }
    return true;
}

std::string decimal_digits(uint128 value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

std::string feet_and_inches(uint128 sixteenths) {
    const uint128 feet = sixteenths / 192;
    const auto inches = static_cast<unsigned>(sixteenths % 192 / 16);
    unsigned numerator = static_cast<unsigned>(sixteenths % 16);
    unsigned denominator = 16;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    // Appended piece by piece: GCC 12 at -O3 warns (wrongly) of overlap in chains of "+".
    std::string text = decimal_digits(feet);
    text += " ft ";
    text += std::to_string(inches);
    if (numerator != 0) {
        text += ' ';
        text += std::to_string(numerator);
        text += '/';
        text += std::to_string(denominator);
    }
    text += " in";
    return text;
}

} // namespace

std::optional<length_unit> length_unit_from_name(std::string_view name) noexcept {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].name == name) {
            return static_cast<length_unit>(i);
        }
    }
    return std::nullopt;
}

std::string format_length(double metres, length_unit unit) {
    const unit_steps& steps = steps_of(unit);
    if (unit == length_unit::metres) {
        return format_fixed(metres, 3);
    }
    uint128 count = 0;
    if (!count_steps(std::fabs(metres), steps, count)) {
        // Beyond 10^31 m a double holds no digit after the point in any of these units.
        const double in_unit = metres / steps.metres_per_unit;
        if (std::isinf(in_unit)) {
            throw calc_error(error_kind::overflow, error_field::none,
                             "The length is too large to show in " + std::string(steps.name) +
                                 ": enter a larger frequency or fewer quarter waves.");
        }
        return unit == length_unit::feet_inches ? format_fixed(in_unit, 0) + " ft 0 in"
                                                : format_fixed(in_unit, steps.decimals);
    }
    std::string text = metres < 0 && count != 0 ? "-" : "";
    if (unit == length_unit::feet_inches) {
        return text + feet_and_inches(count);
    }
    std::string digits = decimal_digits(count);
    const auto decimals = static_cast<std::size_t>(steps.decimals);
    if (digits.size() <= decimals) {
        digits.insert(0, decimals + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - decimals, 1, '.');
    return text + digits;
}

} // namespace ridi
