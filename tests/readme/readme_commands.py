#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The commands the README and HACKING.md show work as written.

Every `$ ` command of a console block is run with the built ridi-calc first on PATH, and what it
prints (standard output, then standard error) must be the lines below it, where a line "..."
stands for any lines. Every other command the README shows, in a code block or inline, must name
programs that exist: a script or program of the tree is an executable file (for a build folder's
program, once that folder is built), a preset is in CMakePresets.json, and any other program is
installed; a file or folder of the tree exists. The file names of the packages carry the
project's version.

Arguments: the source folder, the ridi-calc program, and --examples-only to run the console
examples alone (as the installed package's test does, where neither the tree's programs nor the
tools are there).
"""

import os
import re
import shlex
import shutil
import subprocess
import sys

source, ridi_calc = sys.argv[1:3]
examples_only = sys.argv[3:] == ["--examples-only"]
failures = []


def fail(what):
    failures.append(what)
    print("FAIL", what)


def blocks(text):
    """(language, lines) of each fenced block."""
    found = []
    for match in re.finditer(r"^```(\w*)\n(.*?)^```", text, re.S | re.M):
        found.append((match.group(1), match.group(2).splitlines()))
    return found


def matches(expected, actual):
    """Whether the actual lines are the expected ones, "..." standing for any lines."""
    if not expected:
        return not actual
    if expected[0] == "...":
        return any(matches(expected[1:], actual[k:]) for k in range(len(actual) + 1))
    return bool(actual) and actual[0] == expected[0] and matches(expected[1:], actual[1:])


def run_console(lines):
    environment = dict(os.environ, PATH=os.path.dirname(ridi_calc) + os.pathsep + os.environ["PATH"])
    commands = []
    for line in lines:
        if line.startswith("$ "):
            commands.append((line[2:], []))
        elif commands:
            commands[-1][1].append(line)
    for command, expected in commands:
        done = subprocess.run(["bash", "-c", command], env=environment, capture_output=True,
                              text=True, timeout=60)
        actual = (done.stdout + done.stderr).splitlines()
        if not matches(expected, actual):
            fail(f"{command!r} printed:\n  " + "\n  ".join(actual))


with open(os.path.join(source, "CMakePresets.json"), encoding="utf-8") as presets_file:
    presets = set(re.findall(r'"name":\s*"([^"]+)"', presets_file.read()))

# Placeholders and words of the README's usage lines, which name no program.
not_programs = {"...", "|", "<", ">", "&&"}


def check_program(word, where):
    if "/" in word:
        path = os.path.join(source, word)
        # A folder, or a file that is no program: a data file, a page, a lock file.
        not_a_program = word.endswith("/") or re.search(r"\.(?!sh$|py$)\w+$", word)
        if re.match(r"build[^/]*/", word):
            # What a build makes: its programs, once that build is there.
            if not_a_program or not os.path.isdir(os.path.join(source, word.split("/")[0])):
                return
        elif not_a_program:
            if not os.path.exists(path):
                fail(f"{where}: there is no {word}")
            return
        if not (os.path.isfile(path) and os.access(path, os.X_OK)):
            fail(f"{where}: {word} is not an executable file")
    elif word != "ridi-calc" and shutil.which(word) is None:
        fail(f"{where}: {word} is not installed")


def check_command(command, where):
    try:
        words = shlex.split(command, comments=True)
    except ValueError:
        return
    # The programs of a pipeline or list: each word that starts a command.
    starts = True
    for i, word in enumerate(words):
        if word in ("|", "&&", ";"):
            starts = True
            continue
        if word == "--preset" and i + 1 < len(words) and words[i + 1] not in presets:
            fail(f"{where}: no preset {words[i + 1]!r} in CMakePresets.json")
        if starts and word not in not_programs and not word.isupper():
            if word in ("sudo", "xvfb-run", "env"):
                if word != "sudo":  # not needed, and often not installed, where one is root
                    check_program(word, where)
                continue  # the program it starts comes next
            if word.startswith("-"):
                continue  # an option of sudo or xvfb-run
            check_program(word, where)
            starts = False
        elif word in ("sudo", "xvfb-run"):
            starts = True


console_blocks = 0
readme = ""
for document in ("README.md", "HACKING.md"):
    with open(os.path.join(source, document), encoding="utf-8") as document_file:
        text = document_file.read()
    readme += text
    for language, lines in blocks(text):
        if language == "console":
            console_blocks += 1
            run_console(lines)
        elif language == "sh" and not examples_only:
            for line in lines:
                check_command(line, f"{document} block line {line.strip()!r}")
    # Inline commands: those that start with a program of the tree or a tool it sends to.
    for inline in [] if examples_only else re.findall(r"`([^`\n]+)`", text):
        if re.match(r"(scripts|bench|tests|build[^/ ]*)/\S|(cmake|ctest|xvfb-run) ", inline):
            check_command(inline.replace("...", "x"), f"{document} inline {inline!r}")

with open(os.path.join(source, "CMakeLists.txt"), encoding="utf-8") as lists_file:
    version = re.search(r"^\s*VERSION\s+(\S+)", lists_file.read(), re.M).group(1)
for name, named_version in re.findall(r"(ridi[_-]([0-9][0-9.]*[0-9])(?:-[0-9]+)?[_-](?:amd64|win64))", readme):
    if named_version != version:
        fail(f"the README names {name}, but the version is {version}")

if console_blocks == 0:
    fail("the README shows no console example")
print(f"readme_commands: {len(failures)} failed" if failures else "readme_commands: all passed")
sys.exit(1 if failures else 0)
