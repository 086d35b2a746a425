// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi/measurement.hpp"

#include "bench_number.hpp"
#include "typed_text.hpp"

#include "ridi/calculation.hpp"
#include "ridi/error.hpp"
#include "ridi/number_text.hpp"
#include "ridi/utf.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ridi {
namespace {

// Words for the user, and where a front-end may say in them how the unit they name is chosen.
struct hinted_text {
    std::string text;
    unit_hint hint;
};

// The unit the length was read in, "(read in m)", between `before` and `after`; the hint goes
// before the ")".
hinted_text read_in(std::string_view before, length_unit unit, std::string_view after) {
    hinted_text words{std::string(before), {}};
    words.text += "(read in ";
    words.text += length_unit_name(unit);
    words.hint = {unit_hint::kind::chosen_by, words.text.size()};
    words.text += ')';
    words.text += after;
    return words;
}

// Why a stub `stub` long cannot be trimmed to `needed`, which is longer.
std::string too_short(double stub, double needed, length_unit unit) {
    // Lengths of more than 20 digits, beyond any tape, are left out of the message.
    if (!(needed < 1e20)) {
        return "The stub is already too short: it resonates above the target frequency, and "
               "cutting only raises its frequency further: cut a new, longer piece.";
    }
    const std::string longer = format_in_unit(needed - stub, unit);
    const bool shows_zero = read_length(utf8_to_utf16(longer), unit, error_field::none) == 0.0;
    return "The stub is already " +
           (shows_zero
                ? "less than " + with_unit_name(format_in_unit(smallest_shown(unit), unit), unit)
                : with_unit_name(longer, unit)) +
           " too short: it resonates above the target frequency, and cutting only raises it. "
           "For the target it would be " +
           with_unit_name(format_in_unit(needed, unit), unit) + ": cut a new piece.";
}

// A factor no cable has, and what to check, the unit of the length among it.
[[noreturn]] void fail_factor(std::string_view before, length_unit unit, std::string_view after) {
    const hinted_text message = read_in(before, unit, after);
    throw calc_error(error_kind::out_of_range, error_field::none, message.text, message.hint);
}

} // namespace

measured_factor measure_velocity_factor(std::u16string_view length, std::u16string_view frequency,
                                        std::u16string_view quarter_waves, length_unit unit,
                                        number_options options) {
    const double piece = read_positive_length(
        {length, error_field::length, "enter the length of the piece as measured"}, unit, options);
    const double resonance = read_positive_number(
        {frequency, error_field::frequency, "enter the frequency in MHz at which it resonates"},
        options);
    const double quarters = read_positive_number(
        {quarter_waves, error_field::quarter_waves,
         "enter 1 for the first resonance of a quarter-wave stub, 2 for a half wave"},
        options);
    const double metres = metres_from_unit(piece, unit);
    const double free_space = free_space_length(resonance, quarters);
    if (metres == 0.0 && free_space == 0.0) {
        fail_factor("The velocity factor has no value: the length and the free-space length are "
                    "both too small for a number. Check the unit of the length ",
                    unit, " and the frequency.");
    }
    // A free-space length too small for a double makes any length far too long.
    const double factor = free_space == 0.0 ? HUGE_VAL : metres / free_space;
    if (factor >= 1e9) {
        fail_factor("The velocity factor comes out far above 1, which no cable has: check the "
                    "unit of the length ",
                    unit, " and the frequency.");
    }
    measured_factor measured;
    measured.factor = format_fixed(factor, measured_factor_decimals);
    const double shown = number_from_text(utf8_to_utf16(measured.factor), error_field::none);
    if (shown > 1.0) {
        fail_factor("The velocity factor comes out at " + measured.factor +
                        ", above 1, which no cable has: check the number of quarter waves (2 for "
                        "a half-wave resonance), the unit of the length ",
                    unit, ", and that the frequency is the lowest resonance, not a harmonic.");
    }
    if (shown == 0.0) {
        fail_factor("The velocity factor comes out below 0.0005, far too small for any cable: "
                    "check the unit of the length ",
                    unit, " and the frequency.");
    }
    if (shown < 0.5) {
        hinted_text warning = read_in("the velocity factor " + measured.factor +
                                          " is below 0.5, unusual for coaxial cable: check the "
                                          "length, its unit ",
                                      unit, " and the number of quarter waves");
        measured.warning = std::move(warning.text);
        measured.warning_hint = warning.hint;
    }
    return measured;
}

trimmed_stub trim_stub(std::u16string_view length, std::u16string_view measured,
                       std::u16string_view target, length_unit unit, number_options options) {
    const double stub = read_positive_length(
        {length, error_field::length, "enter the length of the stub as it is now"}, unit, options);
    const double now =
        read_positive_number({measured, error_field::measured_frequency,
                              "enter the frequency in MHz at which the stub resonates now"},
                             options);
    const double wanted =
        read_positive_number({target, error_field::target_frequency,
                              "enter the frequency in MHz the stub should resonate at"},
                             options);
    // A stub resonates at a frequency inversely proportional to its length, whatever its
    // velocity factor and number of quarter waves. The product first, exact for most lengths
    // and frequencies as typed; the ratio first where the product is too large.
    const double product = stub * now;
    const double length_for_target =
        std::isfinite(product) ? product / wanted : stub * (now / wanted);
    if (wanted < now) {
        throw calc_error(error_kind::out_of_range, error_field::target_frequency,
                         too_short(stub, length_for_target, unit));
    }
    trimmed_stub trimmed;
    trimmed.cut_to = format_in_unit(length_for_target, unit);
    const double shown = read_length(utf8_to_utf16(trimmed.cut_to), unit, error_field::none);
    // The cut-to length rounds up by at most half a step, which cuts off nothing.
    trimmed.cut_off = format_in_unit(std::max(stub - shown, 0.0), unit);
    return trimmed;
}

} // namespace ridi
