/* replay.h - what the generated call table and the replay program share, and the
 * small platform layer under them (binding, OLE strings, the stack probe). */
#ifndef SURVEY_REPLAY_H
#define SURVEY_REPLAY_H

#include <stddef.h>
#include <stdint.h>

enum { RP_K_INT, RP_K_F32, RP_K_F64, RP_K_PTR, RP_K_BSTR };
enum { RP_E_BYTE, RP_E_CHAR, RP_E_U8, RP_E_I16, RP_E_I32, RP_E_I64, RP_E_F32, RP_E_F64, RP_E_PCHAR, RP_E_BSTR };
enum { RP_R_VOID, RP_R_F64, RP_R_F32, RP_R_BSTR, RP_R_PTR, RP_R_I8, RP_R_U8, RP_R_I16, RP_R_U16, RP_R_I32,
       RP_R_U32, RP_R_I64, RP_R_U64 };
enum { RP_M_ALL, RP_M_RANGE, RP_M_NONE, RP_M_NOCALL };

/* One argument; the member that the parameter's type selects is passed. junk fills
 * the unused upper bytes of a 16-bit or 8-bit argument's 4-byte slot on Windows: a
 * callee must read only the low bytes. */
struct rp_arg {
  int32_t i;
  int64_t l;
  double d;
  float f;
  void* p;
  uint32_t junk;
};

union rp_ret {
  int64_t l;
  double d;
  float f;
  void* p;
};

struct rp_param {
  unsigned char kind, elem, bits, sgn, writable;
  double lo, hi;         /* domain of the value, or of a buffer's elements */
  int lo_ref, hi_ref;    /* index of an earlier parameter giving lo or hi, or -1 */
  const char* const* texts;
};

struct rp_export {
  const char* name;
  const char* family;
  void (*call)(void* fn, const struct rp_arg* a, union rp_ret* r);
  const struct rp_param* params;
  int nparams;
  int ret;
  int stack_bytes;
  int alias_of;
  int mode;
  double range_lo, range_hi;
  int vectors;
  const double* cases;
  int ncases;
  const char* lint;
};

/* The argument generator (splitmix64): the same bits on every platform. */
struct rng {
  uint64_t s;
};

static inline uint64_t rp_next(struct rng* g) {
  uint64_t z = (g->s += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

void* rp_bind(const char* name);
void* rp_new_bstr(const char* text, uint32_t bytes);
uint32_t rp_bstr_bytes(void* s);
void rp_free_bstr(void* s);
/* Calls into libm since start (Linux); the replay only reads differences. */
extern unsigned long rp_libm_calls;
/* Which libm functions were called since the mask was last cleared (Linux; one bit
 * per function), and the name of a bit (NULL past the last). */
extern unsigned long long rp_libm_used;
const char* rp_libm_name(int bit);

#if defined(_WIN32)
#define RP_CALL __stdcall
#define RP_I16 uint32_t
#define RP_I8 uint32_t
#define RP_PASS16(x) ((uint32_t)(uint16_t)(x).i | ((x).junk << 16))
#define RP_PASS8(x) ((uint32_t)(uint8_t)(x).i | ((x).junk << 8))
/* Calls go through a probe that notes the stack pointer on entry and on return, so
 * a callee that pops the wrong byte count is seen (and the caller's stack kept). */
void* rp_probe_enter(void* fn, int bytes);
#define RP_ENTRY(f, bytes) rp_probe_enter((f), (bytes))
long rp_popped(int declared);
#else
#define RP_CALL
#define RP_I16 int16_t
#define RP_I8 uint8_t
#define RP_PASS16(x) ((int16_t)(x).i)
#define RP_PASS8(x) ((uint8_t)(x).i)
#define RP_ENTRY(f, bytes) (f)
#define rp_popped(declared) ((long)(declared))
#endif

#endif /* SURVEY_REPLAY_H */
