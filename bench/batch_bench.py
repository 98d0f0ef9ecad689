#!/usr/bin/env python3
"""orvc convert - against GNU date -f on the same 100,000 random dates
(years 1 to 9999): prints the median wall time of each and the ratio.
   bench/batch_bench.py [BUILD_FOLDER] [RUNS]      (default build/release, 5)"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
random.seed(1721426)
dates = [(random.randint(1, 9999), random.randint(1, 12), random.randint(1, 28))
         for _ in range(100_000)]


def timed(command, path):
    with open(path) as source:
        start = time.perf_counter()
        subprocess.run(command, stdin=source, stdout=subprocess.DEVNULL, check=True,
                       env=dict(os.environ, LC_ALL="C"))
        return time.perf_counter() - start


with tempfile.TemporaryDirectory() as folder:
    ours = os.path.join(folder, "orvc.txt")
    gnu = os.path.join(folder, "date.txt")
    with open(ours, "w") as f:
        f.writelines(f"{y}-{m:02}-{d:02} CE\n" for y, m, d in dates)
    with open(gnu, "w") as f:
        f.writelines(f"{y:04}-{m:02}-{d:02}\n" for y, m, d in dates)
    orvc = [os.path.join(build, "cli", "orvc"), "convert", "-"]
    times = {"orvc convert -": [], "date -f": []}
    for _ in range(runs):
        times["orvc convert -"].append(timed(orvc, ours))
        times["date -f"].append(timed(["date", "-f", gnu], gnu))

medians = {name: statistics.median(t) for name, t in times.items()}
for name, seconds in medians.items():
    print(f"{name:16} {seconds * 1000:8.1f} ms   {seconds * 1e6 / len(dates):6.2f} us a line")
print(f"ratio            {medians['orvc convert -'] / medians['date -f']:8.2f}   (medians of {runs})")
