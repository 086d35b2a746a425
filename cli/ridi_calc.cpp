// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include "batch_line.hpp"
#include "measuring.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/result_captions.hpp"
#include "ridi/utf.hpp"
#include "ridi/version.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <istream>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

namespace ridi::cli {
namespace {

constexpr std::string_view usage_line =
    "usage: ridi-calc FREQUENCY QUARTER_WAVES [CABLE | --vf FACTOR] [--unit UNIT] | --batch "
    "[--vf FACTOR] [--unit UNIT] | --cables | --help | --version";

// The usage of the measuring bench, after its mistakes.
constexpr std::string_view measuring_usage_line =
    "usage: ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES] [--unit UNIT] | --trim LENGTH "
    "MEASURED TARGET [--unit UNIT]";

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
      FREQUENCY<TAB>QUARTER_WAVES. A line measure<TAB>LENGTH<TAB>FREQUENCY gives the
      velocity factor (QUARTER_WAVES after another tab if not 1), and a line
      trim<TAB>LENGTH<TAB>MEASURED<TAB>TARGET gives CUT_TO<TAB>CUT_OFF, as below.
  ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES]
      The velocity factor of a piece of cable LENGTH long that resonates at FREQUENCY MHz
      as QUARTER_WAVES quarter waves (1 unless given): LENGTH over the free-space length,
      with three decimals, and the --vf option that calculates with it.
  ridi-calc --trim LENGTH MEASURED TARGET
      A stub LENGTH long resonates at MEASURED MHz and should resonate at TARGET MHz: the
      length to cut it to (LENGTH x MEASURED / TARGET) and how much to cut off, in the unit
      of LENGTH. A TARGET below MEASURED is an error: the stub is already too short.
  ridi-calc --cables     lists the cables and their velocity factors
  ridi-calc --help       shows this text
  ridi-calc --version    shows the version

options of a calculation (any form above that computes):
  --vf FACTOR    your cable's own velocity factor, in place of a catalogue cable
  --unit UNIT    the unit of both lengths: m (the default), cm, mm, in, ft, or ft-in for
                 feet, inches and sixteenths of an inch; for --measure and --trim the unit
                 of LENGTH as well, which in ft-in is written 12'3.5" or 12ft 3.5in

examples:
  ridi-calc 145 1 --vf 0.78
  ridi-calc 14.2 1 RG-213 --unit ft-in
  printf '7.1\t1\n14.2\t3\n' | ridi-calc --batch --vf 0.78 --unit ft-in

at the bench: measure a piece, calculate with its factor, trim the stub:
  ridi-calc --measure 1 49.62       a 1 m piece resonates at 49.62 MHz: factor 0.662
  ridi-calc 145 1 --vf 0.662        a 145 MHz quarter wave of it is 0.342 m: cut it long
  ridi-calc --trim 0.36 138.2 145   cut at 0.36 m it resonates at 138.2 MHz: cut to 0.343

Numbers use "." as the decimal point, for example 435.850; a negative frequency is computed
like any other (at the bench every number must be greater than 0). A cable name not in the
catalogue gives a corrected length of 0.000 and a warning on standard error.

exit status: 0 success, 1 a calculation gave an error, 2 the arguments were not understood,
3 the input could not be read or the output not written (a full disk, or a closed pipe such
as "| head -1", which ends the tool with a message on standard error), 4 ridi-calc itself
failed (out of memory, or a fault in the tool, with a message on standard error).
)";

int usage_error(std::ostream& err, std::string_view problem, std::string_view usage = usage_line) {
    err << "ridi-calc: " << problem << "\n" << usage << "\n";
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

// The captions of both results in the unit asked for, as the window names them in metres.
struct captions {
    std::string length;
    std::string corrected;
    explicit captions(length_unit unit)
        : length(utf16_to_utf8(result_caption(result::coax_length, unit).text())),
          corrected(utf16_to_utf8(result_caption(result::vf_length, unit).text())) {}
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
        : options_(options), err_(err), measuring_(options.unit, err) {}

    // The one entry point for a line: `line` without its line break in, its answer with a line
    // break appended to `output`. Returns false for an error line.
    bool answer(std::string_view line, std::string& output) {
        ++line_number_;
        if (line_number_ == 1 && line.starts_with(byte_order_mark)) {
            line.remove_prefix(byte_order_mark.size());
        }
        const batch_line split = split_batch_line(line);
        if (split.text.empty() || split.text.front() == '#') {
            output += split.text;
            output += '\n';
            return true;
        }
        if (measuring_lines::takes(split)) {
            return measuring_.answer(split, line_number_, output);
        }
        return calculate(split, output);
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
        measuring_.finish();
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

    bool calculate(const batch_line& line, std::string& output) {
        const bool with_cable = !options_.velocity_factor;
        if (line.field_count != (with_cable ? 3 : 2)) {
            output += "error\texpected ";
            output += expected_fields();
            output += with_cable ? ", with exactly two tabs\n" : ", with exactly one tab\n";
            return false;
        }
        double factor = options_.velocity_factor.value_or(0.0);
        if (with_cable) {
            utf8_to_utf16(line.fields[2], cable_);
            factor = Get_Vk(cable_);
        }
        try {
            quarter_wave_lengths(line.fields[0], line.fields[1], factor, options_.unit, shown_);
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
    std::size_t line_number_ = 0;
    std::u16string cable_;
    shown_lengths shown_;
    std::vector<std::u16string> named_;
    std::unordered_set<std::size_t> unnamed_hashes_;
    measuring_lines measuring_; // lines whose first field names a bench form
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
    // A call on the input's stream buffer; false when reading failed, which the buffer says by
    // an exception of the std::runtime_error family (std::ios_base::failure among them). Any
    // other exception is no read failure but a fault, and goes on to run().
    auto reading = [&in](auto&& call) {
        try {
            call();
            return true;
        } catch (const std::runtime_error&) {
            in.setstate(std::ios::badbit);
            return false;
        }
    };
    while (out) {
        std::streamsize available = 0;
        if (!reading([&] { available = source.in_avail(); })) {
            break;
        }
        if (available <= 0) {
            // The next read may wait for more input: whoever sends it may be waiting for the
            // answers so far.
            write_output();
            if (unflushed) {
                out.flush();
                unflushed = false;
            }
        }
        bool at_end = false;
        std::streamsize count = 0;
        if (!reading([&] {
                at_end = std::istream::traits_type::eq_int_type(source.sgetc(),
                                                                std::istream::traits_type::eof());
                if (!at_end) {
                    // What has arrived, without waiting for a whole chunk.
                    count = source.sgetn(
                        chunk.data(),
                        std::clamp<std::streamsize>(source.in_avail(), 1,
                                                    static_cast<std::streamsize>(chunk_size)));
                }
            })) {
            break;
        }
        if (at_end || count <= 0) {
            in.setstate(std::ios::eofbit); // count <= 0: a stream that offers a byte, gives none
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
                   arg == "--version" || is_measuring_mode(arg)) {
            if (!mode.empty()) {
                if (is_measuring_mode(mode) || is_measuring_mode(arg)) {
                    return usage_error(err,
                                       "give only one of --measure, --trim, --batch, --cables, "
                                       "--help, --version",
                                       measuring_usage_line);
                }
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
    if (is_measuring_mode(mode)) {
        const std::string problem = measuring_usage_problem(mode, positional, vf_text.has_value());
        if (!problem.empty()) {
            return usage_error(err, problem, measuring_usage_line);
        }
    } else if (!mode.empty() && !positional.empty()) {
        return usage_error(err, std::string(mode) + " takes no other arguments");
    }
    if (!mode.empty() && mode != "--batch" && !is_measuring_mode(mode) && (vf_text || unit_text)) {
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
            return usage_error(err,
                               "unknown unit '" + std::string(*unit_text) +
                                   "' for --unit: use m, cm, mm, in, ft or ft-in",
                               is_measuring_mode(mode) ? measuring_usage_line : usage_line);
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
    if (is_measuring_mode(mode)) {
        return run_measuring(mode, positional, options.unit, out, err);
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
    int status = exit_internal_error;
    try {
        status = run_mode(args, in, out, err);
    } catch (const std::bad_alloc&) {
        err << "ridi-calc: out of memory; the results written are incomplete\n";
    } catch (const std::exception& fault) {
        err << "ridi-calc: internal error (" << fault.what()
            << "); the results written are incomplete. This is a fault in ridi-calc: please "
               "report it\n";
    }
    out.flush(); // the results written so far are whole lines: none is lost
    if (status == exit_internal_error) {
        return status;
    }
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
