// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// At the measuring bench: the velocity factor of a piece of cable found from its resonance, and
// how much to cut off a stub so that it resonates where it should.
#pragma once

#include "ridi/error.hpp"
#include "ridi/units.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace ridi {

// Digits after the point of a measured velocity factor: a tape read to a millimetre on a piece
// of a metre or less, and a resonance found to a tenth of a percent, carry three.
inline constexpr int measured_factor_decimals = 3;

struct measured_factor {
    std::string factor;  // with three decimals, as a velocity factor is given
    std::string warning; // empty, or why the factor is unusual for coaxial cable
    // Where in the warning a front-end may say how the unit it names is chosen, as in a
    // calc_error's message.
    unit_hint warning_hint;
};

// The velocity factor of a piece of cable `length` long, in `unit` (read_length), that
// resonates at `frequency` MHz as `quarter_waves` quarter waves: its length divided by the
// free-space length of that many quarter waves (free_space_length), shown with three decimals,
// halves away from zero. The three numbers must be greater than 0. A factor that shows above
// 1.000 is an error that says what is likely wrong, as is one that shows as 0.000; one below
// 0.500 is answered with a warning. Every fault throws a calc_error naming the text to blame;
// the messages and the warning that say what is likely wrong name the unit the length was read
// in, with a unit_hint. `options` may accept a decimal comma, in the three numbers alike.
measured_factor measure_velocity_factor(std::u16string_view length, std::u16string_view frequency,
                                        std::u16string_view quarter_waves, length_unit unit,
                                        number_options options = {});

struct trimmed_stub {
    std::string cut_to;  // the length to cut the stub to, in its unit
    std::string cut_off; // the length less cut_to as shown, so that the two add up
};

// A stub `length` long, in `unit`, resonates at `measured` MHz and should resonate at `target`
// MHz: cut it to length x measured / target, whatever its velocity factor or number of quarter
// waves, and cut off the rest. The three numbers must be greater than 0. A target below the
// measured frequency needs a longer stub: an error that says by how much (never a negative
// cut). Every fault throws a calc_error naming the text to blame. `options` as for
// measure_velocity_factor.
trimmed_stub trim_stub(std::u16string_view length, std::u16string_view measured,
                       std::u16string_view target, length_unit unit, number_options options = {});

} // namespace ridi
