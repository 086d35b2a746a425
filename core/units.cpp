// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/units.hpp"

#include "text_message.hpp"
#include "typed_text.hpp"

#include "ridi/error.hpp"
#include "ridi/number_text.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace ridi {
namespace {

__extension__ typedef unsigned __int128 uint128;

// How a unit is shown: the length in metres times numerator / denominator counts the steps
// shown (hundredths of a centimetre, sixteenths of an inch, ...), exactly.
struct unit_steps {
    std::string_view name;
    std::uint64_t numerator;
    std::uint64_t denominator;
    int decimals; // digits after the point; 0 for feet and inches
};

constexpr std::array<unit_steps, 6> units{{
    {"m", 1000, 1, 3},
    {"cm", 10000, 1, 2},      // 0.01 cm = 1/10000 m
    {"mm", 10000, 1, 1},      // 0.1 mm = 1/10000 m
    {"in", 500000, 127, 2},   // 0.01 in = 0.000254 m = 127/500000 m
    {"ft", 1250000, 381, 3},  // 0.001 ft = 0.0003048 m = 381/1250000 m
    {"ft-in", 80000, 127, 0}, // 1/16 in = 0.0015875 m = 127/80000 m
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

// A length in `steps` counted in `count`, with its sign: "-" only on a count other than 0.
std::string text_of_count(uint128 count, bool negative, const unit_steps& steps) {
    std::string text = negative && count != 0 ? "-" : "";
    if (steps.decimals == 0) {
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

// Sixteenths of an inch in an inch, for lengths held in inches.
constexpr unit_steps sixteenths_per_inch{"ft-in", 16, 1, 0};

// Feet and inches of a length too large for a fraction of an inch: whole feet.
std::string whole_feet(double feet) {
    return format_fixed(feet, 0) + " ft 0 in";
}

// How many steps of `unit` make one of its own measure (metres, ..., inches for feet and
// inches): 10^decimals, or 16 sixteenths to the inch.
std::uint64_t steps_per_unit(const unit_steps& unit) {
    if (unit.decimals == 0) {
        return sixteenths_per_inch.numerator;
    }
    std::uint64_t steps = 1;
    for (int i = 0; i < unit.decimals; ++i) {
        steps *= 10;
    }
    return steps;
}

// Where "ft" or "in" (any case) stands in `text`, or npos.
std::size_t find_word(std::u16string_view text, std::u16string_view word) {
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < word.size() && same; ++k) {
            const char16_t c = text[i + k];
            same = (c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c) == word[k];
        }
        if (same) {
            return i;
        }
    }
    return std::u16string_view::npos;
}

// Feet and inches as read_length reads them, in inches.
class feet_inches_reader {
public:
    feet_inches_reader(std::u16string_view text, error_field field, number_options options)
        : text_(text), field_(field), options_{.decimal_comma = options.decimal_comma,
                                               .refuse_too_small = true} {}

    double read() const {
        std::u16string_view rest = trim_blanks(text_);
        if (rest.empty()) {
            throw calc_error(error_kind::not_a_number, field_,
                             text_message(field_, rest, "is empty", forms()));
        }
        double feet = 0.0;
        double inches = 0.0;
        bool first_part = true;
        std::size_t mark = rest.find(u'\'');
        std::size_t mark_size = 1;
        const std::size_t ft = find_word(rest, u"ft");
        if (mark != std::u16string_view::npos && ft != std::u16string_view::npos) {
            fail_form();
        }
        if (mark == std::u16string_view::npos) {
            mark = ft;
            mark_size = 2;
        }
        if (mark != std::u16string_view::npos) {
            feet = read_part(rest.substr(0, mark), first_part);
            first_part = false;
            rest = trim_blanks(rest.substr(mark + mark_size));
        }
        if (!rest.empty()) {
            if (rest.back() == u'"') {
                rest.remove_suffix(1);
            } else if (rest.size() >= 2 && find_word(rest.substr(rest.size() - 2), u"in") == 0) {
                rest.remove_suffix(2);
            } else {
                fail_form();
            }
            inches = read_inches(trim_blanks(rest), first_part);
        }
        const double length = feet * 12 + inches;
        if (!std::isfinite(length)) {
            throw calc_error(error_kind::overflow, field_,
                             text_message(field_, text_, "is too large for a number", forms()));
        }
        return length;
    }

private:
    static std::string forms() {
        return "write feet and inches as " + std::string(feet_inches_forms);
    }

    [[noreturn]] void fail_form() const {
        throw calc_error(error_kind::not_a_number, field_,
                         text_message(field_, text_, "is not in feet and inches", forms()));
    }

    // Feet, or inches as a decimal: a number, signed only when it comes first.
    double read_part(std::u16string_view part, bool first_part) const {
        part = trim_blanks(part);
        if (part.empty() || (!first_part && (part.front() == u'-' || part.front() == u'+'))) {
            fail_form();
        }
        try {
            return read_number(part, field_, options_);
        } catch (const calc_error& error) {
            if (error.kind() != error_kind::not_a_number) {
                // Too large or too small: said of the whole length.
                throw calc_error(error.kind(), field_,
                                 text_message(field_, text_,
                                              error.kind() == error_kind::overflow
                                                  ? "is too large for a number"
                                                  : "is too small for a number",
                                              forms()));
            }
            fail_form();
        }
    }

    // Whole digits, as few as a fraction of an inch has: false for anything else.
    static bool read_digits(std::u16string_view digits, std::uint64_t& value) {
        if (digits.empty() || digits.size() > 15) {
            return false;
        }
        value = 0;
        for (const char16_t c : digits) {
            if (!is_digit(c)) {
                return false;
            }
            value = value * 10 + static_cast<std::uint64_t>(c - u'0');
        }
        return true;
    }

    // Inches as a decimal, or as a fraction with or without whole inches before it: "7 3/8".
    double read_inches(std::u16string_view part, bool first_part) const {
        const std::size_t slash = part.find(u'/');
        if (slash == std::u16string_view::npos) {
            return read_part(part, first_part);
        }
        const std::u16string_view before = trim_blanks(part.substr(0, slash));
        const std::size_t blank = before.find_last_of(blanks);
        std::uint64_t whole = 0;
        std::uint64_t numerator = 0;
        std::uint64_t denominator = 0;
        const bool has_whole = blank != std::u16string_view::npos;
        if ((has_whole && !read_digits(trim_blanks(before.substr(0, blank)), whole)) ||
            !read_digits(has_whole ? before.substr(blank + 1) : before, numerator) ||
            !read_digits(trim_blanks(part.substr(slash + 1)), denominator) || denominator == 0) {
            fail_form();
        }
        return static_cast<double>(whole) +
               static_cast<double>(numerator) / static_cast<double>(denominator);
    }

    std::u16string_view text_;
    error_field field_;
    number_options options_;
};

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
        // Beyond 10^31 m a double holds no digit after the point in any of these units: the
        // length divided by the unit in metres (a foot for feet and inches).
        const double in_unit =
            metres /
            metres_from_unit(1.0, unit == length_unit::feet_inches ? length_unit::feet : unit);
        if (std::isinf(in_unit)) {
            throw calc_error(error_kind::overflow, error_field::none,
                             "The length is too large to show in " + std::string(steps.name) +
                                 ": enter a larger frequency or fewer quarter waves.");
        }
        return unit == length_unit::feet_inches ? whole_feet(in_unit)
                                                : format_fixed(in_unit, steps.decimals);
    }
    return text_of_count(count, metres < 0, steps);
}

std::string_view length_unit_name(length_unit unit) noexcept {
    return steps_of(unit).name;
}

std::string with_unit_name(std::string text, length_unit unit) {
    if (unit != length_unit::feet_inches) {
        text += ' ';
        text += length_unit_name(unit);
    }
    return text;
}

double read_length(std::u16string_view text, length_unit unit, error_field field,
                   number_options options) {
    if (unit == length_unit::feet_inches) {
        return feet_inches_reader(text, field, options).read();
    }
    return number_from_text(text, field,
                            {.decimal_comma = options.decimal_comma, .refuse_too_small = true});
}

std::string format_in_unit(double length, length_unit unit) {
    if (unit != length_unit::feet_inches) {
        return format_fixed(length, steps_of(unit).decimals);
    }
    uint128 count = 0;
    if (!count_steps(std::fabs(length), sixteenths_per_inch, count)) {
        // Beyond 2^106 inches a double holds no fraction of an inch.
        return whole_feet(length / 12);
    }
    return text_of_count(count, length < 0, sixteenths_per_inch);
}

double smallest_shown(length_unit unit) noexcept {
    return 1.0 / static_cast<double>(steps_per_unit(steps_of(unit)));
}

double metres_from_unit(double length, length_unit unit) noexcept {
    // A step is denominator / numerator metres, and steps_per_unit steps make the unit: in
    // lowest terms 1/1, 1/100, 1/1000, 127/5000 or 381/1250 metres.
    const unit_steps& steps = steps_of(unit);
    std::uint64_t numerator = steps_per_unit(steps) * steps.denominator;
    std::uint64_t denominator = steps.numerator;
    const std::uint64_t common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (numerator == 1) {
        return length / static_cast<double>(denominator); // exact for metres, else one rounding
    }
    return length * static_cast<double>(numerator) / static_cast<double>(denominator);
}

} // namespace ridi
