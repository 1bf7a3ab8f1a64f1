/* grid_correction.h - correction values of third-order grid squares read from a
 * parameter file, and their bilinear interpolation.
 *
 * The parameter file is text read from its start at every call, in pieces of at
 * most 255 characters (a longer line is several pieces, each taken as a line). A
 * piece holds code c when the leading number of its first eight characters equals
 * c; its further values, separated by spaces, are read skipping zeros: the first
 * non-zero is the first correction, the next the second, a third voids the line.
 * Values pass unchanged, in the file's unit. Corner order: [0] own square,
 * [1] north, [2] north-east, [3] east (as adjoin_mesh gives the codes).
 */
#ifndef SURVEY_GEODESY_GRID_CORRECTION_H
#define SURVEY_GEODESY_GRID_CORRECTION_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* The first piece that holds code: 1 when found (a piece without non-zero values
 * writes nothing), 0 when the file cannot be read, the code is absent or the piece
 * holds a third non-zero value (what was written before it stays). */
SURVEY_API int16_t SURVEY_CALL Get_Tky2Jgd(const char* path, double code, double* first, double* second);
/* The four codes in one pass over a file sorted ascending by code: 1 when all are
 * found. first[k] and second[k] follow the order of codes, 0.0 where a code or a
 * value is missing. Nothing is written when the file cannot be read or a piece
 * holds a third non-zero value. */
SURVEY_API int16_t SURVEY_CALL Get_Tky2Jgd2(const char* path, const double* codes, double* first, double* second);
/* v[3] a (1 - b) + v[1] (1 - a) b + v[2] a b + v[0] (1 - a)(1 - b) for a (east) and
 * b (north) in [0, 1]; 0.0 outside. */
SURVEY_API double SURVEY_CALL by_linear(const double* v, double a, double b);
SURVEY_API double SURVEY_CALL by_linearF(const float* v, double a, double b);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_GRID_CORRECTION_H */
