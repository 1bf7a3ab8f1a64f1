/* polylines.h - crossings of line records with a line, and segments chained into
 * one polyline.
 */
#ifndef SURVEY_PLANE_POLYLINES_H
#define SURVEY_PLANE_POLYLINES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Intersection of the lines of two records into *result; (0, 0) when their
 * normals are exactly equal. Returns result. */
SURVEY_API survey_point* SURVEY_CALL line_koutenL(survey_point* result, const survey_line* a, const survey_line* b);
/* Crossings of the n records with the record l: a crossing is kept when it lies in
 * the boxes of both records widened by 0.0001; a record parallel to l (the same
 * unit normal) yields none. Returns the number written to points. */
SURVEY_API int16_t SURVEY_CALL polyline_kou(int16_t n, const survey_line* lines, const survey_line* l,
                                            survey_point* points);
/* As polyline_kou with the line a x + b y + c = 0, each crossing checked against
 * the record's box only. */
SURVEY_API int16_t SURVEY_CALL polyline_kou2(int16_t n, const survey_line* lines, double a, double b, double c,
                                             survey_point* points);
/* Chains n >= 3 records whose ends meet within tol into one polyline: the records
 * are reordered (and turned where needed) in the caller's array and the vertices
 * written to points (n + 1 slots); a closed chain repeats its first point at the
 * end. Returns the number of points, 0 when n < 3. */
SURVEY_API int16_t SURVEY_CALL line2polyline(int16_t n, double tol, survey_line* lines, survey_point* points);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_POLYLINES_H */
