#!/usr/bin/python3
"""Writes the first day (1 Farvardin) of every Persian year from 1 to 3000 as
Emacs's cal-persia counts it, into persian_2820.tsv beside this script.

Reference: Emacs's calendar library, cal-persia (Debian emacs-nox, Emacs
28.2 when this was written), run once in batch mode:
calendar-persian-to-absolute on (1 1 Y) for each year. Its absolute (R.D.)
day numbers become JDNs as RD + 1,721,425 (RD 1 = 1 January 1 Gregorian = JDN
1,721,426; the script asks Emacs for that RD too and stops if it is not 1).

The reference's own rule, as read in cal-persia.el: the arithmetic calendar of
Birashk's 2820-year cycle, not the astronomical one. The epoch is 19 March 622
Julian (RD 226,896, JDN 1,948,321); months 1 to 6 have 31 days, 7 to 11 have
30, and Esfand has 30 in a leap year and 29 otherwise. A year Y > 0 is a leap
year when ((((Y + 2346) mod 2820) mod 768) * 683) mod 2820 < 683, which gives
683 leap years in each 2820 years (1,029,983 days), in sub-cycles of 768 years
(186 leap years) and one of 516. The script checks, year by year, that the
gaps between the first days are 366 exactly in the years Emacs's
calendar-persian-leap-year-p names, and that calendar-persian-from-absolute
gives back (1 1 Y).

Spot check (printed; the script stops if it fails): Emacs puts 1 Farvardin
1403 on 20 March 2024, JDN 2,460,390.

Records: year, jdn_farvardin_1. Run it from anywhere with /usr/bin/python3;
`emacs` must be on the PATH. It rewrites persian_2820.tsv.
"""
import os
import subprocess
import sys

FIRST_YEAR = 1
LAST_YEAR = 3000
RD_TO_JDN = 1721425
HERE = os.path.dirname(os.path.abspath(__file__))

# One line per year (to LAST_YEAR + 1, for the last year's length):
# year, RD of 1 Farvardin, leap-year-p, whether from-absolute gives it back.
# Then one line with RD of 1 January 1 and of 20 March 2024 (Gregorian).
ELISP = """
(progn
  (let ((y %d))
    (while (<= y %d)
      (let ((rd (calendar-persian-to-absolute (list 1 1 y))))
        (princ (format "%%d %%d %%s %%s\\n" y rd
                       (if (calendar-persian-leap-year-p y) "t" "nil")
                       (if (equal (calendar-persian-from-absolute rd) (list 1 1 y))
                           "t" "nil"))))
      (setq y (1+ y))))
  (princ (format "gregorian %%d %%d\\n"
                 (calendar-absolute-from-gregorian (list 1 1 1))
                 (calendar-absolute-from-gregorian (list 3 20 2024)))))
""" % (FIRST_YEAR, LAST_YEAR + 1)


def run_emacs():
    out = subprocess.run(
        ["emacs", "--batch", "-Q", "-l", "cal-persia", "--eval", ELISP],
        check=True, capture_output=True, text=True).stdout
    years = {}
    gregorian = None
    for line in out.splitlines():
        f = line.split()
        if f[0] == "gregorian":
            gregorian = (int(f[1]), int(f[2]))
        else:
            years[int(f[0])] = (int(f[1]), f[2] == "t", f[3] == "t")
    return years, gregorian


def main():
    years, (rd_jan1_1, rd_mar20_2024) = run_emacs()
    failures = []

    def check(what, got, want):
        ok = got == want
        print("%s %s: %s%s" % ("ok  " if ok else "FAIL", what, got, "" if ok else " (want %s)" % want))
        if not ok:
            failures.append(what)

    version = subprocess.run(["emacs", "--version"], check=True, capture_output=True,
                             text=True).stdout.splitlines()[0]
    print(version)
    check("RD of 1 January 1 Gregorian", rd_jan1_1, 1)
    check("RD of 1 Farvardin 1403 is that of 20 March 2024", years[1403][0], rd_mar20_2024)
    check("JDN of 1 Farvardin 1403", years[1403][0] + RD_TO_JDN, 2460390)
    check("JDN of 1 Farvardin 1", years[1][0] + RD_TO_JDN, 1948321)
    for y in range(FIRST_YEAR, LAST_YEAR + 1):
        rd, leap, round_trip = years[y]
        days = years[y + 1][0] - rd
        if not round_trip:
            failures.append("from-absolute of 1 Farvardin %d" % y)
        if days != (366 if leap else 365):
            failures.append("year %d has %d days, leap-year-p says %s" % (y, days, leap))
    leaps = sum(years[y][1] for y in range(FIRST_YEAR, LAST_YEAR + 1))
    print("%d leap years among %d to %d" % (leaps, FIRST_YEAR, LAST_YEAR))
    if failures:
        sys.exit("failed: " + "; ".join(failures[:10]))

    with open(os.path.join(HERE, "persian_2820.tsv"), "w") as f:
        f.write("year\tjdn_farvardin_1\n")
        for y in range(FIRST_YEAR, LAST_YEAR + 1):
            f.write("%d\t%d\n" % (y, years[y][0] + RD_TO_JDN))
    print("wrote persian_2820.tsv")


if __name__ == "__main__":
    main()
