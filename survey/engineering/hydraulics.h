/* hydraulics.h - open-channel hydraulics: wetted cross-sections (circle, trapezoid,
 * parabola, surveyed profile), Manning and Ganguillet-Kutter velocities, the Froude
 * number, normal and critical depths, critical slope and the rational formula.
 *
 * SI units throughout (m, s, m^3/s); gravity is 9.8. A section function writes the
 * flow area A, the wetted perimeter P and the water-surface width B; the hydraulic
 * radius is R = A / P. I is the energy slope, nr the roughness coefficient, alpha
 * the energy coefficient, eps the depth tolerance of the solvers.
 */
#ifndef SURVEY_ENGINEERING_HYDRAULICS_H
#define SURVEY_ENGINEERING_HYDRAULICS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Circular section of radius r filled to depth h from the invert (h > 2r gives NaN). */
SURVEY_API void SURVEY_CALL keisin_en(double r, double h, double* A, double* P, double* B);
/* Trapezoid of bottom width b, depth h, side slopes m1 and m2 (run per unit rise;
 * 0 is a vertical wall). */
SURVEY_API void SURVEY_CALL keisin_kukei(double b, double h, double m1, double m2, double* A,
                                         double* P, double* B);
/* Parabola y = a x^2 filled to depth h; nothing is written when a is 0 or NaN. */
SURVEY_API void SURVEY_CALL keisin_houbutu(double a, double h, double* A, double* P, double* B);
/* Wetted part of a surveyed profile of n points (x offset, y elevation) below the
 * water level WL, between the first two water-line crossings; *count is the number
 * of crossings found (0, 1 or 2). A segment crosses when exactly one of its ends
 * lies below WL, so a point exactly at WL is one water edge. All four results are
 * always written (zeros for n < 2). */
SURVEY_API void SURVEY_CALL keisin_nini(int16_t n, const double* x, const double* y, double WL,
                                        double* A, double* P, double* B, int16_t* count);
/* Manning velocity R^(2/3) I^(1/2) / nr; 0.0 when nr = 0. */
SURVEY_API double SURVEY_CALL maning(double R, double I, double nr);
/* Ganguillet-Kutter velocity; 0.0 when R, I or nr is 0. */
SURVEY_API double SURVEY_CALL kutter(double R, double I, double nr);
/* Froude number V / sqrt(9.8 h); -9999.0 unless h > 0. */
SURVEY_API double SURVEY_CALL Froude(double V, double h);

/* Normal (uniform-flow) depths by Manning for the discharge Q. 0.0 when the
 * section cannot carry Q (suisin_en: not below 1.876358 r) or no depth is found. */
SURVEY_API double SURVEY_CALL suisin_en(double r, double Q, double I, double nr, double eps);
SURVEY_API double SURVEY_CALL suisin_kukei(double b, double Q, double m1, double m2, double I,
                                           double nr, double eps);
SURVEY_API double SURVEY_CALL suisin_houbutu(double a, double Q, double I, double nr, double eps);
/* Critical depths, where alpha Q^2 B = 9.8 A^3; 0.0 when no depth is found. */
SURVEY_API double SURVEY_CALL genkai_en(double r, double Q, double alpha, double eps);
SURVEY_API double SURVEY_CALL genkai_daikei(double b, double m1, double m2, double Q, double alpha,
                                            double eps);
/* Closed-form critical depths of a rectangle (width b), a triangle (side slope m)
 * and a parabola (coefficient a); 0.0 when the first argument is 0. */
SURVEY_API double SURVEY_CALL genkai_kukei(double b, double Q, double alpha);
SURVEY_API double SURVEY_CALL genkai_sankaku(double m, double Q, double alpha);
SURVEY_API double SURVEY_CALL genkai_houbutu(double a, double Q, double alpha);
/* Critical slope of a section of area A and wetted perimeter P: V = Q / A and the
 * slope Ic at which Manning's velocity equals V. Both are set to 0 first and stay
 * 0 when A or P is 0. */
SURVEY_API void SURVEY_CALL genkai_koubai(double Q, double A, double P, double nr, double* V,
                                          double* Ic);
/* Rational-formula peak discharge (m^3/s) from the runoff coefficient C, the
 * rainfall intensity i (mm/h) and the area A (km^2). */
SURVEY_API double SURVEY_CALL gouri(double C, double i, double A);

SURVEY_END_DECLS

#endif /* SURVEY_ENGINEERING_HYDRAULICS_H */
