/* bstr.h - OLE Automation strings.
 *
 * Strings that the library returns are BSTRs: a 4-byte byte length stored just
 * before the text, the text, and a two-byte NUL. On Windows the system provides the
 * service (oleaut32); elsewhere the library exports this compatible implementation so
 * that callers can read and free what it returns.
 */
#ifndef SURVEY_PLATFORM_BSTR_H
#define SURVEY_PLATFORM_BSTR_H

#include "../survey_api.h"

#if defined(_WIN32)
#include <oleauto.h>
#else
SURVEY_BEGIN_DECLS

/* New string of len bytes copied from psz (zero-filled when psz is NULL). */
SURVEY_API BSTR SysAllocStringByteLen(const char* psz, uint32_t len);
/* New string of len 16-bit characters copied from s (zero-filled when s is NULL). */
SURVEY_API BSTR SysAllocStringLen(const OLECHAR* s, uint32_t len);
/* Replaces *pbstr by a copy of the NUL-terminated s, freeing the old string.
 * Returns 1, or 0 when memory runs out (then *pbstr is unchanged). */
SURVEY_API int32_t SysReAllocString(BSTR* pbstr, const OLECHAR* s);
/* Byte length of s (0 for NULL). */
SURVEY_API uint32_t SysStringByteLen(BSTR s);
/* Frees s; NULL is ignored. */
SURVEY_API void SysFreeString(BSTR s);

SURVEY_END_DECLS
#endif

#ifdef __cplusplus
#include <string_view>
namespace survey::platform {
/* New BSTR holding the bytes of text (for the library's string results). */
BSTR new_string(std::string_view text);
}  // namespace survey::platform
#endif

#endif /* SURVEY_PLATFORM_BSTR_H */
