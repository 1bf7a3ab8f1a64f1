/* jis_round.h - the two rounding rules of JIS Z 8401 to n decimals.
 *
 * A value counts as a half when its scaled fraction lies within 1e-12 of 0.5, so
 * that decimal halves stored a hair off (1.005 is 1.00499999999999989...) round as
 * halves. n < 1 rounds to an integer. The result is negated for x <= 0, so both
 * zeros give -0.0; NaN gives NaN.
 */
#ifndef SURVEY_GEODESY_JIS_ROUND_H
#define SURVEY_GEODESY_JIS_ROUND_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Rule A: halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
 * roundA is a second name of round5. */
SURVEY_API double SURVEY_CALL round5(double x, int16_t n);
SURVEY_API double SURVEY_CALL roundA(double x, int16_t n);
/* Rule B: halves away from zero (2.5 -> 3, -2.5 -> -3). */
SURVEY_API double SURVEY_CALL roundB(double x, int16_t n);
/* rule 1: round5(x, n); rule 2: roundB(x, n); any other rule 0.0. */
SURVEY_API double SURVEY_CALL JIS8401(int16_t rule, double x, int16_t n);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_JIS_ROUND_H */
