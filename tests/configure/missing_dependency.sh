#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A configuration that cannot find a program it needs stops there, at once, with the one
# message that names the Debian package to install: not with a warning and a build that fails
# later, and not after going on to the next missing program.
#
# The programs are hidden from CMake: the folders of PATH and the system's are ignored
# (CMAKE_IGNORE_PATH), and PATH is a folder of links to everything in them but the hidden
# programs. The web build is configured with a stand-in for emscripten's toolchain, which only
# says EMSCRIPTEN and leaves the host's compiler, so that this runs where emscripten is not
# installed; nothing is compiled.
#   usage: missing_dependency.sh SOURCE_DIR WORK_DIR
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
echo 'set(EMSCRIPTEN 1) # a stand-in: the web build configured with the host compiler' \
    >"$work/emscripten.cmake"
web=(-DCMAKE_TOOLCHAIN_FILE="$work/emscripten.cmake" -DCMAKE_CXX_FLAGS= \
    -DCMAKE_EXE_LINKER_FLAGS= -DCMAKE_CXX_FLAGS_MINSIZEREL= -DCMAKE_EXE_LINKER_FLAGS_MINSIZEREL=)

# The folders programs are found in, and a folder of links to all of them but `hidden`.
program_dirs=()
IFS=: read -ra path_dirs <<<"$PATH"
for dir in "${path_dirs[@]}" /usr/local/bin /usr/local/sbin /usr/bin /usr/sbin /bin /sbin; do
    [ -d "$dir" ] && program_dirs+=("$dir")
done
without() { # FOLDER HIDDEN...
    local folder=$1 dir program
    shift
    mkdir -p "$folder"
    for dir in "${program_dirs[@]}"; do
        for program in "$dir"/*; do
            [[ " $* " == *" ${program##*/} "* ]] && continue
            [ -x "$program" ] && [ ! -e "$folder/${program##*/}" ] &&
                ln -s "$program" "$folder/${program##*/}"
        done
    done
}
ignored=$(IFS=';' && echo "${program_dirs[*]}")

# preset | the programs hidden, in the order the configuration looks for them | the package
# its one message names | why
rows=(
    "web|rsvg-convert pngquant|librsvg2-bin|the icons' renderer, not the library's package"
)
for row in "${rows[@]}"; do
    IFS='|' read -r preset hidden package why <<<"$row"
    without "$work/bin-$preset" $hidden
    extra=()
    [ "$preset" = web ] && extra=("${web[@]}")
    output=$(PATH=$work/bin-$preset cmake --preset "$preset" -S "$source_dir" \
        -B "$work/build-$preset" "-DCMAKE_IGNORE_PATH=$ignored" "${extra[@]}" 2>&1)
    status=$?
    # CMake indents and wraps a message: its words, one blank between each.
    words=$(tr -s ' \n' '  ' <<<"$output")
    first=${hidden%% *}
    check_equal "$preset, $why: the configuration fails" 1 "$status"
    check_equal "$preset, $why: one message, for the first program missing" 1 \
        "$(grep -o 'not found: install the Debian package' <<<"$words" | wc -l)"
    expected="the program $first not found: install the Debian package $package"
    grep -qF "$expected (apt-get install $package)" <<<"$words" ||
        fail "$preset, $why: the message names $package for $first:" \
            "$(grep -A4 'CMake Error' <<<"$output")"
done
finish
