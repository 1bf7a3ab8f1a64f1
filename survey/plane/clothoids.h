/* clothoids.h - the clothoid transition curve: A^2 = R L, tangent angle
 * tau = L / (2R) = L^2 / (2A^2), and local coordinates (X along the initial tangent,
 * Y toward the curve's side) X = L C(tau), Y = L (tau/3) S(tau) from the series of
 * hureneru.
 *
 * The 20-term series is exact to rounding (2e-15 L) up to tau = 2pi; it loses
 * accuracy beyond (1e-10 L at tau = 10) and fails past tau of about 15.
 */
#ifndef SURVEY_PLANE_CLOTHOIDS_H
#define SURVEY_PLANE_CLOTHOIDS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* C = 1 - tau^2/10 + tau^4/216 - ... and S = 1 - tau^2/14 + tau^4/440 - ..., 20
 * terms each. */
SURVEY_API void SURVEY_CALL hureneru(double tau, double* C, double* S);
/* Parameter A = sqrt(R L); 0.0 when R L <= 0. */
SURVEY_API double SURVEY_CALL kloth_para(double R, double L);
/* Radius A^2 / L; 0.0 when L = 0. */
SURVEY_API double SURVEY_CALL kloth_rad(double L, double A);
/* Length A^2 / R; 0.0 when R = 0. */
SURVEY_API double SURVEY_CALL kloth_len(double A, double R);
/* Tangent angle L / (2R). */
SURVEY_API double SURVEY_CALL kloth_tau1(double R, double L);
/* Tangent angle L^2 / (2A^2). */
SURVEY_API double SURVEY_CALL kloth_tau2(double A, double L);
/* Local coordinates at tau from the radius: X = 2 C R tau, Y = tau^2 S R 2/3. */
SURVEY_API void SURVEY_CALL kloth_keR(double R, double tau, double* X, double* Y);
/* Local coordinates at tau from the parameter: X = 2 sqrt(tau) C A / sqrt(2),
 * Y = 2 sqrt(tau) S A tau / (3 sqrt(2)). */
SURVEY_API void SURVEY_CALL kloth_keA(double A, double tau, double* X, double* Y);
/* Elements at the end of the transition of radius R and angle tau: X, Y, the shift
 * dR = R cos(tau) + Y - R, short tangent TK = Y / sin(tau), long tangent
 * TL = X - TK cos(tau), polar angle sigma = atan(Y / X), chord S0 = Y / sin(sigma). */
SURVEY_API void SURVEY_CALL kloth_work(double R, double tau, double* X, double* Y, double* dR,
                                       double* TK, double* TL, double* sigma, double* S0);
/* (x0 + s cos(theta), y0 + s sin(theta)), theta a mathematical angle. */
SURVEY_API void SURVEY_CALL kloth_kou(double x0, double y0, double s, double theta, double* x,
                                      double* y);
/* Where the clothoid of parameter A, starting at (x0, y0) along +x and bending
 * toward +y, meets the circle (xc, yc, R): the arc length grows by the point's
 * distance outside the circle until that step is at most tol, for at most 10001
 * steps. A start within tol of the circle or inside it gives (x0, y0); a circle that
 * the series cannot reach gives NaN, NaN. */
SURVEY_API void SURVEY_CALL kloth_koutenEN(double xc, double yc, double R, double x0, double y0,
                                           double A, double tol, double* x, double* y);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_CLOTHOIDS_H */
