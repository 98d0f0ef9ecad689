#!/usr/bin/env python3
"""orvc convert - (text and --json, from a file and through a pipe) against
dateutils' dconv -f jdn on the same 100,000 random Gregorian dates (years 1601
to 4000, the years dconv reads), taken in turns: prints the median wall time
of each and the ratios to dconv, and the piped run's ratio to the file's.
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


def timed(command, path, piped=False):
    """Wall time of the command reading the file, as its standard input or
    through a pipe from cat (as `cat f | orvc convert -`)."""
    env = dict(os.environ, LC_ALL="C")
    start = time.perf_counter()
    if piped:
        cat = subprocess.Popen(["cat", path], stdout=subprocess.PIPE)
        subprocess.run(command, stdin=cat.stdout, stdout=subprocess.DEVNULL, check=True, env=env)
        cat.stdout.close()
        cat.wait()
    else:
        with open(path) as source:
            subprocess.run(command, stdin=source, stdout=subprocess.DEVNULL, check=True, env=env)
    return time.perf_counter() - start


with tempfile.TemporaryDirectory() as folder:
    ours = os.path.join(folder, "orvc.txt")
    theirs = os.path.join(folder, "dconv.txt")
    with open(ours, "w") as f:
        f.writelines(f"{y}-{m:02}-{d:02} CE\n" for y, m, d in dates)
    with open(theirs, "w") as f:
        f.writelines(f"{y:04}-{m:02}-{d:02}\n" for y, m, d in dates)
    orvc = os.path.join(build, "cli", "orvc")
    commands = {"orvc convert -": ([orvc, "convert", "-"], ours, False),
                "cat | orvc convert -": ([orvc, "convert", "-"], ours, True),
                "orvc convert --json -": ([orvc, "convert", "--json", "-"], ours, False),
                "dconv -f jdn": ([dconv, "-f", "jdn"], theirs, False)}
    times = {name: [] for name in commands}
    for _ in range(runs):
        for name, (command, path, piped) in commands.items():
            times[name].append(timed(command, path, piped))

medians = {name: statistics.median(t) for name, t in times.items()}
yardstick = medians["dconv -f jdn"]
for name, seconds in medians.items():
    print(f"{name:22} {seconds * 1000:8.1f} ms   {seconds * 1e6 / len(dates):6.2f} us a line"
          f"   {seconds / yardstick:6.2f}x dconv")
piped = medians["cat | orvc convert -"] / medians["orvc convert -"]
print(f"piped / file: {piped:.2f}x")
print(f"(medians of {runs}; targets: orvc within 3x dconv, piped within 1.1x the file)")
