// A shapefile and its table of any bytes through the whole conversion: the input is
// split into the main file and the dBASE table (fuzz_support.hpp).
#include "fuzz_support.hpp"
#include "shapefile/shape.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view shp, dbf;
  fuzz::split(data, size, shp, dbf);
  fuzz::convert_files({{"f.Shp", shp}, {"f.DBF", dbf}}, "f.Shp", conv::convert_shape, false);
  return 0;
}
