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
#include "plane/construct.h"
#include "plane/directions.h"
#include "plane/intersections.h"
#include "plane/lines.h"
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
#include "engineering/formulas.h"
#include "engineering/hydraulics.h"
#include "numerics/statistics.h"

#endif /* SURVEY_SURVEY_H */
