#!/usr/bin/env python3
"""The reports as orvc writes them for scripts, read back by Python's own JSON
and CSV readers and checked against the text report of the same run.
   report_formats_test.py ORVC"""
import csv
import io
import json
import re
import subprocess
import sys

ORVC = sys.argv[1]


def orvc(*arguments):
    return subprocess.run([ORVC, *arguments], capture_output=True, check=True,
                          env={"LC_ALL": "C"}).stdout.decode("utf-8")


def check(condition, what):
    if not condition:
        sys.exit("FAILED: " + what)


# The date sequence: 800 days across several Dee leap days.
text = orvc("sequence", "--count", "800", "2016-02-26 CE").splitlines()
text_rows = [line for line in text if re.match(r"^   -?\d", line)]
lines = orvc("sequence", "--count", "800", "--json", "2016-02-26 CE").splitlines()
rows = [json.loads(line) for line in lines[:-1]]
summary = json.loads(lines[-1])
check(len(rows) == 800 and summary["rows"] == 800, "800 JSON rows and their summary")
check(summary["same_days"] == sum(row["same"] for row in rows), "same_days counts the rows")
check(summary["sentence"] == text[-1], "the summary's sentence is the text's")
check(all(b["jdn"] == a["jdn"] + 1 for a, b in zip(rows, rows[1:])), "consecutive days")
marked = [row["agreement_starts"] or row["agreement_ends"] for row in rows]
check(marked == ["<--" in line for line in text_rows], "marks where the text marks")
table = list(csv.DictReader(io.StringIO(orvc("sequence", "--count", "800", "--csv",
                                             "2016-02-26 CE"), newline="")))
check(len(table) == 800, "800 CSV rows")
check([r["gregorian"] for r in table] == [row["gregorian"] for row in rows], "CSV = JSON")
check([line.split()[0] for line in text_rows] == [r["gregorian"] for r in table],
      "CSV dates are the text's")

# Every year of the equinox table.
lines = orvc("equinoxes", "--count", "4000", "--json", "1").splitlines()
rows = [json.loads(line) for line in lines[:-1]]
summary = json.loads(lines[-1])
check(len(rows) == 4000 and [r["year"] for r in rows] == list(range(1, 4001)), "years 1-4000")
check(summary["missed"] == sum(r["missed"] for r in rows), "missed counts the rows")
text = orvc("equinoxes", "--count", "4000", "1")
check(text.count("<--") == summary["missed"], "the text marks the same years")
text_rows = [line for line in text.splitlines() if re.match(r"^ +\d+ +\d", line)]
check(all(f' {r["london_date"]} ' in t and f' {r["meridian_date"]} ' in t
          for r, t in zip(rows, text_rows)), "the rows' dates are the table's, tags and all")
check(f": {summary['missed']} of 4000" in text, "the text's summary has the same count")
check(summary["time_kind"] == summary["time"] == "apparent", "the summary names its time kind")
table = list(csv.DictReader(io.StringIO(orvc("equinoxes", "--count", "4000", "--csv", "1"),
                                        newline="")))
check(len(table) == 4000, "4000 CSV rows")
check(all(float(r["jd_ut"]) == j["jd_ut"] for r, j in zip(table, rows)), "CSV = JSON, exactly")
check({int(r["cycle_position"]) for r in table} == set(range(1, 34)), "cycle positions 1-33")
check(sum(r["dee_leap"] == "true" for r in table[:33]) == 8, "8 Dee leap years a cycle")

# Every row says what it was computed for.
east = list(csv.DictReader(io.StringIO(orvc("equinoxes", "--count", "2", "--csv", "--mean",
                                            "--longitude", "74:30", "--dee", "D", "2024"),
                                       newline="")))
check(all((r["dee_version"], r["meridian"], r["time_kind"]) == ("Dee", "74d30m W", "mean")
          for r in east), "equinox rows name the Dee version, meridian and time kind")
check(rows[0]["time_kind"] == "apparent" and rows[0]["dee_version"] == "Dee-Cecil",
      "so do the JSON rows")
sequence = orvc("sequence", "--count", "2", "--csv", "--dee", "D", "2016-02-26 CE")
check(all(r["dee_version"] == "Dee" for r in csv.DictReader(io.StringIO(sequence, newline=""))),
      "sequence rows name the Dee version")

# A difference, and a weekday answer, are one object each.
difference = json.loads(orvc("diff", "--json", "1582-10-04 JC", "2000-01-01 CE"))
check(difference["days"] == 152385 and difference["years"] == 417, "the difference")
# A batch as CSV for a spreadsheet, read back; the same fields as JSON.
import datetime  # noqa: E402
import random  # noqa: E402

random.seed(2460390)
days = [datetime.date.fromordinal(random.randint(1, 3652059)) for _ in range(500)]
lines = [f"{d.isoformat()} CE" for d in days]
lines[7:7] = ["not a date", "", "12,345-01-05 CE", "2024-03-20 CE 03:06:21"]
batch = "\n".join(lines) + "\n"


def converted(*options):
    run = subprocess.run([ORVC, "convert", *options, "-"], input=batch.encode("utf-8"),
                         capture_output=True, env={"LC_ALL": "C"})
    check(run.returncode == 2, "a batch with a refused line ends with status 2")
    return run.stdout.decode("utf-8")


fields = "gregorian,hebrew,jdn,weekday,jd"
table = list(csv.DictReader(io.StringIO(converted("--csv", "--to", fields), newline="")))
check(list(table[0].keys()) == ["line"] + fields.split(",") + ["error"], "the CSV header")
check([int(r["line"]) for r in table] == [n + 1 for n, line in enumerate(lines) if line.strip()],
      "a row a non-blank line, numbered as the input")
refused = [r for r in table if r["error"]]
check(len(refused) == 1 and refused[0]["line"] == "8" and refused[0]["jdn"] == "",
      "the refused line: its number and error alone")
read = [r for r in table if not r["error"]]
check(read[7]["gregorian"] == "12,345-01-05 CE", "a field with a comma comes back whole")
check(read[8]["jd"] == "2460389.629410", "the instant of a date with a time")
check(all(int(r["jdn"]) == d.toordinal() + 1721425 and r["gregorian"] == f"{d.year}-{d.month:02d}-{d.day:02d} CE"
          for r, d in zip(read[:7] + read[9:], days)), "every day number is datetime's")
objects = [json.loads(line) for line in converted("--json", "--to", fields).splitlines()]
check([list(o) for o in objects if "error" not in o][0] == ["line"] + fields.split(","),
      "JSON: the line and the fields, in their order")
check(all(str(o["jdn"]) == r["jdn"] and o["gregorian"]["ymd_date"] == r["gregorian"] and
          f'{o["jd"]:.6f}'.rstrip("0").rstrip(".") == r["jd"].rstrip("0").rstrip(".")
          for o, r in zip((o for o in objects if "error" not in o), read)), "JSON = CSV")
print("report formats ok")
