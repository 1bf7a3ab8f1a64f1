/* text.h - splitting delimited text into numbers, fixed-width coordinate records,
 * joining numbers into text, trimming, blank counts and case conversion.
 *
 * Text is single-byte Shift_JIS: a double-byte character is never split, trimmed
 * in half, taken for a delimiter by its second byte, or case-mapped; only ASCII
 * letters change case. A NULL string (or a NULL address of one) reads as empty.
 * Arguments written `const char* const*` take the address of the caller's string
 * pointer. String results are new BSTRs that the caller frees.
 */
#ifndef SURVEY_BASICS_TEXT_H
#define SURVEY_BASICS_TEXT_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Splits s in place at runs of the characters of delim (strtok's rules: empty
 * fields skipped, each token's end overwritten by NUL) and stores each token's
 * leading integer (a2l) in out[0], out[1], ...; returns the count (0 when s holds
 * no token). */
SURVEY_API int16_t SURVEY_CALL dev_tok(char* s, const char* delim, int32_t* out);
/* As dev_tok, with double values (a2d), dropping the first skip tokens; returns the
 * number of values stored. skip < 0 returns 0 and leaves s untouched. */
SURVEY_API int16_t SURVEY_CALL dev_tok2(char* s, const char* delim, int16_t skip, double* out);
/* *x and *y (and *z) from the first two (three) comma-separated tokens of s, which
 * is split in place; both are set to 0 first and a missing token leaves 0. */
SURVEY_API void SURVEY_CALL SplitXY(double* x, double* y, char* s);
SURVEY_API void SURVEY_CALL SplitXYZ(double* x, double* y, double* z, char* s);
/* Five pairs from a fixed-width record: x[k] from the 10 characters at 20 + 21k,
 * y[k] from the 10 after them, each times 0.001. Both arrays are zeroed first; a
 * field is read only up to the record's end. */
SURVEY_API void SURVEY_CALL kfude2xy(const char* rec, double* x, double* y);
/* Number of characters of s equal to the first character of c. */
SURVEY_API int16_t SURVEY_CALL sep_count(const char* s, const char* c);
/* Number of leading / trailing space characters (0x20). */
SURVEY_API int16_t SURVEY_CALL fblanks(const char* s);
SURVEY_API int16_t SURVEY_CALL rblanks(const char* s);

/* "x0<sep1>y0<sep2>x1<sep1>y1..." for n pairs, numbers as D_f2a writes them; n < 1
 * gives "". */
SURVEY_API BSTR SURVEY_CALL JoinXY(int16_t n, const double* x, const double* y, const char* const* sep1,
                                   const char* const* sep2);
/* "a0<sep>a1..." for n numbers. */
SURVEY_API BSTR SURVEY_CALL JoinX(int16_t n, const double* a, const char* const* sep);
/* s without its space characters (0x20). */
SURVEY_API BSTR SURVEY_CALL compact(const char* const* s);
/* s without the leading / trailing / both runs of characters that occur in chars. */
SURVEY_API BSTR SURVEY_CALL TrimL(const char* const* s, const char* const* chars);
SURVEY_API BSTR SURVEY_CALL TrimR(const char* const* s, const char* const* chars);
SURVEY_API BSTR SURVEY_CALL TrimLR(const char* const* s, const char* const* chars);
/* A new string of s's byte length (inner NULs kept) with ASCII letters upper-cased;
 * s itself unchanged. Exported as _UpperCaseByVal@4. */
SURVEY_API BSTR SURVEY_CALL UpperCaseByVal(BSTR s);
/* In place: ASCII letters to lower / upper case. Return 0. */
SURVEY_API uint8_t SURVEY_CALL up2low(char* s);
SURVEY_API uint8_t SURVEY_CALL low2up(char* s);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_TEXT_H */
