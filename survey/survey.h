/* survey.h - every public declaration of the survey library.
 *
 * Functions are bound by name; see exports.list for the names, bind.h for binding
 * at run time, and each family header for the functions themselves.
 */
#ifndef SURVEY_SURVEY_H
#define SURVEY_SURVEY_H

#include "survey_api.h"
#include "bind.h"
#include "platform/bstr.h"

#include "basics/angles.h"
#include "basics/arrays.h"
#include "basics/files.h"
#include "basics/helpers.h"
#include "basics/system.h"
#include "basics/text.h"
#include "basics/trig.h"
#include "basics/units.h"
#include "geodesy/astronomy.h"
#include "geodesy/datum.h"
#include "geodesy/distance.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/jis_round.h"
#include "geodesy/plane_rect.h"
#include "geodesy/spheres.h"
#include "geodesy/utm.h"
#include "plane/circles.h"
#include "plane/construct.h"
#include "plane/directions.h"
#include "plane/ellipses.h"
#include "plane/intersections.h"
#include "plane/lines.h"
#include "plane/offsets.h"
#include "plane/parabolas.h"
#include "plane/quadratics.h"
#include "plane/triangles.h"
#include "plane/vectors.h"
#include "numerics/arrayops.h"
#include "numerics/calendar.h"
#include "numerics/complex.h"
#include "numerics/equations.h"
#include "numerics/fitting.h"
#include "numerics/matrix.h"
#include "numerics/numtheory.h"
#include "numerics/random.h"
#include "numerics/special.h"
#include "numerics/statistics.h"
#include "engineering/formulas.h"
#include "engineering/hydraulics.h"
#include "output/dxf.h"
#include "output/script.h"

#endif /* SURVEY_SURVEY_H */
