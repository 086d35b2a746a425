// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/utf.hpp"

#include <ostream>

namespace ridi::cli {
namespace {

int calc_error_exit(std::ostream& err, const calc_error& error) {
    err << "ridi-calc: " << error.what() << "\n";
    return exit_calc_error;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

// The captions of both results in the unit asked for, as the window names them in metres.
struct captions {
    std::string length;
    std::string corrected;
    explicit captions(length_unit unit)
        : length(utf16_to_utf8(result_caption(result::coax_length, unit).text())),
          corrected(utf16_to_utf8(result_caption(result::vf_length, unit).text())) {}
};

} // namespace

int run_single(std::string_view frequency, std::string_view quarter_waves,
               std::optional<std::string_view> cable, const calc_options& options,
               std::ostream& out, std::ostream& err) {
    const std::u16string cable_text = cable ? utf8_to_utf16(*cable) : std::u16string();
    const double factor =
        cable ? static_cast<double>(Get_Vk(cable_text)) : options.velocity_factor.value_or(0.0);
    shown_lengths shown;
    try {
        quarter_wave_lengths(utf8_to_utf16(frequency), utf8_to_utf16(quarter_waves), factor,
                             options.unit, shown);
    } catch (const calc_error& error) {
        return calc_error_exit(err, error);
    }
    const captions caption(options.unit);
    out << caption.length << ": " << shown.length << "\n"
        << caption.corrected << ": " << shown.corrected << "\n";
    if (cable && factor == 0.0) {
        err << "ridi-calc: " << cable_warning(cable_text) << "\n";
    }
    return exit_ok;
}

int run_table(std::string_view frequency, std::string_view quarter_waves,
              const calc_options& options, std::ostream& out, std::ostream& err) {
    try {
        const every_cable_lengths every = lengths_for_every_cable(
            utf8_to_utf16(frequency), utf8_to_utf16(quarter_waves), options.unit);
        const captions caption(options.unit);
        out << caption.length << ": " << every.length << "\n\n"
            << padded(utf16_to_utf8(cable_column_head), 8)
            << padded(utf16_to_utf8(factor_column_head), 6) << caption.corrected << "\n";
        for (const cable_lengths& row : every.cables) {
            out << padded(utf16_to_utf8(row.name), 8) << padded(row.factor, 6) << row.corrected
                << "\n";
        }
        return exit_ok;
    } catch (const calc_error& error) {
        return calc_error_exit(err, error);
    }
}

void list_cables(std::ostream& out) {
    for (const cable& entry : cable_catalogue()) {
        out << padded(utf16_to_utf8(entry.name), 8)
            << format_fixed(entry.velocity_factor, catalogue_factor_decimals) << "\n";
    }
}

std::string cable_warning(std::u16string_view cable_text) {
    std::string warning = "warning: " + unknown_cable_warning(cable_text);
    if (!cable_suggestion(cable_text)) {
        warning += " (ridi-calc --cables lists the catalogue)";
    }
    return warning;
}

} // namespace ridi::cli
