/* division.h - parcel division: cutting a ring by a line so that a given area lies
 * on one side, by a line through a vertex (fan method) or by a line of given
 * direction (bisection between two bracketing vertex lines).
 *
 * Rings are n points in two arrays, closed implicitly, and must run clockwise with
 * x to the right and y up (work_area > 0); a ring in the other sense is refused,
 * never reoriented. Vertex numbers k and edge numbers are 1-based, i1/i2 0-based.
 * Directions are direction angles (from +y toward +x); pol_dev2 and pol_dev3 take
 * them in packed DMS, the others in radians. Chords are line records.
 *
 * Limits: exact for convex rings. On non-convex rings the fan can leave the parcel,
 * and pol_dev2 fails when a bracketing line crosses the ring more than twice. A
 * rectangle cut parallel to its sides, or a triangle parallel to an edge, gives 0
 * (no bracketing vertex line is a chord), and so can a chord within 1e-4 of a vertex. The area match is 1e-05 square units, which
 * can be out of reach for areas near 5e7 at plane-coordinate size.
 */
#ifndef SURVEY_PLANE_DIVISION_H
#define SURVEY_PLANE_DIVISION_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Point (x, y) on the ring such that the line from vertex k to it cuts off area A
 * on the side of the vertices after k. 1 = found, 0 = not (nothing written). */
SURVEY_API int16_t SURVEY_CALL pol_dev(int16_t n, const double* xs, const double* ys, int16_t k, double A,
                                       double* x, double* y);
/* As pol_dev, from the point (xa, ya) at distance d (0 <= d <= edge length) from
 * vertex k along edge k. */
SURVEY_API int16_t SURVEY_CALL pol_dev1(int16_t n, const double* xs, const double* ys, int16_t k, double d,
                                        double A, double* xa, double* ya, double* x, double* y);
/* Chord of direction t (packed DMS) dividing the ring in the ratio a : b, a on the
 * left; writes the areas left and right. 1 = found; 0 = not, areas unwritten (the
 * chord record may hold the last trial chord). */
SURVEY_API int16_t SURVEY_CALL pol_dev2(int16_t n, const double* xs, const double* ys, double t, double a,
                                        double b, survey_line* chord, double* Aleft, double* Aright);
/* Chord of direction t (packed DMS) leaving area A on its left; as pol_dev2. */
SURVEY_API int16_t SURVEY_CALL pol_dev3(int16_t n, const double* xs, const double* ys, double t, double A,
                                        survey_line* chord, double* Aleft, double* Aright);
/* The two vertices (0-based) between whose direction-t lines (radians) the left
 * area A lies, strictly; 1 = found, 0 = not. */
SURVEY_API int16_t SURVEY_CALL pol_areaLimit(int16_t n, const double* xs, const double* ys, double t, double A,
                                             int16_t* i1, int16_t* i2);
/* Chord of the ring on the line a x + b y + c = 0 of direction t (radians) and the
 * area on its left; 1 when the line crosses the ring in exactly two points, else 0. */
SURVEY_API int16_t SURVEY_CALL polyline_devarea(int16_t n, const double* xs, const double* ys, double a,
                                                double b, double c, double t, survey_line* chord,
                                                double* Aleft);
/* Crossings of the line with n edge records (a vertex counted once, on the edge
 * that starts there; edges parallel to the line have none): points and 1-based
 * edge numbers; returns the count. */
SURVEY_API int16_t SURVEY_CALL polyline_kou3(int16_t n, const survey_line* edges, double a, double b, double c,
                                             survey_point* pts, int16_t* edgeNo);
/* Side of (x, y) with respect to the line of direction t (radians, any turn): 1 =
 * left of it or on it, 2 = right. A steep line (|b| < |a|) compares x with the
 * line's x at y, any other the line's y at x. */
SURVEY_API int16_t SURVEY_CALL Point_UD2(double a, double b, double c, double t, double x, double y);
/* Selection sort of v ascending, carrying idx along. */
SURVEY_API void SURVEY_CALL dsortNO(int16_t n, double* v, int16_t* idx);
/* Exchanges the first n point records of p and q. */
SURVEY_API void SURVEY_CALL Pswap(int16_t n, survey_point* p, survey_point* q);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_DIVISION_H */
