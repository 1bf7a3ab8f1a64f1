// A shapefile and its table of any bytes through the whole conversion: the input is
// split into the main file and the dBASE table (fuzz_support.hpp).
#include "fuzz_support.hpp"
#include "shapefile/shape.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  conv::SurveyLibrary& lib = fuzz::library();
  fuzz::Scratch& dir = fuzz::scratch();
  dir.clear();
  std::string_view shp, dbf;
  fuzz::split(data, size, shp, dbf);
  const std::string input = dir.write("f.Shp", shp);
  dir.write("f.DBF", dbf);
  fuzz::prepare_output("f.XML");
  fuzz::NullHost host;
  const conv::Outcome outcome = conv::convert_shape({input, dir.file("f.XML"), false}, host, lib);
  fuzz::check_output(outcome, "f.XML", {"f.Shp", "f.DBF", "f.XML"});
  return 0;
}
