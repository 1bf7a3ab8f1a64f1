/* polygons.h - polygon tests (point on the boundary, point inside, an inner point)
 * and ring utilities: perimeter, chainage of the vertices, renumbering from a
 * vertex, an inner offset ring, a regular polygon; the grid-code reader zcd2xy.
 * A ring is n points in two arrays, closed implicitly (the last joins the first).
 */
#ifndef SURVEY_PLANE_POLYGONS_H
#define SURVEY_PLANE_POLYGONS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* 0 when (x, y) lies on an edge of the ring (within 1e-05 of the edge's line and in
 * its box), -1 otherwise, also when n < 2. */
SURVEY_API int16_t SURVEY_CALL OnPolygon(int16_t n, const double* xs, const double* ys, double x, double y);
/* -1 when (x, y) lies inside the ring, 0 on its boundary, 1 outside (also when
 * n < 3). Inside means a winding number of one in the ring's own sense. The arrays
 * are only read. */
SURVEY_API int16_t SURVEY_CALL InPolygon(int16_t n, const double* xs, const double* ys, double x, double y);
/* The centroid of the first run of three consecutive vertices whose centroid lies
 * inside the ring; nothing is written when n < 3 or no centroid does. */
SURVEY_API void SURVEY_CALL poly_gyusin(int16_t n, const double* xs, const double* ys, double* x, double* y);
/* Sum of the edge lengths, the closing edge included when closed = -1; 0.0 when
 * n < 2 or closed is neither 0 nor -1. */
SURVEY_API double SURVEY_CALL poly_leng(int16_t n, const double* xs, const double* ys, int16_t closed);
/* Chainage of the vertices in units of step into pos[0..n] (n + 1 values), the last
 * edge back to the first vertex. mode 0: floor of the running sum, pos[n] (the
 * perimeter) unrounded; mode 1: the sum of the floored edge lengths. Another mode,
 * or n < 1, writes nothing. */
SURVEY_API void SURVEY_CALL work_kado(int16_t n, const double* xs, const double* ys, double step, int16_t mode,
                                      double* pos);
/* Renumbers the ring in place so that vertex k (1-based) comes first, reversing it
 * first when reverse = 1. Nothing unless 3 <= n <= 1024 and 1 <= k <= n. */
SURVEY_API void SURVEY_CALL pos_rot(int16_t n, double* xs, double* ys, int16_t k, int16_t reverse);
/* The ring renumbered from vertex k in the sense sense (1 as listed when the area is
 * positive, -1 the other way) and then work_kado. Nothing unless 3 <= n <= 1024,
 * 1 <= k <= n, sense is 1 or -1, step > 0 and mode is 0 or 1. */
SURVEY_API void SURVEY_CALL kado_ban(int16_t n, double* xs, double* ys, int16_t k, int16_t sense, double step,
                                     int16_t mode, double* pos);
/* Each vertex moved the distance d toward the incentre of the triangle (previous,
 * vertex, next), into xo/yo (arrays other than xs/ys); nothing when n < 3. */
SURVEY_API void SURVEY_CALL poly_inpoly(int16_t n, const double* xs, const double* ys, double d, double* xo,
                                        double* yo);
/* Regular n-gon of circumradius r about (x, y), the first vertex due +y, then
 * clockwise; nothing unless n >= 3 and r > 0. */
SURVEY_API void SURVEY_CALL get_polyxy(double x, double y, int16_t n, double r, double* xo, double* yo);
/* Reads a 14-character grid code: characters 1-2 times 250 -> a, 3-4 -> b, 5-9
 * times 75 minus 300000 -> x, 10-14 times 100 minus 160000 -> y. A shorter code
 * ends at its NUL: a field cut short converts what it has, a missing one counts 0. */
SURVEY_API void SURVEY_CALL zcd2xy(const char* code, double* a, double* b, double* x, double* y);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_POLYGONS_H */
