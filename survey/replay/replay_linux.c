/* The replay program's platform layer on Linux: binding through survey_bind, the
 * library's own OLE strings, and a count of the calls into libm.
 *
 * The library calls libm through its procedure linkage table, so the definitions
 * below (exported from this program) come first: each counts and forwards to libm.
 * A call during which the count moved used a transcendental function, and its
 * doubles may differ from another runtime's in the last places. */
#define _GNU_SOURCE
#include <dlfcn.h>

#include "replay.h"
#include "survey/bind.h"
#include "survey/platform/bstr.h"

unsigned long rp_libm_calls;
unsigned long long rp_libm_used;
static const char* libm_names[64];
const char* rp_libm_name(int bit) { return bit >= 0 && bit < 64 ? libm_names[bit] : NULL; }

void* rp_bind(const char* name) { return survey_bind(name); }
void* rp_new_bstr(const char* text, uint32_t bytes) { return SysAllocStringByteLen(text, bytes); }
uint32_t rp_bstr_bytes(void* s) { return SysStringByteLen((BSTR)s); }
void rp_free_bstr(void* s) { SysFreeString((BSTR)s); }

#define RP_FORWARD(ret, name, params, args) RP_FORWARD_BIT(ret, name, params, args, __COUNTER__)
#define RP_FORWARD_BIT(ret, name, params, args, bit)                      \
  __attribute__((visibility("default"))) ret name params;                 \
  ret name params {                                                       \
    static ret(*real) params;                                             \
    if (!real) *(void**)&real = dlsym(RTLD_NEXT, #name);                  \
    ++rp_libm_calls;                                                      \
    rp_libm_used |= 1ull << (bit);                                        \
    libm_names[bit] = #name;                                              \
    return real args;                                                     \
  }
#define RP_F1(name) RP_FORWARD(double, name, (double x), (x)) RP_FORWARD(float, name##f, (float x), (x))
#define RP_F2(name) RP_FORWARD(double, name, (double x, double y), (x, y)) \
  RP_FORWARD(float, name##f, (float x, float y), (x, y))

RP_F1(sin) RP_F1(cos) RP_F1(tan) RP_F1(asin) RP_F1(acos) RP_F1(atan)
RP_F1(sinh) RP_F1(cosh) RP_F1(tanh) RP_F1(asinh) RP_F1(acosh) RP_F1(atanh)
RP_F1(exp) RP_F1(exp2) RP_F1(exp10) RP_F1(expm1) RP_F1(log) RP_F1(log10) RP_F1(log2) RP_F1(log1p)
RP_F1(cbrt) RP_F1(erf) RP_F1(erfc) RP_F1(tgamma) RP_F1(lgamma)
RP_F2(atan2) RP_F2(pow) RP_F2(hypot)
RP_FORWARD(void, sincos, (double x, double* s, double* c), (x, s, c))
RP_FORWARD(void, sincosf, (float x, float* s, float* c), (x, s, c))
_Static_assert(__COUNTER__ <= 64, "one bit per forwarder");
