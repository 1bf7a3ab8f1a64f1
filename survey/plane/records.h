/* records.h - point, line and rectangle records: builders, converters between
 * records and coordinate arrays, and measures of records. A function that returns
 * a record writes the caller's record and returns its pointer. A rectangle record
 * is a line record whose (x1, y1) is the lower-left and (x2, y2) the upper-right
 * corner.
 */
#ifndef SURVEY_PLANE_RECORDS_H
#define SURVEY_PLANE_RECORDS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* The record (x1, y1)-(x2, y2). tolineD is a second name. */
SURVEY_API survey_line* SURVEY_CALL torect(survey_line* result, double x1, double y1, double x2, double y2);
SURVEY_API survey_line* SURVEY_CALL tolineD(survey_line* result, double x1, double y1, double x2, double y2);
/* The record p1-p2. */
SURVEY_API survey_line* SURVEY_CALL tolineP(survey_line* result, const survey_point* p1, const survey_point* p2);
SURVEY_API survey_rect* SURVEY_CALL point2rect(survey_rect* result, const survey_point* p1, const survey_point* p2);
/* The two end points of a record. */
SURVEY_API void SURVEY_CALL line2point(const survey_line* line, survey_point* p1, survey_point* p2);
SURVEY_API void SURVEY_CALL rect2point(const survey_rect* rect, survey_point* p1, survey_point* p2);
/* The fields of a record. rect2xy is a second name of line2xy. */
SURVEY_API void SURVEY_CALL point2xy(const survey_point* p, double* x, double* y);
SURVEY_API void SURVEY_CALL line2xy(const survey_line* line, double* x1, double* y1, double* x2, double* y2);
SURVEY_API void SURVEY_CALL rect2xy(const survey_rect* rect, double* x1, double* y1, double* x2, double* y2);
/* The start point when which = 1, otherwise the end point. */
SURVEY_API survey_point* SURVEY_CALL lineCPpoint(survey_point* result, int16_t which, const survey_line* line);
/* The rectangle (p.x, p.y)-(p.x + w, p.y + h). */
SURVEY_API survey_rect* SURVEY_CALL crt_rect(survey_rect* result, const survey_point* p, double w, double h);
/* A corner or the centre of the rectangle: 1 = (x1, y2), 2 = (x2, y2), 3 = (x2, y1),
 * 4 = (x1, y1), 5 = centre; any other value writes nothing. */
SURVEY_API void SURVEY_CALL GetRectXY(int16_t which, const survey_rect* rect, double* x, double* y);
/* w = x2 - x1, h = y2 - y1; returns w * h. */
SURVEY_API double SURVEY_CALL rect_extent(const survey_rect* rect, double* w, double* h);
/* -1 when the point lies in the rectangle (edges included), else 0. */
SURVEY_API int16_t SURVEY_CALL zah_cmpR(const survey_point* p, const survey_rect* rect);

/* Arrays to point records and back (n points). */
SURVEY_API void SURVEY_CALL topointsxys(int32_t n, const double* xs, const double* ys, survey_point* points);
SURVEY_API void SURVEY_CALL points2xys(int32_t n, const survey_point* points, double* xs, double* ys);
/* Arrays to point records; closed = -1 appends the first point again (n + 1
 * records); any closed value other than 0 and -1 writes nothing. */
SURVEY_API void SURVEY_CALL dmat_pt(int16_t n, const double* xs, const double* ys, int16_t closed,
                                    survey_point* points);
SURVEY_API void SURVEY_CALL dmat_xy(int16_t n, const survey_point* points, double* xs, double* ys);
/* The ring of n line records: record i runs from point i to point i + 1, the last
 * back to the first point. */
SURVEY_API void SURVEY_CALL topoly(int32_t n, const double* xs, const double* ys, survey_line* lines);
/* The start points of n line records. */
SURVEY_API void SURVEY_CALL poly2xy(int32_t n, const survey_line* lines, double* xs, double* ys);
/* Exchanges start and end of a record / two records. */
SURVEY_API void SURVEY_CALL point_swap(survey_line* line);
SURVEY_API void SURVEY_CALL line_swap(survey_line* a, survey_line* b);

/* 1 when p and q are at most tol apart, else 0. */
SURVEY_API int16_t SURVEY_CALL p_eqE(const survey_point* p, const survey_point* q, double tol);
/* Distance and direction angle (radians from +y toward +x) of p -> q. */
SURVEY_API double SURVEY_CALL p_dist(const survey_point* p, const survey_point* q);
SURVEY_API double SURVEY_CALL p_ang(const survey_point* p, const survey_point* q);
/* Length and direction angle of a line record. */
SURVEY_API double SURVEY_CALL l_dist(const survey_line* line);
SURVEY_API double SURVEY_CALL l_ang(const survey_line* line);
/* Unit vector of the record; returns its length. */
SURVEY_API double SURVEY_CALL l_getvect(const survey_line* line, double* vx, double* vy);
/* Midpoint, unit vector and direction angle of the record. */
SURVEY_API void SURVEY_CALL get_lineL(const survey_line* line, double* mx, double* my, double* vx, double* vy,
                                      double* t);
/* Coefficient form a x + b y + c = 0 of the record's line. */
SURVEY_API void SURVEY_CALL line_hoteiL(const survey_line* line, double* a, double* b, double* c);
/* 1 when p lies in the record's box widened by 0.0001 on every side, else 0. */
SURVEY_API int16_t SURVEY_CALL point_linein(const survey_line* line, const survey_point* p);
/* How two records share end points within tol: 0 none, 1 start-start, 2 start of a
 * to end of b, 3 end of a to start of b, 4 end-end; up to 10 for several at once. */
SURVEY_API int16_t SURVEY_CALL line_joint(const survey_line* a, const survey_line* b, double tol);

SURVEY_END_DECLS

#endif /* SURVEY_PLANE_RECORDS_H */
