#!/usr/bin/python3
"""Writes the Easter Sundays that easter_test.cpp reads (easter.tsv, beside
this script).

Records are year, Gregorian Easter, Julian Easter (a Julian date) and the same
Julian Easter as a Gregorian date, ISO year-month-day or "-" where the
computus does not apply (Gregorian before 1583, Julian before 326). Every
year from 326 to 4099, then a stride of 97 years and the ends up to 99,999,
the last year the program computes.

Sources, each checked against a second one where both reach:
- Gregorian: dateutil's easter(y, EASTER_WESTERN) up to 9999, and pymeeus'
  Epoch.easter (its own implementation) for every Gregorian year written.
- Julian: dateutil's easter(y, EASTER_JULIAN), checked against pymeeus for
  years before 1583 (pymeeus reckons those by the Julian computus). Beyond
  9999, where Python's dates end, from the year 532 years (or a multiple)
  earlier: the Julian computus repeats every 19 x 28 years.
- Julian as Gregorian: the Julian date through convertdate's day counts.
  dateutil's EASTER_ORTHODOX agrees from 1583 to 4099 (checked), but adds a
  flat ten days in all years before 1583 (wrong before 1500, when the
  difference was nine days or fewer) and fails in some years after 5000, so
  it is used as a check only.
The script stops on any disagreement.
"""
import os

from convertdate import gregorian, julian
from dateutil.easter import EASTER_JULIAN, EASTER_ORTHODOX, EASTER_WESTERN, easter
from pymeeus.Epoch import Epoch

HERE = os.path.dirname(os.path.abspath(__file__))
JULIAN_FIRST = 326
GREGORIAN_FIRST = 1583
EVERY_YEAR_LAST = 4099
LAST = 99999
JULIAN_CYCLE = 532


def iso(year, month, day):
    return f"{year:04d}-{month:02d}-{day:02d}"


def gregorian_easter(year):
    month, day = Epoch.easter(year)
    if year <= 9999:
        western = easter(year, EASTER_WESTERN)
        assert (western.month, western.day) == (month, day), year
    return month, day


def julian_easter(year):
    source = year
    while source > 9999:
        source -= JULIAN_CYCLE * 10
    found = easter(source, EASTER_JULIAN)
    if year < GREGORIAN_FIRST:
        assert Epoch.easter(year) == (found.month, found.day), year
    return found.month, found.day


def julian_as_gregorian(year, month, day):
    jd = julian.to_jd(year, month, day)
    found = tuple(int(x) for x in gregorian.from_jd(jd))
    assert julian.from_jd(gregorian.to_jd(*found)) == (year, month, day), year
    if GREGORIAN_FIRST <= year <= EVERY_YEAR_LAST:
        orthodox = easter(year, EASTER_ORTHODOX)
        assert (orthodox.year, orthodox.month, orthodox.day) == found, year
    return found


def record(year):
    fields = [str(year), "-", "-", "-"]
    if year >= GREGORIAN_FIRST:
        fields[1] = iso(year, *gregorian_easter(year))
    if year >= JULIAN_FIRST:
        month, day = julian_easter(year)
        fields[2] = iso(year, month, day)
        fields[3] = iso(*julian_as_gregorian(year, month, day))
    return "\t".join(fields)


def years():
    chosen = set(range(JULIAN_FIRST - 1, EVERY_YEAR_LAST + 1))
    chosen.update(range(EVERY_YEAR_LAST + 1, LAST + 1, 97))
    chosen.update([9999, 10000, LAST])
    return sorted(chosen)


def main():
    lines = ["year\tgregorian\tjulian\tjulian_as_gregorian"]
    lines += [record(year) for year in years()]
    with open(os.path.join(HERE, "easter.tsv"), "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
