#!/usr/bin/env python3
"""Builds random race days, runs `turfwise-cli analyse` and oracle.py on each
and compares every value of the two JSON outputs (numbers exactly).

Usage: compare.py [--cli PATH] [--days N] [--seed S] [--keep DIR] [--data-day DIR DAYNAME]...
Exit status 0 when everything agrees, 1 on any disagreement, 77 when the
command-line program is missing.
"""

import argparse
import collections
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import oracle  # noqa: E402
import random_days  # noqa: E402


def walk(a, b, path, out):
    if isinstance(a, dict) and isinstance(b, dict):
        for k in sorted(set(a) | set(b)):
            if k not in a or k not in b:
                out.append((path + "." + k, a.get(k, "<missing>"), b.get(k, "<missing>")))
            else:
                walk(a[k], b[k], path + "." + k, out)
    elif isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            out.append((path + ".length", len(a), len(b)))
        for i, (x, y) in enumerate(zip(a, b)):
            walk(x, y, "%s[%d]" % (path, i), out)
    elif isinstance(a, bool) or isinstance(b, bool):
        if a is not b:
            out.append((path, a, b))
    elif isinstance(a, (int, float)) and isinstance(b, (int, float)):
        if float(a) != float(b):
            out.append((path, a, b))
    elif a != b:
        out.append((path, a, b))


def generic(path):
    return re.sub(r"\[\d+\]", "[]", path)


def odds_files_created(folder, day):
    """The program creates missing odds files of a day of more than 6 race lines."""
    problems = []
    with open(os.path.join(folder, day + ".jvRA"), "rb") as f:
        data = f.read()
    lines = data.split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    if len(lines) <= 6:
        return problems
    for ext, width in ((".jvO1", 960), (".jvO2", 2040)):
        p = os.path.join(folder, day + ext)
        if not os.path.isfile(p):
            problems.append("%s not created" % ext)
    return problems


def run_one(cli, folder, day, stats, examples, raw_examples):
    expected = oracle.day_json(folder, day)  # before the program creates missing files
    before = {e: os.path.isfile(os.path.join(folder, day + e)) for e in (".jvO1", ".jvO2")}
    proc = subprocess.run([cli, "analyse", "--data", folder, "--day", day], capture_output=True)
    # 3: analysed, with damaged day files (the random days damage some on purpose).
    if proc.returncode not in (0, 3):
        stats["cli failures"] += 1
        examples.setdefault("cli failure", []).append((folder, proc.stderr.decode("utf-8", "replace")))
        return False
    actual = json.loads(proc.stdout.decode("utf-8"))
    diffs = []
    walk(actual, expected, "", diffs)
    if not all(before.values()):
        for p in odds_files_created(folder, day):
            diffs.append(("files", p, "created"))
    for path, a, b in diffs:
        g = generic(path)
        stats[g] += 1
        if len(examples.setdefault(g, [])) < 5:
            examples[g].append((folder, day, path, a, b))
        if isinstance(a, float) and isinstance(b, float):
            d = abs(a - b)
            cur = raw_examples.get(g)
            if cur is None or d < cur[0]:
                raw_examples[g] = (d, a, b)
    return not diffs


def main(argv):
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", default=os.path.join(HERE, "..", "..", "build", "app", "turfwise-cli"))
    ap.add_argument("--days", type=int, default=200)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--keep", help="folder for the generated days (kept)")
    ap.add_argument("--data-day", nargs=2, action="append", default=[], metavar=("DIR", "DAYNAME"),
                    help="also compare an existing day (the folder is copied first)")
    args = ap.parse_args(argv)
    if not os.path.isfile(args.cli):
        print("compare: no program at %s (build turfwise-cli first)" % args.cli)
        return 77

    work = args.keep or tempfile.mkdtemp(prefix="tw_oracle_")
    os.makedirs(work, exist_ok=True)
    stats = collections.Counter()
    examples, closest = {}, {}
    agreed = total = races = 0
    import random
    rng = random.Random(args.seed)
    jobs = []
    for d in range(args.days):
        folder = os.path.join(work, "d%04d" % d)
        os.makedirs(folder, exist_ok=True)
        jobs.append((folder, random_days.make_day(random.Random(rng.random()), folder)))
    for i, (src, day) in enumerate(args.data_day):
        folder = os.path.join(work, "given%02d" % i)
        shutil.copytree(src, folder, dirs_exist_ok=True)
        jobs.append((folder, day))
    for folder, day in jobs:
        total += 1
        j = oracle.day_json(folder, day)
        races += len(j["races"]) if j else 0
        if run_one(args.cli, folder, day, stats, examples, closest):
            agreed += 1
    print("%d of %d days agree (%d races)" % (agreed, total, races))
    for g, count in stats.most_common():
        print("\n%s: %d differences" % (g, count))
        for ex in examples[g]:
            print("   ", ex)
        if g in closest:
            d, a, b = closest[g]
            print("    smallest difference %.3g (program %r, oracle %r)" % (d, a, b))
    if not args.keep:
        shutil.rmtree(work, ignore_errors=True)
    return 0 if agreed == total else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
