#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""ridi-calc's stubs against scikit-rf, the RF field's library, on generated cases.

Each case is a stub (open or shorted; catalogue cable or own factor; cut for a frequency or typed
as a length in any unit; one or two loss figures, a dip, or none; a Tee allowance; own
impedances). scikit-rf computes it as a two-port: the stub is a line of its own impedance, open
or shorted, whose input impedance stands across the line as a shunt load, and the insertion loss
is -20 log10 |S21|. Two traps of Debian 12's scikit-rf 0.15.4 are kept clear of:
DefinedGammaZ0 ignores Z0 when z0 is given (so the stub's line has z0 = Zc, its own impedance),
and renormalize fails with Debian's numpy (so nothing is renormalised). The loss of a dip is found
here by bisection on scikit-rf's |Zin| at the dip, not by the formula ridi-calc uses.

Checked: every point of `ridi-calc --stub ... --sweep` (within the 0.0005 dB its three decimals
carry), and the least and the most loss of the band table (within the 0.05 dB of its one
decimal) against scikit-rf on a fine grid of each band.

Arguments: the ridi-calc program. Exits 77 (skipped) where scikit-rf is not installed.
"""

import math
import random
import subprocess
import sys
import warnings

try:
    warnings.simplefilter("ignore")
    import logging

    logging.disable(logging.WARNING)  # "matplotlib not found while setting up plotting"
    import numpy as np
    import skrf
except ImportError as missing:
    print(f"SKIPPED: scikit-rf is not installed ({missing}); on Debian: apt-get install "
          "python3-scikit-rf")
    sys.exit(77)

ridi_calc = sys.argv[1]
failures = []

# The catalogue's factors as the calculation multiplies with them (single precision), and the
# cables' nominal impedances.
catalogue = {"RG-58": 0.66, "RG-213": 0.66, "RG-174": 0.66, "RG-11": 0.66, "RG-316": 0.70,
             "H155": 0.79, "H100": 0.84}
# A length typed in a unit, in metres, rounded as ridi-calc converts it (1 in = 127/5000 m).
to_metres = {"m": lambda x: x, "cm": lambda x: x / 100, "mm": lambda x: x / 1000,
             "in": lambda x: x * 127 / 5000, "ft": lambda x: x * 381 / 1250}
nepers_per_db = math.log(10) / 20


def stub_loss(f_mhz, length, vf, k1, k2, zc, z0, shorted):
    """Insertion loss in dB at each frequency, from scikit-rf."""
    f = np.atleast_1d(np.asarray(f_mhz, dtype=float))
    freq = skrf.Frequency.from_f(f * 1e6, unit="hz")
    alpha = nepers_per_db * (k1 * np.sqrt(f) + k2 * f) / 100
    beta = 2 * np.pi * f / (vf * 300.0)
    line = skrf.media.DefinedGammaZ0(frequency=freq, z0=zc, gamma=alpha + 1j * beta)
    stub = line.line(length, "m") ** (line.short() if shorted else line.open())
    gamma_in = stub.s[:, 0, 0]
    zs = zc * (1 + gamma_in) / (1 - gamma_in)
    tee = skrf.media.DefinedGammaZ0(frequency=freq, z0=z0)
    shunt = tee.shunt(tee.load((zs - z0) / (zs + z0)))
    return -20 * np.log10(np.abs(shunt.s[:, 1, 0])), zs


def k1_from_dip(ohms, length, vf, zc, shorted):
    """The sqrt(f) loss term that makes scikit-rf's |Zin| at the first dip `ohms`."""
    dip_mhz = vf * 75 / length * (2 if shorted else 1)
    low, high = 0.0, 1e4
    for _ in range(64):
        middle = (low + high) / 2
        zs = stub_loss(dip_mhz, length, vf, middle, 0.0, zc, 50.0, shorted)[1][0]
        low, high = (middle, high) if abs(zs) < ohms else (low, middle)
    return (low + high) / 2


def run(args):
    done = subprocess.run([ridi_calc] + args, capture_output=True, text=True)
    if done.returncode != 0:
        failures.append(f"{args}: status {done.returncode}: {done.stderr.strip()}")
        return None
    return done.stdout


def generated_cases(count):
    chance = random.Random(31)
    for number in range(count):
        case = {"shorted": chance.random() < 0.5, "args": []}
        if chance.random() < 0.7:
            cable = chance.choice(sorted(catalogue))
            case["vf"] = float(np.float32(catalogue[cable]))
            case["zc"] = 75.0 if cable == "RG-11" else 50.0
            cable_args = [cable]
        else:
            case["vf"] = round(chance.uniform(0.6, 0.95), 3)
            case["zc"] = 50.0
            cable_args = ["--vf", repr(case["vf"])]
        end = "shorted" if case["shorted"] else "open"
        unit = chance.choice(sorted(to_metres))
        if chance.random() < 0.5:
            mhz = round(math.exp(chance.uniform(math.log(1.8), math.log(450))), 3)
            quarters = chance.randint(1, 4)
            length = case["vf"] * ((300 / mhz) * (quarters / 4))
            case["args"] = ["--stub", end, repr(mhz), str(quarters)] + cable_args
        else:
            typed = round(chance.uniform(0.05, 40) / to_metres[unit](1.0), 2)
            length = to_metres[unit](typed)
            case["args"] = ["--stub", end, "--length", repr(typed)] + cable_args
        case["args"] += ["--unit", unit]
        if chance.random() < 0.3:
            tee = round(chance.uniform(0.0, 0.05) / to_metres[unit](1.0), 3)
            length += to_metres[unit](tee)
            case["args"] += ["--tee", repr(tee)]
        case["length"] = length
        case["z0"] = 50.0
        if chance.random() < 0.2:
            case["z0"] = chance.choice([50.0, 75.0])
            case["zc"] = chance.choice([50.0, 75.0, 93.0])
            case["args"] += ["--z0", repr(case["z0"]), "--zc", repr(case["zc"])]
        kind = chance.random()
        case["k1"], case["k2"] = 0.0, 0.0
        if kind < 0.5:
            db, at = round(chance.uniform(2, 60), 1), chance.choice([10, 100, 400])
            case["k1"] = db / math.sqrt(at)
            case["args"] += ["--loss", f"{db}@{at}"]
        elif kind < 0.75:
            low_db = round(chance.uniform(3, 30), 1)
            high_db = round(low_db * chance.uniform(2.05, 3.9), 1)
            case["args"] += ["--loss", f"{low_db}@100,{high_db}@400"]
            det = math.sqrt(100) * 400 - math.sqrt(400) * 100
            case["k1"] = (low_db * 400 - high_db * 100) / det
            case["k2"] = max((math.sqrt(100) * high_db - math.sqrt(400) * low_db) / det, 0.0)
        elif kind < 0.9:
            ohms = round(chance.uniform(0.3, 8), 2)
            case["args"] += ["--dip", repr(ohms)]
            case["k1"] = k1_from_dip(ohms, length, case["vf"], case["zc"], case["shorted"])
        yield case


def check_sweep(case):
    count, low, high = 150, 1.8, 450.0
    output = run(case["args"] + ["--sweep", str(count), "--from", repr(low), "--to", repr(high)])
    if output is None:
        return 0
    rows = [line.split("\t") for line in output.splitlines() if not line.startswith("#")]
    # The frequencies as ridi-calc spreads them, evenly on a log scale, the ends as typed; what
    # it prints of them, to the Hz.
    step = (math.log(high) - math.log(low)) / (count - 1)
    mhz = np.array([low] + [math.exp(math.log(low) + step * i) for i in range(1, count - 1)] +
                   [high])
    printed = np.array([float(row[0]) for row in rows])
    if len(rows) != count or np.max(np.abs(printed - mhz)) > 5e-7 + 1e-12:
        failures.append(f"{' '.join(case['args'])}: not the {count} frequencies of the range")
        return 0
    ours = np.array([float(row[1]) for row in rows])
    theirs = stub_loss(mhz, case["length"], case["vf"], case["k1"], case["k2"], case["zc"],
                       case["z0"], case["shorted"])[0]
    # A lossless notch hit within a hair has a depth no rounding of the frequency keeps.
    compared = theirs < 60
    worst = np.max(np.abs(ours - theirs)[compared], initial=0.0)
    if worst > 0.0005 + 1e-9:
        failures.append(f"{' '.join(case['args'])}: the sweep is {worst:.6f} dB off scikit-rf")
    return int(np.count_nonzero(compared))


def check_bands(case):
    output = run(case["args"])
    if output is None or case["k1"] == 0.0:
        return 0  # without a loss figure a notch's depth is not known
    checked = 0
    for line in output.splitlines():
        fields = line.split()
        if len(fields) < 6 or not fields[1] in ("m", "cm"):
            continue
        low, high, least, most = (float(value) for value in fields[2:6])
        grid = np.linspace(low, high, 2001)
        theirs = stub_loss(grid, case["length"], case["vf"], case["k1"], case["k2"], case["zc"],
                           case["z0"], case["shorted"])[0]
        for name, ours, reference in (("least", least, theirs.min()), ("most", most, theirs.max())):
            # The grid may step over a notch's peak by a little: the band's own resonances are
            # among ridi-calc's points, not the grid's.
            if abs(ours - reference) > 0.05 + 1e-9 and not (name == "most" and ours > reference):
                failures.append(f"{' '.join(case['args'])}: {fields[0]} m {name} {ours} dB, "
                                f"scikit-rf {reference:.3f}")
        checked += 1
    return checked


points = bands = 0
for number, case in enumerate(generated_cases(60)):
    points += check_sweep(case)
    if number % 4 == 0:  # the bands of a fourth of them: scikit-rf takes its time
        bands += check_bands(case)
for failure in failures:
    print("FAIL", failure)
print(f"stub_reference: {points} points and {bands} bands against scikit-rf, "
      f"{len(failures)} failed")
sys.exit(1 if failures else 0)
