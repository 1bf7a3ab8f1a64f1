/* spheres.h - spheres in space by their general equation: from and to centre and
 * radius, through a diameter, the polar plane of a point, and the circles in which
 * a plane or a second sphere cuts a sphere.
 *
 * A sphere is double[4] {A, B, C, D} of x^2 + y^2 + z^2 + Ax + By + Cz + D = 0, a
 * plane double[4] {A, B, C, D} of Ax + By + Cz + D = 0, a point double[3].
 */
#ifndef SURVEY_GEODESY_SPHERES_H
#define SURVEY_GEODESY_SPHERES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* General equation of the sphere of centre c and radius r. */
SURVEY_API void SURVEY_CALL sphere_e2g(const double* centre, double r, double* eq);
/* Centre and radius of a general equation; an equation with no real sphere
 * (r^2 <= 0) gives centre (0, 0, 0) and radius 0. */
SURVEY_API void SURVEY_CALL sphere_g2e(const double* eq, double* centre, double* r);
/* The sphere on the diameter p1 p2. */
SURVEY_API void SURVEY_CALL sphere_2point(const double* p1, const double* p2, double* eq);
/* Polar plane of p with respect to the sphere (centre, r): (p - c).(x - c) = r^2
 * (for p on the sphere, the tangent plane at p). */
SURVEY_API void SURVEY_CALL sphere_plane(const double* centre, double r, const double* p, double* plane);
/* Circle in which the plane cuts the sphere: *centre is the foot of the
 * perpendicular from the sphere's centre, *radius 0.0 when the plane only touches
 * or misses the sphere. A plane whose normal (A, B, C) is zero leaves *centre as it
 * was and gives radius 0.0. */
SURVEY_API void SURVEY_CALL sphere_circle(const double* sphere, const double* plane, double* centre, double* radius);
/* Circle in which two spheres meet: sphere_circle of the first with their radical
 * plane. Concentric spheres leave *centre as it was and give radius 0.0. */
SURVEY_API void SURVEY_CALL sphere_sphere(const double* sphere1, const double* sphere2, double* centre,
                                          double* radius);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_SPHERES_H */
