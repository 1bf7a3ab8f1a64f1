/* script.h - AutoCAD command-script texts and the number and point texts they use.
 *
 * Numbers are written with 15 significant digits: plainly for magnitudes from 0.1
 * to below 1e15 ("0.5", "-12.25", "123456789012345"), otherwise in exponent form
 * with at least three exponent digits ("5.e-002", "1.e+015"); zeros give "0",
 * infinities "INF"/"-INF", not-a-number "NaN". A point is "x,y".
 *
 * Text arguments are the address of the caller's string pointer (NULL, or a NULL
 * pointer, reads as empty). A_ results are new BSTRs that the caller frees; D_
 * results are the calling thread's own buffer for that function, valid until the
 * thread's next call of the same function. CR is byte 13, LF byte 10.
 */
#ifndef SURVEY_OUTPUT_SCRIPT_H
#define SURVEY_OUTPUT_SCRIPT_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Text of v. */
SURVEY_API const char* SURVEY_CALL D_f2a(double v);
/* "x,y". */
SURVEY_API const char* SURVEY_CALL D_CrtXY(double x, double y);
SURVEY_API BSTR SURVEY_CALL A_CrtXY(double x, double y);

/* "Zoom E". */
SURVEY_API BSTR SURVEY_CALL A_ZOOME(void);
/* "-layer n <name> C <colour> <name> ". */
SURVEY_API BSTR SURVEY_CALL A_CrtLayer(const char* const* name, const char* const* colour);
/* "Clayer <name>". */
SURVEY_API BSTR SURVEY_CALL A_ChgLayer(const char* const* name);
/* "Line <x1,y1> <x2,y2> " (one trailing blank). */
SURVEY_API BSTR SURVEY_CALL A_LineTO(double x1, double y1, double x2, double y2);
SURVEY_API const char* SURVEY_CALL D_LineTO(double x1, double y1, double x2, double y2);
/* "Rectang <x1,y1> <x2,y2>". */
SURVEY_API BSTR SURVEY_CALL A_RectDR(double x1, double y1, double x2, double y2);
/* Three Line commands joined by CR: (x,y)-(x+dx,y), (x+dx,y)-(x+dx,y+dy),
 * (x+dx,y+dy)-(x,y). */
SURVEY_API BSTR SURVEY_CALL A_TriAngDR(double x, double y, double dx, double dy);
/* "Pline" CR, then each point of x[0..n-1], y[0..n-1] followed by CR. */
SURVEY_API BSTR SURVEY_CALL A_PlineDR(int16_t n, const double* x, const double* y);
/* "Circle <x,y> <radius>". */
SURVEY_API BSTR SURVEY_CALL A_CircleDR(double x, double y, double radius);
/* "Text J <justification> <x,y> <height> <rotation> <text>". */
SURVEY_API BSTR SURVEY_CALL A_MojiDR(const char* const* justification, double x, double y, double height,
                                     double rotation, const char* const* text);
/* "Chprop All  C ByLayer ". */
SURVEY_API BSTR SURVEY_CALL A_ColorBylayer(void);
/* "-Style Standard" CR "Bigfont.Shx" CR "0 1 0 N N N". */
SURVEY_API BSTR SURVEY_CALL A_InitStyle(void);
/* "Osmode 39" when flag != 0, else "Osmode 0". */
SURVEY_API BSTR SURVEY_CALL A_Osnap(int16_t flag);
/* "Zoom E" CR LF "FILEDIA 1" CR LF "Osmode 39". */
SURVEY_API BSTR SURVEY_CALL A_FinalScript(void);
/* "Ucs M @" and "Ucs P". */
SURVEY_API BSTR SURVEY_CALL A_UcsMove(void);
SURVEY_API BSTR SURVEY_CALL A_UcsPre(void);

SURVEY_END_DECLS

#endif /* SURVEY_OUTPUT_SCRIPT_H */
