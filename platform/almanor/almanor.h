/*
 * almanor: proleptic Gregorian and Julian dates to and from Julian day numbers,
 * the day of the week, and digit grouping of number texts.
 *
 * A small library with a C interface, so that any front end (the desktop
 * program, a command line, a script binding) can call it over one plain record.
 *
 * Conventions
 *   - Years are astronomical: 1 = AD 1, 0 = 1 BC, -1 = 2 BC.
 *   - Julian day number (JDN) 0 is -4712-01-01 in the Julian calendar.
 *   - The calendars are proleptic: each rule applies to every year, there is no
 *     switch-over in 1582 (1582-10-15 Gregorian and 1582-10-05 Julian are both
 *     JDN 2,299,161).
 *   - Gregorian leap years: divisible by 4, except those divisible by 100 but
 *     not by 400. Julian leap years: divisible by 4. Year 0 is a leap year in
 *     both.
 *   - Arithmetic is 64-bit inside; every date whose JDN fits in a signed 32-bit
 *     integer converts exactly (years of magnitude up to about 5,800,000).
 *
 * Example
 *   almanor_date d = {2000, 1, 1, ALMANOR_GREGORIAN, 0, 0};
 *   euro_date_to_jdn(&d);          // d.jdn == 2451545, d.valid == 1
 *   euro_day_of_week(d.jdn);       // 6, Saturday
 */
#ifndef ORV_PLATFORM_ALMANOR_H
#define ORV_PLATFORM_ALMANOR_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Calendar codes: the character code of the calendar's letter. */
#define ALMANOR_GREGORIAN 71 /* 'G' */
#define ALMANOR_JULIAN 74    /* 'J' */

/* Six consecutive signed 32-bit fields, 24 bytes, read and written in place. */
typedef struct almanor_date {
  int32_t year;     /* astronomical year */
  int32_t month;    /* [1:12] when valid */
  int32_t day;      /* [1:31] when valid */
  int32_t calendar; /* ALMANOR_GREGORIAN or ALMANOR_JULIAN */
  int32_t jdn;      /* Julian day number */
  int32_t valid;    /* exactly 1 when year, month, day name a day that exists */
} almanor_date;

/* Results of the operations below. */
enum {
  ALMANOR_OK = 0,
  ALMANOR_NO_SUCH_DATE = 1,     /* month or day outside the calendar */
  ALMANOR_OUT_OF_RANGE = 2,     /* the date exists but its JDN does not fit in 32 bits */
  ALMANOR_UNKNOWN_CALENDAR = 3, /* calendar is neither 'G' nor 'J' */
  ALMANOR_BAD_ARGUMENT = 4      /* null pointer, not a number, or a result too long */
};

/*
 * Reads year, month, day and calendar. Sets valid to 1 and jdn to the day's
 * number when the date exists and its number fits in 32 bits; otherwise sets
 * valid to 0 and leaves jdn unchanged. Returns one of the results above.
 */
int32_t euro_date_to_jdn(almanor_date* date);

/*
 * Reads jdn and calendar; sets year, month and day. Every 32-bit JDN has a
 * date. With an unknown calendar nothing is written. Does not touch valid.
 */
int32_t jdn_to_euro_date(almanor_date* date);

/* 0 = Sunday ... 6 = Saturday, for any 32-bit JDN (JDN 0 is a Monday). */
int32_t euro_day_of_week(int32_t jdn);

/*
 * Writes the number text (decimal digits, an optional leading '-') into out
 * with the separator between each group of three digits counted from the
 * right, NUL-terminated. out must hold ALMANOR_GROUPED_CAPACITY + 1 bytes;
 * nothing is ever written beyond them, and number is read no further than
 * needed to decide, so a hostile text cannot overrun either buffer.
 *
 * The separator must be a printable ASCII character (32 to 126). When it is
 * not, or the text is not a number, the text is copied unchanged and
 * ALMANOR_BAD_ARGUMENT returned. When the result would not fit, out becomes
 * the empty text and ALMANOR_BAD_ARGUMENT is returned.
 */
#define ALMANOR_GROUPED_CAPACITY 20
int32_t separate_thousands(const char* number, int32_t separator, char* out);

#ifdef __cplusplus
}
#endif

#endif /* ORV_PLATFORM_ALMANOR_H */
