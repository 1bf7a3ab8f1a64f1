// Bentrim: one SIMA survey file to one G-XML document.
#ifndef CONVERTERS_SIMA_SIMA_HPP
#define CONVERTERS_SIMA_SIMA_HPP

#include "common/host.hpp"

namespace conv {

class SurveyLibrary;

// Capacities of the conversion.
inline constexpr int kSimaMaxPointNumber = 15000;  // point numbers 0 to 15000
inline constexpr int kSimaMaxParcelPoints = 5000;  // points of one parcel

// Converts request.input into request.output, reporting through host. With
// request.xy on, each pair is (field 4, field 3) of the A01 record.
Outcome convert_sima(const Request& request, Host& host, SurveyLibrary& lib);

}  // namespace conv

#endif
