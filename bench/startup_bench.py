#!/usr/bin/env python3
"""Start-up: orvantis and a bare Qt window of the same size, each from its
start to its first painted window and a normal quit, taken in turns; prints
the medians of wall time and peak memory and the ratios orvantis / bare.
   bench/startup_bench.py [BUILD_FOLDER] [RUNS]      (default build/release, 21)
Offscreen, with a settings folder of its own."""
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
programs = {"orvantis": os.path.join(build, "app", "orvantis"),
            "bare": os.path.join(build, "bench", "bare_window")}


def run(path, environment):
    start = time.perf_counter()
    process = subprocess.Popen([path], env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{path} ended with status {status}")
    return wall, usage.ru_maxrss  # seconds, KiB


with tempfile.TemporaryDirectory() as settings:
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=settings,
                       ORVANTIS_QUIT_WHEN_PAINTED="1")
    results = {name: [] for name in programs}
    for _ in range(runs):
        for name, path in programs.items():
            results[name].append(run(path, environment))

median = {name: (statistics.median(w for w, _ in r), statistics.median(m for _, m in r))
          for name, r in results.items()}
for name, (wall, memory) in median.items():
    print(f"{name:10} wall {wall * 1000:7.1f} ms   peak memory {memory / 1024:6.1f} MiB")
print(f"ratio      wall {median['orvantis'][0] / median['bare'][0]:7.2f}      "
      f"peak memory {median['orvantis'][1] / median['bare'][1]:6.2f}   (medians of {runs})")
