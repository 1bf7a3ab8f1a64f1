/* intersections.h - intersections of lines given by coefficients, by two points or
 * by a point and a direction angle (radians from +y toward +x); corners of a chain
 * of lines; crossings of a polyline with a horizontal line.
 */
#ifndef SURVEY_PLANE_INTERSECTIONS_H
#define SURVEY_PLANE_INTERSECTIONS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Intersection of a1 x + b1 y + c1 = 0 and a2 x + b2 y + c2 = 0; (0, 0) when the
 * normals are exactly equal (parallel lines). */
SURVEY_API void SURVEY_CALL line_kouten1(double a1, double b1, double c1, double a2, double b2,
                                         double c2, double* x, double* y);
/* Intersection of line P1P2 with line P3P4. */
SURVEY_API void SURVEY_CALL line_kouten2(double x1, double y1, double x2, double y2, double x3,
                                         double y3, double x4, double y4, double* x, double* y);
/* Intersection of line P1P2 with the line a x + b y + c = 0. */
SURVEY_API void SURVEY_CALL line_kouten3(double x1, double y1, double x2, double y2, double a,
                                         double b, double c, double* x, double* y);
/* Intersection of the line through P1 with direction angle t1 with line P3P4. */
SURVEY_API void SURVEY_CALL angline_kouten(double x1, double y1, double t1, double x3, double y3,
                                           double x4, double y4, double* x, double* y);
/* Intersection of the lines through P1 with direction t1 and through P2 with direction t2. */
SURVEY_API void SURVEY_CALL angang_kouten(double x1, double y1, double t1, double x2, double y2,
                                          double t2, double* x, double* y);
/* Corners of a chain of n >= 3 coefficient lines into xo/yo (n slots): line 1 with 2,
 * 2 with 3, then every further line with line 1. Nothing is done when n < 3. */
SURVEY_API void SURVEY_CALL lineN_kouten(int16_t n, const double* a, const double* b,
                                         const double* c, double* xo, double* yo);
/* Crossings of the open polyline xs/ys (n points) with the line y = y0, into xo/yo
 * (two slots) and *count; a vertex on the line is found by both of its segments,
 * a horizontal segment off the line yields nothing. When a third crossing turns up
 * the search stops and *count is left unwritten. */
SURVEY_API void SURVEY_CALL nini_kouten(int16_t n, const double* xs, const double* ys, double y0,
                                        int16_t* count, double* xo, double* yo);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_INTERSECTIONS_H */
