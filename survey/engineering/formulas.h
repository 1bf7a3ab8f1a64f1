/* formulas.h - fixed-end moments and end shears of a beam fixed at both ends under
 * ten load patterns, bending moments of a circular ring, the overhead-cost ratio,
 * the truncated cone and the single-server queue.
 *
 * Beam functions: span L from end A to end B; a and b are measured from A and
 * from B, w are loads per unit length, P point loads. Each writes MA, MB (fixed-end
 * moments: MA negative and MB positive under a downward load) and QA, QB (end
 * shears, both negative under a downward load). A function whose guard fails
 * (NaN included) writes nothing.
 */
#ifndef SURVEY_ENGINEERING_FORMULAS_H
#define SURVEY_ENGINEERING_FORMULAS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Load varying linearly from w1 at A to w2 at B over the span; L > 0. */
SURVEY_API void SURVEY_CALL kajyu_kou1(double L, double w1, double w2, double* MA, double* MB,
                                       double* QA, double* QB);
/* Point load P at distance a from A; L > 0, 0 <= a <= L. */
SURVEY_API void SURVEY_CALL kajyu_kou2(double L, double a, double P, double* MA, double* MB,
                                       double* QA, double* QB);
/* Triangular load rising from 0 at A to w at a, falling to 0 at B; L > 0, 0 <= a <= L. */
SURVEY_API void SURVEY_CALL kajyu_kou3(double L, double a, double w, double* MA, double* MB,
                                       double* QA, double* QB);
/* Uniform load w on the middle, clear length a at each end; L > 0, 0 <= a <= L/2. */
SURVEY_API void SURVEY_CALL kajyu_kou4(double L, double a, double w, double* MA, double* MB,
                                       double* QA, double* QB);
/* Uniform load w over length a at each end; L > 0, 0 <= a <= L/2. */
SURVEY_API void SURVEY_CALL kajyu_kou5(double L, double a, double w, double* MA, double* MB,
                                       double* QA, double* QB);
/* Uniform load w1 on the half next to A, w2 on the half next to B; L > 0. */
SURVEY_API void SURVEY_CALL kajyu_kou6(double L, double w1, double w2, double* MA, double* MB,
                                       double* QA, double* QB);
/* Triangular load falling from w at A to 0 at distance a; L > 0, 0 <= a <= L. */
SURVEY_API void SURVEY_CALL kajyu_kou7(double L, double a, double w, double* MA, double* MB,
                                       double* QA, double* QB);
/* n - 1 equal point loads P dividing the span into n equal parts; L > 0, n >= 1. */
SURVEY_API void SURVEY_CALL kajyu_kou8(double L, double P, double n, double* MA, double* MB,
                                       double* QA, double* QB);
/* Load varying linearly from w1 to w2 between a from A and b from B;
 * L > 0, a >= 0, b >= 0, a + b <= L. */
SURVEY_API void SURVEY_CALL kajyu_kou9(double L, double a, double b, double w1, double w2,
                                       double* MA, double* MB, double* QA, double* QB);
/* Symmetric trapezoidal load: rising from 0 to w over a at each end, w in between;
 * L > 0, 0 <= a <= L/2. */
SURVEY_API void SURVEY_CALL kajyu_kou10(double L, double a, double w, double* MA, double* MB,
                                        double* QA, double* QB);

/* Overhead-cost ratio (a fraction) of a construction cost: the percentage
 * cost^-0.1266 * 462.5 rounded to one decimal, above 500000; 0.878 otherwise. */
SURVEY_API double SURVEY_CALL SyokeihiRitu(double cost);
/* Bending moments of a circular ring of diameter D under the load w, formula 1
 * (support widths c1, c2) and formula 2 (width c). c1 or c2 = 0 gives NaN. */
SURVEY_API double SURVEY_CALL en_maxmo1(double c1, double c2, double w, double D);
SURVEY_API double SURVEY_CALL en_maxmo2(double c, double w, double D);
/* Truncated cone of base radii R > r and height h: volume V, lateral surface S and
 * slant height l, written in that order; nothing unless R > 0 (R = r divides by 0). */
SURVEY_API void SURVEY_CALL ensuidai(double R, double r, double h, double* V, double* S,
                                     double* l);
/* Single-server queue (Poisson arrivals at rate lambda, exponential service at
 * rate mu): utilisation rho, mean queue length Lq, mean number in system L, mean
 * wait Wq and mean time in system W; nothing unless mu > 0 and lambda > 0. */
SURVEY_API void SURVEY_CALL mm1(double mu, double lambda, double* rho, double* Lq, double* L,
                                double* Wq, double* W);

SURVEY_END_DECLS

#endif /* SURVEY_ENGINEERING_FORMULAS_H */
