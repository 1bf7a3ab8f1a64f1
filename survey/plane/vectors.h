/* vectors.h - plane and spatial vectors, planes in space, and the circle and sphere
 * of one radius.
 *
 * Plane vectors are two doubles by value; spatial points and vectors are arrays of
 * three doubles. A plane is (a, b, c, d) for a*x + b*y + c*z + d = 0, its normal
 * (a, b, c) not normalised. Direction angles are radians from +y toward +x.
 * Degenerate input leaves the outputs unwritten where a function says so.
 */
#ifndef SURVEY_PLANE_VECTORS_H
#define SURVEY_PLANE_VECTORS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Plane vectors. */

/* (dx, dy) = P2 - P1. */
SURVEY_API void SURVEY_CALL vect(double x1, double y1, double x2, double y2, double* dx, double* dy);
/* Length of (x, y). */
SURVEY_API double SURVEY_CALL vdist(double x, double y);
/* Direction angle of (x, y), in [0, 2pi); (0, 0) gives 0. */
SURVEY_API double SURVEY_CALL vang(double x, double y);
/* Unit vector of (x, y), a zero component staying exactly 0 (so (0, 0) gives
 * (0, 0)); returns the length. */
SURVEY_API double SURVEY_CALL uvect(double x, double y, double* ux, double* uy);
/* Unit vector of P1 -> P2 as get_vect; returns the distance P1 P2. */
SURVEY_API double SURVEY_CALL get_vect2(double x1, double y1, double x2, double y2, double* vx,
                                        double* vy);
/* x1*x2 + y1*y2. */
SURVEY_API double SURVEY_CALL dot_product(double x1, double y1, double x2, double y2);
/* x1*y2 - y1*x2. */
SURVEY_API double SURVEY_CALL cross_product(double x1, double y1, double x2, double y2);

/* Spatial vectors. */

/* v = P2 - P1. */
SURVEY_API void SURVEY_CALL vect_3d(const double* p1, const double* p2, double* v);
/* Distance P1 P2, the squares taken by pow(d, 2.0). */
SURVEY_API double SURVEY_CALL dist_3d(const double* p1, const double* p2);
/* Length of v. */
SURVEY_API double SURVEY_CALL vdist_3d(const double* v);
/* u = v / |v|; returns |v|. A zero vector writes nothing. */
SURVEY_API double SURVEY_CALL uvect_3d(const double* v, double* u);
/* The three products p[i] = a[i]*b[i], not their sum: the caller adds them for the
 * dot product. */
SURVEY_API void SURVEY_CALL dot_product_3d(const double* a, const double* b, double* p);
/* c = a x b. */
SURVEY_API void SURVEY_CALL cross_product_3d(const double* a, const double* b, double* c);
/* The point dividing P1 -> P2 in the ratio m : n, (n*P1 + m*P2) / (m + n) per
 * coordinate; nothing written when m <= 0 and n = 0, or when n < 0 and m = n. */
SURVEY_API void SURVEY_CALL naibun2_3d(const double* p1, const double* p2, double m, double n,
                                       double* p);
/* The point at distance d from P1 toward P2; nothing written when d exceeds the
 * distance P1 P2. Coincident points give NaN. */
SURVEY_API void SURVEY_CALL naibun_3d(const double* p1, const double* p2, double d, double* p);
/* Centroid of the triangle P1 P2 P3 in g[0..2], g[3] = 0 (g holds four doubles). */
SURVEY_API void SURVEY_CALL gyusin_point3_3d(const double* p1, const double* p2, const double* p3,
                                             double* g);

/* Planes. */

/* Plane through three points: normal (P2 - P1) x (P3 - P1), d = -(normal . P1). */
SURVEY_API void SURVEY_CALL plane_equ_3point(const double* p1, const double* p2, const double* p3,
                                             double* a, double* b, double* c, double* d);
/* Plane through the line (P1, direction v) and the point P2: normal (P2 - P1) x v. */
SURVEY_API void SURVEY_CALL plane_equ_lp(const double* v, const double* p1, const double* p2, double* a,
                                         double* b, double* c, double* d);
/* Plane through the lines (P1, direction e) and (P2, direction f): normal e x f; when
 * e x f is exactly (0, 0, 0) (parallel lines), the plane through line 1 and P2. */
SURVEY_API void SURVEY_CALL plane_equ_ll(const double* e, const double* p1, const double* f,
                                         const double* p2, double* a, double* b, double* c, double* d);
/* Intersection P = P0 + t*v of a line with the plane (a, b, c, d); writes t, then P.
 * A line parallel to the plane writes nothing. */
SURVEY_API void SURVEY_CALL plane_line(double a, double b, double c, double d, const double* v,
                                       const double* p0, double* t, double* p);
/* Intersection of the line (x0, y0, z0) + t*(dx, dy, dz) with the plane
 * a*x + b*y + z = 0; a line parallel to it writes nothing. */
SURVEY_API void SURVEY_CALL line2_kou(double x0, double y0, double z0, double dx, double dy, double dz,
                                      double a, double b, double* x, double* y, double* z);
/* Distance of P from the plane; 0.0 when the normal is zero. */
SURVEY_API double SURVEY_CALL p2pl_dist(double a, double b, double c, double d, const double* p);
/* Mirror image Q of P in the plane; a zero normal writes nothing. */
SURVEY_API void SURVEY_CALL taisho_point_3d(double a, double b, double c, double d, const double* p,
                                            double* q);
/* Angle between two planes given by their normals, in [0, pi/2]; parallel planes
 * give 0 (a cosine that rounds above 1 counts as 1). */
SURVEY_API double SURVEY_CALL plane_ang(double a1, double b1, double c1, double a2, double b2, double c2);

/* Circle and sphere of radius r: m[0] disc area, m[1] circumference, m[2] sphere
 * surface, m[3] sphere volume (each constant times r, r, r left to right); nothing
 * written when r <= 0. */
SURVEY_API void SURVEY_CALL alsv(double r, double* m);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_VECTORS_H */
