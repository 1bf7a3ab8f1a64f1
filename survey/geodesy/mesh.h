/* mesh.h - third-order regional grid squares of Japan (eight-digit codes
 * pp uu q v r w: 30" of latitude by 45" of longitude), elevation grid records and
 * the cells of a quadrilateral divided n x m.
 *
 * Latitudes and longitudes are packed DMS. A code is held as a double
 * (pp*1000000 + uu*10000 + q*1000 + v*100 + r*10 + w) or as the text "ppuu-qv-rw".
 * Codes are not validated: out-of-range digits simply enter the corner formula.
 */
#ifndef SURVEY_GEODESY_MESH_H
#define SURVEY_GEODESY_MESH_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Code of the square that holds the point; a point on an edge belongs to the
 * square north or east of it. */
SURVEY_API double SURVEY_CALL BL2Mesh(double lat, double lon);
/* South-west corner of the square "ppuu-qv-rw". The text is cut in place at "-"
 * (a run of them separates once); a missing part reads 0, parts after the third
 * are ignored. */
SURVEY_API void SURVEY_CALL Mesh2BL(char* code, double* lat, double* lon);
/* South-west corner of the square of a numeric code. */
SURVEY_API void SURVEY_CALL Mesh2BL2(double code, double* lat, double* lon);
/* The four squares around a point: codes[0] its own, [1] north, [2] north-east,
 * [3] east; dlat and dlon the seconds of arc north and east of its own square's
 * south-west corner (5 decimals), fx = dlon / 45 and fy = dlat / 30. */
SURVEY_API void SURVEY_CALL adjoin_mesh(double lat, double lon, double* codes, double* dlat, double* dlon,
                                        double* fx, double* fy);
/* Elevation record: characters 0-5 the code, 6-8 a number, then 200 values of five
 * characters each (times 0.1). Each field is read on its own; a field that the
 * record ends inside reads what it holds, one past its end reads 0. */
SURVEY_API void SURVEY_CALL Mesh2Z(const char* rec, int32_t* code, int32_t* number, double* values);
/* Header record: four seven-character fields DDDMMSS at characters 29, 36, 43 and
 * 50 (times 0.0001, packed DMS); the first two into p1, the last two into p2. */
SURVEY_API void SURVEY_CALL Mesh_BL(const char* rec, double* p1, double* p2);
/* Corners of cell (i, j) of the quadrilateral P0 P1 P2 P3 divided into m cells
 * along P0P1 (j = 1..m) and n along P1P2 (i = 1..n); nothing written when an
 * index is out of range. */
SURVEY_API void SURVEY_CALL Mesh_Dev(const double* x, const double* y, int16_t n, int16_t m, int16_t i, int16_t j,
                                     double* xo, double* yo);

SURVEY_END_DECLS

#endif /* SURVEY_GEODESY_MESH_H */
