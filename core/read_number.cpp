// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a number text: the grammar checked in one pass, the number read by fast_float (by the
// C library's strtod in the browser build).
#include "ridi/number_text.hpp"

#include "text_message.hpp"
#include "typed_text.hpp"

#include "ridi/utf.hpp"

#if RIDI_READ_WITH_STRTOD
#include <cstdlib>
#include <string>
#else
#include <fast_float/fast_float.h>
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace ridi {
namespace {

// The number texts come as UTF-16 or as UTF-8, as a caller holds them, and are read alike: every
// character of the grammar is ASCII, and a UTF-8 byte outside ASCII, like a UTF-16 unit outside it,
// is none of them. A message quotes the text as UTF-16, UTF-8 read as utf8_to_utf16 reads it.
std::u16string_view utf16_of(std::u16string_view text) {
    return text;
}
std::u16string utf16_of(std::string_view text) {
    return utf8_to_utf16(text);
}

template <typename Char>
[[noreturn]] void fail_not_a_number(std::basic_string_view<Char> text,
                                    std::basic_string_view<Char> trimmed, error_field field,
                                    number_options options) {
    if (trimmed.empty()) {
        fail_with_example(error_kind::not_a_number, field, {}, "is empty");
    }
    const bool has_comma = trimmed.find(Char(',')) != std::basic_string_view<Char>::npos;
    if (has_comma && !options.decimal_comma) {
        throw calc_error(error_kind::not_a_number, field,
                         text_message(field, utf16_of(text), "has a comma",
                                      "write the decimal point as \".\" and no digit grouping, "
                                      "for example 7.1"));
    }
    fail_with_example(error_kind::not_a_number, field, utf16_of(text), "is not a number");
}

// What the grammar found in a text, enough to tell overflow from underflow when the number
// falls outside the double range.
struct scanned {
    bool valid = false;
    std::int64_t decimal_exponent = 0; // of the first non-zero digit
};

constexpr std::int64_t exponent_cap = 1'000'000'000;

// Fixed storage with room for the whole text, which the copy never outgrows.
struct ascii_buffer {
    char* data;
    std::size_t size = 0;
    void push_back(char c) { data[size++] = c; }
};

// Checks `text` against the number grammar and copies it to `out` as from_chars reads it:
// no leading "+", the decimal point as ".".
template <typename Char>
scanned scan(std::basic_string_view<Char> text, Char decimal_point_alt, ascii_buffer& out) {
    scanned result;
    std::size_t i = 0;
    const std::size_t size = text.size();
    if (i < size && (text[i] == Char('+') || text[i] == Char('-'))) {
        if (text[i] == Char('-')) {
            out.push_back('-');
        }
        ++i;
    }
    std::int64_t integer_significant = 0; // integer digits after the leading zeros
    std::int64_t fraction_leading_zeros = 0;
    std::size_t digits = 0;
    while (i < size && is_digit(text[i])) {
        if (text[i] != Char('0') || integer_significant > 0) {
            ++integer_significant;
        }
        out.push_back(static_cast<char>(text[i]));
        ++i;
        ++digits;
    }
    if (i < size &&
        (text[i] == Char('.') || (decimal_point_alt != 0 && text[i] == decimal_point_alt))) {
        out.push_back('.');
        ++i;
        bool seen_nonzero = false;
        while (i < size && is_digit(text[i])) {
            if (text[i] != Char('0')) {
                seen_nonzero = true;
            } else if (!seen_nonzero) {
                ++fraction_leading_zeros;
            }
            out.push_back(static_cast<char>(text[i]));
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return result;
    }
    std::int64_t exponent = 0;
    if (i < size && (text[i] == Char('e') || text[i] == Char('E'))) {
        out.push_back('e');
        ++i;
        bool negative = false;
        if (i < size && (text[i] == Char('+') || text[i] == Char('-'))) {
            negative = text[i] == Char('-');
            out.push_back(static_cast<char>(text[i]));
            ++i;
        }
        if (i == size || !is_digit(text[i])) {
            return result;
        }
        while (i < size && is_digit(text[i])) {
            if (exponent < exponent_cap) {
                exponent = exponent * 10 + (text[i] - Char('0'));
            }
            out.push_back(static_cast<char>(text[i]));
            ++i;
        }
        exponent = negative ? -exponent : exponent;
    }
    if (i != size) {
        return result;
    }
    result.valid = true;
    result.decimal_exponent = exponent + (integer_significant > 0 ? integer_significant - 1
                                                                  : -(fraction_leading_zeros + 1));
    return result;
}

// std::from_chars for a double, the same on every platform and C++ library: fast_float, which
// reads the nearest double exactly, with a number beyond the double range reported as
// result_out_of_range as std::from_chars does: an overflow (which fast_float reads as an
// infinity) and an underflow to zero of a text with a digit other than 0 in its significand.
// The browser build reads with its C library's strtod, which also gives the nearest double
// exactly, on a text the grammar has checked (so no blanks, "inf" or hexadecimal reach it).
std::from_chars_result read_double(const char* first, const char* last, double& value) {
#if RIDI_READ_WITH_STRTOD
    const std::string text(first, last);
    char* text_end = nullptr;
    value = std::strtod(text.c_str(), &text_end);
    const char* const end = first + (text_end - text.c_str());
    if (end == first) {
        return {first, std::errc::invalid_argument};
    }
#else
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, value);
    if (read.ec != std::errc{}) {
        return {read.ptr, read.ec};
    }
    const char* const end = read.ptr;
#endif
    bool out_of_range = std::isinf(value);
    if (value == 0.0) {
        const char* const significand_end =
            std::find_if(first, end, [](char c) { return c == 'e' || c == 'E'; });
        out_of_range =
            std::any_of(first, significand_end, [](char c) { return c >= '1' && c <= '9'; });
    }
    return {end, out_of_range ? std::errc::result_out_of_range : std::errc{}};
}

template <typename Char>
double read_text(std::basic_string_view<Char> text, error_field field, number_options options) {
    const std::basic_string_view<Char> trimmed = trim_blanks(text);
#if !RIDI_READ_WITH_STRTOD
    if constexpr (std::is_same_v<Char, char>) {
        // A text that starts with a digit and that fast_float reads whole is one the grammar
        // below admits as it stands ("+", "inf", "nan" and "," never get this far): read it in
        // place. Zero and the limits of the range take the long way, which tells them apart.
        if (!trimmed.empty() && is_digit(trimmed.front())) {
            double value = 0.0;
            const char* const last = trimmed.data() + trimmed.size();
            const auto read = fast_float::from_chars(trimmed.data(), last, value);
            if (read.ec == std::errc{} && read.ptr == last && value != 0.0 && !std::isinf(value)) {
                return value;
            }
        }
    }
#endif
    std::array<char, 64> small_storage; // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::vector<char> large_storage;
    ascii_buffer ascii{small_storage.data()};
    if (trimmed.size() > small_storage.size()) {
        large_storage.resize(trimmed.size());
        ascii.data = large_storage.data();
    }
    const scanned found = scan(trimmed, options.decimal_comma ? Char(',') : Char(0), ascii);
    if (!found.valid) {
        const auto is_point = [](Char c) {
            return c == Char('.') || c == Char(',');
        };
        if (options.decimal_comma && std::count_if(trimmed.begin(), trimmed.end(), is_point) > 1) {
            throw calc_error(error_kind::not_a_number, field,
                             text_message(field, utf16_of(text), "has more than one decimal point",
                                          "write one \".\" or \",\", for example 7.1 or 7,1"));
        }
        fail_not_a_number(text, trimmed, field, options);
    }
    double value = 0.0;
    const char* first = ascii.data;
    const char* last = first + ascii.size;
    const auto [ptr, ec] = read_double(first, last, value);
    if (ec == std::errc::result_out_of_range || (ec == std::errc{} && std::isinf(value))) {
        if (found.decimal_exponent >= 0) {
            fail_with_example(error_kind::overflow, field, utf16_of(text),
                              "is too large for a number");
        }
        // Too small for a double, even a subnormal one: the nearest double is a zero.
        if (options.refuse_too_small) {
            const bool is_frequency = field == error_field::frequency ||
                                      field == error_field::measured_frequency ||
                                      field == error_field::target_frequency;
            fail_with_example(error_kind::too_small, field, utf16_of(text),
                              is_frequency ? "is far below any radio frequency, too close to 0 "
                                             "MHz to work out a length from"
                                           : "is too close to 0 to calculate with",
                              "; ");
        }
        return ascii.data[0] == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc{} || ptr != last) {
        // The grammar above admits only what from_chars reads in full.
        fail_not_a_number(text, trimmed, field, options);
    }
    return value;
}

} // namespace

double read_number(std::u16string_view text, error_field field, number_options options) {
    return read_text(text, field, options);
}

double read_number(std::string_view text, error_field field, number_options options) {
    return read_text(text, field, options);
}

} // namespace ridi
