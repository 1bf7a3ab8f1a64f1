// Third-order grid squares: codes from latitude and longitude and back, the four
// squares around a point, elevation grid records and quadrilateral cells.
#include "mesh.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "../basics/angles.h"
#include "../basics/helpers.h"
#include "../basics/tokenizer.hpp"
#include "../plane/circles.h"
#include "../plane/intersections.h"

namespace {

// South-west corner (packed DMS) from the first part F (ppuu), the second S (qv)
// and the third T (rw) of a code. The digits come from modf in doubles; the
// latitude keeps its true divisions, so that 5339 gives 35 deg 40' exactly.
void corner(double F, double S, double T, double* lat, double* lon) {
  double pp, q, r;
  const double uu = std::modf(F * 0.01, &pp) * 100.0;
  const double v = std::modf(S * 0.1, &q) * 10.0;
  const double w = std::modf(T * 0.1, &r) * 10.0;
  const double phi = pp * 2.0 / 3.0 + q / 12.0 + r / 120.0;
  const double lam = w * 0.0125 + v * 0.125 + uu + 100.0;
  *lat = deg2dms(phi);
  *lon = deg2dms(lam);
}

// The characters of rec, looked at no further than `limit` (never past its NUL).
std::string_view held(const char* rec, std::size_t limit) {
  if (rec == nullptr) return {};
  std::size_t n = 0;
  while (n < limit && rec[n] != '\0') ++n;
  return {rec, n};
}

// The field of `len` (at most 15) characters at `pos`, on its own: what of it the
// record holds, read by `conv`; 0 when the record ends before it.
template <class Conv>
auto field(std::string_view rec, std::size_t pos, std::size_t len, Conv conv) -> decltype(conv("")) {
  if (pos >= rec.size()) return 0;
  char buf[16];
  const std::string_view f = rec.substr(pos, len);
  f.copy(buf, f.size());
  buf[f.size()] = '\0';
  return conv(buf);
}

constexpr std::size_t kMeshRecord = 9 + 5 * 200;
constexpr std::size_t kHeaderRecord = 50 + 7;

struct Pt {
  double x = 0.0, y = 0.0;
};

// The point dividing P->Q in the ratio a : b.
Pt divide(const Pt& P, const Pt& Q, int a, int b) {
  Pt r;
  naibun2(P.x, P.y, Q.x, Q.y, a, b, &r.x, &r.y);
  return r;
}

// Intersection of line AB with line CD.
Pt meet(const Pt& A, const Pt& B, const Pt& C, const Pt& D) {
  Pt r;
  line_kouten2(A.x, A.y, B.x, B.y, C.x, C.y, D.x, D.y, &r.x, &r.y);
  return r;
}

}  // namespace

extern "C" {

double SURVEY_CALL BL2Mesh(double lat, double lon) {
  const double phi = dms2deg(lat);
  const double lam = dms2deg(lon);
  double pp, uu, q, v, r, w;
  const double f1 = std::modf(phi * 1.5, &pp);
  const double g1 = std::modf(lam - 100.0, &uu);
  const double f2 = std::modf(f1 * 8.0, &q);
  const double g2 = std::modf(g1 * 8.0, &v);
  std::modf(f2 * 10.0, &r);
  std::modf(g2 * 10.0, &w);
  return pp * 1000000.0 + uu * 10000.0 + q * 1000.0 + v * 100.0 + r * 10.0 + w;
}

void SURVEY_CALL Mesh2BL(char* code, double* lat, double* lon) {
  survey::Tokenizer tok(code, "-");
  double part[3] = {0.0, 0.0, 0.0};
  for (double& p : part) {
    const char* t = tok.next();
    if (t == nullptr) break;
    p = a2d(t);
  }
  corner(part[0], part[1], part[2], lat, lon);
}

void SURVEY_CALL Mesh2BL2(double code, double* lat, double* lon) {
  double F, S;
  double rest = std::modf(code / 10000.0, &F) * 10000.0;
  F = survey_round(F, 0);
  rest = survey_round(rest, 0);
  double T = std::modf(rest / 100.0, &S) * 100.0;
  S = survey_round(S, 0);
  T = survey_round(T, 0);
  corner(F, S, T, lat, lon);
}

void SURVEY_CALL adjoin_mesh(double lat, double lon, double* codes, double* dlat, double* dlon, double* fx,
                             double* fy) {
  const double north = add_dms(lat, 0.003);
  const double east = add_dms(lon, 0.0045);
  codes[0] = BL2Mesh(lat, lon);
  codes[1] = BL2Mesh(north, lon);
  codes[2] = BL2Mesh(north, east);
  codes[3] = BL2Mesh(lat, east);
  double lat0, lon0;
  Mesh2BL2(codes[0], &lat0, &lon0);
  const double sy = survey_round(sub_dms(lat, lat0) * 10000.0, 5);
  const double sx = survey_round(sub_dms(lon, lon0) * 10000.0, 5);
  *dlat = sy;
  *dlon = sx;
  *fx = sx * 0.022222222222222223;
  *fy = sy * 0.03333333333333333;
}

void SURVEY_CALL Mesh2Z(const char* rec, int32_t* code, int32_t* number, double* values) {
  const std::string_view r = held(rec, kMeshRecord);
  *code = field(r, 0, 6, a2l);
  *number = field(r, 6, 3, a2l);
  for (std::size_t k = 0; k < 200; ++k) values[k] = field(r, 9 + 5 * k, 5, a2d) * 0.1;
}

void SURVEY_CALL Mesh_BL(const char* rec, double* p1, double* p2) {
  const std::string_view r = held(rec, kHeaderRecord);
  p1[0] = field(r, 29, 7, a2d) * 0.0001;
  p1[1] = field(r, 36, 7, a2d) * 0.0001;
  p2[0] = field(r, 43, 7, a2d) * 0.0001;
  p2[1] = field(r, 50, 7, a2d) * 0.0001;
}

void SURVEY_CALL Mesh_Dev(const double* x, const double* y, int16_t n, int16_t m, int16_t i, int16_t j, double* xo,
                          double* yo) {
  if (n <= 0 || m <= 0 || i <= 0 || j <= 0 || i > n || j > m) return;
  const Pt P[4] = {{x[0], y[0]}, {x[1], y[1]}, {x[2], y[2]}, {x[3], y[3]}};
  const Pt A1 = divide(P[0], P[1], j - 1, m - j + 1), A2 = divide(P[0], P[1], j, m - j);
  const Pt C1 = divide(P[3], P[2], j - 1, m - j + 1), C2 = divide(P[3], P[2], j, m - j);
  const Pt B1 = divide(P[1], P[2], i - 1, n - i + 1), B2 = divide(P[1], P[2], i, n - i);
  const Pt D1 = divide(P[0], P[3], i - 1, n - i + 1), D2 = divide(P[0], P[3], i, n - i);
  const Pt c[4] = {meet(A1, C1, B1, D1), meet(A2, C2, B1, D1), meet(A2, C2, B2, D2), meet(A1, C1, B2, D2)};
  for (int k = 0; k < 4; ++k) {
    xo[k] = c[k].x;
    yo[k] = c[k].y;
  }
}

}  // extern "C"
