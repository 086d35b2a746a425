// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: arbitrary bytes through the whole calculation.
//
// Input: the first byte holds the options (bit 0: accept the decimal comma; bit 1: the rest is
// UTF-16LE code units, so that lone surrogates get in, rather than UTF-8). The rest, as text,
// splits at its first two line breaks into the frequency, the quarter waves and the cable.
//
// Checks: a success shows two results of the form -?[0-9]+\.[0-9]{3}, the first reading back
// to a number that formats to the same text; a failure has a kind, a one-line message that
// names the field to blame, and leaves the captions as the failing step found them. Every
// number read agrees with the C library's correctly rounded strtod.
#include "fuzz_check.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using ridi::error_field;
using ridi::error_kind;
using ridi::fuzz::check;
using ridi::fuzz::fail;

constexpr std::u16string_view old_length = u"(old length)";
constexpr std::u16string_view old_corrected = u"(old corrected)";

std::u16string decode(const std::uint8_t* data, std::size_t size, bool utf16) {
    if (!utf16) {
        return ridi::utf8_to_utf16({reinterpret_cast<const char*>(data), size});
    }
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return text;
}

// The next line of `rest`, which loses it and its line break.
std::u16string_view next_line(std::u16string_view& rest) {
    const std::size_t end = rest.find(u'\n');
    const std::u16string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::u16string_view::npos ? rest.size() : end + 1);
    return line;
}

bool same_double(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Reads `text` as the calculation does and compares the outcome with strtod, which reads the
// same decimal texts correctly rounded and knows nothing of our grammar's limits.
void check_number(std::u16string_view text, error_field field, ridi::number_options options) {
    double value = 0.0;
    try {
        value = ridi::number_from_text(text, field, options);
    } catch (const ridi::calc_error& error) {
        check(error.field() == field, "a text's error names another field");
        check(error.kind() == error_kind::not_a_number || error.kind() == error_kind::overflow,
              "a text gives an error that is neither 'not a number' nor overflow");
        if (error.kind() == error_kind::overflow) {
            std::string ascii = ridi::utf16_to_utf8(text);
            for (char& c : ascii) {
                c = c == ',' ? '.' : c;
            }
            errno = 0;
            const double expected = std::strtod(ascii.c_str(), nullptr);
            check(std::isinf(expected) && errno == ERANGE,
                  "a number within the double range is refused as too large");
        }
        return;
    }
    std::string ascii;
    for (const char16_t c : text) {
        check(c < 0x80, "a text with non-ASCII characters reads as a number");
        ascii += c == u',' ? '.' : static_cast<char>(c);
    }
    check(!std::isinf(value) && !std::isnan(value), "a text reads as infinity or NaN");
    const double expected = std::strtod(ascii.c_str(), nullptr);
    check(same_double(value, expected), "a text reads as another number than strtod gives");
}

void check_failure(const ridi::calc_error& error, const ridi::form_strings& form,
                   ridi::number_options options) {
    const std::string_view message = error.what();
    check(ridi::fuzz::is_message(message), "an error message is empty, too long or not one line");
    switch (error.kind()) {
    case error_kind::not_a_number:
        check(error.field() != error_field::none, "'not a number' names no field");
        break;
    case error_kind::overflow:
        break;
    case error_kind::division_by_zero:
        check(error.field() == error_field::frequency, "division by zero not on the frequency");
        break;
    case error_kind::invalid_operation:
        check(error.field() == error_field::none, "an invalid operation blames a field");
        break;
    default:
        fail("an error of no known kind");
    }
    check(error.field() != error_field::coax_length, "reading back the first result failed");
    if (error.field() != error_field::none) {
        const std::string_view named = error.field() == error_field::frequency
                                           ? "The frequency"
                                           : "The number of quarter waves";
        check(message.starts_with(named), "an error's message does not name its field");
    }
    if (error.field() == error_field::quarter_waves) {
        // The frequency came first, so it was read without fault.
        ridi::number_from_text(form.freq, error_field::frequency, options);
    }
    // A failure up to the first result leaves both captions; a later one keeps the first.
    const bool untouched = form.coax_length == old_length && form.vf_length == old_corrected;
    const bool after_first = ridi::fuzz::is_caption(std::u16string_view(form.coax_length)) &&
                             form.vf_length == old_corrected;
    check(untouched || after_first, "a failure changed the captions it should have left");
}

void check_success(const ridi::form_strings& form) {
    check(ridi::fuzz::is_caption(std::u16string_view(form.coax_length)),
          "the first result is not of the form 0.000");
    check(ridi::fuzz::is_caption(std::u16string_view(form.vf_length)),
          "the second result is not of the form 0.000");
    const double shown = ridi::number_from_text(form.coax_length, error_field::coax_length);
    check(ridi::text_from_number(shown) == form.coax_length,
          "the first result does not read back to the same text");
    if (ridi::Get_Vk(form.cable) == 0.0f) {
        check(form.vf_length == u"0.000", "a cable not in the catalogue gives a length");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const ridi::number_options options{.decimal_comma = (data[0] & 1) != 0};
    const std::u16string text = decode(data + 1, size - 1, (data[0] & 2) != 0);
    std::u16string_view rest = text;
    ridi::form_strings form;
    form.freq = next_line(rest);
    form.qtr_num = next_line(rest);
    form.cable = rest;
    form.coax_length = old_length;
    form.vf_length = old_corrected;

    check_number(form.freq, error_field::frequency, options);
    check_number(form.qtr_num, error_field::quarter_waves, options);
    try {
        ridi::calc_cmd_Click(form, options);
    } catch (const ridi::calc_error& error) {
        check_failure(error, form, options);
        return 0;
    }
    check_success(form);
    return 0;
}
