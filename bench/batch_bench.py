#!/usr/bin/env python3
"""orvc convert - (text and --json) against dateutils' dconv -f jdn on the same
100,000 random Gregorian dates (years 1601 to 4000, the years dconv reads),
taken in turns: prints the median wall time of each and the ratios to dconv.
   bench/batch_bench.py [BUILD_FOLDER] [RUNS]      (default build/release, 5)
dconv comes with Debian's dateutils package (/usr/bin/dateutils.dconv)."""
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
dconv = shutil.which("dateutils.dconv") or shutil.which("dconv")
if not dconv:
    sys.exit("dconv not found: apt-get install dateutils")
random.seed(1721426)
dates = [(random.randint(1601, 4000), random.randint(1, 12), random.randint(1, 28))
         for _ in range(100_000)]


def timed(command, path):
    with open(path) as source:
        start = time.perf_counter()
        subprocess.run(command, stdin=source, stdout=subprocess.DEVNULL, check=True,
                       env=dict(os.environ, LC_ALL="C"))
        return time.perf_counter() - start


with tempfile.TemporaryDirectory() as folder:
    ours = os.path.join(folder, "orvc.txt")
    theirs = os.path.join(folder, "dconv.txt")
    with open(ours, "w") as f:
        f.writelines(f"{y}-{m:02}-{d:02} CE\n" for y, m, d in dates)
    with open(theirs, "w") as f:
        f.writelines(f"{y:04}-{m:02}-{d:02}\n" for y, m, d in dates)
    orvc = os.path.join(build, "cli", "orvc")
    commands = {"orvc convert -": ([orvc, "convert", "-"], ours),
                "orvc convert --json -": ([orvc, "convert", "--json", "-"], ours),
                "dconv -f jdn": ([dconv, "-f", "jdn"], theirs)}
    times = {name: [] for name in commands}
    for _ in range(runs):
        for name, (command, path) in commands.items():
            times[name].append(timed(command, path))

medians = {name: statistics.median(t) for name, t in times.items()}
yardstick = medians["dconv -f jdn"]
for name, seconds in medians.items():
    print(f"{name:22} {seconds * 1000:8.1f} ms   {seconds * 1e6 / len(dates):6.2f} us a line"
          f"   {seconds / yardstick:6.2f}x dconv")
print(f"(medians of {runs}; target: orvc within 3x dconv)")
