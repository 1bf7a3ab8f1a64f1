/* offsets.h - points at a distance from a point across a line, the offset of a
 * segment, and a line given by point and direction angle cut by a circle.
 */
#ifndef SURVEY_PLANE_OFFSETS_H
#define SURVEY_PLANE_OFFSETS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* The two points at distance d from P0 on the perpendicular from P0 to the line
 * a x + b y + c = 0: point 1 against the normal (a, b), point 2 along it. */
SURVEY_API void SURVEY_CALL line_fixdist(double a, double b, double c, double x0, double y0,
                                         double d, double* x1, double* y1, double* x2, double* y2);
/* End points A (at P1) and B (at P2) of the offset of segment P1P2 at distance d;
 * side 1 is the left of P1->P2 (x right, y up), -1 the right; nothing for another
 * side. */
SURVEY_API void SURVEY_CALL line_fixdist2(double x1, double y1, double x2, double y2, double d,
                                          int16_t side, double* xa, double* ya, double* xb,
                                          double* yb);
/* The line through (x, y) with direction angle t cut by the circle of centre
 * (cx, cy) and radius r. */
SURVEY_API void SURVEY_CALL angen_kouten(double x, double y, double t, double cx, double cy,
                                         double r, int16_t* n, double* x1, double* y1, double* x2,
                                         double* y2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_OFFSETS_H */
