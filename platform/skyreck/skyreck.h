/*
 * skyreck: delta T, the difference TT - UT between dynamical time and
 * Universal Time, for historical and future years.
 *
 * The model is the set of polynomial expressions published by F. Espenak and
 * J. Meeus (2006, "Five Millennium Canon of Solar Eclipses", NASA/TP-2006-214141,
 * section 2.6): a long-term parabola -20 + 32 u^2 (u = (y - 1820) / 100
 * centuries) outside -500..2150, fitted polynomials for the spans between,
 * and a blend of the 2005-2050 extrapolation into the parabola for 2050-2150.
 * These are the expressions astronomical software commonly uses for the
 * years 1 to 4000 of the equinox report.
 */
#ifndef ORV_PLATFORM_SKYRECK_H
#define ORV_PLATFORM_SKYRECK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Delta T in seconds of time for the (decimal) year. */
double delta_t_seconds(double year);

/*
 * Delta T in minutes of time for the year, as the equinox computation calls
 * it; model selects the model and must be 1915 (the only one there is).
 * Returns 0 for another model.
 */
double deltat(double year, int32_t model);

#ifdef __cplusplus
}
#endif

#endif /* ORV_PLATFORM_SKYRECK_H */
