// A SIMA file of any bytes through the whole conversion.
#include "fuzz_support.hpp"
#include "sima/sima.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  conv::SurveyLibrary& lib = fuzz::library();
  fuzz::Scratch& dir = fuzz::scratch();
  dir.clear();
  const std::string input = dir.write("f.sim", std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::prepare_output("f.XML");
  fuzz::NullHost host;
  const conv::Outcome outcome = conv::convert_sima({input, dir.file("f.XML"), true}, host, lib);
  fuzz::check_output(outcome, "f.XML", {"f.sim", "f.XML"});
  return 0;
}
