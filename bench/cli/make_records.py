#!/usr/bin/env python3
"""Writes random, valid measurement records for the batch modes of kthread-calc.

Usage: make_records.py {jsonl|csv} COUNT [SEED] > file

The records cover the four thread types with their methods, the three given quantities, forces
with and without deformation correction and asymmetric flanks, in the record's own units.
"""
import json
import math
import random
import sys

FIELDS = ["ThreadType", "GivenQty", "MeasMode", "Pitch", "Starts", "Force", "DeformCorr",
          "ProbePoisson", "ThreadPoisson", "ProbeModulus", "ThreadModulus", "TaperRatio",
          "FlankAngle1", "FlankAngle2", "ProbeDiam", "SizeCtr", "SizeOver", "PitchDiam"]
METHODS = {0: 3, 1: 2, 2: 2, 3: 1}


def record(rng):
    thread = rng.randrange(4)
    given = rng.randrange(3)
    pitch = rng.uniform(0.25, 6.0)
    flank1 = math.radians(rng.uniform(25.0, 32.0))
    flank2 = math.radians(rng.uniform(25.0, 32.0)) if rng.random() < 0.3 else flank1
    half = (flank1 + flank2) / 2
    probe = pitch / (2 * math.cos(half)) * rng.uniform(0.85, 1.15)
    # Diameters of 6 to 40 pitches, as real threads have; far smaller ones make the
    # contact-angle iteration crawl and would measure the engine's worst case instead.
    diameter = pitch * rng.uniform(6.0, 40.0)
    ruby = thread in (1, 3)
    values = {
        "ThreadType": thread,
        "GivenQty": given,
        "MeasMode": rng.randrange(METHODS[thread]),
        "Pitch": pitch,
        "Starts": float(rng.choice((1, 1, 1, 2, 3))),
        "Force": rng.choice((0.0, rng.uniform(0.5, 3.0))),
        "ProbePoisson": 0.25 if ruby else 0.3,
        "ThreadPoisson": rng.uniform(0.25, 0.35),
        "ProbeModulus": 4.0e11 if ruby else 2.5e11,
        "ThreadModulus": rng.uniform(70.0, 250.0) * 1e9,
        "TaperRatio": 0.0625 if thread == 2 else 0.0,
        "FlankAngle1": flank1,
        "FlankAngle2": flank2,
        "ProbeDiam": probe,
    }
    if given == 0:
        values["SizeCtr"] = diameter
    elif given == 1:
        values["SizeOver"] = diameter + probe
    else:
        values["PitchDiam"] = diameter
    return values


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[1] not in ("jsonl", "csv"):
        sys.exit(__doc__)
    fmt, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) == 4 else 1)
    out = sys.stdout
    if fmt == "csv":
        out.write(",".join(FIELDS) + "\n")
    for _ in range(count):
        values = record(rng)
        if fmt == "jsonl":
            out.write(json.dumps(values) + "\n")
        else:
            out.write(",".join(repr(values.get(name, 0)) for name in FIELDS) + "\n")


if __name__ == "__main__":
    main()
