/* gxml.h - G-XML text pieces, dBASE field names, byte-order swaps, text splitters.
 *
 * Text arguments are the address of the caller's string pointer (NULL, or a NULL
 * pointer, reads as empty); text is single-byte Shift_JIS. Text results are new
 * BSTRs that the caller frees.
 *
 * The G-XML pieces are put together by the caller, who decides what is markup:
 * element names, attribute values and element text are copied as given, without
 * escaping. A caller writes "&amp;", "&lt;" and "&quot;" into data text itself.
 * Numbers are written as script.h writes them ("0.5", "5.e-002", "1.e+015").
 */
#ifndef SURVEY_OUTPUT_GXML_H
#define SURVEY_OUTPUT_GXML_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* "<name>" when closing is 0, "</name>" otherwise. */
SURVEY_API BSTR SURVEY_CALL CrtTag(int16_t closing, const char* const* name);
/* <Coordinates unit.location="m">x0,y0 x1,y1 ...</Coordinates> over points 0 to
 * n - 1; the empty element when n <= 0. */
SURVEY_API BSTR SURVEY_CALL CrtTagXY(int32_t n, const double* x, const double* y);
/* <?xml version="1.0" encoding="Shift_JIS" ?><G-XML><Metadata><Metadata.gxml>
 * <Name>..</Name><Purpose>..</Purpose><Author>..</Author><Description>..</Description>
 * </Metadata.gxml></Metadata>, all on one line, with the Japanese placeholders for
 * name, purpose, author and description. The caller opens MetricGeospace; GXmlEND
 * closes the document. */
SURVEY_API BSTR SURVEY_CALL CrtTagHEAD(void);
/* The same with the caller's four texts in place of the placeholders. */
SURVEY_API BSTR SURVEY_CALL CrtTagHEAD1(const char* const* name, const char* const* purpose,
                                        const char* const* author, const char* const* description);
/* <Property propertytypename="type" datatype="datatype">value</Property>. */
SURVEY_API BSTR SURVEY_CALL CrtTagProperty(const char* const* type, const char* const* datatype,
                                           const char* const* value);
/* "</MetricGeospace></G-XML>". */
SURVEY_API BSTR SURVEY_CALL GXmlEND(void);

/* The field names of a dBASE table joined by ",": each descriptor's name bytes as
 * the file holds them (up to the first NUL, at most 11 bytes, not trimmed, no code
 * page conversion), from the first descriptor up to the header terminator or the
 * count that the header length gives, whichever comes first. A truncated header
 * ends the list with the names read so far. Empty for a file that cannot be read
 * or is shorter than its 32-byte file header. */
SURVEY_API BSTR SURVEY_CALL DBF_HeadRead(const char* const* path);

/* The two bytes of v in the other order (258 -> 513, 255 -> -256). */
SURVEY_API int16_t SURVEY_CALL Chg_LowHighI(int16_t v);
/* The four bytes of v in reverse order. */
SURVEY_API int32_t SURVEY_CALL Chg_LowHighL(int32_t v);

/* The first occurrence of sep in text is searched case-sensitively, character by
 * character (a double-byte character is never split; an empty sep occurs at the
 * start). LeftPartChr: the text before it. RightPartChr: the text after the first
 * character of it, so the rest of a longer sep stays ("a::b" at "::" gives ":b").
 * Both give the whole text when sep does not occur. */
SURVEY_API BSTR SURVEY_CALL LeftPartChr(const char* const* text, const char* const* sep);
SURVEY_API BSTR SURVEY_CALL RightPartChr(const char* const* text, const char* const* sep);

SURVEY_END_DECLS

#endif /* SURVEY_OUTPUT_GXML_H */
