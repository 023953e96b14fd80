#!/usr/bin/env python3
"""Runs the benchmark programs of the 64-bit flavor under Wine and prints one
table: entry, measure, value, target, verdict."""
import os
import subprocess
import sys

import download_bench
import files_bench

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "win64", "bin")

# (entry, measure) -> (limit, description); a value at or below the limit passes.
TARGETS = {
    ("engine walk+execute", "10,000 tags"): (50.0, "< 50 ms"),
    ("engine walk+execute", "100,000 / 10,000"): (12.0, "<= 12 x"),
    (download_bench.ENTRY, "curl / DownloadWithProgress"): (2.0, "<= 2 x (half of curl's speed)"),
    ("unpack 200 MiB", "tag / unzip"): (1.2, "<= 1.2 x"),
    ("unpack 200 MiB", "peak working set above idle (worst run)"): (16.0, "<= 16 MiB"),
    ("copy 1 GiB", "CopyWithProgress / cp"): (1.2, "<= 1.2 x"),
}


def run_program(name, *args):
    out = subprocess.run([os.path.join(ROOT, "scripts", "wine"), os.path.join(BIN, name + ".exe"), *args],
                         check=True, capture_output=True, text=True).stdout
    rows = []
    for line in out.splitlines():
        parts = line.split("\t")
        if len(parts) == 5 and parts[0] == "row":
            rows.append(parts[1:])
    return rows


# Benchmarks that need more than their program: name -> rows.
BENCHMARKS = {
    "engine_bench": lambda: run_program("engine_bench"),
    "net_bench": lambda: download_bench.run(run_program, os.path.dirname(BIN)),
    # Runs programs and Linux tools side by side on the same disk.
    "files_bench": lambda: files_bench.rows(run_program),
}


def main():
    programs = sys.argv[1:] or list(BENCHMARKS)
    rows = []
    for program in programs:
        rows.extend(BENCHMARKS[program]() if program in BENCHMARKS else run_program(program))
    failed = False
    header = ("entry", "measure", "value", "target", "verdict")
    table = [header]
    for entry, measure, value, unit in rows:
        target = TARGETS.get((entry, measure))
        verdict = ""
        if target:
            ok = float(value) <= target[0]
            failed |= not ok
            verdict = "ok" if ok else "MISSED"
        table.append((entry, measure, value + " " + unit, target[1] if target else "", verdict))
    widths = [max(len(row[i]) for row in table) for i in range(len(header))]
    for row in table:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
