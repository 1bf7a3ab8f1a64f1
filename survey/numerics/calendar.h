/* calendar.h - leap years, month lengths, day of the week, modified Julian and
 * Julian dates and back, and a rough age of the moon.
 *
 * Dates are year, month (1-12), day as 16-bit integers; years are astronomical
 * (1 BC is 0). Truth values are -1 (true) and 0 (false).
 */
#ifndef SURVEY_NUMERICS_CALENDAR_H
#define SURVEY_NUMERICS_CALENDAR_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* -1 when y is a Gregorian leap year (divisible by 4 and not by 100, or by 400),
 * else 0; 0 for y < 0. */
SURVEY_API int16_t SURVEY_CALL uruu(int16_t y);
/* Days in month m of year y (February by uruu); 0 when y < 0 or m is not 1-12. */
SURVEY_API int16_t SURVEY_CALL daysOFmonth(int16_t y, int16_t m);
/* Day of the week of a Gregorian date, 0 = Sunday ... 6 = Saturday; -1 when
 * y < 1752, m is not 1-12 or d is not 1-31 (the day is not checked against the month). */
SURVEY_API int16_t SURVEY_CALL youbi(int16_t y, int16_t m, int16_t d);
/* Modified Julian date of a calendar date and time: Gregorian from 1582-10-15 on,
 * Julian before (decided on the decimal year (m-1)/12 + d/365.25 + y >= 1582.78).
 * Not validated: out-of-range parts simply count on. */
SURVEY_API double SURVEY_CALL Sjul_days(int16_t y, int16_t m, int16_t d, int16_t h, int16_t mi, int16_t s);
/* Julian date: Sjul_days + 2400000.5. */
SURVEY_API double SURVEY_CALL jul_days(int16_t y, int16_t m, int16_t d, int16_t h, int16_t mi, int16_t s);
/* Gregorian date of Julian day number jd (the day that begins at noon of jd - 0.5),
 * exact for every jd >= -68569 (4713 BC November 24); returns the day. Years outside
 * the 16-bit range keep their low 16 bits. */
SURVEY_API int16_t SURVEY_CALL jul2ad(int32_t jd, int16_t* y, int16_t* m, int16_t* d);
/* A simple age of the moon in days, 0 ... 29 (negative for years up to 2);
 * -1 when m is not 1-12 or d is not 1-31. */
SURVEY_API int32_t SURVEY_CALL moon_age(int16_t y, int16_t m, int16_t d);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_CALENDAR_H */
