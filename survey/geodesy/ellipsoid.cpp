// Ellipsoid parameters and the meridian-arc, footpoint and curvature quantities.
#include "ellipsoid.h"

#include "ellipsoid_series.hpp"

namespace {

using survey::geodesy::Ellipsoid;
using survey::geodesy::ellipsoid;

}  // namespace

extern "C" {

double SURVEY_CALL risin1(double F) { return survey::geodesy::first_eccentricity(F); }
double SURVEY_CALL risin2(double F) { return survey::geodesy::second_eccentricity(F); }
double SURVEY_CALL kyokuhan(double a, double F) { return survey::geodesy::polar_radius(a, F); }

void SURVEY_CALL daen_af(int16_t kind, double* a, double* F) {
  switch (kind) {
    case 1:  // Bessel 1841
      *a = 6377397.155;
      *F = 299.152813;
      break;
    case 2:  // WGS84
      *a = 6378137.0;
      *F = 298.257223;
      break;
    case 3:  // GRS80
      *a = 6378137.0;
      *F = 298.257222101;
      break;
    default:
      break;
  }
}

void SURVEY_CALL Wcalcb(int16_t kind, double phi, double* out) {
  if (const Ellipsoid* E = ellipsoid(kind)) *out = survey::geodesy::meridian_arc(*E, phi);
}

void SURVEY_CALL Wcalcm(int16_t kind, double phi, double* out) {
  if (const Ellipsoid* E = ellipsoid(kind)) *out = survey::geodesy::meridian_radius(*E, std::cos(phi));
}

void SURVEY_CALL Wcalcn(int16_t kind, double phi, double* out) {
  if (const Ellipsoid* E = ellipsoid(kind)) *out = survey::geodesy::prime_vertical_radius(*E, std::cos(phi));
}

void SURVEY_CALL Wcalcp(int16_t kind, double s, double* out) {
  if (const Ellipsoid* E = ellipsoid(kind)) *out = survey::geodesy::footpoint_latitude(*E, s);
}

void SURVEY_CALL calcb(double phi, double* out) { Wcalcb(1, phi, out); }
void SURVEY_CALL calcm(double phi, double* out) { Wcalcm(1, phi, out); }
void SURVEY_CALL calcn(double phi, double* out) { Wcalcn(1, phi, out); }
void SURVEY_CALL calcp(double s, double* out) { Wcalcp(1, s, out); }
void SURVEY_CALL GRS80_calcb(double phi, double* out) { Wcalcb(2, phi, out); }
void SURVEY_CALL GRS80_calcm(double phi, double* out) { Wcalcm(2, phi, out); }
void SURVEY_CALL GRS80_calcn(double phi, double* out) { Wcalcn(2, phi, out); }
void SURVEY_CALL GRS80_calcp(double s, double* out) { Wcalcp(2, s, out); }

}  // extern "C"
