#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""debian/copyright says of every file what its REUSE information says.

For each file `reuse spdx` lists, the Files paragraph of debian/copyright that governs it (the
last one whose pattern matches, "*" standing for any characters and "?" for one, as in Debian's
format 1.0) must name the same licences and the same copyright lines. Every licence named must
have a License paragraph with its text, and every pattern must match a file.

Argument: the source folder. Prints a line for each difference, with what to change, and exits
with status 1 when there is one.
"""

import re
import subprocess
import sys

source = sys.argv[1]
problems = []


def paragraphs(text):
    """The deb822 paragraphs of a text, each a dict of field to value (continuations kept)."""
    found = []
    for block in re.split(r"\n\s*\n", text.strip()):
        fields, name = {}, None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and name:
                fields[name] += "\n" + line.strip()
            elif ":" in line:
                name, value = line.split(":", 1)
                fields[name] = value.strip()
        found.append(fields)
    return found


def holders(lines):
    """The holders of notices, each with its tag or word and sign before the year taken off."""
    stripped = (re.sub(r"^(SPDX-FileCopyrightText:|Copyright)\s*(\(c\)|©)?\s*", "", line.strip())
                for line in lines)
    return sorted({line for line in stripped if line and line != "."})


def licences(expression):
    """The licence names of an expression, without its operators."""
    return sorted({word for word in re.split(r"[\s()]+", expression)
                   if word and word.lower() not in ("and", "or", "with")})


def pattern_regex(pattern):
    return re.compile("".join(".*" if c == "*" else "." if c == "?" else re.escape(c)
                              for c in pattern) + r"\Z")


with open(f"{source}/debian/copyright", encoding="utf-8") as copyright_file:
    stanzas = paragraphs(copyright_file.read())
files_stanzas = [(stanza, [pattern_regex(p) for p in stanza["Files"].split()])
                 for stanza in stanzas if "Files" in stanza]
licence_texts = {stanza["License"].split("\n")[0] for stanza in stanzas
                 if "License" in stanza and "Files" not in stanza and "\n" in stanza["License"]}

spdx = subprocess.run(["reuse", "--root", source, "spdx"], capture_output=True, text=True,
                      check=True).stdout
files = {}
for block in re.split(r"\n(?=FileName: )", spdx)[1:]:
    name = re.search(r"^FileName: \./(.*)$", block, re.M).group(1)
    texts = re.findall(r"^FileCopyrightText: <text>(.*?)</text>", block, re.M | re.S)
    files[name] = (sorted(set(re.findall(r"^LicenseInfoInFile: (\S+)", block, re.M))),
                   holders("\n".join(texts).splitlines()))

used_patterns = set()
for name, (reuse_licences, reuse_holders) in sorted(files.items()):
    governing = None
    for stanza, regexes in files_stanzas:
        for regex in regexes:
            if regex.match(name):
                governing = stanza
                used_patterns.add(regex.pattern)
    if governing is None:
        problems.append(f"{name}: no Files paragraph of debian/copyright matches it; add one")
        continue
    where = f"debian/copyright (Files: {governing['Files']})"
    named = licences(governing["License"].split("\n")[0])
    if named != reuse_licences:
        problems.append(f"{name}: its REUSE information says {' '.join(reuse_licences) or 'nothing'}"
                        f", {where} says {' '.join(named)}: give it a Files paragraph of its own in "
                        "debian/copyright, or correct its SPDX-License-Identifier")
    if holders(governing.get("Copyright", "").splitlines()) != reuse_holders:
        problems.append(f"{name}: its copyright is {'; '.join(reuse_holders) or 'not given'}, "
                        f"{where} says {governing.get('Copyright', 'nothing')}: make the two agree")

for stanza, regexes in files_stanzas:
    for licence in licences(stanza["License"].split("\n")[0]):
        if licence not in licence_texts:
            problems.append(f"debian/copyright names {licence} but has no License paragraph with "
                            "its text; add one")
    for regex in regexes:
        if regex.pattern not in used_patterns:
            problems.append(f"debian/copyright: the pattern of Files: {stanza['Files']} matches no "
                            "file, or only files a later paragraph governs; remove it")

for problem in sorted(set(problems)):
    print("FAIL", problem)
if problems:
    sys.exit(1)
print(f"copyright_matches_reuse: debian/copyright says what REUSE says of all {len(files)} files")
