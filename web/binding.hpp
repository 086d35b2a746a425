// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the pages' bindings share, over the WebAssembly memory: the room the page writes its
// input texts into (ridi_input, ridi_input_lengths), and the answer each call gives back as one
// JSON text, its fault included.
#pragma once

#include "ridi/error.hpp"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace ridi::web {

// The texts the page last wrote into the input room, in order.
std::vector<std::u16string_view> input_texts();

// A JSON string holding `text` (UTF-8).
std::string json_string(std::string_view text);

// A JSON array of JSON values.
std::string json_array(const std::vector<std::string>& values);

// A JSON array of strings.
std::string json_strings(const std::vector<std::string>& texts);

// A fault as the page reads it: {"kind": an error_kind, "field": an error_field, "message":
// the words to show}, the message with the page's words for its unit hint.
std::string fault_json(const calc_error& error, const unit_hint_words& words);

// A fault outside the calculation (no memory left, a fault of the binding): kind -1.
std::string fault_json(const std::exception& error);

// Keeps `json` as the answer until the next call, for the page to read.
const char* answer(std::string json);

} // namespace ridi::web
