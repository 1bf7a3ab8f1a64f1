// File search, line counting and free space.
#include "files.h"

#include <cstdio>
#include <cstring>

#include "../platform/fs.hpp"

extern "C" {

int32_t SURVEY_CALL find_file(const char* path) {
  return survey::platform::first_match_exists(path) ? 0 : -1;
}

// Counts what a line reader with a 256-byte buffer reads: each read takes at most
// 255 bytes and stops after a newline, so a stretch of m bytes up to and including
// a newline (or the end of the file) takes ceil(m / 255) reads.
int32_t SURVEY_CALL FDataCount(const char* path) {
  std::FILE* f = std::fopen(path, "r");
  if (f == nullptr) return 0;
  int32_t count = 0;
#if defined(_WIN32)
  // Text mode there folds CR LF into one character: let the runtime read.
  char line[256];
  while (std::fgets(line, sizeof line, f) != nullptr) ++count;
#else
  static constexpr std::size_t kPiece = 255;
  char buf[1 << 16];
  std::size_t run = 0;  // bytes of the current line so far
  std::size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) {
    const char* p = buf;
    const char* const end = buf + got;
    while (const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) {
      run += static_cast<std::size_t>(nl - p) + 1;
      count += static_cast<int32_t>((run + kPiece - 1) / kPiece);
      run = 0;
      p = nl + 1;
    }
    run += static_cast<std::size_t>(end - p);
  }
  if (run > 0) count += static_cast<int32_t>((run + kPiece - 1) / kPiece);
#endif
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
