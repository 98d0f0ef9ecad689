#!/usr/bin/python3
"""Writes the reference dates for the Revised Julian, ISO week, tabular Islamic
and English calendars that arithmetic_calendars_test.cpp reads.

Each calendar is worked out here from its rules by a different route from the
program's closed forms: year-by-year day counts from an anchor for the Revised
Julian and Islamic calendars, a search for the first Thursday for ISO weeks,
and convertdate's Julian and Gregorian conversions (with the 1752 switch) for
England. Where convertdate has the calendar itself (iso, islamic) every record
is checked against it as well, and the script stops on any disagreement.

Run it from anywhere with /usr/bin/python3; it rewrites the .tsv files beside
it. Records are jdn, year, month, day (England adds the legal year); every day
of some short stretches where the rules bite, a stride of 997 days from JDN
-1,000,000 to 4,000,000, and the ends of each calendar's range.
"""
import bisect
import os
import sys

from convertdate import gregorian, islamic, iso, julian

INT32_MIN = -(2**31)
INT32_MAX = 2**31 - 1
HERE = os.path.dirname(os.path.abspath(__file__))


def jd_to_jdn(jd):
    return int(jd + 0.5)


def greg_jdn(y, m, d):
    return jd_to_jdn(gregorian.to_jd(y, m, d))


def greg_date(jdn):
    return tuple(int(x) for x in gregorian.from_jd(jdn - 0.5))


def jul_jdn(y, m, d):
    return jd_to_jdn(julian.to_jd(y, m, d))


def jul_date(jdn):
    return tuple(int(x) for x in julian.from_jd(jdn - 0.5))


def check_civil(jdn):
    # convertdate's float arithmetic is trusted only where it round-trips.
    assert greg_jdn(*greg_date(jdn)) == jdn, jdn
    assert jul_jdn(*jul_date(jdn)) == jdn, jdn


def days_each(first, last):
    return range(first, last + 1)


def stride(first, last):
    return range(first, last + 1, 997)


def range_ends(first_day, last_day):
    return list(days_each(first_day, first_day + 40)) + list(days_each(last_day - 40, last_day))


# Revised Julian: Julian months; century years are leap years only when they
# leave 200 or 600 on division by 900. Counted year by year from 1 January 1600,
# which is 59 days before 1 March 1600, the day it shares with the Gregorian
# calendar (1600 is a common year here). The rule repeats every 900 years, so
# days far off are brought into the counted years by whole cycles.
def rj_leap(y):
    if y % 4:
        return False
    if y % 100:
        return True
    return y % 900 in (200, 600)


RJ_YEARS = (-8000, 12000)
RJ_CYCLE_DAYS = sum(366 if rj_leap(y) else 365 for y in range(900))
assert RJ_CYCLE_DAYS == 328718


def rj_year_starts():
    starts = {1600: greg_jdn(1600, 3, 1) - 59}
    for y in range(1600, RJ_YEARS[1]):
        starts[y + 1] = starts[y] + (366 if rj_leap(y) else 365)
    for y in range(1600, RJ_YEARS[0], -1):
        starts[y - 1] = starts[y] - (366 if rj_leap(y - 1) else 365)
    years = sorted(starts)
    return years, [starts[y] for y in years]


RJ_TABLE = rj_year_starts()


def month_of_day_of_year(lengths, day_of_year):
    month = 1
    for length in lengths:
        if day_of_year < length:
            return month, day_of_year + 1
        day_of_year -= length
        month += 1
    raise AssertionError("day of year beyond the year")


def rj_date(jdn):
    years, starts = RJ_TABLE
    cycles = 0
    if not starts[0] <= jdn < starts[-1]:
        cycles = (jdn - starts[years.index(2000)]) // RJ_CYCLE_DAYS
    local = jdn - cycles * RJ_CYCLE_DAYS
    i = bisect.bisect_right(starts, local) - 1
    y = years[i]
    lengths = [31, 29 if rj_leap(y) else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    m, d = month_of_day_of_year(lengths, local - starts[i])
    return (y + 900 * cycles, m, d)


def revised_julian():
    g = greg_jdn
    days = set(stride(-1_000_000, 4_000_000)) | set(range_ends(INT32_MIN, INT32_MAX))
    for first, last in [
        (g(1600, 1, 20), g(1600, 3, 20)),  # the shared days begin
        (g(2800, 1, 20), g(2800, 3, 20)),  # and end
        (g(1999, 12, 20), g(2000, 3, 10)),
        (g(2400, 2, 15), g(2400, 3, 5)),
        (g(2100, 2, 15), g(2100, 3, 5)),
        (g(2900, 2, 15), g(2900, 3, 5)),  # leaves 200: a leap year
        (jul_jdn(-700, 2, 15), jul_jdn(-700, 3, 20)),  # -700 leaves 200: leap
        (jul_jdn(-100, 2, 15), jul_jdn(-100, 3, 20)),  # -100 leaves 800: common
        (jul_jdn(-1, 12, 20), jul_jdn(0, 3, 10)),
    ]:
        days |= set(days_each(first, last))
    rows = []
    for jdn in sorted(days):
        y, m, d = rj_date(jdn)
        # Day for day the Gregorian calendar from 1 March 1600 to 28 February
        # 2800, and not on the day either side (the calendars meet elsewhere
        # too, far from our time).
        if g(1600, 3, 1) - 1 <= jdn <= g(2800, 2, 28) + 1:
            same = (y, m, d) == greg_date(jdn)
            assert same == (g(1600, 3, 1) <= jdn <= g(2800, 2, 28)), (jdn, y, m, d)
        rows.append((jdn, y, m, d))
    return rows


# ISO weeks: week 1 is the week (Monday to Sunday) holding the year's first
# Thursday, found by looking at 1 to 7 January; Python's isocalendar (years 1
# to 9999) must agree.
def iso_week_one_monday(y):
    for d in range(1, 8):
        jdn = greg_jdn(y, 1, d)
        if (jdn + 1) % 7 == 4:  # Thursday; JDN 0 was a Monday
            return jdn - 3
    raise AssertionError(y)


def iso_date(jdn):
    y = greg_date(jdn)[0] + 1
    while iso_week_one_monday(y) > jdn:
        y -= 1
    offset = jdn - iso_week_one_monday(y)
    result = (y, offset // 7 + 1, offset % 7 + 1)
    if 1 <= greg_date(jdn)[0] <= 9999:
        assert tuple(iso.from_gregorian(*greg_date(jdn))) == result, (jdn, result)
        assert jd_to_jdn(iso.to_jd(*result)) == jdn, (jdn, result)
    return result


def iso_week():
    g = greg_jdn
    days = set(stride(-1_000_000, 4_000_000)) | set(range_ends(INT32_MIN, INT32_MAX))
    # Year ends: 2004 (53 weeks, began on a Thursday) into 2005, 2008 into
    # 2009 (53, Thursday), 2015 (53, Thursday), 2020 (53, a leap year begun on
    # a Wednesday), 1992 (53, Wednesday, leap), 1999/2000, 2024/2025, and
    # years about 0 and -4000.
    for y in [1992, 1999, 2004, 2008, 2009, 2015, 2020, 2024, 0, -1, -4000]:
        days |= set(days_each(g(y, 12, 20), g(y + 1, 1, 12)))
    return [(jdn,) + iso_date(jdn) for jdn in sorted(days)]


# Tabular Islamic: years of 354 days, 355 in years 2, 5, 7, 10, 13, 16, 18,
# 21, 24, 26 and 29 of each 30; months of 30 and 29 days in turn, Dhu al-Hijja
# 30 in a leap year; 1 Muharram 1 AH = 16 July 622 Julian.
ISLAMIC_LEAP = {2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29}
ISLAMIC_EPOCH = jul_jdn(622, 7, 16)
assert ISLAMIC_EPOCH == 1948440


def islamic_leap(y):
    return (y - 1) % 30 + 1 in ISLAMIC_LEAP


def islamic_lengths(y):
    return [30, 29] * 5 + [30, 30 if islamic_leap(y) else 29]


ISLAMIC_CYCLE_DAYS = sum(sum(islamic_lengths(y)) for y in range(1, 31))
assert ISLAMIC_CYCLE_DAYS == 10631


def islamic_date(jdn):
    cycles, rest = divmod(jdn - ISLAMIC_EPOCH, ISLAMIC_CYCLE_DAYS)
    y = 1
    while rest >= sum(islamic_lengths(y)):
        rest -= sum(islamic_lengths(y))
        y += 1
    m, d = month_of_day_of_year(islamic_lengths(y), rest)
    result = (y + 30 * cycles, m, d)
    # convertdate's tabular variant has the same leap years and epoch; its
    # floats are exact at these sizes.
    assert tuple(int(x) for x in islamic.from_jd(jdn - 0.5)) == result, (jdn, result)
    assert jd_to_jdn(islamic.to_jd(*result)) == jdn, (jdn, result)
    return result


def islamic_days():
    e = ISLAMIC_EPOCH
    days = set(stride(e, 4_000_000)) | set(range_ends(e, INT32_MAX))
    days |= set(days_each(e, e + 800))  # the first two years and a bit
    for y in [29, 30, 59, 60, 1445, 1446, 1470]:  # ends of leap years, cycles
        start = e + sum(sum(islamic_lengths(k)) for k in range(1, y + 1))
        days |= set(days_each(start - 35, start + 5))
    return [(jdn,) + islamic_date(jdn) for jdn in sorted(days)]


# England: Julian to Wednesday 2 September 1752, Gregorian from Thursday 14
# September; from 25 March 1155 to the end of 1751 the legal year began on
# Lady Day, 25 March.
ENGLAND_SWITCH = greg_jdn(1752, 9, 14)
assert ENGLAND_SWITCH == jul_jdn(1752, 9, 2) + 1


def england_date(jdn):
    check_civil(jdn)
    y, m, d = jul_date(jdn) if jdn < ENGLAND_SWITCH else greg_date(jdn)
    lady_day_years = jul_jdn(1155, 3, 25) <= jdn <= jul_jdn(1751, 12, 31)
    legal = y - 1 if lady_day_years and (m, d) < (3, 25) else y
    return (jdn, y, m, d, legal)


def england():
    j = jul_jdn
    days = set(stride(-1_000_000, 4_000_000)) | set(range_ends(INT32_MIN, INT32_MAX))
    for first, last in [
        (j(1752, 8, 15), greg_jdn(1752, 10, 5)),
        (j(1155, 1, 1), j(1155, 4, 5)),
        (j(1156, 3, 1), j(1156, 4, 5)),
        (j(1700, 2, 20), j(1700, 3, 5)),  # 29 February 1700 (Julian) exists
        (j(1732, 2, 5), j(1732, 4, 5)),
        (j(1750, 12, 20), j(1751, 4, 5)),
        (j(1751, 12, 20), j(1752, 4, 5)),
        (greg_jdn(1800, 2, 20), greg_jdn(1800, 3, 5)),
    ]:
        days |= set(days_each(first, last))
    return [england_date(jdn) for jdn in sorted(days)]


def write(name, header, rows):
    with open(os.path.join(HERE, name), "w", encoding="ascii", newline="\n") as out:
        out.write("\t".join(header) + "\n")
        for row in rows:
            out.write("\t".join(str(x) for x in row) + "\n")
    print(f"{name}: {len(rows)} days", file=sys.stderr)


COLUMNS = ["jdn", "year", "month", "day"]
write("revised_julian.tsv", COLUMNS, revised_julian())
write("iso_week.tsv", ["jdn", "year", "week", "weekday"], iso_week())
write("islamic.tsv", COLUMNS, islamic_days())
write("england.tsv", COLUMNS + ["legal_year"], england())
