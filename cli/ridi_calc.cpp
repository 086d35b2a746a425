// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ridi_calc.hpp"

#include "arguments.hpp"
#include "batch.hpp"
#include "measuring.hpp"
#include "results.hpp"
#include "stub.hpp"
#include "usage.hpp"

#include "ridi/version.hpp"

#include <istream>
#include <new>
#include <ostream>
#include <stdexcept>
#include <variant>
#include <vector>

namespace ridi::cli {
namespace {

// Does what the command line asks.
int run_command(const command& asked, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::vector<std::string_view>& args = asked.positional;
    switch (asked.what) {
    case task::help:
        out << help_text();
        return exit_ok;
    case task::version:
        out << "ridi-calc " << version << "\n";
        return exit_ok;
    case task::cables:
        list_cables(out);
        return exit_ok;
    case task::batch:
        return run_batch(in, out, err, asked.options, asked.stub);
    case task::measuring:
        return run_measuring(asked.mode, args, asked.options.unit, out, err);
    case task::stub:
        return run_stub(asked.mode, args, asked.options, asked.stub, out, err);
    case task::calculate:
        if (args.size() == 3 || asked.options.velocity_factor) {
            const std::optional<std::string_view> cable =
                args.size() == 3 ? std::optional(args[2]) : std::nullopt;
            return run_single(args[0], args[1], cable, asked.options, out, err);
        }
        return run_table(args[0], args[1], asked.options, out, err);
    }
    return exit_internal_error;
}

// Reads the command line and runs it, or says what is wrong with it.
int run_arguments(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    const std::variant<command, usage_problem> read = read_arguments(args);
    if (const usage_problem* wrong = std::get_if<usage_problem>(&read)) {
        err << "ridi-calc: " << wrong->problem << "\n" << wrong->usage << "\n";
        return exit_usage_error;
    }
    return run_command(std::get<command>(read), in, out, err);
}

} // namespace

int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    int status = exit_internal_error;
    try {
        status = run_arguments(args, in, out, err);
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
