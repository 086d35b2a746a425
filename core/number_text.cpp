// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/number_text.hpp"

#include "typed_text.hpp"

#include "ridi/plain_decimal.hpp"
#include "ridi/utf.hpp"

#include <fast_float/fast_float.h>
#if !RIDI_HAVE_FLOAT_TO_CHARS
#include <dragonbox/dragonbox.h>
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

namespace ridi {

std::string_view field_noun(error_field field) noexcept {
    switch (field) {
    case error_field::frequency:
        return "The frequency";
    case error_field::quarter_waves:
        return "The number of quarter waves";
    case error_field::coax_length:
        return "The RI-DI length";
    case error_field::length:
        return "The length";
    case error_field::measured_frequency:
        return "The measured frequency";
    case error_field::target_frequency:
        return "The target frequency";
    case error_field::velocity_factor:
        return "The velocity factor";
    case error_field::cable:
        return "The cable";
    case error_field::loss:
        return "The loss";
    case error_field::loss_frequency:
        return "The frequency of the loss";
    case error_field::dip_resistance:
        return "The resistance at the dip";
    case error_field::tee_allowance:
        return "The Tee allowance";
    case error_field::line_impedance:
        return "The line impedance";
    case error_field::stub_impedance:
        return "The cable impedance";
    case error_field::sweep_from:
        return "The lowest frequency";
    case error_field::sweep_to:
        return "The highest frequency";
    case error_field::sweep_points:
        return "The number of points";
    case error_field::pass_band:
        return "The band to pass";
    case error_field::notch_band:
        return "The band to notch";
    case error_field::band:
        return "The band";
    case error_field::none:
        break;
    }
    return "The number";
}

std::string text_message(error_field field, std::u16string_view text, std::string_view fault,
                         std::string_view advice, std::string_view joint) {
    // Appended piece by piece: GCC 12 at -O3 warns (wrongly) of overlap in chains of "+".
    std::string message(field_noun(field));
    if (!text.empty()) {
        message += ' ';
        message += quoted_for_message(text);
    }
    message += ' ';
    message += fault;
    message += joint;
    message += advice;
    message += '.';
    return message;
}

namespace {

std::string_view field_example(error_field field) {
    switch (field) {
    case error_field::frequency:
        return "enter the centre frequency in MHz, for example 435.850";
    case error_field::quarter_waves:
        return "enter how many quarter waves, for example 1 or 2.5";
    case error_field::length:
        return "enter the length as measured";
    case error_field::measured_frequency:
        return "enter the frequency in MHz at which the stub resonates now, for example 99.3";
    case error_field::target_frequency:
        return "enter the frequency in MHz the stub should resonate at, for example 100";
    case error_field::velocity_factor:
        return "enter the velocity factor of the cable, for example 0.66";
    case error_field::loss:
        return "enter the cable's loss in dB per 100 m from its data sheet, for example 5.9";
    case error_field::loss_frequency:
        return "enter the frequency in MHz the data sheet gives that loss at, for example 100";
    case error_field::dip_resistance:
        return "enter the resistance in ohms the analyser shows at the stub's dip, for example 1.5";
    case error_field::tee_allowance:
        return "enter the length of the Tee's arm and connector on the stub's side";
    case error_field::line_impedance:
        return "enter the impedance of the line in ohms, for example 50";
    case error_field::stub_impedance:
        return "enter the characteristic impedance of the cable in ohms, for example 50";
    case error_field::sweep_from:
        return "enter the lowest frequency in MHz, for example 1.8";
    case error_field::sweep_to:
        return "enter the highest frequency in MHz, for example 450";
    case error_field::sweep_points:
        return "enter how many frequencies to compute, for example 2000";
    case error_field::cable:
    case error_field::pass_band:
    case error_field::notch_band:
    case error_field::band:
    case error_field::coax_length:
    case error_field::none:
        break;
    }
    return "enter a number such as 1.5";
}

// A fault in `text` answered with the field's example of what to enter. A length is asked for
// in the unit it is read in, which the reader is not told: a front-end may name it before the
// full stop.
[[noreturn]] void fail_with_example(error_kind kind, error_field field, std::u16string_view text,
                                    std::string_view fault, std::string_view joint = ": ") {
    const std::string message = text_message(field, text, fault, field_example(field), joint);
    throw calc_error(kind, field, message,
                     is_length_field(field)
                         ? unit_hint{unit_hint::kind::read_in, message.size() - 1}
                         : unit_hint{});
}

// The number texts come as UTF-16 (the form) or UTF-8 (ridi-calc's arguments and lines), read
// alike: every character of the grammar is ASCII, and a UTF-8 byte outside ASCII, like a UTF-16
// unit outside it, is none of them. A message quotes the text as UTF-16, UTF-8 read as
// utf8_to_utf16 reads it.
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

// Checks `text` against the number grammar and copies it to `out` as from_chars reads it:
// no leading "+", the decimal point as ".".
// Fixed storage with room for the whole text, which the copy never outgrows.
struct ascii_buffer {
    char* data;
    std::size_t size = 0;
    void push_back(char c) { data[size++] = c; }
};

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
std::from_chars_result read_double(const char* first, const char* last, double& value) {
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, value);
    if (read.ec != std::errc{}) {
        return {read.ptr, read.ec};
    }
    bool out_of_range = std::isinf(value);
    if (value == 0.0) {
        const char* const significand_end =
            std::find_if(first, read.ptr, [](char c) { return c == 'e' || c == 'E'; });
        out_of_range =
            std::any_of(first, significand_end, [](char c) { return c >= '1' && c <= '9'; });
    }
    return {read.ptr, out_of_range ? std::errc::result_out_of_range : std::errc{}};
}

} // namespace

namespace {

template <typename Char>
double read_text(std::basic_string_view<Char> text, error_field field, number_options options) {
    const std::basic_string_view<Char> trimmed = trim_blanks(text);
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
// (MinGW's, linked statically): Dragonbox, which gives the same shortest, closest digits.
shortest_digits shortest_round_trip(double value) {
    shortest_digits shortest;
    shortest.negative = std::signbit(value);
    if (value == 0.0) {
        shortest.significand[0] = '0';
        shortest.count = 1;
        return shortest;
    }
    const auto decimal = jkj::dragonbox::to_decimal(value);
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
using fixed_text = std::array<char, max_fixed_text>;

// Writes `value` rounded to `decimals` places into `out`, from its shortest round-trip digits;
// returns the length.
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

// The text of format_shortest_into, without producing the shortest digits where round_scaled
// is certain of the rounding.
template <typename Char> std::size_t format_into(double value, int decimals, Char* out) {
    std::uint64_t rounded = 0;
    if (round_scaled(value, decimals, rounded)) {
        return static_cast<std::size_t>(write_fixed(rounded, decimals, value < 0, out) - out);
    }
    fixed_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    const std::size_t length = format_shortest_into(value, decimals, text);
    std::copy_n(text.begin(), length, out);
    return length;
}

} // namespace

std::string format_fixed(double value, int decimals) {
    fixed_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    return {text.data(), format_into(value, std::clamp(decimals, 0, max_decimals), text.data())};
}

std::string format_fixed_from_shortest(double value, int decimals) {
    fixed_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    return {text.data(), format_shortest_into(value, std::clamp(decimals, 0, max_decimals), text)};
}

namespace {

// The text of text_from_number, written at `out`, and the number it shows.
template <typename Char> std::pair<std::size_t, double> show_into(double value, Char* out) {
    std::uint64_t rounded = 0;
    if (round_scaled(value, 3, rounded)) {
        const auto length = static_cast<std::size_t>(write_fixed(rounded, 3, value < 0, out) - out);
        return {length, caption_value(rounded, value < 0)};
    }
    const std::size_t length = format_into(value, 3, out);
    return {length,
            read_number(std::basic_string_view<Char>(out, length), error_field::coax_length)};
}

} // namespace

shown_number show_number(double value, caption_text& text) {
    const auto [length, shown] = show_into(value, text.data());
    return {std::u16string_view(text.data(), length), shown};
}

double show_number(double value, std::string& text) {
    std::array<char, max_fixed_text> room; // NOLINT(cppcoreguidelines-pro-type-member-init)
    const auto [length, shown] = show_into(value, room.data());
    text.assign(room.data(), length);
    return shown;
}

std::u16string text_from_number(double value) {
    caption_text text; // NOLINT(cppcoreguidelines-pro-type-member-init)
    return std::u16string(show_number(value, text).text);
}

} // namespace ridi
