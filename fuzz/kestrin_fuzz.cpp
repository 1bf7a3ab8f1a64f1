// A cadastral pair of any bytes through the whole conversion: the input is split
// into the coordinate file and the polygon file (fuzz_support.hpp).
#include "cadastral/kestrin.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view pnt, pol;
  fuzz::split(data, size, pnt, pol);
  fuzz::convert_files({{"f.pnt", pnt}, {"f.pol", pol}}, "f.pol", conv::convert_kestrin, true);
  return 0;
}
