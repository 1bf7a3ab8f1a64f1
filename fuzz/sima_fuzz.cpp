// A SIMA file of any bytes through the whole conversion.
#include "fuzz_support.hpp"
#include "sima/sima.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::convert_files({{"f.sim", std::string_view(reinterpret_cast<const char*>(data), size)}}, "f.sim",
                      conv::convert_sima, true);
  return 0;
}
