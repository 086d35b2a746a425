// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each step below gives what the general path (the form texts, calc_cmd_Click) gives at the same
// point, for the lines it takes; the comments say why.
#include "fast_line.hpp"

#include "batch_line.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/plain_decimal.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ridi::cli {
namespace {

// No longer line is in the common form: two numbers of at most 16 characters, a name of at most
// 6, two tabs and a CR. Declining early also keeps long lines from being searched twice.
constexpr std::size_t longest_fast_line = 48;

// The longest name packed: its bytes and its length fit in 8 bytes.
constexpr std::size_t longest_packed_name = 7;

// A name of up to 7 bytes as an integer: its bytes from the lowest, and its length in the top
// byte, so that equal keys are equal names (a NUL byte included). Built in registers: a copy
// through memory would stall on the partial stores.
std::uint64_t packed(std::string_view name) {
    std::uint64_t key = std::uint64_t{name.size()} << 56;
    for (std::size_t i = 0; i < name.size(); ++i) {
        key |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    }
    return key;
}

struct packed_cable {
    std::uint64_t key;
    float velocity_factor;
};

// The catalogue names packed, in catalogue order, built once. The names are ASCII, so that a
// UTF-8 field equals a name byte for byte exactly when its UTF-16 text equals the name code unit
// for code unit, which is Get_Vk's comparison: an ASCII byte becomes its own code unit, and any
// other byte a unit above 0x7F (or U+FFFD), which no name holds. A name that were not ASCII or
// longer than 7 would be left out, and its lines left to the general path.
const std::vector<packed_cable>& packed_catalogue() {
    static const std::vector<packed_cable> table = [] {
        std::vector<packed_cable> packed_names;
        for (const cable& entry : cable_catalogue()) {
            std::string name;
            for (const char16_t unit : entry.name) {
                name += static_cast<char>(unit);
            }
            if (name.size() <= longest_packed_name &&
                std::all_of(entry.name.begin(), entry.name.end(),
                            [](char16_t unit) { return unit < 0x80; })) {
                packed_names.push_back({packed(name), entry.velocity_factor});
            }
        }
        return packed_names;
    }();
    return table;
}

// The velocity factor of the catalogue cable `name` names, as Get_Vk finds it; false for a name
// not in the catalogue, which the general path answers (with a warning).
bool find_cable(std::string_view name, float& velocity_factor) {
    if (name.size() > longest_packed_name) {
        return false;
    }
    const std::uint64_t key = packed(name);
    for (const packed_cable& entry : packed_catalogue()) {
        if (entry.key == key) {
            velocity_factor = entry.velocity_factor; // names are distinct: the first is the one
            return true;
        }
    }
    return false;
}

} // namespace

bool try_fast_line(std::string_view line, std::string& output) {
    if (line.size() > longest_fast_line) {
        return false;
    }
    // The fields as the general path takes them.
    const batch_line split = split_batch_line(line);
    if (split.field_count != 3) {
        return false;
    }
    float velocity_factor = 0.0f;
    // Plain decimals read as number_from_text reads them (see read_plain_decimal).
    double frequency = 0.0;
    double quarter_waves = 0.0;
    if (!find_cable(split.fields[2], velocity_factor) ||
        !read_plain_decimal(split.fields[0], frequency) ||
        !read_plain_decimal(split.fields[1], quarter_waves) || frequency == 0.0) {
        return false; // a frequency of 0 is an error, which the general path reports
    }
    // The same function as the general path. Both numbers are finite and not negative, the
    // frequency at least 10^-15, so the length is finite and nothing is raised.
    const double length = free_space_length(frequency, quarter_waves);
    std::uint64_t shown = 0; // the first caption in thousandths
    if (!round_scaled(length, 3, shown)) {
        return false;
    }
    // The first caption read back, as the general path reads it (shown < 2^47).
    const double shown_length = caption_value(shown, false);
    std::uint64_t corrected = 0;
    if (!round_scaled(corrected_length(velocity_factor, shown_length), 3, corrected)) {
        return false;
    }
    // Both captions as the form shows them (see write_fixed), neither negative.
    char text[64];
    char* end = write_fixed(shown, 3, false, text);
    *end++ = '\t';
    end = write_fixed(corrected, 3, false, end);
    *end++ = '\n';
    output.append(text, end);
    return true;
}

} // namespace ridi::cli
