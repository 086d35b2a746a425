// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "binding.hpp"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <numeric>
#include <stdexcept>

namespace ridi::web {
namespace {

struct input_room {
    std::u16string text;
    std::vector<std::size_t> lengths;
};

input_room& room() {
    static input_room shared;
    return shared;
}

} // namespace

std::vector<std::u16string_view> input_texts() {
    const input_room& input = room();
    if (std::accumulate(input.lengths.begin(), input.lengths.end(), std::size_t{0}) >
        input.text.size()) {
        throw std::length_error("the input texts are longer than the room given for them");
    }
    std::vector<std::u16string_view> texts;
    std::u16string_view rest = input.text;
    for (const std::size_t length : input.lengths) {
        texts.push_back(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return texts;
}

std::string json_string(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view hex = "0123456789abcdef";
            json += "\\u00";
            json += hex[static_cast<unsigned char>(c) >> 4U];
            json += hex[static_cast<unsigned char>(c) & 0xFU];
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string json_array(const std::vector<std::string>& values) {
    std::string json = "[";
    for (const std::string& value : values) {
        json += json.size() > 1 ? "," : "";
        json += value;
    }
    return json + ']';
}

std::string json_strings(const std::vector<std::string>& texts) {
    std::vector<std::string> values;
    values.reserve(texts.size());
    for (const std::string& text : texts) {
        values.push_back(json_string(text));
    }
    return json_array(values);
}

namespace {

std::string fault_json(int kind, error_field field, std::string_view message) {
    return "{\"kind\":" + std::to_string(kind) +
           ",\"field\":" + std::to_string(static_cast<int>(field)) +
           ",\"message\":" + json_string(message) + "}";
}

} // namespace

std::string fault_json(const calc_error& error, const unit_hint_words& words) {
    return fault_json(static_cast<int>(error.kind()), error.field(), error.message(words));
}

std::string fault_json(const std::exception& error) {
    return fault_json(-1, error_field::none, error.what());
}

const char* answer(std::string json) {
    static std::string kept;
    kept = std::move(json);
    return kept.c_str();
}

} // namespace ridi::web

extern "C" {

// Room for `count` texts of `units` UTF-16 code units in all, one after the other; their
// lengths go into ridi_input_lengths. Valid until the next call.
EMSCRIPTEN_KEEPALIVE char16_t* ridi_input(std::size_t units, std::size_t count) {
    auto& input = ridi::web::room();
    input.text.resize(units);
    input.lengths.assign(count, 0);
    return input.text.data();
}

// The room for the lengths of the texts, in code units, `count` of them.
EMSCRIPTEN_KEEPALIVE std::size_t* ridi_input_lengths() {
    return ridi::web::room().lengths.data();
}

} // extern "C"
