// Test support: one PROJ transformation with its own context, for the
// comparisons with PROJ (an independent reference where libproj-dev is installed).
#ifndef SURVEY_GEODESY_PROJ_REFERENCE_TEST_HPP
#define SURVEY_GEODESY_PROJ_REFERENCE_TEST_HPP

#include <proj.h>

#include <string>

class Proj {
 public:
  explicit Proj(const std::string& def) : ctx_(proj_context_create()), pj_(proj_create(ctx_, def.c_str())) {}
  ~Proj() {
    if (pj_) proj_destroy(pj_);
    proj_context_destroy(ctx_);
  }
  Proj(const Proj&) = delete;
  Proj& operator=(const Proj&) = delete;
  PJ* get() const { return pj_; }
  // The transformation of (a, b) (radians for angles) in direction d.
  PJ_COORD trans(PJ_DIRECTION d, double a, double b) const { return proj_trans(pj_, d, proj_coord(a, b, 0, 0)); }
  // (easting, northing) in metres of latitude, longitude in degrees.
  PJ_COORD forward(double lat, double lon) const {
    constexpr double kDeg = 0.017453292519943295;
    return trans(PJ_FWD, lon * kDeg, lat * kDeg);
  }

 private:
  PJ_CONTEXT* ctx_;
  PJ* pj_;
};

#endif  // SURVEY_GEODESY_PROJ_REFERENCE_TEST_HPP
