/* dxf.h - DXF version detection and section copy; map-sheet rectangles.
 *
 * Paths and the sheet code are the address of the caller's string pointer. DXF
 * files are read as text in pieces of at most 255 characters (a longer line is
 * several pieces), CR LF being one line end and Ctrl-Z the end of the text.
 */
#ifndef SURVEY_OUTPUT_DXF_H
#define SURVEY_OUTPUT_DXF_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Version of a DXF file from the first piece that begins with AC1006, AC1009,
 * AC1012, AC1014 or AC1015: 3, 12, 13, 14 or 2000; 0 when none does or the file
 * cannot be read. */
SURVEY_API int32_t SURVEY_CALL DXFVer(const char* const* path);
/* Appends section 1 HEADER, 2 TABLES, 3 BLOCKS, 4 ENTITIES, 5 CLASSES or 6 OBJECTS
 * of source to dest: "  0", "SECTION", "  2", then the source's lines from the
 * first that begins with the section name through the first that begins with
 * ENDSEC (or the source's end), with CR LF line ends. The source is read no
 * further than its length when the copy starts. Nothing is created for another
 * section number or an unreadable source. */
SURVEY_API void SURVEY_CALL Pic_Dxfsection(const char* const* source, const char* const* dest, int16_t section);

/* Rectangle in metres of the map sheet with a code of 2, 4 or 6 characters
 * ("AH", "AH00", "AH0002"). All four are zero for a code that is not of those
 * lengths or whose letters are out of range; a later fault leaves the 30 by 40 km
 * block's minima in kilometres and the maxima 0. */
SURVEY_API void SURVEY_CALL getcoord(const char* const* code, double* xmin, double* ymin, double* xmax,
                                     double* ymax);
/* South-west corner of the sheet of scale 1:scale that holds (x, y); sheets are
 * scale * 0.6 m by scale * 0.8 m. */
SURVEY_API void SURVEY_CALL getdownxy(double scale, double x, double y, double* xcorner, double* ycorner);

SURVEY_END_DECLS

#endif /* SURVEY_OUTPUT_DXF_H */
