/* extents.h - oriented bounding rectangles of point lists and their centre lines.
 * Corners run (xmin, ymin), (xmin, ymax), (xmax, ymax), (xmax, ymin) in the turned
 * frame, written back in the caller's frame.
 */
#ifndef SURVEY_PLANE_EXTENTS_H
#define SURVEY_PLANE_EXTENTS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Extent of the n points turned about the first one by the mathematical angle theta
 * (radians): corners into cx/cy (four each), turned back; width and height in the
 * turned frame; returns w * h. n < 1 writes nothing and returns 0.0. */
SURVEY_API double SURVEY_CALL Rot_ExtentXY(int32_t n, double theta, const double* xs, const double* ys, double* cx,
                                           double* cy, double* w, double* h);
/* Rot_ExtentXY with theta = the direction angle of the points' regression line. */
SURVEY_API double SURVEY_CALL Poly_Extent(int32_t n, const double* xs, const double* ys, double* cx, double* cy,
                                          double* w, double* h);
/* The two centre lines of Poly_Extent's rectangle, the longer into l1: one joins
 * the midpoints of the sides C0C3 and C1C2, the other those of C0C1 and C2C3.
 * n < 1 writes nothing. */
SURVEY_API void SURVEY_CALL Poly_CL(int32_t n, const double* xs, const double* ys, double* cx, double* cy,
                                    survey_line* l1, survey_line* l2);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_EXTENTS_H */
