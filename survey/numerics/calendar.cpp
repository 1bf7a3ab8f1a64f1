// Leap years, month lengths, day of the week, Julian day numbers and the moon's age.
#include "calendar.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int16_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Zeller-type month offsets of the day-of-the-week formula (January first).
constexpr int kWeekdayOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};

bool valid_month_day(int m, int d) { return m >= 1 && m <= 12 && d >= 1 && d <= 31; }

}  // namespace

extern "C" {

int16_t SURVEY_CALL uruu(int16_t y) {
  if (y < 0) return 0;
  return ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0) ? SURVEY_TRUE : SURVEY_FALSE;
}

int16_t SURVEY_CALL daysOFmonth(int16_t y, int16_t m) {
  if (y < 0 || m < 1 || m > 12) return 0;
  return static_cast<int16_t>(kMonthDays[m - 1] + (m == 2 && uruu(y) == SURVEY_TRUE ? 1 : 0));
}

int16_t SURVEY_CALL youbi(int16_t y, int16_t m, int16_t d) {
  if (y < 1752 || !valid_month_day(m, d)) return -1;
  const int yy = m < 3 ? y - 1 : y;
  return static_cast<int16_t>((yy + yy / 4 - yy / 100 + yy / 400 + kWeekdayOffset[m - 1] + d) % 7);
}

double SURVEY_CALL Sjul_days(int16_t y, int16_t m, int16_t d, int16_t h, int16_t mi, int16_t s) {
  double Y = y;
  double M = m;
  if (m <= 2) {
    M = m + 12;
    Y = y - 1;
  }
  // Gregorian from the reform (1582-10-15) on, decided on the unadjusted decimal year.
  double B = 0.0;
  if ((m - 1) * 0.08333333333333333 + d * 0.0027378507871321013 + y >= 1582.78) {
    const double A = std::floor(Y * 0.01);
    B = 2.0 - A + std::floor(A * 0.25);
  }
  double r = std::floor(Y * 365.25) + std::floor((M + 1.0) * 30.6001) - 679006.0 + B;
  r += s * 1.1574074074074073e-5;
  r += mi * 0.0006944444444444445;
  r += h * 0.041666666666666664;
  r += d;
  return r;
}

double SURVEY_CALL jul_days(int16_t y, int16_t m, int16_t d, int16_t h, int16_t mi, int16_t s) {
  return Sjul_days(y, m, d, h, mi, s) + 2400000.5;
}

// Fliegel and Van Flandern (1968), in exact 64-bit integer divisions: the
// divisions truncate toward zero as the algorithm intends, and no step overflows.
int16_t SURVEY_CALL jul2ad(int32_t jd, int16_t* y, int16_t* m, int16_t* d) {
  int64_t L = static_cast<int64_t>(jd) + 68569;
  const int64_t N = 4 * L / 146097;
  L -= (146097 * N + 3) / 4;
  const int64_t I = 4000 * (L + 1) / 1461001;
  L -= 1461 * I / 4 - 31;
  const int64_t J = 80 * L / 2447;
  const int64_t K = J / 11;
  *y = static_cast<int16_t>((N - 49) * 100 + I + K);
  *m = static_cast<int16_t>(J + 2 - 12 * K);
  *d = static_cast<int16_t>(L - 2447 * J / 80);
  return *d;
}

int32_t SURVEY_CALL moon_age(int16_t y, int16_t m, int16_t d) {
  if (!valid_month_day(m, d)) return -1;
  const double k = std::trunc((m + 137) * 0.1);
  const double age = std::trunc(std::trunc(y * 221.0 * 0.05) - 2.0 * k + d + m);
  return static_cast<int32_t>(age) % 30;
}

}  // extern "C"
