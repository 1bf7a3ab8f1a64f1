/* statistics.h - sums, means and deviations, correlation, and least-squares
 * regression lines, exponential and quadratic curves.
 *
 * Arrays are caller-owned doubles indexed from 0; counts are 16-bit. Every standard
 * deviation divides by n (the population form). Nothing is reported: empty input
 * gives 0.0 where a function says so, zero divisors give infinities or NaN.
 */
#ifndef SURVEY_NUMERICS_STATISTICS_H
#define SURVEY_NUMERICS_STATISTICS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Sums (n < 1 gives 0.0). */

/* Sum of a[i]. */
SURVEY_API double SURVEY_CALL sigma(int16_t n, const double* a);
/* Sum of a[i]^2, each square by pow(a[i], 2.0). */
SURVEY_API double SURVEY_CALL sigma_sq(int16_t n, const double* a);
/* Sum of x[i]*y[i]. */
SURVEY_API double SURVEY_CALL sigma_xy(int16_t n, const double* x, const double* y);
/* mode 1: sum of x^2 + y^2; 2: x^2 - y^2; 3: (x + y)^2; 4: (x - y)^2; any other
 * mode: 0.0. */
SURVEY_API double SURVEY_CALL sigma_x2y2(int16_t n, const double* x, const double* y, int16_t mode);
/* Sum of the a[i] for which a[i] op v holds (op as dmat_cmp's: "=", ">", ">=", "<",
 * "<=", "<>"); 0.0 when none, or when op is null. */
SURVEY_API double SURVEY_CALL sigma_cmp(int16_t n, const double* a, const char* op, double v);
/* Sum over k = 1..n of a5*k^5 + a4*k^4 + a3*k^3 + a2*k^2 + a1*k + a0, in closed form. */
SURVEY_API double SURVEY_CALL s_sigma(int16_t n, double a5, double a4, double a3, double a2, double a1,
                                      double a0);
/* n * sigma_sq - sigma^2. */
SURVEY_API double SURVEY_CALL sa_sq(int16_t n, const double* a);
/* n * sigma_xy - sigma(x) * sigma(y). */
SURVEY_API double SURVEY_CALL sa_xy(int16_t n, const double* x, const double* y);

/* Means and deviations. */

/* Mean; n = 0 gives NaN. */
SURVEY_API double SURVEY_CALL work_ave(int16_t n, const double* a);
/* Population standard deviation sqrt(sum a^2 / n - mean^2); a radicand that rounding
 * leaves below 0 (a constant series) gives 0.0. */
SURVEY_API double SURVEY_CALL work_hensa(int16_t n, const double* a);
/* Mean and population standard deviation, then the largest and smallest element;
 * n < 1 leaves max and min unwritten. */
SURVEY_API void SURVEY_CALL heikin(int16_t n, const double* a, double* mean, double* sd, double* max,
                                   double* min);
/* Weighted mean (written first) and weighted population standard deviation of the
 * values v with the weights w; n < 1 writes nothing. */
SURVEY_API void SURVEY_CALL heikin2(int16_t n, const double* v, const double* w, double* mean, double* sd);
/* Mean absolute deviation from the mean. */
SURVEY_API double SURVEY_CALL heikin_hensa(int16_t n, const double* a);
/* Median; sorts a ascending in place. n < 1 gives 0.0. */
SURVEY_API double SURVEY_CALL median(int16_t n, double* a);
/* Harmonic mean of the non-zero elements; n < 1 gives 0.0, all zero gives NaN. */
SURVEY_API double SURVEY_CALL chouwa_heikin(int16_t n, const double* a);
/* Geometric mean of the non-zero elements through decimal logarithms; n < 1 gives
 * 0.0, all zero or a negative element gives NaN. */
SURVEY_API double SURVEY_CALL soujou_heikin(int16_t n, const double* a);
/* Distributes diff = total - sum(a) over the elements in proportion to them:
 * out[i] = a[i] / sum * diff + a[i]. total = 0 writes nothing. */
SURVEY_API void SURVEY_CALL kajyu_heikin(int16_t n, const double* a, double total, double* out,
                                         double* diff);

/* Correlation. */

/* Means (written first), population covariance and correlation coefficient. */
SURVEY_API void SURVEY_CALL correl(int16_t n, const double* x, const double* y, double* mx, double* my,
                                   double* cov, double* r);
/* Correlation coefficient sa_xy / sqrt(sa_sq(x)) / sqrt(sa_sq(y)); n < 1 gives 0.0. */
SURVEY_API double SURVEY_CALL pearson(int16_t n, const double* x, const double* y);

/* Regression. */

/* Means and centred sums sxy = sum (y - my)(x - mx), sxx = sum (x - mx)^2 of the
 * line fit; returns n. n < 1 returns 0 with the sums 0 and the means unwritten. */
SURVEY_API int16_t SURVEY_CALL kaiki_work(int16_t n, const double* x, const double* y, double* mx,
                                          double* my, double* sxy, double* sxx);
/* Regression line y = intercept + slope*x; returns n. n < 1 returns 0 and writes
 * nothing; a single point, or all x equal, gives NaN or infinities. */
SURVEY_API int16_t SURVEY_CALL kaiki_line(int16_t n, const double* x, const double* y, double* slope,
                                          double* intercept);
/* As kaiki_line, plus the direction angle of the line (radians from +y toward +x,
 * in [0, pi]); n < 1 writes nothing. */
SURVEY_API void SURVEY_CALL kaiki_line2(int16_t n, const double* x, const double* y, double* slope,
                                        double* intercept, double* angle);
/* Exponential curve y = A * exp(B*x) fitted through ln y; A and B are set to 0
 * first. A y <= 0 gives NaN. */
SURVEY_API void SURVEY_CALL kaiki_sisu(int16_t n, const double* x, const double* y, double* a, double* b);
/* Parabola y = a*x^2 + b*x + c from the raw normal equations (sums of x^0..x^4),
 * without centring; n < 1 writes nothing. Accuracy falls fast with the distance of
 * the x from 0 relative to their spread: for 11 points of y = x^2 - 1 at x0, x0 + 1,
 * ..., x0 + 10, c is off by 1e-9 at x0 = 30, 4e-6 at 100, 0.02 at 500, 0.3 at 1000
 * and 66 at 2000; from x0 = 3000 no coefficient is usable. Centre the x first when
 * they lie far from the origin. */
SURVEY_API void SURVEY_CALL kaiki_houbutu(int16_t n, const double* x, const double* y, double* a,
                                          double* b, double* c);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_STATISTICS_H */
