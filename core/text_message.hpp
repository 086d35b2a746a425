// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The messages about a text a reader cannot take: how they name its field ("The frequency"),
// what they say is wrong with it, and what they ask to be entered instead. Internal to the core.
#pragma once

#include "ridi/error.hpp"

#include <string>
#include <string_view>

namespace ridi {

// How messages name a field: "The frequency", "The number of quarter waves", ...
std::string_view field_noun(error_field field) noexcept;

// The message about a typed text: the field's noun, the text in quotes (left out when empty: an
// empty text is named by its noun alone), what is wrong with it and, after `joint`, what to
// enter, closed by a full stop: The frequency "abc" is not a number: enter the centre frequency
// in MHz, for example 435.850.
std::string text_message(error_field field, std::u16string_view text, std::string_view fault,
                         std::string_view advice, std::string_view joint = ": ");

// Throws the calc_error of `kind` whose message answers a fault in `text` with the field's
// example of what to enter ("enter the centre frequency in MHz, for example 435.850"). A length
// is asked for in the unit it is read in, which the reader is not told: the error's unit_hint
// marks where a front-end may name it, before the full stop.
[[noreturn]] void fail_with_example(error_kind kind, error_field field, std::u16string_view text,
                                    std::string_view fault, std::string_view joint = ": ");

} // namespace ridi
