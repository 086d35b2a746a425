// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch.hpp"

#include "batch_line.hpp"
#include "measuring.hpp"
#include "results.hpp"
#include "stub.hpp"

#include "ridi/calculation.hpp"
#include "ridi/catalogue.hpp"
#include "ridi/utf.hpp"

#include <algorithm>
#include <functional>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

namespace ridi::cli {
namespace {

// The answers of batch mode, line by line, and the warnings they give on the way.
class batch_answers {
public:
    batch_answers(const calc_options& options, const stub_options& stub, std::ostream& err)
        : options_(options), err_(err), measuring_(options.unit, err), stub_(options, stub) {}

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
        if (stub_lines::takes(split)) {
            return stub_.answer(split, output);
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
            factor = Get_Vk(line.fields[2]);
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
            utf8_to_utf16(line.fields[2], cable_);
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
    stub_lines stub_;           // lines whose first field names a stub form
};

} // namespace

int run_batch(std::istream& in, std::ostream& out, std::ostream& err, const calc_options& options,
              const stub_options& stub) {
    constexpr std::size_t chunk_size = 1 << 16;
    std::vector<char> chunk(chunk_size);
    std::string pending;   // a line cut by the end of a chunk
    bool too_long = false; // the current line has outgrown max_batch_line; the rest is skipped
    std::string output;
    output.reserve(2 * chunk_size);
    batch_answers answers(options, stub, err);
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
} // namespace ridi::cli
