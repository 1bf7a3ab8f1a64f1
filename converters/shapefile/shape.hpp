// Quorvel: an ESRI shapefile of simple polygons with its dBASE table to one G-XML
// document.
#ifndef CONVERTERS_SHAPEFILE_SHAPE_HPP
#define CONVERTERS_SHAPEFILE_SHAPE_HPP

#include "common/host.hpp"

namespace conv {

class SurveyLibrary;

// Capacities of the conversion.
inline constexpr int kShapeMaxPoints = 5000;     // points of one shape
inline constexpr int kShapeMaxShapes = 100000;   // shapes of the main file
inline constexpr int kShapeMaxRecords = 100000;  // records of the table

// Converts the shapefile named by request.input (its main file "Shp" and table
// "DBF", found whatever the letter case of their names) into request.output. With
// request.xy on each pair is (Y, X). A shape that is not a polygon, or a polygon of
// more than one ring, ends the program through host.end_program().
Outcome convert_shape(const Request& request, Host& host, SurveyLibrary& lib);

}  // namespace conv

#endif
