// UTM forward and inverse on GRS80 (JGD2000_UTM / JGD2000_UTM2BL, zone 54) and the
// Tokyo -> ITRF94 shift (Tokyo_Itrf94) over a million points in Japan, beside
// PROJ's proj_trans for the same transverse Mercator and the same geocentric
// translation, and beside a direct transcription of the formulas. Prints
// nanoseconds per point (best of several rounds) and the ratios, and checks that
// the library's results equal the transcription's to the last bit.
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "survey/geodesy/datum_utm_reference_test.hpp"
#include "bench_timing.hpp"
#include "survey/survey.h"

namespace {

constexpr double kDeg = 0.017453292519943295;
constexpr int kPoints = 1000000;
constexpr int kRounds = 7;


struct Run {
  const char* name;
  double ours = 1e300, proj = 1e300, literal = 1e300;
};

}  // namespace

int main() {
  uint64_t s = 88172645463325252ull;
  auto uniform = [&s] {  // xorshift64, in [0, 1)
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return (s >> 11) * (1.0 / 9007199254740992.0);
  };
  // UTM: zone 54 (138 to 144 E), 30 to 46 N. Datum shift: all of Japan.
  std::vector<double> ulat(kPoints), ulon(kPoints), dlat(kPoints), dlon(kPoints);
  std::vector<PJ_COORD> ugeo(kPoints), dgeo(kPoints), plane(kPoints), back(kPoints), shifted(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    const double la = 30.0 + 16.0 * uniform(), lo = 138.0 + 6.0 * uniform();
    ulat[i] = deg2dms(la);
    ulon[i] = deg2dms(lo);
    ugeo[i] = proj_coord(lo * kDeg, la * kDeg, 0, 0);
    const double da = 24.0 + 22.0 * uniform(), dn = 123.0 + 23.0 * uniform();
    dlat[i] = deg2dms(da);
    dlon[i] = deg2dms(dn);
    dgeo[i] = proj_coord(dn * kDeg, da * kDeg, 0, 0);
  }
  std::vector<double> zone(kPoints), lon0(kPoints), n(kPoints), e(kPoints), bl(kPoints), bo(kPoints),
      sl(kPoints), so(kPoints);
  std::vector<double> rzone(kPoints), rlon0(kPoints), rn(kPoints), re(kPoints), rbl(kPoints), rbo(kPoints),
      rsl(kPoints), rso(kPoints);

  PJ_CONTEXT* ctx = proj_context_create();
  PJ* utm = proj_create(ctx, "+proj=tmerc +lat_0=0 +lon_0=141 +k=0.9996 +x_0=500000 +y_0=0 "
                             "+a=6378137 +rf=298.257222101 +units=m");
  PJ* shift = proj_create(ctx, "+proj=pipeline +step +proj=cart +a=6377397.155 +rf=299.152813 "
                               "+step +proj=helmert +x=-146.414 +y=507.337 +z=680.507 "
                               "+step +inv +proj=cart +a=6378137 +rf=298.257222101");
  if (utm == nullptr || shift == nullptr) {
    std::fprintf(stderr, "PROJ: cannot create the transformations\n");
    return 1;
  }
  Run fwd{"JGD2000_UTM"}, inv{"JGD2000_UTM2BL"}, dat{"Tokyo_Itrf94"};
  for (int r = 0; r < kRounds; ++r) {
    fwd.ours = std::min(fwd.ours, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) JGD2000_UTM(ulat[i], ulon[i], &zone[i], &lon0[i], &n[i], &e[i]);
    }));
    fwd.proj = std::min(fwd.proj, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) plane[i] = proj_trans(utm, PJ_FWD, ugeo[i]);
    }));
    fwd.literal = std::min(fwd.literal, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) literal::utm(2, ulat[i], ulon[i], &rzone[i], &rlon0[i], &rn[i], &re[i]);
    }));
    inv.ours = std::min(inv.ours, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) JGD2000_UTM2BL(54.0, n[i], e[i], &bl[i], &bo[i]);
    }));
    inv.proj = std::min(inv.proj, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) back[i] = proj_trans(utm, PJ_INV, plane[i]);
    }));
    inv.literal = std::min(inv.literal, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) literal::utm2bl(2, 54.0, n[i], e[i], &rbl[i], &rbo[i]);
    }));
    dat.ours = std::min(dat.ours, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) Tokyo_Itrf94(97, dlat[i], dlon[i], &sl[i], &so[i]);
    }));
    dat.proj = std::min(dat.proj, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i) shifted[i] = proj_trans(shift, PJ_FWD, dgeo[i]);
    }));
    dat.literal = std::min(dat.literal, ns_per_point(kPoints, [&] {
      for (int i = 0; i < kPoints; ++i)
        literal::shift(97, 2, 6377397.155, 299.152813, 6378137.0, 298.257222101, 1.0, dlat[i], dlon[i], &rsl[i],
                       &rso[i]);
    }));
  }

  long differ = 0;
  double fwd_mm = 0, inv_sec = 0, dat_sec = 0;
  for (int i = 0; i < kPoints; ++i) {
    if (!same(zone[i], rzone[i]) || !same(lon0[i], rlon0[i]) || !same(n[i], rn[i]) || !same(e[i], re[i]) ||
        !same(bl[i], rbl[i]) || !same(bo[i], rbo[i]) || !same(sl[i], rsl[i]) || !same(so[i], rso[i]))
      ++differ;
    fwd_mm = std::max({fwd_mm, std::fabs(n[i] - plane[i].enu.n) * 1e3, std::fabs(e[i] - plane[i].enu.e) * 1e3});
    inv_sec = std::max({inv_sec, std::fabs(dms2deg(bl[i]) - dms2deg(ulat[i])) * 3600.0,
                        std::fabs(dms2deg(bo[i]) - dms2deg(ulon[i])) * 3600.0});
    dat_sec = std::max({dat_sec, std::fabs(dms2deg(sl[i]) - shifted[i].lp.phi / kDeg) * 3600.0,
                        std::fabs(dms2deg(so[i]) - shifted[i].lp.lam / kDeg) * 3600.0});
  }
  std::printf("%d points in Japan (UTM zone 54; datum shift 24-46 N, 123-146 E), best of %d rounds\n", kPoints,
              kRounds);
  std::printf("  %-16s %9s %9s %9s %8s %8s\n", "ns/point", "library", "PROJ", "literal", "lib/PROJ", "lib/lit");
  for (const Run* r : {&fwd, &inv, &dat})
    std::printf("  %-16s %9.1f %9.1f %9.1f %8.2f %8.2f\n", r->name, r->ours, r->proj, r->literal,
                r->ours / r->proj, r->ours / r->literal);
  std::printf("  points whose results differ from the transcription in any bit: %ld\n", differ);
  std::printf("  largest difference from PROJ: forward %.3g mm, shift %.3g arc-seconds\n", fwd_mm, dat_sec);
  std::printf("  largest round-trip error of the inverse: %.3g arc-seconds\n", inv_sec);
  proj_destroy(utm);
  proj_destroy(shift);
  proj_context_destroy(ctx);
  return differ == 0 ? 0 : 1;
}
