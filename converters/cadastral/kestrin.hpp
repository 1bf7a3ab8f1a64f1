// Parlow: a cadastral coordinate file (pnt) and polygon file (pol) pair to one
// G-XML document.
#ifndef CONVERTERS_CADASTRAL_KESTRIN_HPP
#define CONVERTERS_CADASTRAL_KESTRIN_HPP

#include "common/host.hpp"

namespace conv {

class SurveyLibrary;

// Capacities of the conversion.
inline constexpr int kKestrinMaxPoints = 30000;       // entries of the point table
inline constexpr int kKestrinMaxParcelPoints = 5000;  // points of one parcel

// Converts the pair named by request.input (either file, or any name with the same
// base) into request.output. With request.xy on, each pair is (field 2, field 1) of
// the coordinate file.
Outcome convert_kestrin(const Request& request, Host& host, SurveyLibrary& lib);

}  // namespace conv

#endif
