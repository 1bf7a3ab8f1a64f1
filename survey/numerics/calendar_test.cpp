// Calendar functions against C++20 std::chrono (proleptic Gregorian) and against a
// Julian day number computed here in integers.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "survey/survey.h"

namespace {

namespace chr = std::chrono;

constexpr int64_t kMjdOfUnixEpoch = 40587;  // 1970-01-01

// Julian day number of a Julian-calendar (julian = true) or Gregorian date, by the
// integer formulas of the Explanatory Supplement; valid for y >= -4800.
int64_t jdn(int64_t y, int64_t m, int64_t d, bool julian) {
  const int64_t a = (14 - m) / 12;
  const int64_t yy = y + 4800 - a;
  const int64_t mm = m + 12 * a - 3;
  const int64_t base = d + (153 * mm + 2) / 5 + 365 * yy + yy / 4;
  return julian ? base - 32083 : base - yy / 100 + yy / 400 - 32045;
}

// Proleptic Gregorian date of a day count from 1970-01-01, any 64-bit count
// (H. Hinnant's civil_from_days, written independently of the library's method).
void civil_from_days(int64_t z, int64_t* y, int64_t* m, int64_t* d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  *d = doy - (153 * mp + 2) / 5 + 1;
  *m = mp < 10 ? mp + 3 : mp - 9;
  *y = yoe + era * 400 + (*m <= 2 ? 1 : 0);
}

TEST(Calendar, EveryGregorianDayAgainstChrono) {
  int failures = 0;
  for (int y = 1583; y <= 9999; ++y) {
    const chr::year cy{y};
    ASSERT_EQ(uruu(static_cast<int16_t>(y)), cy.is_leap() ? -1 : 0) << y;
    for (unsigned m = 1; m <= 12; ++m) {
      const unsigned last = static_cast<unsigned>(chr::year_month_day_last{cy / chr::month{m} / chr::last}.day());
      ASSERT_EQ(daysOFmonth(static_cast<int16_t>(y), static_cast<int16_t>(m)), static_cast<int16_t>(last)) << y << "-" << m;
      for (unsigned d = 1; d <= last; ++d) {
        const chr::sys_days day{cy / chr::month{m} / chr::day{d}};
        const int64_t mjd = day.time_since_epoch().count() + kMjdOfUnixEpoch;
        const auto y16 = static_cast<int16_t>(y), m16 = static_cast<int16_t>(m), d16 = static_cast<int16_t>(d);
        const int16_t dow = y >= 1752 ? static_cast<int16_t>(chr::weekday{day}.c_encoding()) : -1;
        int16_t ry = 0, rm = 0, rd = 0;
        const int16_t ret = jul2ad(static_cast<int32_t>(mjd + 2400001), &ry, &rm, &rd);
        const bool ok = youbi(y16, m16, d16) == dow && Sjul_days(y16, m16, d16, 0, 0, 0) == static_cast<double>(mjd) &&
                        ry == y && rm == static_cast<int16_t>(m) && rd == static_cast<int16_t>(d) && ret == rd;
        if (!ok && ++failures <= 5) ADD_FAILURE() << y << "-" << m << "-" << d;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Calendar, SjulDaysBackToJulianEpoch) {
  // Julian calendar up to 1582-10-04, then Gregorian; every day from -4712-01-01.
  int failures = 0;
  for (int y = -4712; y <= 1583; ++y) {
    for (int m = 1; m <= 12; ++m) {
      static constexpr int kLen[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
      const bool julian_leap = ((y % 4) + 4) % 4 == 0;
      const int len = kLen[m - 1] + (m == 2 && julian_leap ? 1 : 0);
      for (int d = 1; d <= len; ++d) {
        const bool julian = y < 1582 || (y == 1582 && (m < 10 || (m == 10 && d <= 4)));
        if (y == 1582 && m == 10 && d > 4 && d < 15) continue;  // days skipped by the reform
        if (!julian && m == 2 && d == 29 && !(y % 4 == 0 && (y % 100 != 0 || y % 400 == 0))) continue;
        const double expected = static_cast<double>(jdn(y, m, d, julian) - 2400001);
        const double got = Sjul_days(static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d), 0, 0, 0);
        if (got != expected && ++failures <= 5) ADD_FAILURE() << y << "-" << m << "-" << d << ": " << got << " vs " << expected;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Calendar, FixedDates) {
  EXPECT_EQ(uruu(2000), -1);
  EXPECT_EQ(uruu(1900), 0);
  EXPECT_EQ(uruu(2024), -1);
  EXPECT_EQ(uruu(-4), 0);
  EXPECT_EQ(daysOFmonth(2024, 2), 29);
  EXPECT_EQ(daysOFmonth(2023, 13), 0);
  EXPECT_EQ(daysOFmonth(2023, 0), 0);
  EXPECT_EQ(daysOFmonth(-1, 1), 0);
  EXPECT_EQ(youbi(2000, 1, 1), 6);
  EXPECT_EQ(youbi(1751, 1, 1), -1);
  EXPECT_EQ(youbi(2000, 13, 1), -1);
  EXPECT_EQ(youbi(2000, 1, 32), -1);
  EXPECT_EQ(youbi(2000, 1, 0), -1);
  EXPECT_EQ(Sjul_days(1858, 11, 17, 0, 0, 0), 0.0);
  EXPECT_EQ(Sjul_days(1582, 10, 4, 0, 0, 0), -100841.0);
  EXPECT_EQ(Sjul_days(1582, 10, 15, 0, 0, 0), -100840.0);
  EXPECT_EQ(jul_days(2000, 1, 1, 12, 0, 0), 2451545.0);
  EXPECT_EQ(jul_days(-4712, 1, 1, 12, 0, 0), 0.0);
  // Time of day: 06:30:45 is 23445 s.
  EXPECT_NEAR(Sjul_days(2000, 1, 1, 6, 30, 45), 51544.0 + 23445.0 / 86400.0, 1e-9);
  EXPECT_NEAR(Sjul_days(2000, 1, 1, 23, 59, 59), 51544.0 + 86399.0 / 86400.0, 1e-9);
}

TEST(Calendar, Jul2adWholeRange) {
  struct Case {
    int32_t jd;
    int16_t y, m, d;
  } cases[] = {
      {2451545, 2000, 1, 1}, {2299161, 1582, 10, 15}, {0, -4713, 11, 24},
      {-68569, -4900, 3, 1},  // the first day of the method's range
      {4606535, 7900, 3, 1},  // double products put this day on 7900-02-29
      {5373484, 9999, 12, 31}, {5373485, 10000, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.jd);
    int16_t y = 0, m = 0, d = 0;
    EXPECT_EQ(jul2ad(c.jd, &y, &m, &d), c.d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
  }
  // A spread over -68569 ... 2^31 - 1 against an independent conversion; years
  // beyond 16 bits keep their low 16 bits.
  std::mt19937_64 gen(24);
  std::uniform_int_distribution<int32_t> pick(-68569, std::numeric_limits<int32_t>::max());
  int failures = 0;
  for (int i = 0; i < 2000000; ++i) {
    const int32_t jd = i == 0 ? std::numeric_limits<int32_t>::max() : pick(gen);
    int64_t ey = 0, em = 0, ed = 0;
    civil_from_days(static_cast<int64_t>(jd) - 2440588, &ey, &em, &ed);
    int16_t y = 0, m = 0, d = 0;
    jul2ad(jd, &y, &m, &d);
    if ((y != static_cast<int16_t>(ey) || m != em || d != ed) && ++failures <= 5) ADD_FAILURE() << "jd " << jd;
  }
  EXPECT_EQ(failures, 0);
}

TEST(Calendar, MoonAgeFollowsTheMeanLunation) {
  // Within 2.5 days (measured 2.2) of the mean age from the new moon of
  // 2000-01-06 18:14 UT, 1900-2100, counted at noon.
  const double synodic = 29.530588853;
  const chr::sys_days ref{chr::year{2000} / 1 / 6};
  const double ref_offset = (18 * 60 + 14) / 1440.0;
  double worst = 0.0;
  for (chr::sys_days day{chr::year{1900} / 1 / 1}; day < chr::sys_days{chr::year{2100} / 1 / 1}; day += chr::days{1}) {
    const chr::year_month_day ymd{day};
    const int32_t age = moon_age(static_cast<int16_t>(int{ymd.year()}), static_cast<int16_t>(unsigned{ymd.month()}),
                                 static_cast<int16_t>(unsigned{ymd.day()}));
    ASSERT_GE(age, 0);
    ASSERT_LE(age, 29);
    const double mean = std::fmod((day - ref).count() + 0.5 - ref_offset + 1000 * synodic, synodic);
    double e = std::fmod(age - mean + 1.5 * synodic, synodic) - 0.5 * synodic;
    worst = std::max(worst, std::fabs(e));
  }
  EXPECT_LT(worst, 2.5);
  EXPECT_EQ(moon_age(2000, 0, 1), -1);
  EXPECT_EQ(moon_age(2000, 1, 32), -1);
  EXPECT_LT(moon_age(1, 1, 1), 0);  // very early years run below zero
}

}  // namespace
