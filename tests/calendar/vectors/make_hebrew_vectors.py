#!/usr/bin/python3
"""Writes hebrew.tsv, the Hebrew dates calendar_test checks both ways.

The dates come from convertdate's hebrew module (Debian's python3-convertdate),
an implementation independent of ours. Its day numbers are Julian dates of
midnight (x.5); ours are the integer day of the noon after, jd + 0.5. Its
months are numbered from Nisan as ours are, Adar II being 13.

The days chosen: every day of two whole years of each length (353, 354, 355,
383, 384 and 385 days), one of the first centuries and one of our time; the
first 400 days of the calendar; the day before, the day of and the day after
1 Tishri of every 13th year, and of every year whose molad of Tishri falls
exactly on the hour and part where a postponement begins (noon; Tuesday
9 h 204 p; Monday 15 h 589 p), so that "at or after" is checked where it
matters (the first such year is 75,795); every 997th day from the first to day 5,000,000;
and the last days below 2^31, where the range ends.

Run from anywhere:  /usr/bin/python3 make_hebrew_vectors.py
"""

import os

from convertdate import hebrew

FIRST_DAY = 347998
LAST_DAY = 2**31 - 1


def date_of_day(jdn):
    return hebrew.from_jd(jdn - 0.5)


def day_of_date(year, month, day):
    jd = hebrew.to_jd(year, month, day) + 0.5
    assert jd == int(jd), (year, month, day, jd)
    return int(jd)


def new_year(year):
    return day_of_date(year, 7, 1)


def threshold_years():
    """The years whose molad of Tishri is exactly at noon, or on a Tuesday at
    9 h 204 p, or on a Monday at 15 h 589 p: whatever the year's kind, the
    dates then tell whether a postponement starts at or after the threshold."""
    parts_per_day = 25920
    month = 29 * parts_per_day + 12 * 1080 + 793
    # BaHaRaD, Monday 5 h 204 p, with the weekday of a day (6 pm to 6 pm)
    # counted from Sunday = 0.
    molad = 1 * parts_per_day + 5 * 1080 + 204
    thresholds = {(None, 18 * 1080), (2, 9 * 1080 + 204), (1, 15 * 1080 + 589)}
    years = []
    months_before = 0
    for year in range(1, 5878590):
        weekday, part = divmod(molad + months_before * month, parts_per_day)
        weekday %= 7
        if (None, part) in thresholds or (weekday, part) in thresholds:
            years.append(year)
        months_before += 13 if (7 * year + 1) % 19 < 7 else 12
    return years


def whole_years():
    wanted = {353, 354, 355, 383, 384, 385}
    years = []
    for start in (2, 5780):
        found = {}
        year = start
        while len(found) < len(wanted):
            found.setdefault(int(hebrew.year_days(year)), year)
            year += 1
        years += found.values()
    return sorted(years)


def main():
    days = set()
    for year in whole_years():
        days.update(range(new_year(year), new_year(year + 1)))
    days.update(range(FIRST_DAY, FIRST_DAY + 400))
    for year in list(range(1, 12800, 13)) + threshold_years():
        start = new_year(year)
        days.update(d for d in (start - 1, start, start + 1) if d >= FIRST_DAY)
    days.update(range(FIRST_DAY, 5_000_001, 997))
    days.update(range(LAST_DAY - 400, LAST_DAY + 1))

    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hebrew.tsv")
    with open(path, "w", encoding="ascii") as out:
        out.write("jdn\tyear\tmonth\tday\n")
        for jdn in sorted(days):
            year, month, day = date_of_day(jdn)
            # Both directions of the reference agree, or the record is not
            # written at all.
            assert day_of_date(year, month, day) == jdn, jdn
            out.write(f"{jdn}\t{year}\t{month}\t{day}\n")


if __name__ == "__main__":
    main()
