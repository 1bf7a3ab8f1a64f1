// Map-sheet rectangles: from a sheet code, and the sheet that holds a point.
#include <cmath>
#include <cstring>

#include "dxf.h"

extern "C" {

void SURVEY_CALL getcoord(const char* const* code, double* xmin, double* ymin, double* xmax, double* ymax) {
  *xmin = *ymin = *xmax = *ymax = 0.0;
  const char* c = code == nullptr ? nullptr : *code;
  const std::size_t len = c == nullptr ? 0 : std::strlen(c);
  if (len != 2 && len != 4 && len != 6) return;
  if (c[0] < 'A' || c[0] > 'T' || c[1] < 'A' || c[1] > 'H') return;
  // Kilometres: the 30 by 40 km block of the two letters.
  double x0 = (74 - c[0]) * 30.0;
  double y0 = (c[1] - 69) * 40.0;
  double dx = 30.0, dy = 40.0;
  // Any fault from here on leaves the block's minima (in km) and zero maxima.
  *xmin = x0;
  *ymin = y0;
  if (len >= 4) {
    const auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    if (!digit(c[2]) || !digit(c[3])) return;
    x0 = x0 + 30.0 - (c[2] - '0' + 1) * 3.0;
    y0 = y0 + (c[3] - '0') * 4.0;
    dx = 3.0;
    dy = 4.0;
    if (len == 6) {
      const char q = c[5];
      if (q < '0' || q > '4') return;
      if (q == '1' || q == '2') x0 += 1.5;
      if (q == '2' || q == '4') y0 += 2.0;
      dx = 1.5;
      dy = 2.0;
    }
  }
  *xmin = x0 * 1000.0;
  *ymin = y0 * 1000.0;
  *xmax = (x0 + dx) * 1000.0;
  *ymax = (y0 + dy) * 1000.0;
}

void SURVEY_CALL getdownxy(double scale, double x, double y, double* xcorner, double* ycorner) {
  const double k = scale * 0.0004;
  *xcorner = std::floor(x / (k * 1500)) * k * 1500;
  *ycorner = std::floor(y / (k * 2000)) * k * 2000;
}

}  // extern "C"
