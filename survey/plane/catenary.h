/* catenary.h - the catenary of parameter a. */
#ifndef SURVEY_PLANE_CATENARY_H
#define SURVEY_PLANE_CATENARY_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* With u = x / a: y = 0.5 a cosh(u) (half the curve's ordinate a cosh(u)), arc
 * length s = a sinh(u) from the vertex, area = a^2 sinh(u). */
SURVEY_API void SURVEY_CALL catenary(double a, double x, double* y, double* s, double* area);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_CATENARY_H */
