// Correction values of grid squares from a parameter file, and bilinear
// interpolation between four squares.
#include "grid_correction.h"

#include <cstdio>

#include "../basics/helpers.h"
#include "../basics/text.h"

namespace {

// A piece of at most 255 characters holds at most 128 space-separated tokens: the
// code and 127 values.
constexpr int kMaxValues = 127;

// The parameter file read as a line reader with a 256-byte buffer reads it: each
// piece ends after a newline or at 255 characters; the file is closed with the
// reader.
class Pieces {
 public:
  explicit Pieces(const char* path) : f_(path == nullptr ? nullptr : std::fopen(path, "r")) {}
  ~Pieces() {
    if (f_ != nullptr) std::fclose(f_);
  }
  Pieces(const Pieces&) = delete;
  Pieces& operator=(const Pieces&) = delete;

  bool open() const { return f_ != nullptr; }
  // The next piece (NUL-terminated, modifiable), or nullptr at the end.
  char* next() { return std::fgets(buf_, sizeof buf_, f_); }
  // True when reading stopped on an error rather than at the end (a folder, say).
  bool failed() const { return std::ferror(f_) != 0; }

 private:
  std::FILE* f_;
  char buf_[256];
};

// The leading number of the piece's first eight characters. Eight digits, the form
// of every data line, are summed directly (exact, as the conversion gives them);
// anything else goes through the conversion.
double head_code(const char* s) {
  double v = 0.0;
  int k = 0;
  for (; k < 8 && s[k] >= '0' && s[k] <= '9'; ++k) v = v * 10.0 + (s[k] - '0');
  if (k == 8) return v;
  char head[9];
  k = 0;
  for (; k < 8 && s[k] != '\0'; ++k) head[k] = s[k];
  head[k] = '\0';
  return a2d(head);
}

// The non-zero values after the code, in order: count of them written to out[]
// (at most two), or -1 at a third.
int corrections(char* piece, double out[2]) {
  double values[kMaxValues];
  const int n = dev_tok2(piece, " ", 1, values);
  int found = 0;
  for (int k = 0; k < n; ++k) {
    if (values[k] == 0.0) continue;
    if (found == 2) return -1;
    out[found++] = values[k];
  }
  return found;
}

// The bilinear sum in its fixed order (v[3], v[1], v[2], v[0] terms).
template <class T>
double bilinear(const T* v, double a, double b) {
  if (a > 1.0 || a < 0.0 || b > 1.0 || b < 0.0) return 0.0;
  const double v0 = v[0], v1 = v[1], v2 = v[2], v3 = v[3];
  return v3 * a * (1.0 - b) + v1 * (1.0 - a) * b + v2 * a * b + v0 * (1.0 - a) * (1.0 - b);
}

}  // namespace

extern "C" {

int16_t SURVEY_CALL Get_Tky2Jgd(const char* path, double code, double* first, double* second) {
  Pieces file(path);
  if (!file.open()) return 0;
  while (char* piece = file.next()) {
    if (head_code(piece) != code) continue;
    double v[2] = {};
    const int n = corrections(piece, v);
    // Values before a third are written even when the line is then refused.
    if (n != 0) *first = v[0];
    if (n == 2 || n < 0) *second = v[1];
    return n < 0 ? 0 : 1;
  }
  return 0;
}

int16_t SURVEY_CALL Get_Tky2Jgd2(const char* path, const double* codes, double* first, double* second) {
  Pieces file(path);
  if (!file.open()) return 0;
  // Own, east, north, north-east, put in ascending order of code (stably, so that
  // the usual case keeps that order): one pass then meets each in turn even where
  // the east square's code lies beyond the north one's.
  int order[4] = {0, 3, 1, 2};
  for (int s = 1; s < 4; ++s)
    for (int t = s; t > 0 && codes[order[t - 1]] > codes[order[t]]; --t) {
      const int o = order[t];
      order[t] = order[t - 1];
      order[t - 1] = o;
    }
  double v[4][2] = {};
  int found = 0;
  while (found < 4) {
    char* piece = file.next();
    if (piece == nullptr) {
      if (file.failed()) return 0;
      break;
    }
    const int k = order[found];
    if (head_code(piece) != codes[k]) continue;
    if (corrections(piece, v[k]) < 0) return 0;
    ++found;
  }
  for (int k = 0; k < 4; ++k) {
    first[k] = v[k][0];
    second[k] = v[k][1];
  }
  return found == 4 ? 1 : 0;
}

double SURVEY_CALL by_linear(const double* v, double a, double b) { return bilinear(v, a, b); }

double SURVEY_CALL by_linearF(const float* v, double a, double b) { return bilinear(v, a, b); }

}  // extern "C"
