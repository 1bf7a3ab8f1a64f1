/* matrix.h - Gauss-Jordan solver on the fixed 11 x 11 solver matrix.
 *
 * The matrix holds doubles with a leading dimension of 11. An augmented system of n
 * unknowns keeps its coefficients in columns 0..n-1 and its right-hand side in
 * column n; on return column n holds the solution (row i = unknown i). There is no
 * pivot search and no row exchange: a zero pivot leaves its row undivided and the
 * result is meaningless, but nothing is reported.
 */
#ifndef SURVEY_NUMERICS_MATRIX_H
#define SURVEY_NUMERICS_MATRIX_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Solves the n x n system held column-major (element (i, j) at m[11*j + i]); column
 * n+1 is carried through every row operation, so a second right-hand side placed
 * there comes back solved too (m must hold columns 0..n+1; n <= 9 with 11 columns).
 * n < 1, or n > 11 (rows past the leading dimension), does nothing. */
SURVEY_API void SURVEY_CALL gauss(int16_t n, double* m);
/* Solves the n x n system held row-major (element (i, j) at m[11*i + j]); touches
 * columns 0..n only. n < 1, or n > 10 (columns past the leading dimension), does
 * nothing. */
SURVEY_API void SURVEY_CALL gauss_c(int16_t n, double* m);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_MATRIX_H */
