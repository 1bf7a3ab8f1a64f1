/* vertical_curves.h - heights on the parabolic vertical curve whose slope runs from
 * g at x = 0 through 0 at x = L to -g at x = 2L.
 */
#ifndef SURVEY_PLANE_VERTICAL_CURVES_H
#define SURVEY_PLANE_VERTICAL_CURVES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* h0 + g x - g 0.5 / L x^2; 0.0 when L <= 0, |g| > 1 or x >= 2L. */
SURVEY_API double SURVEY_CALL virtical_curv(double g, double L, double x, double h0);
/* virtical_curv(L / R, L, x, h0); 0.0 when R = 0. */
SURVEY_API double SURVEY_CALL virtical_curv2(double R, double L, double x, double h0);
/* virtical_curv(g, g R, x, h0) when |g| <= 1 and R > 0, else 0.0 (a falling grade
 * makes L = g R negative and gives 0.0 too). */
SURVEY_API double SURVEY_CALL virtical_curv3(double g, double R, double x, double h0);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_VERTICAL_CURVES_H */
