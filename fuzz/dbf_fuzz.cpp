// A dBASE table of any bytes through the loader alone: it loads, or it says why not.
#include "common/text.hpp"
#include "fuzz_support.hpp"
#include "shapefile/dbf.hpp"
#include "shapefile/shape.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Scratch& dir = fuzz::scratch();
  const std::string path = dir.write("f.DBF", std::string_view(reinterpret_cast<const char*>(data), size));
  conv::Cp932 codec;
  try {
    const conv::DbfTable t = conv::DBF_Open(path, conv::kShapeMaxRecords, codec);
    if (t.types.size() != t.field_count() || t.record_count < 0 ||
        t.ends.size() != static_cast<std::size_t>(t.record_count) * t.field_count())
      fuzz::fail("a loaded table is inconsistent");
    for (std::int32_t r = 1; r <= t.record_count; ++r)
      for (std::size_t i = 0; i < t.field_count(); ++i) (void)t.value(r, i);
  } catch (const conv::DbfError& e) {
    if (std::string_view(e.what()).find(path) == std::string_view::npos) fuzz::fail("a message that names no file");
  } catch (const conv::RuntimeFailure&) {
  }
  return 0;
}
