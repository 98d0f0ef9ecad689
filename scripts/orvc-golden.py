#!/usr/bin/env python3
"""Records what an orvc prints, so that two builds can be compared byte for byte
before and after a change that must not change the output:

   scripts/orvc-golden.py ORVC OUTPUT_FOLDER [LINES]
   diff -r before/ after/

Writes one file a run (standard output, standard error and exit status) for
every option set of `convert -` over the same LINES (default 20,000) varied
lines — every calendar's tag in both cases, ISO weeks, grouped and negative
years, impossible and out-of-range dates, bad tags, blank and non-UTF-8 lines,
a byte-order mark, CR LF endings — and for single runs of every command."""
import os
import random
import subprocess
import sys

if len(sys.argv) < 3:
    sys.exit(__doc__)
orvc, folder = sys.argv[1], sys.argv[2]
count = int(sys.argv[3]) if len(sys.argv) > 3 else 20_000
os.makedirs(folder, exist_ok=True)

random.seed(2460389)
TAGS = ["CE", "JC", "D", "DC", "RJ", "AM", "AH", "AP", "FR", "EN", "XX", "BC", ""]


def year():
    return random.choice([random.randint(-4800, 4100), random.randint(1, 2100),
                          random.randint(-99_999, 99_999), random.randint(5000, 6000)])


def date_line():
    kind = random.random()
    if kind < 0.70:
        tag = random.choice(TAGS)
        y = year()
        text = f"{y}-{random.randint(1, 13):02d}-{random.randint(1, 31):02d}"
        if abs(y) > 9999 and random.random() < 0.5:
            text = f"{y:,}" + text[len(str(y)):]
        if tag:
            text += " " + (tag if random.random() < 0.8 else tag.lower())
        return text
    if kind < 0.80:
        return f"{random.randint(1, 9999)}-W{random.randint(1, 54):02d}-{random.randint(1, 8)}"
    if kind < 0.85:
        return random.choice(["", "   ", "2000-01-01 CE 03:06", "abc", "1752-09-05 EN",
                              "5785-13-01 AM", "1749/50-02-10 EN", "1750/51-06-01 EN"])
    if kind < 0.90:
        return "\udcff\udcfe bad bytes"
    return f"{random.randint(1, 4000)}-{random.randint(1, 12):02d}-{random.randint(1, 28):02d} CE"


lines = [date_line() for _ in range(count)]
data = "\ufeff" + "".join(
    line + ("\r\n" if random.random() < 0.1 else "\n") for line in lines)
batch = data.encode("utf-8", "surrogateescape")

BATCH_OPTIONS = [
    [], ["--json"], ["--all"], ["--dee", "d"], ["--dee", "dc", "--json"], ["--era", "AD"],
    ["--plus", "--years", "1", "--months", "13", "--days", "40"],
    ["--minus", "--weeks", "3"], ["--calendar", "hebrew"], ["--calendar", "iso-week", "--json"],
    ["--all", "--era", "CE"],
]
SINGLE_RUNS = [
    ["convert", "2000-01-01 CE"], ["convert", "--all", "--", "-4712-01-01 JC"],
    ["convert", "--mdy", "March", "15", "44", "BC", "--calendar", "julian"],
    ["convert", "--jdn", "2,451,545"], ["convert", "--jdn", "2451545.5"],
    ["convert", "--json", "2017-03-21 D"], ["convert", "--jdn", "1.2.3"],
    ["diff", "1582-10-04 JC", "1582-10-15 CE"], ["diff", "--json", "2000-01-01 RJ", "2000-03-01 RJ"],
    ["weekday", "--mdy", "January", "1", "2000", "AD", "Saturday"],
    # A date only the Julian calendar has, on its weekday there; one neither has.
    ["weekday", "--mdy", "February", "29", "1900", "AD", "Tuesday"],
    ["weekday", "--json", "--mdy", "February", "30", "1900", "AD", "Monday"],
    ["sequence", "--count", "40", "2016-02-26 CE"], ["sequence", "--csv", "--count", "5", "2016-02-26 CE"],
    ["equinoxes", "--count", "12", "--longitude", "77:0", "--mean", "2024"],
    ["equinoxes", "--json", "--count", "3", "--longitude", "12:30E", "--true", "2024"],
    ["compare", "--count", "4000", "1"], ["compare", "--json", "--count", "300", "1700"],
    ["compare", "--csv", "--count", "2", "2,024"], ["calendars"], ["calendars", "--json"],
    ["easter", "--count", "3", "2025"], ["easter", "--count", "2", "325"], ["easter", "--json", "1583"],
    ["calendars", "--longitude", "999:0"], ["convert", "--count", "-1", "x"], ["nonsense"],
    ["--help"], ["convert", "--help"], ["compare", "--help"],
    # Arithmetic beyond a calendar's range or the 32-bit days, in each kind of calendar.
    ["convert", "--plus", "--years", "2147483647", "2000-01-01"],
    ["convert", "--plus", "--years", "2147483647", "1420-01-01 AH"],
    ["convert", "--plus", "--days", "2000000000", "1-01-01 AP"],
    ["convert", "--json", "--plus", "--months", "1", "1999-W52-6"],
    ["convert", "--minus", "--weeks", "99999999", "1-01-01 RJ"],
    ["convert", "--dee", "D", "--plus", "--months", "5", "2000-01-31 D"],
]


def record(name, arguments, stdin=b""):
    run = subprocess.run([orvc, *arguments], input=stdin, capture_output=True,
                         env=dict(os.environ, LC_ALL="C"))
    with open(os.path.join(folder, name), "wb") as out:
        out.write(b"$ orvc " + " ".join(arguments).encode() + b"\n")
        out.write(run.stdout + b"\n--- stderr\n" + run.stderr)
        out.write(f"\n--- exit {run.returncode}\n".encode())


for i, options in enumerate(BATCH_OPTIONS):
    record(f"batch-{i:02d}", ["convert", *options, "-"], batch)
for i, arguments in enumerate(SINGLE_RUNS):
    record(f"single-{i:02d}", arguments)
print(f"{len(BATCH_OPTIONS)} batches of {count} lines and {len(SINGLE_RUNS)} single runs in {folder}")
