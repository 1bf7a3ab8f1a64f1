/* replay.c - calls every export of the survey library over generated argument
 * vectors and prints one line per call: arguments (as a hash), result, every
 * element of every buffer that the call changed, the bytes the callee popped.
 *
 * The same source runs on Linux against libsurvey (the record) and on 32-bit
 * Windows against survey.dll (the replay); tools/replay_compare.py compares the
 * two outputs.  Arguments come from a generator of our own (splitmix64), so both
 * platforms pass the same bits.  The callers themselves are generated from the
 * headers (replay_table.inc); see tools/replay_gen.py.
 *
 * usage: survey_replay [output file [export name ...]]
 *   (standard output without a file; with names, only those exports are called)
 */
#include "replay.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "replay_table.inc"

enum { RP_BUF = 4096, RP_MAXP = 32 };

static uint64_t hash(const void* p, size_t n, uint64_t h) {
  const unsigned char* b = (const unsigned char*)p;
  for (size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 0x100000001B3ull;
  return h;
}

static int64_t uniform_int(struct rng* g, int64_t lo, int64_t hi) {
  if (hi < lo) return lo;
  return lo + (int64_t)(rp_next(g) % (uint64_t)(hi - lo + 1));
}

static double uniform_real(struct rng* g, double lo, double hi) {
  double u = (double)(rp_next(g) >> 11) * (1.0 / 9007199254740992.0);
  return lo + u * (hi - lo);
}

/* A double of the domain: mostly uniform, sometimes a value that tests edges. */
static double pick_real(struct rng* g, double lo, double hi, int vector) {
  if (vector == 0) return lo <= 0.0 && 0.0 <= hi ? 0.0 : lo;
  if (vector == 1) return hi;
  if (rp_next(g) % 8 == 0) {
    static const double special[] = {0.0, 1.0, -1.0, 0.5, 1e-9, 90.0, 180.0, 3.141592653589793};
    double v = special[rp_next(g) % (sizeof special / sizeof special[0])];
    if (v >= lo && v <= hi) return v;
  }
  return uniform_real(g, lo, hi);
}

static const char* pick_text(struct rng* g, const struct rp_param* p, char* scratch) {
  if (p->texts) {
    size_t n = 0;
    while (p->texts[n]) ++n;
    return p->texts[rp_next(g) % n];
  }
  static const char alphabet[] = "0123456789012345678 .-+eE,abcXYZ\t";
  size_t len = (size_t)(rp_next(g) % 24);
  for (size_t i = 0; i < len; ++i) scratch[i] = alphabet[rp_next(g) % (sizeof alphabet - 1)];
  scratch[len] = 0;
  return scratch;
}

static size_t elem_size(int e) {
  switch (e) {
    case RP_E_I16: return 2;
    case RP_E_I32: case RP_E_F32: return 4;
    case RP_E_I64: case RP_E_F64: return 8;
    case RP_E_PCHAR: return sizeof(char*);
    default: return 1;
  }
}

/* Fills a buffer with elements of the parameter's domain (text for char buffers). */
static void fill(struct rng* g, const struct rp_param* p, unsigned char* buf, unsigned char* text) {
  size_t n = RP_BUF / elem_size(p->elem);
  char scratch[64];
  switch (p->elem) {
    case RP_E_F64:
      for (size_t i = 0; i < n; ++i) ((double*)buf)[i] = pick_real(g, p->lo, p->hi, 2);
      break;
    case RP_E_F32:
      for (size_t i = 0; i < n; ++i) ((float*)buf)[i] = (float)pick_real(g, p->lo, p->hi, 2);
      break;
    case RP_E_I16:
      for (size_t i = 0; i < n; ++i) ((int16_t*)buf)[i] = (int16_t)uniform_int(g, (int64_t)p->lo, (int64_t)p->hi);
      break;
    case RP_E_I32:
      for (size_t i = 0; i < n; ++i) ((int32_t*)buf)[i] = (int32_t)uniform_int(g, (int64_t)p->lo, (int64_t)p->hi);
      break;
    case RP_E_CHAR:
    case RP_E_PCHAR: {
      unsigned char* t = p->elem == RP_E_CHAR ? buf : text;
      const char* s = pick_text(g, p, scratch);
      memset(t, '~', RP_BUF);  /* past the terminator: a known filler, never NUL */
      memcpy(t, s, strlen(s) + 1);
      t[RP_BUF - 1] = 0;
      if (p->elem == RP_E_PCHAR) memcpy(buf, &text, sizeof text);
      break;
    }
    default:
      for (size_t i = 0; i < RP_BUF; ++i) buf[i] = (unsigned char)rp_next(g);
  }
}

static void put_elem(FILE* out, int e, const unsigned char* p) {
  switch (e) {
    case RP_E_F64: { uint64_t b; memcpy(&b, p, 8); fprintf(out, "d:%016llx", (unsigned long long)b); break; }
    case RP_E_F32: { uint32_t b; memcpy(&b, p, 4); fprintf(out, "f:%08lx", (unsigned long)b); break; }
    case RP_E_I16: { int16_t v; memcpy(&v, p, 2); fprintf(out, "i:%d", v); break; }
    case RP_E_I32: { int32_t v; memcpy(&v, p, 4); fprintf(out, "i:%ld", (long)v); break; }
    case RP_E_I64: { int64_t v; memcpy(&v, p, 8); fprintf(out, "i:%lld", (long long)v); break; }
    default: fprintf(out, "i:%u", p[0]);
  }
}

/* Where a returned or written pointer points: into which buffer, at which offset. */
static void put_pointer(FILE* out, const void* v, unsigned char* const* bufs, int n) {
  if (v == NULL) {
    fputs("p:null", out);
    return;
  }
  for (int i = 0; i < n; ++i)
    if (bufs[i] && (const unsigned char*)v >= bufs[i] && (const unsigned char*)v < bufs[i] + RP_BUF) {
      fprintf(out, "p:%d+%ld", i, (long)((const unsigned char*)v - bufs[i]));
      return;
    }
  fputs("p:elsewhere", out);
}

static void put_changes(FILE* out, int index, int elem, const unsigned char* before, const unsigned char* after,
                        int in_range_only, double lo, double hi) {
  size_t size = elem_size(elem == RP_E_PCHAR ? RP_E_CHAR : elem);
  for (size_t off = 0; off + size <= RP_BUF; off += size) {
    if (memcmp(before + off, after + off, size) == 0) continue;
    fprintf(out, " B%d[%lu]=", index, (unsigned long)(off / size));
    if (in_range_only && elem == RP_E_F64) {
      double v;
      memcpy(&v, after + off, 8);
      fprintf(out, "in:%d", v >= lo && v <= hi);
    } else {
      put_elem(out, elem == RP_E_PCHAR ? RP_E_CHAR : elem, after + off);
    }
  }
}

static int replay_one(FILE* out, const struct rp_export* e, void* fn, int vector) {
  static unsigned char bufs[RP_MAXP][RP_BUF], before[RP_MAXP][RP_BUF];
  static unsigned char texts[RP_MAXP][RP_BUF], texts_before[RP_MAXP][RP_BUF];
  struct rp_arg a[RP_MAXP];
  unsigned char* ptrs[RP_MAXP] = {0};
  char scratch[64];
  struct rng g = {hash(e->name, strlen(e->name), 0xCBF29CE484222325ull) ^ (uint64_t)vector * 0x9E3779B97F4A7C15ull};
  uint64_t h = 0xCBF29CE484222325ull;
  void* in_bstr[RP_MAXP] = {0};
  memset(a, 0, sizeof a);

  const double* c = e->ncases && vector < e->ncases ? e->cases + (size_t)vector * (size_t)e->nparams : NULL;
  for (int i = 0; i < e->nparams; ++i) {
    const struct rp_param* p = &e->params[i];
    double lo = p->lo_ref >= 0 ? (double)a[p->lo_ref].i : p->lo;
    double hi = p->hi_ref >= 0 ? (double)a[p->hi_ref].i : p->hi;
    int has_case = c != NULL && !isnan(c[i]);
    a[i].junk = (uint32_t)rp_next(&g);
    switch (p->kind) {
      case RP_K_F64:
        a[i].d = has_case ? c[i] : pick_real(&g, lo, hi, vector - e->ncases);
        h = hash(&a[i].d, 8, h);
        break;
      case RP_K_F32:
        a[i].f = (float)(has_case ? c[i] : pick_real(&g, lo, hi, vector - e->ncases));
        h = hash(&a[i].f, 4, h);
        break;
      case RP_K_INT: {
        int64_t v = has_case ? (int64_t)c[i]
                    : vector - e->ncases == 0 ? (int64_t)lo
                    : vector - e->ncases == 1 ? (int64_t)hi
                    : uniform_int(&g, (int64_t)lo, (int64_t)hi);
        a[i].i = (int32_t)v;
        a[i].l = v;
        h = hash(&v, 8, h);
        break;
      }
      case RP_K_BSTR: {
        const char* s = pick_text(&g, p, scratch);
        in_bstr[i] = a[i].p = rp_new_bstr(s, (uint32_t)strlen(s));
        h = hash(s, strlen(s), h);
        break;
      }
      default:
        fill(&g, p, bufs[i], texts[i]);
        memcpy(before[i], bufs[i], RP_BUF);
        memcpy(texts_before[i], texts[i], RP_BUF);
        a[i].p = ptrs[i] = bufs[i];
        h = hash(bufs[i], p->elem == RP_E_PCHAR ? 0 : RP_BUF, h);
        if (p->elem == RP_E_PCHAR) h = hash(texts[i], RP_BUF, h);
    }
  }

  union rp_ret r;
  memset(&r, 0, sizeof r);
  unsigned long libm = rp_libm_calls;
  rp_libm_used = 0;
  e->call(fn, a, &r);
  libm = rp_libm_calls - libm;
  long popped = rp_popped(e->stack_bytes);

  fprintf(out, "@%s #%d L%d S%ld H=%016llx", e->name, vector, libm != 0, popped, (unsigned long long)h);
  /* Which transcendental functions the call used (Linux only): named in reports. */
  for (int b = 0, first = 1; b < 64; ++b)
    if ((rp_libm_used >> b & 1) && rp_libm_name(b)) {
      fprintf(out, "%s%s", first ? " Lm=" : ",", rp_libm_name(b));
      first = 0;
    }
  if (e->mode == RP_M_NONE) {
    fputc('\n', out);
  } else {
    int range = e->mode == RP_M_RANGE;
    fputs(" R=", out);
    switch (e->ret) {
      case RP_R_VOID: fputs("v", out); break;
      case RP_R_F64:
        if (range) fprintf(out, "in:%d", r.d >= e->range_lo && r.d <= e->range_hi);
        else put_elem(out, RP_E_F64, (const unsigned char*)&r.d);
        break;
      case RP_R_F32:
        if (range) fprintf(out, "in:%d", r.f >= e->range_lo && r.f <= e->range_hi);
        else put_elem(out, RP_E_F32, (const unsigned char*)&r.f);
        break;
      case RP_R_BSTR: {
        uint32_t n = r.p ? rp_bstr_bytes(r.p) : 0;
        fprintf(out, "s:%s%lu:", r.p ? "" : "null", (unsigned long)n);
        for (uint32_t k = 0; k < n; ++k) fprintf(out, "%02x", ((const unsigned char*)r.p)[k]);
        if (r.p) rp_free_bstr(r.p);
        break;
      }
      case RP_R_PTR: put_pointer(out, r.p, ptrs, e->nparams); break;
      default:
        if (range) fprintf(out, "in:%d", (double)r.l >= e->range_lo && (double)r.l <= e->range_hi);
        else fprintf(out, "i:%lld", (long long)r.l);
    }
    for (int i = 0; i < e->nparams; ++i) {
      const struct rp_param* p = &e->params[i];
      if (p->kind != RP_K_PTR) continue;
      if (p->elem == RP_E_PCHAR) {
        unsigned char* now;
        memcpy(&now, bufs[i], sizeof now);
        if (now != texts[i]) {
          fprintf(out, " P%d=", i);
          put_pointer(out, now, (unsigned char* const[]){texts[i]}, 1);
        }
        put_changes(out, i, RP_E_PCHAR, texts_before[i], texts[i], 0, 0, 0);
      } else {
        put_changes(out, i, p->elem, before[i], bufs[i], range, e->range_lo, e->range_hi);
      }
    }
    fputc('\n', out);
  }
  for (int i = 0; i < e->nparams; ++i)
    if (in_bstr[i]) rp_free_bstr(in_bstr[i]);
  return 0;
}

static int selected(const char* name, int n, char** names) {
  if (n <= 0) return 1;
  for (int i = 0; i < n; ++i)
    if (strcmp(name, names[i]) == 0) return 1;
  return 0;
}

int main(int argc, char** argv) {
  FILE* out = argc > 1 ? fopen(argv[1], "w") : stdout;
  if (out == NULL) {
    perror(argv[1]);
    return 2;
  }
  fputs("START\n", out);  /* the program runs: an empty file means it never started */
  fflush(out);
  int failures = 0;
  long calls = 0;
  size_t n = sizeof rp_exports / sizeof rp_exports[0];
  for (size_t k = 0; k < n; ++k) {
    const struct rp_export* e = &rp_exports[k];
    if (!selected(e->name, argc - 2, argv + 2)) continue;
    if (e->lint) {
      fprintf(out, "FAIL %s: %s\n", e->name, e->lint);
      ++failures;
    }
    void* fn = rp_bind(e->name);
    if (fn == NULL) {
      fprintf(out, "FAIL %s: the name does not bind\n", e->name);
      ++failures;
      continue;
    }
    if (e->mode == RP_M_NOCALL) {
      fprintf(out, "@%s bound\n", e->name);
      continue;
    }
    for (int v = 0; v < e->ncases + e->vectors; ++v, ++calls) {
      fflush(out);  /* a crash keeps everything before it */
      replay_one(out, e, fn, v);
    }
  }
  fprintf(out, "END %lu exports, %ld calls\n", (unsigned long)n, calls);
  if (out != stdout) fclose(out);
  return failures ? 1 : 0;
}
