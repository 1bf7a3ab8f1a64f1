// A cadastral pair of any bytes through the whole conversion: the input is split
// into the coordinate file and the polygon file (fuzz_support.hpp).
#include "cadastral/kestrin.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  conv::SurveyLibrary& lib = fuzz::library();
  fuzz::Scratch& dir = fuzz::scratch();
  dir.clear();
  std::string_view pnt, pol;
  fuzz::split(data, size, pnt, pol);
  dir.write("f.pnt", pnt);
  const std::string input = dir.write("f.pol", pol);
  fuzz::prepare_output("f.XML");
  fuzz::NullHost host;
  const conv::Outcome outcome = conv::convert_kestrin({input, dir.file("f.XML"), true}, host, lib);
  fuzz::check_output(outcome, "f.XML", {"f.pnt", "f.pol", "f.XML"});
  return 0;
}
