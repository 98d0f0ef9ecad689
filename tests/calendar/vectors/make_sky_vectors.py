#!/usr/bin/python3
"""Writes persian.tsv and french_republican.tsv next to this script: dates of
the Persian (astronomical) and French Republican calendars as an independent
library computes them, for sky_calendars_test.cpp to compare with the
program's.

The reference is convertdate (Debian's python3-convertdate 2.4.0, method
'equinox' for the French calendar), whose equinoxes come from pymeeus' Sun
(VSOP87, only for Gregorian years up to 3000): so the files stop at the last
year whose both ends it can compute. The program computes its equinoxes
another way (Meeus' chapter 27 series), so the two may place a year's first
day a day apart when the equinox comes within minutes of the deciding noon
or midnight; the test measures those.

Each file: a header line, then jdn<TAB>year<TAB>month<TAB>day, sorted by jdn:
the first day of every year and the day before it (the last day of the year
before: 29 or 30 Esfand, the fifth or sixth complementary day), and every
997th day from the first day of the calendar.

Run it with /usr/bin/python3 (a few minutes); the build never does.
"""

import os
import sys

from convertdate import french_republican, persian

STRIDE = 997
HERE = os.path.dirname(os.path.abspath(__file__))


def jdn_of(jd):
    """convertdate counts days from midnight (JD x.5); the program from noon."""
    return int(jd + 0.5)


def year_starts(to_jd):
    """The day numbers of the first days of years 1, 2, ... while the
    reference can compute them."""
    starts = []
    year = 1
    while True:
        try:
            starts.append(jdn_of(to_jd(year, 1, 1)))
        except ValueError:
            return starts
        year += 1


def write(name, to_jd, from_jd):
    starts = year_starts(to_jd)
    # The last year both of whose ends the reference knows.
    last_year = len(starts) - 1
    first_day, end_day = starts[0], starts[-1]  # end_day: first day after the last year
    rows = {}
    problems = []

    def add(jdn):
        date = tuple(int(x) for x in from_jd(jdn - 0.5))
        rows[jdn] = date
        return date

    for year, start in enumerate(starts[:-1], 1):
        if add(start) != (year, 1, 1):
            problems.append("first day of %d: from_jd gives %s" % (year, rows[start]))
        if year > 1 and add(start - 1)[0] != year - 1:
            problems.append("day before %d: %s" % (year, rows[start - 1]))
    add(end_day - 1)  # the last day of the last year
    for jdn in range(first_day, end_day, STRIDE):
        add(jdn)

    path = os.path.join(HERE, name)
    with open(path, "w", encoding="ascii") as out:
        out.write("jdn\tyear\tmonth\tday\n")
        for jdn in sorted(rows):
            out.write("%d\t%d\t%d\t%d\n" % ((jdn,) + rows[jdn]))
    print("%s: years 1 to %d, days %d to %d, %d rows" % (name, last_year, first_day, end_day - 1,
                                                      len(rows)))
    for problem in problems:
        print("  the reference disagrees with itself: " + problem)


def main():
    write("persian.tsv", persian.to_jd, persian.from_jd)
    write("french_republican.tsv", french_republican.to_jd, french_republican.from_jd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
