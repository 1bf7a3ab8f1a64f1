/* curves.h - the circular curve between two tangents: tangent length T, external
 * secant SL and curve length CL from the intersection angle I and the radius R, the
 * beginning and end of curve (BC, EC) and the centre O.
 *
 * Points are (x, y); I is a difference of direction angles in radians, positive
 * when the route turns toward growing direction angles (clockwise).
 */
#ifndef SURVEY_PLANE_CURVES_H
#define SURVEY_PLANE_CURVES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* T = R tan(I/2), SL = R (1/cos(I/2) - 1), CL = R I; nothing is written unless
 * 0 <= I <= pi. */
SURVEY_API void SURVEY_CALL get_TSC(double I, double R, double* T, double* SL, double* CL);
/* Curve of radius R between the tangents A -> IP and IP -> B. I is written as the
 * difference of the two directions, unreduced; T, SL, CL and the points come from
 * the turn reduced to (-pi, pi], taken by its size, so a turn either way (or across
 * direction 0) gives the same curve. */
SURVEY_API void SURVEY_CALL ip_setu(double ax, double ay, double ipx, double ipy, double bx,
                                    double by, double R, double* bcx, double* bcy, double* ecx,
                                    double* ecy, double* ox, double* oy, double* I, double* T,
                                    double* SL, double* CL);
/* The same with the intersection angle given: the second tangent leaves IP with the
 * direction of A -> IP plus I; T, SL and CL come from I reduced as in ip_setu. */
SURVEY_API void SURVEY_CALL ip_setu3(double ax, double ay, double ipx, double ipy, double I,
                                     double R, double* bcx, double* bcy, double* ecx, double* ecy,
                                     double* ox, double* oy, double* T, double* SL, double* CL);
/* The curve of the circle (O, R) whose tangents meet at IP: tangent points P1, P2,
 * I = 2 atan(T/R), T, SL, CL; nothing is written unless IP lies outside the circle. */
SURVEY_API void SURVEY_CALL ip_setu2(double ipx, double ipy, double ox, double oy, double R,
                                     double* p1x, double* p1y, double* p2x, double* p2y, double* I,
                                     double* T, double* SL, double* CL);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_CURVES_H */
