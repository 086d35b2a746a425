// ridi-calc: the calculation from the command line and from scripts.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace ridi::cli {

// Exit statuses of ridi-calc.
enum exit_status : int {
    exit_ok = 0,          // every calculation succeeded
    exit_calc_error = 1,  // at least one calculation gave an error
    exit_usage_error = 2, // the arguments were not understood
};

// Runs ridi-calc with `args` (the arguments after the program name), reading `in` only in
// batch mode. Returns the exit status.
int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err);

// Batch mode: one result line per input line "FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE", as
// "LENGTH<TAB>CORRECTED" or "error<TAB>MESSAGE". Returns exit_ok or exit_calc_error.
int run_batch(std::istream& in, std::ostream& out);

} // namespace ridi::cli
