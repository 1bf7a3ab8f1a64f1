/* polynomial_curves.h - cubic and quadratic Bezier curves and the uniform cubic
 * B-spline segment, by coordinate: four (cubic) or three (quadratic) control values
 * per coordinate, power coefficients k with B(t) = k0 t^3 + k1 t^2 + k2 t + k3
 * (k0 t^2 + k1 t + k2 for a quadratic).
 *
 * The samplers write n + 1 points at t = 0, 1/n, 2/n, ... (the step 1/n added up,
 * so the last t is 1 up to rounding) into arrays that must hold n + 1 values; they
 * write nothing when n < 1.
 */
#ifndef SURVEY_PLANE_POLYNOMIAL_CURVES_H
#define SURVEY_PLANE_POLYNOMIAL_CURVES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Cubic Bezier to power form: k0 = 3 (p1 - p2) + (p3 - p0), k1 = 3 (p0 - 2 p1 + p2),
 * k2 = 3 (p1 - p0), k3 = p0. Bound by its decorated name "_bezierk@8" only. */
SURVEY_API void SURVEY_CALL bezierk(const double* p, double* k);
/* ((t k0 + k1) t + k2) t + k3. Bound by its decorated name "_be_honer@12" only. */
SURVEY_API double SURVEY_CALL be_honer(const double* k, double t);
/* Points of the plane and the spatial cubic Bezier curve. */
SURVEY_API void SURVEY_CALL bezier3_1(const double* px, const double* py, int16_t n, double* xo,
                                      double* yo);
SURVEY_API void SURVEY_CALL bezier3(const double* px, const double* py, const double* pz, int16_t n,
                                    double* xo, double* yo, double* zo);
/* Quadratic Bezier to power form: k0 = p0 - 2 p1 + p2, k1 = 2 p1 - 2 p0, k2 = p0.
 * Bound by its decorated name "_bezierk2@8" only. */
SURVEY_API void SURVEY_CALL bezierk2(const double* p, double* k);
/* Points of the plane and the spatial quadratic Bezier curve. */
SURVEY_API void SURVEY_CALL bezier2_1(const double* px, const double* py, int16_t n, double* xo,
                                      double* yo);
SURVEY_API void SURVEY_CALL bezier2(const double* px, const double* py, const double* pz, int16_t n,
                                    double* xo, double* yo, double* zo);
/* Uniform cubic B-spline segment: (1 - t)^3/6 p0 + (t^3/2 - t^2 + 2/3) p1
 * + ((t^2 + t)/2 - t^3/2 + 1/6) p2 + t^3/6 p3. Bound by its decorated name
 * "_work_spline@12" only. */
SURVEY_API double SURVEY_CALL work_spline(const double* p, double t);
/* Points of the plane and the spatial B-spline segment. */
SURVEY_API void SURVEY_CALL bspline2(const double* px, const double* py, int16_t n, double* xo,
                                     double* yo);
SURVEY_API void SURVEY_CALL bspline3(const double* px, const double* py, const double* pz,
                                     int16_t n, double* xo, double* yo, double* zo);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_POLYNOMIAL_CURVES_H */
