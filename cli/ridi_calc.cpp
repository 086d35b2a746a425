// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include "fast_line.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ridi::cli {
namespace {

constexpr std::string_view length_caption = "RI-DI Length (Metres)";
constexpr std::string_view corrected_caption = "V/F Corrected (Metres)";

constexpr std::string_view usage_line =
    "usage: ridi-calc FREQUENCY QUARTER_WAVES [CABLE] | --batch | --cables | --help | --version";

constexpr std::string_view help_text =
    R"(ridi-calc: quarter-wave lengths of coaxial cable

usage:
  ridi-calc FREQUENCY QUARTER_WAVES CABLE
      The free-space length of QUARTER_WAVES quarter waves at FREQUENCY MHz and the
      physical length of CABLE that holds them, in metres with three decimals.
  ridi-calc FREQUENCY QUARTER_WAVES
      The free-space length, then the corrected length for every cable in the catalogue.
  ridi-calc --batch
      Reads lines FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE from standard input and writes
      LENGTH<TAB>CORRECTED or error<TAB>MESSAGE for each, in input order.
  ridi-calc --cables     lists the cables and their velocity factors
  ridi-calc --help       shows this text
  ridi-calc --version    shows the version

Numbers use "." as the decimal point, for example 435.850; a negative frequency is computed
like any other. A cable name not in the catalogue gives a corrected length of 0.000.

exit status: 0 success, 1 a calculation gave an error, 2 the arguments were not understood,
3 the input could not be read or the output not written.
)";

std::string ascii(std::u16string_view text) {
    return utf16_to_utf8(text);
}

int usage_error(std::ostream& err, std::string_view problem) {
    err << "ridi-calc: " << problem << "\n" << usage_line << "\n";
    return exit_usage_error;
}

int calc_error_exit(std::ostream& err, const calc_error& error) {
    err << "ridi-calc: " << error.what() << "\n";
    return exit_calc_error;
}

// What the window would show for these texts; any error propagates.
form_strings calculate(std::string_view frequency, std::string_view quarter_waves,
                       std::u16string_view cable) {
    form_strings form;
    form.freq = utf8_to_utf16(frequency);
    form.qtr_num = utf8_to_utf16(quarter_waves);
    form.cable = cable;
    calc_cmd_Click(form);
    return form;
}

int run_single(std::string_view frequency, std::string_view quarter_waves, std::string_view cable,
               std::ostream& out, std::ostream& err) {
    try {
        const form_strings form = calculate(frequency, quarter_waves, utf8_to_utf16(cable));
        out << length_caption << ": " << ascii(form.coax_length) << "\n"
            << corrected_caption << ": " << ascii(form.vf_length) << "\n";
        return exit_ok;
    } catch (const calc_error& error) {
        return calc_error_exit(err, error);
    }
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

int run_table(std::string_view frequency, std::string_view quarter_waves, std::ostream& out,
              std::ostream& err) {
    try {
        std::string table;
        std::string length;
        for (const cable& entry : cable_catalogue()) {
            const form_strings form = calculate(frequency, quarter_waves, entry.name);
            length = ascii(form.coax_length);
            table += padded(ascii(entry.name), 8) +
                     padded(format_fixed(entry.velocity_factor, 2), 6) + ascii(form.vf_length) +
                     "\n";
        }
        out << length_caption << ": " << length << "\n\n"
            << padded("Cable", 8) << padded("V/F", 6) << corrected_caption << "\n"
            << table;
        return exit_ok;
    } catch (const calc_error& error) {
        return calc_error_exit(err, error);
    }
}

void list_cables(std::ostream& out) {
    for (const cable& entry : cable_catalogue()) {
        out << padded(ascii(entry.name), 8) << format_fixed(entry.velocity_factor, 2) << "\n";
    }
}

// One batch line without its line break; appends one result line to `output`.
bool batch_line(std::string_view line, form_strings& form, std::string& output) {
    // The common line, straight from its bytes; any other goes through the form texts below.
    // Only for the catalogue cables in metres, which is what this path computes.
    if (try_fast_line(line, output)) {
        return true;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::size_t first_tab = line.find('\t');
    const std::size_t second_tab =
        first_tab == std::string_view::npos ? first_tab : line.find('\t', first_tab + 1);
    if (second_tab == std::string_view::npos ||
        line.find('\t', second_tab + 1) != std::string_view::npos) {
        output += "error\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs\n";
        return false;
    }
    utf8_to_utf16(line.substr(0, first_tab), form.freq);
    utf8_to_utf16(line.substr(first_tab + 1, second_tab - first_tab - 1), form.qtr_num);
    utf8_to_utf16(line.substr(second_tab + 1), form.cable);
    try {
        calc_cmd_Click(form);
    } catch (const calc_error& error) {
        output += "error\t";
        output += error.what();
        output += '\n';
        return false;
    }
    // Results are plain ASCII digits.
    output.append(form.coax_length.begin(), form.coax_length.end());
    output += '\t';
    output.append(form.vf_length.begin(), form.vf_length.end());
    output += '\n';
    return true;
}

} // namespace

int run_batch(std::istream& in, std::ostream& out) {
    constexpr std::size_t chunk_size = 1 << 16;
    std::vector<char> chunk(chunk_size);
    std::string pending;   // a line cut by the end of a chunk
    bool too_long = false; // the current line has outgrown max_batch_line; the rest is skipped
    std::string output;
    output.reserve(2 * chunk_size);
    form_strings form;
    bool all_ok = true;
    auto flush_if_full = [&] {
        if (output.size() >= chunk_size) {
            out.write(output.data(), static_cast<std::streamsize>(output.size()));
            output.clear();
        }
    };
    auto keep = [&](std::string_view part) {
        too_long = too_long || pending.size() + part.size() > max_batch_line;
        if (too_long) {
            pending.clear();
        } else {
            pending.append(part);
        }
    };
    static_assert(max_batch_line == std::size_t{16} << 20, "the message below names the limit");
    auto end_line = [&](std::string_view line) {
        if (too_long) {
            output += "error\tthe line is longer than 16 MiB: expected "
                      "FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE\n";
            all_ok = false;
            too_long = false;
        } else {
            all_ok = batch_line(line, form, output) && all_ok;
        }
    };
    while (in && out) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        std::string_view data(chunk.data(), static_cast<std::size_t>(in.gcount()));
        for (std::size_t end = data.find('\n'); end != std::string_view::npos;
             end = data.find('\n')) {
            if (pending.empty() && !too_long) {
                end_line(data.substr(0, end));
            } else {
                keep(data.substr(0, end));
                end_line(pending);
                pending.clear();
            }
            data.remove_prefix(end + 1);
            flush_if_full();
        }
        keep(data);
    }
    if (in.bad()) {
        // What was read of the last line may be only part of it.
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        out.flush();
        return exit_io_error;
    }
    if (!pending.empty() || too_long) {
        end_line(pending);
    }
    out.write(output.data(), static_cast<std::streamsize>(output.size()));
    out.flush();
    if (!out) {
        return exit_io_error;
    }
    return all_ok ? exit_ok : exit_calc_error;
}

namespace {

int run_mode(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    std::vector<std::string_view> positional;
    std::string_view mode;
    bool options_done = false;
    for (const std::string_view arg : args) {
        if (!options_done && arg == "--") {
            options_done = true;
        } else if (!options_done && (arg == "--batch" || arg == "--cables" || arg == "--help" ||
                                     arg == "-h" || arg == "--version")) {
            if (!mode.empty()) {
                return usage_error(err, "give only one of --batch, --cables, --help, --version");
            }
            mode = arg;
        } else if (!options_done && arg.starts_with("--")) {
            return usage_error(err, "unknown option '" + std::string(arg) + "'");
        } else {
            positional.push_back(arg);
        }
    }
    if (!mode.empty() && !positional.empty()) {
        return usage_error(err, std::string(mode) + " takes no other arguments");
    }
    if (mode == "--help" || mode == "-h") {
        out << help_text;
        return exit_ok;
    }
    if (mode == "--version") {
        out << "ridi-calc " << version << "\n";
        return exit_ok;
    }
    if (mode == "--cables") {
        list_cables(out);
        return exit_ok;
    }
    if (mode == "--batch") {
        return run_batch(in, out);
    }
    if (positional.size() == 3) {
        return run_single(positional[0], positional[1], positional[2], out, err);
    }
    if (positional.size() == 2) {
        return run_table(positional[0], positional[1], out, err);
    }
    return usage_error(err, positional.empty() ? "missing FREQUENCY and QUARTER_WAVES"
                                               : "expected FREQUENCY QUARTER_WAVES [CABLE]");
}

} // namespace

int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    const int status = run_mode(args, in, out, err);
    out.flush();
    if (in.bad()) {
        err << "ridi-calc: cannot read the input; the results written are incomplete\n";
        return exit_io_error;
    }
    if (!out) {
        err << "ridi-calc: cannot write the results (is the disk full or the output closed?)\n";
        return exit_io_error;
    }
    return status;
}

} // namespace ridi::cli
