#!/usr/bin/env python3
"""The figures of a day and of an instant by Python's own datetime, apart
from the program's code: MJD, day of year, Unix time, ISO ordinal date and
the Julian Date of a time of day (to a millionth of a day, half up).
   python3 make_day_field_vectors.py > day_fields.tsv"""
import datetime
import random
from fractions import Fraction

UTC = datetime.timezone.utc
EPOCH = datetime.datetime(1970, 1, 1, tzinfo=UTC)
J2000 = datetime.datetime(2000, 1, 1, 12, tzinfo=UTC)  # JD 2451545.0

random.seed(2460390)
days = [datetime.date(1, 1, 1), datetime.date(1858, 11, 17), datetime.date(1969, 12, 31),
        datetime.date(1970, 1, 1), datetime.date(2024, 3, 20), datetime.date(2024, 12, 31),
        datetime.date(9999, 12, 31)]
days += [datetime.date.fromordinal(random.randint(1, 3652059)) for _ in range(300)]

print("date\ttime\tjdn\tmjd\tday_of_year\tunix\tiso_ordinal\tjd")
for i, day in enumerate(days):
    timed = i % 2 == 1
    moment = datetime.datetime(day.year, day.month, day.day, tzinfo=UTC)
    if timed:
        moment += datetime.timedelta(seconds=random.randint(0, 86399),
                                     microseconds=random.choice([0, 0, 250000, 123456]))
    jdn = day.toordinal() + 1721425
    mjd = day.toordinal() - 678576
    delta = moment - EPOCH
    micro = delta.days * 86400 * 10**6 + delta.seconds * 10**6 + delta.microseconds
    whole, part = divmod(abs(micro), 10**6)
    unix = ("-" if micro < 0 else "") + str(whole) + (("." + f"{part:06d}".rstrip("0")) if part else "")
    since = moment - J2000
    jd = Fraction(2451545) + Fraction(since.days) + Fraction(since.seconds, 86400) + \
        Fraction(since.microseconds, 86400 * 10**6)
    if timed:
        millionths = (jd * 10**6 + Fraction(1, 2)).__floor__()
        jd_text = f"{millionths // 10**6}.{millionths % 10**6:06d}"
        time_text = moment.strftime("%H:%M:%S") + (f".{moment.microsecond:06d}".rstrip("0")
                                                    if moment.microsecond else "")
    else:
        jd_text = f"{jdn - 1}.5"
        time_text = ""
    print(f"{day.isoformat()}\t{time_text}\t{jdn}\t{mjd}\t{day.timetuple().tm_yday}\t{unix}\t"
          f"{day.year:04d}-{day.timetuple().tm_yday:03d}\t{jd_text}")
