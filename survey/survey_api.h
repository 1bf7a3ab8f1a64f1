/* survey_api.h - export and calling-convention macros of the survey library.
 *
 * Every exported function is declared as
 *     SURVEY_API <return type> SURVEY_CALL name(args);
 * inside SURVEY_BEGIN_DECLS / SURVEY_END_DECLS, so the header works from C and C++.
 * On 32-bit Windows the functions use stdcall and the DLL's module-definition
 * file (generated from exports.list) names what is exported; elsewhere the
 * convention is the platform's own and the shared object exports by visibility.
 */
#ifndef SURVEY_API_H
#define SURVEY_API_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define SURVEY_CALL __stdcall
#else
#define SURVEY_CALL
#endif

#if defined(_WIN32) || defined(SURVEY_STATIC)
/* The .def file decides the DLL's export table; no per-symbol attribute. */
#define SURVEY_API
#else
#define SURVEY_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define SURVEY_BEGIN_DECLS extern "C" {
#define SURVEY_END_DECLS }
#else
#define SURVEY_BEGIN_DECLS
#define SURVEY_END_DECLS
#endif

/* Records of doubles: a point (x, y) and a complex number (re, im) share the layout. */
typedef struct survey_point {
  double x;
  double y;
} survey_point;
/* Line record: start (x1, y1), end (x2, y2). A rectangle record has the same layout,
 * (x1, y1) its lower-left and (x2, y2) its upper-right corner. */
typedef struct survey_line {
  double x1;
  double y1;
  double x2;
  double y2;
} survey_line;
typedef survey_line survey_rect;
typedef struct survey_complex {
  double re;
  double im;
} survey_complex;

/* String results are OLE Automation strings (BSTR) holding single-byte text; the
 * caller frees them with SysFreeString. */
#if defined(_WIN32)
#include <wtypes.h>
#else
typedef uint16_t OLECHAR;
typedef OLECHAR* BSTR;
#endif

/* Truth values returned by the library. */
#define SURVEY_TRUE ((int16_t)-1)
#define SURVEY_FALSE ((int16_t)0)

#endif /* SURVEY_API_H */
