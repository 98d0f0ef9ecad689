#!/usr/bin/env python3
"""orvc convert - (text and --json, from a file and through a pipe) against
dateutils' dconv -f jdn on the same 100,000 random Gregorian dates (years 1601
to 4000, the years dconv reads), taken in turns: prints the median wall time
of each and the ratios to dconv, and the piped run's ratio to the file's.
Then the one-field runs, each beside its peer doing the same work:
--to jdn and --csv --to jdn beside dconv -f jdn, --to iso-week beside
dconv -f '%G-W%V-%u', and --to hebrew, persian and islamic beside Node's
Intl.DateTimeFormat in the hebrew, persian and islamic-civil calendars
(bench/intl_bench.js). Each orvc run's output is checked against its peer's
before any is timed.
   bench/batch_bench.py [BUILD_FOLDER] [RUNS]      (default build/release, 5)
dconv comes with Debian's dateutils package (/usr/bin/dateutils.dconv); node
with Debian's nodejs, installed only for this benchmark (without it the Intl
rows are left out)."""
import csv
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))

build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
dconv = shutil.which("dateutils.dconv") or shutil.which("dconv")
if not dconv:
    sys.exit("dconv not found: apt-get install dateutils")
node = shutil.which("node") or shutil.which("nodejs")
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


def output(command, path):
    """What the command writes reading the file, as lines."""
    with open(path) as source:
        return subprocess.run(command, stdin=source, capture_output=True, check=True, text=True,
                              env=dict(os.environ, LC_ALL="C")).stdout.splitlines()


def check_jdn(ours, theirs):
    # dconv's "jdn" is the Julian Date of the day's 0 h (2460389.500000); orvc's the day number.
    return len(ours) == len(theirs) and all(int(o) == float(t) + 0.5 for o, t in zip(ours, theirs))


def check_csv_jdn(ours, theirs):
    rows = list(csv.reader(ours))
    return (rows[0] == ["line", "jdn", "error"] and len(rows) == len(theirs) + 1
            and all(r[0] == str(i) and r[2] == "" for i, r in enumerate(rows[1:], 1))
            and check_jdn([r[1] for r in rows[1:]], theirs))


def check_same(ours, theirs):
    return ours == theirs


def check_count(ours, theirs):
    # Formatted differently (month names, eras), so only the count of dates; a date outside
    # the calendar's range (the Persian table ends in 4000 CE) is an empty field, as orvc writes it.
    blank = ours.count("")
    if blank:
        notes.append(f"{blank} of the dates are outside the calendar's range (an empty field)")
    return len(ours) == len(theirs) == len(dates) and all(theirs)


notes = []
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
    old_rows = list(commands)
    # The one-field runs: (orvc's name, command), (its peer's name, command), the check of
    # orvc's output against the peer's, the target as the highest ratio orvc / peer.
    intl = ([node, os.path.join(HERE, "intl_bench.js")] if node else None)
    pairs = [("orvc convert --to jdn -", [orvc, "convert", "--to", "jdn", "-"],
              "dconv -f jdn", [dconv, "-f", "jdn"], check_jdn, 1.2),
             ("orvc convert --csv --to jdn -", [orvc, "convert", "--csv", "--to", "jdn", "-"],
              "dconv -f jdn", [dconv, "-f", "jdn"], check_csv_jdn, 1.2),
             ("orvc convert --to iso-week -", [orvc, "convert", "--to", "iso-week", "-"],
              "dconv -f %G-W%V-%u", [dconv, "-f", "%G-W%V-%u"], check_same, 1.2)]
    for key, calendar in (("hebrew", "hebrew"), ("persian", "persian"),
                          ("islamic", "islamic-civil")):
        peer = f"Intl {calendar}"
        if intl is None:
            notes.append(f"{peer}: node not found (apt-get install nodejs), row left out")
            continue
        pairs.append((f"orvc convert --to {key} -", [orvc, "convert", "--to", key, "-"],
                      peer, intl + [calendar, theirs], check_count, 0.2))
    # A calendar defined by a file (shipped with orvc) beside a built-in arithmetic one: the
    # Coptic and the 128-year rule beside the Islamic (target: within 2x).
    for key in ("coptic", "rule-128"):
        pairs.append((f"orvc convert --to {key} -", [orvc, "convert", "--to", key, "-"],
                      "orvc convert --to islamic -", [orvc, "convert", "--to", "islamic", "-"],
                      check_count, 2.0))
    checked = []
    for name, command, peer, peer_command, check, target in pairs:
        try:
            peer_lines = output(peer_command, theirs)
        except subprocess.CalledProcessError as error:
            notes.append(f"{peer}: failed ({error.stderr.strip()}), row left out")
            continue
        before = len(notes)
        if not check(output(command, ours), peer_lines):
            sys.exit(f"{name} does not write what {peer} writes: not the same work")
        notes[before:] = [f"{name}: {note}" for note in notes[before:]]
        checked.append((name, peer, target))
        commands[name] = (command, ours, False)
        commands.setdefault(peer, (peer_command, theirs, False))
    times = {name: [] for name in commands}
    for _ in range(runs):
        for name, (command, path, piped) in commands.items():
            times[name].append(timed(command, path, piped))

medians = {name: statistics.median(t) for name, t in times.items()}
yardstick = medians["dconv -f jdn"]
for name in old_rows:
    seconds = medians[name]
    print(f"{name:22} {seconds * 1000:8.1f} ms   {seconds * 1e6 / len(dates):6.2f} us a line"
          f"   {seconds / yardstick:6.2f}x dconv")
piped = medians["cat | orvc convert -"] / medians["orvc convert -"]
print(f"piped / file: {piped:.2f}x")
print(f"(medians of {runs}; targets: orvc within 3x dconv, piped within 1.1x the file)")

print()
print(f"{'one field a line':30} {'wall':>10} {'a line':>12} {'/ peer':>7}  {'peer':20} target")
for name, peer, target in checked:
    seconds, peer_seconds = medians[name], medians[peer]
    ratio = seconds / peer_seconds
    goal = f"<= {target:.2f}" + (f" ({1 / target:.0f}x faster)" if target < 1 else "")
    print(f"{name:30} {seconds * 1000:7.1f} ms {seconds * 1e6 / len(dates):6.2f} us"
          f" {ratio:7.2f}  {peer:20} {goal:22} {'met' if ratio <= target else 'NOT MET'}"
          + (f" ({1 / ratio:.1f}x faster)" if target < 1 else ""))
for name in dict.fromkeys(peer for _, peer, _ in checked):
    seconds = medians[name]
    print(f"{name:30} {seconds * 1000:7.1f} ms {seconds * 1e6 / len(dates):6.2f} us")
for note in notes:
    print(note)
