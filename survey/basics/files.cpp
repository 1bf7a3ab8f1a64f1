// File search, line counting and free space.
#include "files.h"

#include <cstdio>

#include "../platform/fs.hpp"

extern "C" {

int32_t SURVEY_CALL find_file(const char* path) {
  return survey::platform::first_match_exists(path) ? 0 : -1;
}

int32_t SURVEY_CALL FDataCount(const char* path) {
  std::FILE* f = std::fopen(path, "r");
  if (f == nullptr) return 0;
  char buf[256];
  int32_t count = 0;
  while (std::fgets(buf, sizeof buf, f) != nullptr) ++count;
  std::fclose(f);
  return count;
}

int32_t SURVEY_CALL remain(int16_t drive) {
  const auto bytes = survey::platform::free_bytes(drive);
  if (!bytes) return -1;
  // The original computes clusters x sectors x bytes in 32 bits, which wraps.
  return static_cast<int32_t>(static_cast<uint32_t>(*bytes));
}

}  // extern "C"
