// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stub.hpp"

#include "ridi/number_text.hpp"
#include "ridi/stub.hpp"
#include "ridi/utf.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <vector>

namespace ridi::cli {
namespace {

constexpr std::string_view stub_mode = "--stub";
constexpr std::string_view which_mode = "--which-stub";

// The options of the stub forms, with the member each fills.
struct named_option {
    std::string_view name;
    std::optional<std::string_view> stub_options::*slot;
    bool stub_only; // an option of --stub alone, not also of --which-stub and --batch
};

constexpr std::array<named_option, 10> named_options{{
    {"--loss", &stub_options::loss, false},
    {"--tee", &stub_options::tee, false},
    {"--z0", &stub_options::z0, false},
    {"--zc", &stub_options::zc, false},
    {"--region", &stub_options::region, false},
    {"--length", &stub_options::length, true},
    {"--dip", &stub_options::dip, true},
    {"--from", &stub_options::from, true},
    {"--to", &stub_options::to, true},
    {"--sweep", &stub_options::sweep, true},
}};

constexpr std::string_view loss_example = "--loss 5.9@100, or --loss 5.9@100,13@400";

// "5.9@100" or "5.9@100,13@400": the loss and frequency of one or two figures, all empty when
// `text` is not of that form.
std::array<std::string_view, 4> loss_parts(std::string_view text) {
    std::array<std::string_view, 4> parts;
    const std::size_t comma = text.find(',');
    const std::string_view figures[2] = {text.substr(0, comma), comma == std::string_view::npos
                                                                    ? std::string_view()
                                                                    : text.substr(comma + 1)};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t at = figures[i].find('@');
        if (at == std::string_view::npos) {
            if (i == 0 || comma != std::string_view::npos) {
                return {};
            }
            break;
        }
        parts[2 * i] = figures[i].substr(0, at);
        parts[2 * i + 1] = figures[i].substr(at + 1);
    }
    return parts;
}

std::optional<iaru_region> region_named(std::optional<std::string_view> text) {
    if (!text || *text == "1") {
        return iaru_region::one;
    }
    if (*text == "2") {
        return iaru_region::two;
    }
    if (*text == "3") {
        return iaru_region::three;
    }
    return std::nullopt;
}

std::optional<stub_end> end_named(std::string_view text) {
    if (text == end_name(stub_end::open)) {
        return stub_end::open;
    }
    if (text == end_name(stub_end::shorted)) {
        return stub_end::shorted;
    }
    return std::nullopt;
}

// The arguments and options of a stub in UTF-16, held for a stub_input that views them.
class held_stub {
public:
    held_stub(const calc_options& calc, const stub_options& options) {
        const auto hold = [](std::optional<std::string_view> text, std::u16string& slot) {
            slot = text ? utf8_to_utf16(*text) : std::u16string();
        };
        hold(options.length, length_);
        hold(options.dip, dip_);
        hold(options.tee, tee_);
        hold(options.z0, z0_);
        hold(options.zc, zc_);
        if (options.loss) {
            const std::array<std::string_view, 4> parts = loss_parts(*options.loss);
            for (std::size_t i = 0; i < parts.size(); ++i) {
                loss_[i] = utf8_to_utf16(parts[i]);
            }
        }
        input_.velocity_factor = calc.velocity_factor.value_or(0.0);
        input_.unit = calc.unit;
        input_.length = length_;
        input_.loss = loss_[0];
        input_.loss_mhz = loss_[1];
        input_.second_loss = loss_[2];
        input_.second_loss_mhz = loss_[3];
        input_.dip_ohms = dip_;
        input_.tee = tee_;
        input_.line_ohms = z0_;
        input_.stub_ohms = zc_;
    }
    held_stub(const held_stub&) = delete;
    held_stub& operator=(const held_stub&) = delete;

    // The stub of END [FREQUENCY QUARTER_WAVES] [CABLE] as given.
    const stub_input& stub(stub_end end, std::span<const std::string_view> sizes,
                           std::optional<std::string_view> cable) {
        input_.end = end;
        frequency_ = sizes.size() == 2 ? utf8_to_utf16(sizes[0]) : std::u16string();
        quarter_waves_ = sizes.size() == 2 ? utf8_to_utf16(sizes[1]) : std::u16string();
        cable_ = cable ? utf8_to_utf16(*cable) : std::u16string();
        input_.frequency = frequency_;
        input_.quarter_waves = quarter_waves_;
        input_.cable = cable_;
        return input_;
    }

private:
    std::u16string length_, dip_, tee_, z0_, zc_, frequency_, quarter_waves_, cable_;
    std::array<std::u16string, 4> loss_;
    stub_input input_;
};

// A table's rows printed in columns two blanks apart.
void print_table(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const std::vector<std::string>& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    for (const std::vector<std::string>& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line.append(widths[i] + 2 - row[i].size(), ' ');
            }
        }
        out << line << "\n";
    }
}

void print_heading(std::ostream& out, const std::vector<std::string>& heading,
                   std::string_view prefix) {
    for (const std::string& line : heading) {
        out << prefix << line << "\n";
    }
}

void print_bands(std::ostream& out, const stub_report& report) {
    print_heading(out, report.heading, "");
    std::vector<std::vector<std::string>> rows{
        {std::string(band_column_head), std::string(from_column_head), std::string(to_column_head),
         std::string(least_column_head), std::string(most_column_head),
         std::string(verdict_column_head)}};
    for (const band_figures& band : report.bands) {
        rows.push_back({std::string(band.band), band.low, band.high, band.least, band.most,
                        band.verdict_text});
    }
    out << "\n";
    print_table(out, rows);
    if (report.resonances.empty()) {
        return;
    }
    rows = {{std::string(resonance_column_head), std::string(at_column_head),
             std::string(loss_column_head)}};
    for (const resonance& found : report.resonances) {
        rows.push_back({found.kind, found.frequency, found.loss});
    }
    out << "\n";
    print_table(out, rows);
    if (!report.unlisted.empty()) {
        out << report.unlisted << " (narrow it with --from and --to)\n";
    }
}

// The sweep for gnuplot or a spreadsheet: the heading as comment lines, then MHz<TAB>dB lines.
void print_sweep(std::ostream& out, const stub_report& report, const stub_sweep& sweep) {
    print_heading(out, report.heading, "# ");
    out << "# MHz\tdB\n";
    for (std::size_t i = 0; i < sweep.mhz.size(); ++i) {
        out << format_fixed(sweep.mhz[i], 6) << '\t' << format_fixed(sweep.loss_db[i], 3) << '\n';
    }
}

void print_choices(std::ostream& out, const stub_choices& choices) {
    print_heading(out, choices.heading, "");
    out << "\n";
    if (choices.stubs.empty()) {
        out << choices.none << "\n";
        return;
    }
    for (std::size_t i = 0; i < choices.stubs.size(); ++i) {
        const stub_choice& choice = choices.stubs[i];
        out << i + 1 << ". " << choice.summary << "\n"
            << "   " << choice.pass.summary << "\n"
            << "   " << choice.notch.summary << "\n";
    }
}

int calc_error_exit(std::ostream& err, const calc_error& error) {
    err << "ridi-calc: " << error_message(error) << "\n";
    return exit_calc_error;
}

// How many CABLE arguments or fields a stub form takes: none where --vf gives the factor.
std::size_t cable_count(const calc_options& calc) {
    return calc.velocity_factor ? 0 : 1;
}

} // namespace

std::vector<stub_option_help> stub_option_helps() {
    const sweep_range range;
    return {
        {"--loss DB@MHZ",
         "the cable's matched loss from its data sheet, in dB per 100 m at a frequency in MHz "
         "(5.9@100), growing as the square root of the frequency; a second figure after a comma "
         "(5.9@100,13@400) fits the dielectric's share as well. Without it the resonances are "
         "exact but a notch's depth is not known"},
        {"--tee LENGTH", "the Tee's arm and connector on the stub's side, counted as more of the "
                         "stub's cable (0 unless given)"},
        {"--z0 OHMS", "the impedance of the line the Tee is on (50 unless given)"},
        {"--zc OHMS", "the impedance of the stub's cable (unless given 50, and 75 for RG-11)"},
        {"--region 1|2|3", "the IARU region whose band edges count (1 unless given)"},
        {"--length LENGTH", "the stub's length, in place of FREQUENCY QUARTER_WAVES"},
        {"--dip OHMS", "the loss from the resistance an analyser shows at the stub's first dip, "
                       "in place of --loss"},
        {"--from MHZ", "the lowest frequency of the resonances listed and of the sweep (" +
                           format_fixed(range.from_mhz, 1) + " unless given)"},
        {"--to MHZ", "the highest (" + format_fixed(range.to_mhz, 0) + " unless given)"},
        {"--sweep POINTS",
         "in place of the table, the loss at POINTS frequencies (at most " +
             std::to_string(max_sweep_points) +
             ") evenly on a log scale across the range, one MHz<TAB>dB line each after the "
             "heading as # lines, for gnuplot or a spreadsheet"},
    };
}

bool is_stub_mode(std::string_view arg) noexcept {
    return arg == stub_mode || arg == which_mode;
}

bool read_stub_option(std::span<const std::string_view> args, std::size_t& i, stub_options& options,
                      std::string& problem) {
    for (const named_option& named : named_options) {
        std::optional<std::string_view> value;
        if (!option_value(args, i, named.name, value)) {
            continue;
        }
        std::optional<std::string_view>& slot = options.*named.slot;
        if (slot) {
            problem = "give " + std::string(named.name) + " only once";
        } else if (value->empty()) {
            problem = std::string(named.name) + " needs a value";
        }
        slot = value;
        return true;
    }
    return false;
}

std::string stub_usage_problem(std::string_view mode, std::span<const std::string_view> args,
                               bool with_velocity_factor, const stub_options& options) {
    const bool batch = mode == "--batch";
    for (const named_option& named : named_options) {
        if (!(options.*named.slot)) {
            continue;
        }
        if (!is_stub_mode(mode) && !(batch && !named.stub_only)) {
            return std::string(named.name) + " is an option of --stub" +
                   (named.stub_only ? "" : ", --which-stub and --batch");
        }
        if (mode == which_mode && named.stub_only) {
            return "--which-stub takes no " + std::string(named.name);
        }
    }
    if (options.loss && loss_parts(*options.loss)[0].data() == nullptr) {
        return "--loss takes the loss in dB per 100 m and its frequency in MHz, as in " +
               std::string(loss_example);
    }
    if (options.loss && options.dip) {
        return "give either --loss or --dip, not both";
    }
    if (!region_named(options.region)) {
        return "unknown region '" + std::string(*options.region) + "' for --region: use 1, 2 or 3";
    }
    if (!is_stub_mode(mode)) {
        return {};
    }
    std::size_t expected = with_velocity_factor ? 0 : 1;
    std::string form;
    if (mode == which_mode) {
        expected += 2;
        form = "--which-stub PASS NOTCH";
    } else {
        if (args.empty() || !end_named(args[0])) {
            return args.empty() ? "missing the far end, open or shorted, for --stub"
                                : "the far end of a stub is open or shorted, not '" +
                                      std::string(args[0]) + "'";
        }
        expected += options.length ? 1 : 3;
        form = options.length ? "--stub open|shorted --length LENGTH"
                              : "--stub open|shorted FREQUENCY QUARTER_WAVES";
    }
    form += with_velocity_factor ? " --vf FACTOR" : " CABLE";
    if (args.size() + 1 == expected && !with_velocity_factor) {
        return "missing CABLE (or --vf FACTOR) for " + form;
    }
    if (args.size() < expected) {
        return "missing arguments for " + form;
    }
    if (args.size() > expected) {
        return with_velocity_factor && args.size() == expected + 1
                   ? "give either a CABLE or --vf, not both"
                   : "too many arguments for " + form + ": '" + std::string(args[expected]) + "'";
    }
    return {};
}

int run_stub(std::string_view mode, std::span<const std::string_view> args,
             const calc_options& calc, const stub_options& options, std::ostream& out,
             std::ostream& err) {
    const iaru_region region = *region_named(options.region);
    held_stub held(calc, options);
    const std::optional<std::string_view> cable =
        calc.velocity_factor ? std::nullopt : std::optional(args.back());
    try {
        if (mode == which_mode) {
            print_choices(out, which_stub(utf8_to_utf16(args[0]), utf8_to_utf16(args[1]), region,
                                          held.stub(stub_end::open, {}, cable)));
            return exit_ok;
        }
        const stub read = read_stub(held.stub(
            *end_named(args[0]), options.length ? args.subspan(0, 0) : args.subspan(1, 2), cable));
        const sweep_range range = read_sweep_range(utf8_to_utf16(options.from.value_or("")),
                                                   utf8_to_utf16(options.to.value_or("")),
                                                   utf8_to_utf16(options.sweep.value_or("")));
        const stub_report report = report_stub(read, region, range);
        if (options.sweep) {
            print_sweep(out, report, sweep_stub(read.model, range));
        } else {
            print_bands(out, report);
        }
        return exit_ok;
    } catch (const calc_error& error) {
        return calc_error_exit(err, error);
    }
}

bool stub_lines::takes(const batch_line& line) noexcept {
    return line.fields[0] == "stub" || line.fields[0] == "which";
}

bool stub_lines::answer(const batch_line& line, std::string& output) const {
    const bool which = line.fields[0] == "which";
    const std::size_t cables = cable_count(calc_);
    const std::size_t expected = (which ? 3 : 5) + cables;
    const auto fail = [&output](std::string_view message) {
        output += "error\t";
        output += message;
        output += '\n';
        return false;
    };
    const std::optional<stub_end> end = which ? stub_end::open : end_named(line.fields[1]);
    if (line.field_count != expected || !end) {
        std::string form = which ? "which<TAB>PASS<TAB>NOTCH"
                                 : "stub<TAB>open|shorted<TAB>FREQUENCY<TAB>QUARTER_WAVES";
        form += cables ? "<TAB>CABLE" : "";
        form += which ? "" : "<TAB>BAND";
        return fail("expected " + form);
    }
    const iaru_region region = *region_named(options_.region);
    const std::span<const std::string_view> fields(line.fields.data(), line.field_count);
    const std::optional<std::string_view> cable =
        cables ? std::optional(fields[expected - (which ? 1 : 2)]) : std::nullopt;
    held_stub held(calc_, options_);
    try {
        if (which) {
            const stub_choices choices =
                which_stub(utf8_to_utf16(fields[1]), utf8_to_utf16(fields[2]), region,
                           held.stub(stub_end::open, {}, cable));
            if (choices.stubs.empty()) {
                return fail(choices.none);
            }
            const stub_choice& best = choices.stubs.front();
            output += end_name(best.end);
            output += '\t' + std::to_string(best.quarter_waves) + '\t' + best.cut + '\t' +
                      best.length + '\n';
            return true;
        }
        const stub read = read_stub(held.stub(*end, fields.subspan(2, 2), cable));
        const band_figures figures = band_loss(
            read.model, band_named(utf8_to_utf16(fields[expected - 1]), region, error_field::band));
        output += figures.least + '\t' + figures.most + '\t' + figures.verdict_text + '\n';
        return true;
    } catch (const calc_error& error) {
        return fail(error_message(error));
    }
}

} // namespace ridi::cli
