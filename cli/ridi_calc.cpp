// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include "fast_line.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/form/form.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <unordered_set>
#include <vector>

namespace ridi::cli {
namespace {

constexpr std::string_view usage_line =
    "usage: ridi-calc FREQUENCY QUARTER_WAVES [CABLE | --vf FACTOR] [--unit UNIT] | --batch "
    "[--vf FACTOR] [--unit UNIT] | --cables | --help | --version";

constexpr std::string_view help_text =
    R"(ridi-calc: quarter-wave lengths of coaxial cable

usage:
  ridi-calc FREQUENCY QUARTER_WAVES CABLE
      The free-space length of QUARTER_WAVES quarter waves at FREQUENCY MHz and the
      physical length of CABLE that holds them, in metres with three decimals.
  ridi-calc FREQUENCY QUARTER_WAVES
      The free-space length, then the corrected length for every cable in the catalogue.
  ridi-calc FREQUENCY QUARTER_WAVES --vf FACTOR
      Both lengths for a cable whose velocity factor is FACTOR (more than 0, at most 1).
  ridi-calc --batch
      Reads lines FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE from standard input and writes
      LENGTH<TAB>CORRECTED or error<TAB>MESSAGE for each, in input order, each as soon as
      its line is read. An empty line gives an empty line and a line starting with # is
      copied, so output line N answers input line N. With --vf, the lines are
      FREQUENCY<TAB>QUARTER_WAVES.
  ridi-calc --cables     lists the cables and their velocity factors
  ridi-calc --help       shows this text
  ridi-calc --version    shows the version

options of a calculation (any form above that computes):
  --vf FACTOR    your cable's own velocity factor, in place of a catalogue cable
  --unit UNIT    the unit of both lengths: m (the default), cm, mm, in, ft, or ft-in for
                 feet, inches and sixteenths of an inch

examples:
  ridi-calc 145 1 --vf 0.78
  ridi-calc 14.2 1 RG-213 --unit ft-in
  printf '7.1\t1\n14.2\t3\n' | ridi-calc --batch --vf 0.78 --unit ft-in

Numbers use "." as the decimal point, for example 435.850; a negative frequency is computed
like any other. A cable name not in the catalogue gives a corrected length of 0.000 and a
warning on standard error.

exit status: 0 success, 1 a calculation gave an error, 2 the arguments were not understood,
3 the input could not be read or the output not written (a full disk, or a closed pipe such
as "| head -1", which ends the tool with a message on standard error).
)";

int usage_error(std::ostream& err, std::string_view problem) {
    err << "ridi-calc: " << problem << "\n" << usage_line << "\n";
    return exit_usage_error;
}

int calc_error_exit(std::ostream& err, const calc_error& error) {
    err << "ridi-calc: " << error.what() << "\n";
    return exit_calc_error;
}

// The warning for a cable not in the catalogue, after "ridi-calc: " and any line number.
std::string cable_warning(std::u16string_view cable_text) {
    std::string warning = "warning: " + unknown_cable_warning(cable_text);
    if (!cable_suggestion(cable_text)) {
        warning += " (ridi-calc --cables lists the catalogue)";
    }
    return warning;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

// The window's result captions name the unit in brackets, "RI-DI Length (Metres)"; in another
// unit the words before the bracket stay and the bracket names that unit.
std::string caption_in(std::u16string_view window_caption, length_unit unit) {
    std::string caption = utf16_to_utf8(window_caption);
    caption.erase(caption.rfind('(') + 1);
    return caption.append(length_unit_caption(unit)).append(")");
}

struct captions {
    std::string length;
    std::string corrected;
    explicit captions(length_unit unit)
        : length(caption_in(form::coax_length_caption, unit)),
          corrected(caption_in(form::vf_length_caption, unit)) {}
};

// FREQUENCY QUARTER_WAVES with a CABLE or the --vf factor.
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
    const std::u16string freq = utf8_to_utf16(frequency);
    const std::u16string qtr_num = utf8_to_utf16(quarter_waves);
    try {
        std::string table;
        shown_lengths shown;
        for (const cable& entry : cable_catalogue()) {
            quarter_wave_lengths(freq, qtr_num, entry.velocity_factor, options.unit, shown);
            table += padded(utf16_to_utf8(entry.name), 8) +
                     padded(format_fixed(entry.velocity_factor, 2), 6) + shown.corrected + "\n";
        }
        const captions caption(options.unit);
        out << caption.length << ": " << shown.length << "\n\n"
            << padded("Cable", 8) << padded("V/F", 6) << caption.corrected << "\n"
            << table;
        return exit_ok;
    } catch (const calc_error& error) {
        return calc_error_exit(err, error);
    }
}

void list_cables(std::ostream& out) {
    for (const cable& entry : cable_catalogue()) {
        out << padded(utf16_to_utf8(entry.name), 8) << format_fixed(entry.velocity_factor, 2)
            << "\n";
    }
}

// The answers of batch mode, line by line, and the warnings they give on the way.
class batch_answers {
public:
    batch_answers(const calc_options& options, std::ostream& err)
        : options_(options), err_(err),
          quick_(!options.velocity_factor && options.unit == length_unit::metres) {}

    // The one entry point for a line: `line` without its line break in, its answer with a line
    // break appended to `output`. Returns false for an error line.
    bool answer(std::string_view line, std::string& output) {
        ++line_number_;
        if (line_number_ == 1 && line.starts_with(byte_order_mark)) {
            line.remove_prefix(byte_order_mark.size());
        }
        // The common line, straight from its bytes (its CR included); any other goes the
        // general way below. Only for catalogue cables in metres, which is what it computes.
        if (quick_ && try_fast_line(line, output)) {
            return true;
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1); // one CR only: the rest of the line is the user's text
        }
        if (line.empty() || line.front() == '#') {
            output += line;
            output += '\n';
            return true;
        }
        return calculate(line, output);
    }

    // A line longer than max_batch_line, of which nothing was kept.
    bool answer_too_long(std::string& output) {
        ++line_number_;
        static_assert(max_batch_line == std::size_t{16} << 20, "the message names the limit");
        output += "error\tthe line is longer than 16 MiB: expected ";
        output += expected_fields();
        output += '\n';
        return false;
    }

    // After the last line: how many more cables were not in the catalogue than were named.
    void finish() {
        if (!unnamed_hashes_.empty()) {
            err_ << "ridi-calc: warning: " << unnamed_hashes_.size() << " more cable name"
                 << (unnamed_hashes_.size() == 1 ? " is" : "s are")
                 << " not in the catalogue; their velocity factor counts as 0\n";
        }
    }

private:
    static constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

    std::string_view expected_fields() const {
        return options_.velocity_factor ? "FREQUENCY<TAB>QUARTER_WAVES"
                                        : "FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE";
    }

    bool calculate(std::string_view line, std::string& output) {
        const bool with_cable = !options_.velocity_factor;
        const std::size_t first_tab = line.find('\t');
        const std::size_t second_tab =
            first_tab == std::string_view::npos ? first_tab : line.find('\t', first_tab + 1);
        const bool fields_ok =
            with_cable
                ? second_tab != std::string_view::npos &&
                      line.find('\t', second_tab + 1) == std::string_view::npos
                : first_tab != std::string_view::npos && second_tab == std::string_view::npos;
        if (!fields_ok) {
            output += "error\texpected ";
            output += expected_fields();
            output += with_cable ? ", with exactly two tabs\n" : ", with exactly one tab\n";
            return false;
        }
        const std::size_t qtr_end = with_cable ? second_tab : line.size();
        utf8_to_utf16(line.substr(0, first_tab), freq_);
        utf8_to_utf16(line.substr(first_tab + 1, qtr_end - first_tab - 1), qtr_num_);
        double factor = options_.velocity_factor.value_or(0.0);
        if (with_cable) {
            utf8_to_utf16(line.substr(second_tab + 1), cable_);
            factor = Get_Vk(cable_);
        }
        try {
            quarter_wave_lengths(freq_, qtr_num_, factor, options_.unit, shown_);
        } catch (const calc_error& error) {
            output += "error\t";
            output += error.what();
            output += '\n';
            return false;
        }
        output += shown_.length;
        output += '\t';
        output += shown_.corrected;
        output += '\n';
        if (with_cable && factor == 0.0) {
            note_unknown_cable();
        }
        return true;
    }

    // Warns once about each cable name not in the catalogue, naming the first few.
    void note_unknown_cable() {
        if (std::find(named_.begin(), named_.end(), cable_) != named_.end()) {
            return;
        }
        if (named_.size() < max_cable_warnings) {
            named_.push_back(cable_);
            err_ << "ridi-calc: line " << line_number_ << ": " << cable_warning(cable_) << "\n";
        } else {
            // Hashes rather than the names, which may be long: a count is all that is shown.
            unnamed_hashes_.insert(std::hash<std::u16string>{}(cable_));
        }
    }

    const calc_options& options_;
    std::ostream& err_;
    bool quick_; // the quick route of fast_line.hpp answers the common lines
    std::size_t line_number_ = 0;
    std::u16string freq_;
    std::u16string qtr_num_;
    std::u16string cable_;
    shown_lengths shown_;
    std::vector<std::u16string> named_;
    std::unordered_set<std::size_t> unnamed_hashes_;
};

} // namespace

int run_batch(std::istream& in, std::ostream& out, std::ostream& err, const calc_options& options) {
    constexpr std::size_t chunk_size = 1 << 16;
    std::vector<char> chunk(chunk_size);
    std::string pending;   // a line cut by the end of a chunk
    bool too_long = false; // the current line has outgrown max_batch_line; the rest is skipped
    std::string output;
    output.reserve(2 * chunk_size);
    batch_answers answers(options, err);
    bool all_ok = true;
    bool unflushed = false; // answers handed to `out` that it may still hold
    auto write_output = [&] {
        unflushed = unflushed || !output.empty();
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        output.clear();
    };
    auto keep = [&](std::string_view part) {
        too_long = too_long || pending.size() + part.size() > max_batch_line;
        if (too_long) {
            pending.clear();
        } else {
            pending.append(part);
        }
    };
    auto end_line = [&](std::string_view line) {
        if (too_long) {
            all_ok = answers.answer_too_long(output) && all_ok;
            too_long = false;
        } else {
            all_ok = answers.answer(line, output) && all_ok;
        }
    };
    std::streambuf& source = *in.rdbuf();
    while (out) {
        std::streamsize count = 0;
        try {
            if (source.in_avail() <= 0) {
                // The next read may wait for more input: whoever sends it may be waiting for
                // the answers so far.
                write_output();
                if (unflushed) {
                    out.flush();
                    unflushed = false;
                }
            }
            if (std::istream::traits_type::eq_int_type(source.sgetc(),
                                                       std::istream::traits_type::eof())) {
                in.setstate(std::ios::eofbit);
                break;
            }
            // What has arrived, without waiting for a whole chunk.
            const std::streamsize ready = std::clamp<std::streamsize>(
                source.in_avail(), 1, static_cast<std::streamsize>(chunk_size));
            count = source.sgetn(chunk.data(), ready);
            if (count <= 0) {
                in.setstate(std::ios::eofbit); // a stream that offers a byte and gives none
                break;
            }
        } catch (...) {
            in.setstate(std::ios::badbit);
            break;
        }
        std::string_view data(chunk.data(), static_cast<std::size_t>(count));
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
            if (output.size() >= chunk_size) {
                write_output();
            }
        }
        keep(data);
    }
    if (in.eof() && !in.bad() && (!pending.empty() || too_long)) {
        // A last line without a line break counts when the input really ended there: not when
        // the input failed while it was read, nor when the output failed first and the line
        // may be only the part read so far.
        end_line(pending);
    }
    write_output();
    out.flush();
    answers.finish();
    if (in.bad() || !out) {
        return exit_io_error;
    }
    return all_ok ? exit_ok : exit_calc_error;
}

namespace {

// The value of an option given as "--name VALUE" or "--name=VALUE"; false when `arg` is not
// that option. Moves `i` past a separate value.
bool option_value(std::span<const std::string_view> args, std::size_t& i, std::string_view name,
                  std::optional<std::string_view>& value) {
    const std::string_view arg = args[i];
    if (arg == name) {
        value = i + 1 < args.size() ? args[++i] : std::string_view(); // empty: no value given
        return true;
    }
    if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

// Reads the --vf value; returns an empty text when it is good, else what is wrong with it.
std::string read_velocity_factor(std::string_view text, double& factor) {
    const std::string shown = quoted_for_message(utf8_to_utf16(text));
    try {
        factor = number_from_text(utf8_to_utf16(text), error_field::none);
    } catch (const calc_error&) {
        return "--vf " + shown +
               " is not a number: give the velocity factor of the cable, for example --vf 0.78";
    }
    if (!(factor > 0.0 && factor <= 1.0)) {
        return "--vf " + shown +
               " is out of range: a velocity factor is greater than 0 and at most 1 (no wave "
               "is faster than light in free space)";
    }
    return {};
}

bool is_short_option(std::string_view arg) {
    // "-x" and "-v" are options; "-100" and "-.5" are numbers.
    return arg.size() >= 2 && arg[0] == '-' &&
           ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z'));
}

int run_mode(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    std::vector<std::string_view> positional;
    std::string_view mode;
    std::optional<std::string_view> vf_text;
    std::optional<std::string_view> unit_text;
    bool options_done = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<std::string_view> value;
        if (!options_done && arg == "--") {
            options_done = true;
        } else if (options_done || !(arg.starts_with("--") || is_short_option(arg))) {
            positional.push_back(arg);
        } else if (arg == "--batch" || arg == "--cables" || arg == "--help" || arg == "-h" ||
                   arg == "--version") {
            if (!mode.empty()) {
                return usage_error(err, "give only one of --batch, --cables, --help, --version");
            }
            mode = arg;
        } else if (option_value(args, i, "--vf", value) || option_value(args, i, "--unit", value)) {
            const bool is_vf = arg.starts_with("--vf");
            std::optional<std::string_view>& slot = is_vf ? vf_text : unit_text;
            if (slot) {
                return usage_error(err, std::string("give ") + (is_vf ? "--vf" : "--unit") +
                                            " only once");
            }
            if (value->empty()) {
                return usage_error(err, is_vf ? "--vf needs a velocity factor, for example "
                                                "--vf 0.78"
                                              : "--unit needs a unit: m, cm, mm, in, ft or ft-in");
            }
            slot = value;
        } else {
            return usage_error(err, "unknown option '" + std::string(arg) + "'");
        }
    }
    if (!mode.empty() && !positional.empty()) {
        return usage_error(err, std::string(mode) + " takes no other arguments");
    }
    if (!mode.empty() && mode != "--batch" && (vf_text || unit_text)) {
        return usage_error(err, std::string(mode) + " takes no --vf or --unit");
    }
    calc_options options;
    if (vf_text) {
        double factor = 0.0;
        const std::string problem = read_velocity_factor(*vf_text, factor);
        if (!problem.empty()) {
            return usage_error(err, problem);
        }
        options.velocity_factor = factor;
    }
    if (unit_text) {
        const auto unit = length_unit_from_name(*unit_text);
        if (!unit) {
            return usage_error(err, "unknown unit '" + std::string(*unit_text) +
                                        "' for --unit: use m, cm, mm, in, ft or ft-in");
        }
        options.unit = *unit;
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
        return run_batch(in, out, err, options);
    }
    if (positional.size() == 3 && options.velocity_factor) {
        return usage_error(err, "give either a CABLE or --vf, not both");
    }
    if (positional.size() == 3) {
        return run_single(positional[0], positional[1], positional[2], options, out, err);
    }
    if (positional.size() == 2 && options.velocity_factor) {
        return run_single(positional[0], positional[1], std::nullopt, options, out, err);
    }
    if (positional.size() == 2) {
        return run_table(positional[0], positional[1], options, out, err);
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
