/* sweep.c - calls every export of the survey library many times with pseudo-random
 * arguments of its types: counts from -3 to 12, other integers (indexes, positions,
 * selectors, zones, modes) inside and outside their ranges and at their types'
 * extremes, doubles from ordinary to extreme with NaN and infinities. Every array is
 * allocated on the heap at exactly the length that lengths.txt gives it, so that the
 * address sanitizer sees the first byte beyond it. A call that has not returned
 * after a few seconds is reported as a hang.
 *
 * The callers come from the replay's generator (every listed name, nothing written
 * by hand per function); sweep_table.inc adds the lengths (tools/sweep_gen.py).
 *
 * usage: survey_sweep [calls per export] [name|all] [trace|time|shrink=<parameter index>]
 * (shrink checks the table: one element less than a rule gives should be seen)
 */
#define _GNU_SOURCE
#include <float.h>
#include <math.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include "replay.h"
#include "survey/survey.h"

#define SW_MAX(a, b) ((a) > (b) ? (a) : (b))
#define SW_MIN(a, b) ((a) < (b) ? (a) : (b))

/* A rule's value as an element count: NaN and negative values allocate nothing;
 * the count is capped where no function of the library writes more. */
static long sw_length(double v) {
  if (!(v > 0.0)) return 0;
  return v > 1048576.0 ? 1048576L : (long)v;
}

struct sw_export {
  void (*lengths)(const double* v, long* len, size_t* size);
  const char* counts; /* '1' for a parameter that a length rule names, '2' for an
                         OLE string that the function takes over, '3' for a text
                         that may be NULL */
};

#include "sweep_table.inc"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SW_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SW_ASAN 1
#endif
#ifdef SW_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

enum { SW_MAXP = 32, SW_HANG_SECONDS = 10, SW_DEFAULT_CALLS = 160 };

static long uniform(struct rng* g, long lo, long hi) {
  return hi < lo ? lo : lo + (long)(rp_next(g) % (uint64_t)(hi - lo + 1));
}

static double pick_double(struct rng* g, double lo, double hi) {
  static const double extreme[] = {NAN, INFINITY, -INFINITY, 0.0, -0.0, DBL_MAX, -DBL_MAX, 4.9e-324,
                                   DBL_MIN, 1e300, -1e300, 1e-300, 1e15, -1e15, 4294967296.0, 32768.0,
                                   -32769.0, 2147483648.0};
  static const double special[] = {0.5, 1.0, -1.0, 2.0, 90.0, 180.0, 360.0, 3.141592653589793,
                                   6.283185307179586, 1e-9, 100.0, 0.0001};
  double u = (double)(rp_next(g) >> 11) * (1.0 / 9007199254740992.0);
  switch (rp_next(g) % 8) {
    case 0: return extreme[rp_next(g) % (sizeof extreme / sizeof extreme[0])];
    case 1: return (double)uniform(g, -3, 24);
    case 2: return special[rp_next(g) % (sizeof special / sizeof special[0])];
    case 3: case 4: return -1000.0 + u * 2000.0;
    default: return lo + u * (hi - lo);
  }
}

/* An integer that is not a count: an index or position around the counts, a
 * selector inside or outside its range, or an extreme of its type. */
static long pick_int(struct rng* g, long nmax) {
  static const long extreme[] = {-32768, 32767, -1, 0, 1, 255, 256, 1000, 65535, 100000,
                                 -2147483647L - 1, 2147483647L};
  switch (rp_next(g) % 16) {
    case 0: case 1: return extreme[rp_next(g) % (sizeof extreme / sizeof extreme[0])];
    case 2: case 3: case 4: case 5: case 6: case 7: return uniform(g, -3, nmax + 4);
    default: return uniform(g, -3, 24);
  }
}

/* A count: from -3 to 12, now and then one past the sizes of fixed work arrays. */
static long pick_count(struct rng* g, int unsigned_count) {
  static const long large[] = {13, 16, 17, 20, 32, 33, 64, 65, 100, 128, 255, 256, 257, 1025};
  if (rp_next(g) % 16 == 0) return large[rp_next(g) % (sizeof large / sizeof large[0])];
  return uniform(g, unsigned_count ? 0 : -3, 12);
}

static long narrow(long v, int bits, int sgn) {
  switch (bits) {
    case 8: return sgn ? (long)(int8_t)v : (long)(uint8_t)v;
    case 16: return sgn ? (long)(int16_t)v : (long)(uint16_t)v;
    case 32: return sgn ? (long)(int32_t)v : (long)(uint32_t)v;
    default: return v;
  }
}

static int elem_bits(int e) {
  switch (e) {
    case RP_E_U8: case RP_E_CHAR: return 8;
    case RP_E_I16: return 16;
    case RP_E_I32: return 32;
    default: return 64;
  }
}

/* The call in progress, for the reports of the sanitizers, signals and the watchdog. */
static struct {
  const struct rp_export* e;
  int vector;
  struct rp_arg a[SW_MAXP];
  long len[SW_MAXP];
} current;
static volatile sig_atomic_t progress;
static int trace; /* describe every call before making it */
static int shrink = -1; /* a parameter whose arrays are made one element short */

static void describe(void) {
  const struct rp_export* e = current.e;
  char line[2048];
  int at = 0;
  if (e == NULL) return;
  at += snprintf(line + at, sizeof line - (size_t)at, "sweep: %s %s, call #%d (", trace ? "calling" : "in",
                 e->name, current.vector);
  for (int i = 0; i < e->nparams && at < (int)sizeof line - 64; ++i) {
    const struct rp_param* p = &e->params[i];
    const char* sep = i ? ", " : "";
    if (p->kind == RP_K_F64) at += snprintf(line + at, sizeof line - (size_t)at, "%s%.17g", sep, current.a[i].d);
    else if (p->kind == RP_K_F32) at += snprintf(line + at, sizeof line - (size_t)at, "%s%.9g", sep, current.a[i].f);
    else if (p->kind == RP_K_INT) at += snprintf(line + at, sizeof line - (size_t)at, "%s%ld", sep, (long)current.a[i].l);
    else if (p->kind == RP_K_PTR && current.len[i] >= 0)
      at += snprintf(line + at, sizeof line - (size_t)at, "%s[%ld]", sep, current.len[i]);
    else if (p->kind == RP_K_PTR && current.len[i] == -5) at += snprintf(line + at, sizeof line - (size_t)at, "%sNULL", sep);
    else at += snprintf(line + at, sizeof line - (size_t)at, "%s\"...\"", sep);
  }
  snprintf(line + at, sizeof line - (size_t)at, ")\n");
  ssize_t w = write(2, line, strlen(line));
  (void)w;
}

static void on_alarm(int sig) {
  static sig_atomic_t last = -1, still = 0;
  (void)sig;
  if (progress != last) {
    last = progress;
    still = 0;
    return;
  }
  if (++still < SW_HANG_SECONDS) return;
  static const char msg[] = "sweep: HANG: a call did not return\n";
  ssize_t w = write(2, msg, sizeof msg - 1);
  (void)w;
  describe();
  _exit(3);
}

#ifndef SW_ASAN
static void on_crash(int sig) {
  describe();
  signal(sig, SIG_DFL);
  raise(sig);
}
#endif

/* Characters of the sweep's texts: digits and signs of numbers, separators,
 * wildcards, letters of codes, and Shift_JIS lead and trail bytes (a lead byte may
 * fall just before the terminator). */
static const char alphabet[] = "0123456789 .-+eE,abcAHXYZ\t:;_*?\\\x81\x82\x9f\xe0\xfc\xa0\xff\x40";

/* Files for the readers among the exports, written into the current folder at the
 * start: text with long lines, DXF and grid-file words, CR LF, Ctrl-Z and Shift_JIS
 * bytes; dBASE-like headers with random fields; an empty and a truncated file. A
 * file rule picks one of them, a missing one, a wildcard or an empty name. */
static const char* const sample_files[] = {
    "sweep_text0.txt", "sweep_text1.txt", "sweep_text2.dxf", "sweep_table0.dbf", "sweep_table1.dbf",
    "sweep_table2.dbf", "sweep_empty.txt", "sweep_short.dbf", "sweep_missing.txt", "*.dbf", "SWEEP_T?XT0.TXT",
    "", NULL};

static void write_samples(void) {
  static const char* const words[] = {"  0", "SECTION", "  2", "HEADER", "TABLES", "BLOCKS", "ENTITIES",
                                      "CLASSES", "OBJECTS", "ENDSEC", "EOF", "AC1009", "AC1015", "999",
                                      "53394540", "5339-45-40", "12.345", "-0.5", ",", " ", "\x81\x40"};
  struct rng g = {12345};
  for (int f = 0; f < 3; ++f) {
    FILE* out = fopen(sample_files[f], "wb");
    if (out == NULL) continue;
    for (int line = 0; line < 200; ++line) {
      size_t n = (size_t)(rp_next(&g) % 8 == 0 ? rp_next(&g) % 700 : rp_next(&g) % 4);
      for (size_t k = 0; k < n; ++k) {
        if (rp_next(&g) % 3 == 0) fputs(words[rp_next(&g) % (sizeof words / sizeof words[0])], out);
        else fputc(alphabet[rp_next(&g) % (sizeof alphabet - 1)], out);
      }
      fputs(rp_next(&g) % 4 ? "\r\n" : "\n", out);
      if (f == 1 && line == 150) fputc(26, out);
    }
    fclose(out);
  }
  for (int f = 3; f < 6; ++f) {
    FILE* out = fopen(sample_files[f], "wb");
    if (out == NULL) continue;
    unsigned char head[32] = {3};
    for (int k = 1; k < 32; ++k) head[k] = (unsigned char)rp_next(&g);
    head[8] = (unsigned char)rp_next(&g);
    head[9] = (unsigned char)(rp_next(&g) % 4);
    fwrite(head, 1, 32, out);
    size_t fields = (size_t)(rp_next(&g) % 40);
    for (size_t k = 0; k < fields; ++k) {
      unsigned char d[32];
      for (int c = 0; c < 32; ++c) d[c] = (unsigned char)alphabet[rp_next(&g) % (sizeof alphabet - 1)];
      if (rp_next(&g) % 2) d[rp_next(&g) % 11] = 0;
      fwrite(d, 1, f == 5 && k + 1 == fields ? 17 : 32, out);
    }
    if (f == 3) fputc(13, out);
    fclose(out);
  }
  FILE* out = fopen(sample_files[6], "wb");
  if (out) fclose(out);
  out = fopen(sample_files[7], "wb");
  if (out) {
    fwrite("\x03\x7e\x01", 1, 3, out);
    fclose(out);
  }
}

/* A new NUL-terminated text of exact length: mostly one of the parameter's own
 * texts where it has some, else random characters, mostly short, sometimes past 255 and past 1024 characters. */
static char* make_text(struct rng* g, const struct rp_param* p, size_t* length, int file) {
  if (file) {
    const char* t = sample_files[rp_next(g) % (sizeof sample_files / sizeof sample_files[0] - 1)];
    *length = strlen(t);
    return strcpy(malloc(*length + 1), t);
  }
  if (p->texts && rp_next(g) % 4 != 0) {
    size_t k = 0;
    while (p->texts[k]) ++k;
    const char* t = p->texts[rp_next(g) % k];
    *length = strlen(t);
    return strcpy(malloc(*length + 1), t);
  }
  uint64_t r = rp_next(g) % 16;
  size_t n = (size_t)(r < 13 ? rp_next(g) % 24 : r < 15 ? rp_next(g) % 300 : rp_next(g) % 1100);
  char* s = malloc(n + 1);
  for (size_t i = 0; i < n; ++i) s[i] = alphabet[rp_next(g) % (sizeof alphabet - 1)];
  s[n] = 0;
  *length = n;
  return s;
}

/* A buffer of n elements, each element_size bytes, filled with values of its type. */
static void* fill(struct rng* g, const struct rp_param* p, long n, size_t size, int is_count, long nmax,
                  void** strings, int* nstrings, int file) {
  size_t bytes = (size_t)(n > 0 ? n : 0) * size;
  unsigned char* b = malloc(bytes); /* a zero-length array too: any access is seen */
  if (p->elem == RP_E_PCHAR) {
    for (long i = 0; i < n; ++i) {
      size_t len;
      char* s = make_text(g, p, &len, file);
      strings[(*nstrings)++] = s;
      memcpy(b + (size_t)i * sizeof(char*), &s, sizeof s);
    }
    return b;
  }
  if (p->elem == RP_E_CHAR) {
    for (size_t c = 0; c < bytes; ++c) b[c] = (unsigned char)alphabet[rp_next(g) % (sizeof alphabet - 1)];
    if (p->texts && bytes > 0) {
      size_t k = 0;
      while (p->texts[k]) ++k;
      const char* text = p->texts[rp_next(g) % k];
      memcpy(b, text, SW_MIN(strlen(text), bytes - 1));
    }
    if (bytes > 0) b[bytes > 1 ? uniform(g, (long)bytes / 2, (long)bytes - 1) : 0] = 0;
    return b;
  }
  size_t per = size / (elem_bits(p->elem) / 8 ? (size_t)elem_bits(p->elem) / 8 : 1);
  for (long i = 0; i < n; ++i) {
    unsigned char* at = b + (size_t)i * size;
    switch (p->elem) {
      case RP_E_F64:
        for (size_t k = 0; k < size / 8; ++k) {
          double d = pick_double(g, p->lo, p->hi);
          memcpy(at + 8 * k, &d, 8);
        }
        break;
      case RP_E_F32: {
        float f = (float)pick_double(g, p->lo, p->hi);
        memcpy(at, &f, 4);
        break;
      }
      case RP_E_I16: case RP_E_I32: case RP_E_I64: case RP_E_U8: {
        for (size_t k = 0; k < per; ++k) {
          long v = narrow(is_count ? uniform(g, -3, 12) : pick_int(g, nmax), elem_bits(p->elem), p->sgn);
          int16_t v16 = (int16_t)v;
          int32_t v32 = (int32_t)v;
          int64_t v64 = v;
          uint8_t v8 = (uint8_t)v;
          void* src = p->elem == RP_E_I16 ? (void*)&v16 : p->elem == RP_E_I32 ? (void*)&v32
                      : p->elem == RP_E_I64 ? (void*)&v64 : (void*)&v8;
          memcpy(at + k * (size_t)(elem_bits(p->elem) / 8), src, (size_t)elem_bits(p->elem) / 8);
        }
        break;
      }
      default:
        for (size_t k = 0; k < size; ++k) at[k] = (unsigned char)rp_next(g);
    }
  }
  return b;
}

/* A NUL-terminated string of elements of the parameter's type, allocated exactly. */
static void* text(struct rng* g, const struct rp_param* p, size_t size, long* len, int file) {
  size_t n;
  char* t = make_text(g, p, &n, file);
  unsigned char* b = calloc(n + 1, size);
  for (size_t i = 0; i < n; ++i) b[i * size] = (unsigned char)t[i];
  free(t);
  *len = (long)n + 1;
  return b;
}

static void sweep_one(const struct rp_export* e, const struct sw_export* s, void* fn, int vector) {
  struct rng g = {0xCBF29CE484222325ull};
  for (const char* c = e->name; *c; ++c) g.s = (g.s ^ (unsigned char)*c) * 0x100000001B3ull;
  g.s ^= (uint64_t)vector * 0x9E3779B97F4A7C15ull;
  struct rp_arg* a = current.a;
  double v[SW_MAXP] = {0};
  long len[SW_MAXP];
  size_t size[SW_MAXP] = {0};
  void* heap[SW_MAXP] = {0};
  void* strings[4096];
  int nstrings = 0, scratch = 0;
  void* bstr[SW_MAXP] = {0};
  long nmax = -1;
  memset(a, 0, sizeof current.a);
  current.e = e;
  current.vector = vector;

  /* Counts first: the other integers range around them. */
  for (int i = 0; i < e->nparams; ++i) {
    const struct rp_param* p = &e->params[i];
    if (s->counts[i] != '1') continue;
    long c = pick_count(&g, p->kind == RP_K_INT && !p->sgn);
    if (p->kind == RP_K_INT) {
      a[i].i = (int32_t)(a[i].l = c);
      v[i] = (double)c;
    } else if (p->kind == RP_K_F64) {
      a[i].d = v[i] = (double)c;
    } else if (p->kind == RP_K_PTR) {
      heap[i] = fill(&g, p, 1, (size_t)elem_bits(p->elem) / 8, 1, 0, strings, &nstrings, 0);
      v[i] = p->elem == RP_E_I16 ? *(int16_t*)heap[i] : *(int32_t*)heap[i];
      a[i].p = heap[i];
      current.len[i] = 1;
    }
    nmax = SW_MAX(nmax, (long)v[i]);
  }
  if (nmax < 0) nmax = 20;
  for (int i = 0; i < e->nparams; ++i) {
    const struct rp_param* p = &e->params[i];
    if (s->counts[i] == '1') continue;
    switch (p->kind) {
      case RP_K_INT:
        a[i].l = narrow(pick_int(&g, nmax), p->bits, p->sgn);
        a[i].i = (int32_t)a[i].l;
        v[i] = (double)a[i].l;
        break;
      case RP_K_F64: v[i] = a[i].d = pick_double(&g, p->lo, p->hi); break;
      case RP_K_F32: v[i] = a[i].f = (float)pick_double(&g, p->lo, p->hi); break;
      case RP_K_BSTR: {
        long n;
        char* t = text(&g, p, 1, &n, 0);
        bstr[i] = a[i].p = rp_new_bstr(t, (uint32_t)n - 1);
        free(t);
        break;
      }
      default: break;
    }
  }
  /* Texts first: a rule may count in a text's characters. */
  s->lengths(v, len, size);
  if (shrink >= 0 && len[shrink] > 0) --len[shrink];
  for (int i = 0; i < e->nparams; ++i) {
    if (e->params[i].kind != RP_K_PTR || heap[i] || (len[i] != -1 && len[i] != -3)) continue;
    if (e->params[i].elem == RP_E_PCHAR) continue;
    a[i].p = heap[i] = text(&g, &e->params[i], size[i], &len[i], len[i] == -3);
    v[i] = (double)(len[i] - 1);
  }
  long text_len[SW_MAXP];
  memcpy(text_len, len, sizeof len);
  s->lengths(v, len, size);
  if (shrink >= 0 && len[shrink] > 0) --len[shrink];
  for (int i = 0; i < e->nparams; ++i) {
    const struct rp_param* p = &e->params[i];
    if (heap[i] && len[i] == -1) len[i] = text_len[i];
    if (p->kind != RP_K_PTR || heap[i]) continue;
    if (len[i] == -2) { /* one OLE string owned by the caller */
      heap[i] = malloc(sizeof(void*));
      void* b = rp_new_bstr("abc", 3);
      memcpy(heap[i], &b, sizeof b);
    } else if (len[i] == -4) { /* the name of a file to write, removed after the call */
      scratch = 1;
      heap[i] = fill(&g, p, 1, size[i], 0, nmax, strings, &nstrings, 0);
      char* name = strcpy(malloc(sizeof "sweep_scratch.out"), "sweep_scratch.out");
      if (p->elem == RP_E_PCHAR) {
        free(strings[--nstrings]);
        strings[nstrings++] = name;
        memcpy(heap[i], &name, sizeof name);
      } else {
        free(heap[i]);
        heap[i] = name;
      }
      len[i] = (long)sizeof "sweep_scratch.out";
    } else if (len[i] == -3) {
      heap[i] = fill(&g, p, 1, size[i], 0, nmax, strings, &nstrings, 1);
      len[i] = 1;
    } else {
      heap[i] = fill(&g, p, len[i], size[i], 0, nmax, strings, &nstrings, 0);
    }
    a[i].p = heap[i];
  }
  /* A text that its family reads as empty when NULL: now and then NULL, or the
   * address of NULL. */
  for (int i = 0; i < e->nparams; ++i) {
    if (s->counts[i] != '3' || rp_next(&g) % 8 != 0) continue;
    if (e->params[i].elem == RP_E_PCHAR && rp_next(&g) % 2) {
      memset(heap[i], 0, sizeof(char*));
    } else {
      free(heap[i]);
      a[i].p = heap[i] = NULL;
      len[i] = -5;
    }
  }
  memcpy(current.len, len, sizeof len);

  if (trace) describe();
  union rp_ret r;
  memset(&r, 0, sizeof r);
  e->call(fn, a, &r);
  ++progress;
  if (e->ret == RP_R_BSTR && r.p) rp_free_bstr(r.p);
  if (scratch) remove("sweep_scratch.out");

  for (int i = 0; i < e->nparams; ++i) {
    if (e->params[i].kind == RP_K_PTR && len[i] == -2) {
      void* b;
      memcpy(&b, heap[i], sizeof b);
      rp_free_bstr(b);
    }
    free(heap[i]);
    if (bstr[i] && s->counts[i] != '2') rp_free_bstr(bstr[i]);
  }
  for (int i = 0; i < nstrings; ++i) free(strings[i]);
}

int main(int argc, char** argv) {
  int calls = argc > 1 ? atoi(argv[1]) : SW_DEFAULT_CALLS;
  const char* only = argc > 2 && strcmp(argv[2], "all") != 0 ? argv[2] : NULL;
  trace = argc > 3 && strcmp(argv[3], "trace") == 0;
  int timing = argc > 3 && strcmp(argv[3], "time") == 0;
  if (argc > 3 && strncmp(argv[3], "shrink=", 7) == 0) shrink = atoi(argv[3] + 7);
  /* Headless: the window helpers find no desktop and touch nothing. */
  unsetenv("DISPLAY");
  write_samples();
#ifdef SW_ASAN
  __sanitizer_set_death_callback(describe);
#else
  signal(SIGSEGV, on_crash);
  signal(SIGBUS, on_crash);
  signal(SIGFPE, on_crash);
  signal(SIGABRT, on_crash);
#endif
  struct sigaction alarm_action;
  memset(&alarm_action, 0, sizeof alarm_action);
  alarm_action.sa_handler = on_alarm;
  alarm_action.sa_flags = SA_RESTART;
  sigaction(SIGALRM, &alarm_action, NULL);
  struct itimerval tick = {{1, 0}, {1, 0}};
  setitimer(ITIMER_REAL, &tick, NULL);

  size_t n = sizeof rp_exports / sizeof rp_exports[0];
  long total = 0, swept = 0;
  for (size_t k = 0; k < n; ++k) {
    const struct rp_export* e = &rp_exports[k];
    if (only && strcmp(only, e->name) != 0) continue;
    void* fn = rp_bind(e->name);
    if (fn == NULL) {
      fprintf(stderr, "sweep: %s does not bind\n", e->name);
      return 1;
    }
    struct timespec t0, t1;
    clock_gettime(CLOCK_MONOTONIC, &t0);
    for (int vec = 0; vec < calls; ++vec, ++total) sweep_one(e, &sw_exports[k], fn, vec);
    clock_gettime(CLOCK_MONOTONIC, &t1);
    double ms = (double)(t1.tv_sec - t0.tv_sec) * 1e3 + (double)(t1.tv_nsec - t0.tv_nsec) * 1e-6;
    if (timing) printf("%9.1f ms %s\n", ms, e->name);
    ++swept;
  }
  current.e = NULL;
  printf("sweep: %ld exports, %ld calls, no access outside the arrays, no hang\n", swept, total);
  return 0;
}
