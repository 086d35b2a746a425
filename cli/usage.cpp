// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "usage.hpp"

#include "stub.hpp"
#include "vocabulary.hpp"

#include "ridi/units.hpp"

#include <array>

namespace ridi::cli {
namespace {

// The units --unit takes, in the order the help names them, with what the help adds to a name
// (besides "(the default)", which it says of the unit calc_options starts with).
struct unit_choice {
    length_unit unit;
    std::string_view note;
};

constexpr std::array<unit_choice, 6> unit_choices{{
    {length_unit::metres, ""},
    {length_unit::centimetres, ""},
    {length_unit::millimetres, ""},
    {length_unit::inches, ""},
    {length_unit::feet, ""},
    {length_unit::feet_inches, " for feet, inches and sixteenths of an inch"},
}};

// "m, cm, ... or ft-in"; with the notes, a comma before the "or" as well, since the last name
// may carry a note of its own.
std::string unit_list(bool with_notes) {
    std::string list;
    for (std::size_t i = 0; i < unit_choices.size(); ++i) {
        if (i > 0) {
            list += i + 1 < unit_choices.size() ? ", " : with_notes ? ", or " : " or ";
        }
        const unit_choice& choice = unit_choices[i];
        list += length_unit_name(choice.unit);
        if (with_notes) {
            list += choice.unit == calc_options{}.unit ? " (the default)" : "";
            list += choice.note;
        }
    }
    return list;
}

// The help, wrapped at this column, as the rest of it is.
constexpr std::size_t help_width = 91;

// One option of the help: the option, then its description in a column of its own, wrapped
// between words.
std::string option_help(std::string_view option, std::string_view description) {
    constexpr std::size_t option_column = 2;
    constexpr std::size_t description_column = 17;
    std::string text(option_column, ' ');
    text += option;
    std::size_t line_start = 0;
    if (text.size() + 1 > description_column) { // too long to share a line with its description
        text += '\n';
        line_start = text.size();
    }
    text.append(description_column - (text.size() - line_start), ' ');
    while (!description.empty()) {
        const std::size_t blank = description.find(' ');
        const std::string_view word = description.substr(0, blank);
        const bool first = text.size() == line_start + description_column;
        if (!first && text.size() - line_start + 1 + word.size() > help_width) {
            text += '\n';
            line_start = text.size();
            text.append(description_column, ' ');
        } else if (!first) {
            text += ' ';
        }
        text += word;
        description.remove_prefix(blank == std::string_view::npos ? description.size() : blank + 1);
    }
    return text + "\n";
}

constexpr std::string_view help_before_options =
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
      trim<TAB>LENGTH<TAB>MEASURED<TAB>TARGET gives CUT_TO<TAB>CUT_OFF, as below. A line
      stub<TAB>open|shorted<TAB>FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE<TAB>BAND gives
      LEAST<TAB>MOST<TAB>VERDICT of that stub across BAND, and a line
      which<TAB>PASS<TAB>NOTCH<TAB>CABLE the best stub of --which-stub,
      END<TAB>QUARTER_WAVES<TAB>CUT_MHZ<TAB>CUT_TO (without CABLE with --vf; --loss, --tee,
      --z0, --zc and --region apply).
  ridi-calc --measure LENGTH FREQUENCY [QUARTER_WAVES]
      The velocity factor of a piece of cable LENGTH long that resonates at FREQUENCY MHz
      as QUARTER_WAVES quarter waves (1 unless given): LENGTH over the free-space length,
      with three decimals, and the --vf option that calculates with it.
  ridi-calc --trim LENGTH MEASURED TARGET
      A stub LENGTH long resonates at MEASURED MHz and should resonate at TARGET MHz: the
      length to cut it to (LENGTH x MEASURED / TARGET) and how much to cut off, in the unit
      of LENGTH. A TARGET below MEASURED is an error: the stub is already too short.
  ridi-calc --stub open|shorted FREQUENCY QUARTER_WAVES CABLE
      What a stub of QUARTER_WAVES quarter waves at FREQUENCY MHz, cut to the length above,
      open or shorted at its far end, does on a Tee across a matched line: the least and
      the most insertion loss across each amateur band with a verdict (passes, notches or
      partly), then its resonances, the notches and the passes, with their loss.
  ridi-calc --stub open|shorted --length LENGTH CABLE
      The same for a stub LENGTH long.
  ridi-calc --which-stub PASS NOTCH CABLE
      The stubs, open or shorted, of 1 to 4 quarter waves, that pass the band PASS and
      notch the band NOTCH (such as 40m and 20m), best first, with the length to cut.
  ridi-calc --cables     lists the cables and their velocity factors
  ridi-calc --help       shows this text
  ridi-calc --version    shows the version

options of a calculation (any form above that computes):
)";

constexpr std::string_view help_after_options = R"(
examples:
  ridi-calc 145 1 --vf 0.78
  ridi-calc 14.2 1 RG-213 --unit ft-in
  printf '7.1\t1\n14.2\t3\n' | ridi-calc --batch --vf 0.78 --unit ft-in

at the bench: measure a piece, calculate with its factor, trim the stub:
  ridi-calc --measure 1 49.62       a 1 m piece resonates at 49.62 MHz: factor 0.662
  ridi-calc 145 1 --vf 0.662        a 145 MHz quarter wave of it is 0.342 m: cut it long
  ridi-calc --trim 0.36 138.2 145   cut at 0.36 m it resonates at 138.2 MHz: cut to 0.343

two stations side by side, on 40 m and 20 m:
  ridi-calc --which-stub 40m 20m RG-213 --loss 5.9@100
  ridi-calc --stub shorted 7.1 1 RG-213 --loss 5.9@100
  ridi-calc --stub shorted 7.1 1 RG-213 --loss 5.9@100 --sweep 2000 > stub.tsv

Numbers use "." as the decimal point, for example 435.850; a negative frequency is computed
like any other (at the bench every number must be greater than 0). A cable name not in the
catalogue gives a corrected length of 0.000 and a warning on standard error; a stub of it
is an error.

exit status: 0 success, 1 a calculation gave an error, 2 the arguments were not understood,
3 the input could not be read or the output not written (a full disk, or a closed pipe such
as "| head -1", which ends the tool with a message on standard error), 4 ridi-calc itself
failed (out of memory, or a fault in the tool, with a message on standard error).
)";

} // namespace

std::string help_text() {
    std::string text(help_before_options);
    text += option_help("--vf FACTOR",
                        "your cable's own velocity factor, in place of a catalogue cable");
    std::string unit = "the unit of both lengths: " + unit_list(true) +
                       "; for --measure, --trim, --stub and --which-stub the unit of LENGTH as "
                       "well, which in ";
    unit += length_unit_name(length_unit::feet_inches);
    unit += " is written 12'3.5\" or 12ft 3.5in";
    text += option_help("--unit UNIT", unit);
    text += "\noptions of --stub and --which-stub (the first five also of --batch):\n";
    for (const stub_option_help& option : stub_option_helps()) {
        text += option_help(option.option, option.description);
    }
    text += help_after_options;
    return text;
}

std::string unit_names() {
    return unit_list(false);
}

} // namespace ridi::cli
