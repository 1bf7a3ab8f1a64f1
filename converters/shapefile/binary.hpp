// Binary files read in large pieces: a forward reader that hands out byte runs from
// a buffer, and the little-endian decoders of the shapefile and dBASE layouts.
#ifndef CONVERTERS_SHAPEFILE_BINARY_HPP
#define CONVERTERS_SHAPEFILE_BINARY_HPP

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "common/files.hpp"
#include "common/host.hpp"

namespace conv {

// Reads a file front to back in pieces of at least 1 MiB.
class ByteReader {
 public:
  explicit ByteReader(File& file, std::size_t piece = std::size_t{1} << 20) : file_(file), buf_(piece) {}

  // The next n bytes, fewer only at the end of the file. The view stays valid until
  // the next call.
  std::string_view take(std::size_t n) {
    if (end_ - begin_ < n) fill(n);
    const std::size_t got = end_ - begin_ < n ? end_ - begin_ : n;
    const std::string_view v(buf_.data() + begin_, got);
    begin_ += got;
    return v;
  }

  // Bytes taken so far.
  std::int64_t position() const { return discarded_ + static_cast<std::int64_t>(begin_); }

 private:
  void fill(std::size_t n) {
    if (begin_ > 0) {
      std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
      end_ -= begin_;
      discarded_ += static_cast<std::int64_t>(begin_);
      begin_ = 0;
    }
    if (buf_.size() < n) buf_.resize(n);
    while (end_ < n && !eof_) {
      const std::size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, file_.get());
      if (got == 0) {
        if (std::ferror(file_.get())) throw RuntimeFailure(kDeviceIoError, "Device I/O error: " + file_.path());
        eof_ = true;
      }
      end_ += got;
    }
  }

  File& file_;
  std::vector<char> buf_;
  std::size_t begin_ = 0, end_ = 0;
  std::int64_t discarded_ = 0;
  bool eof_ = false;
};

// Little-endian values at p, whatever the byte order of the machine.
inline std::uint16_t le_u16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}
inline std::uint32_t le_u32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
}
inline std::int32_t le_i32(const char* p) { return static_cast<std::int32_t>(le_u32(p)); }
inline double le_f64(const char* p) {
  const std::uint64_t u = std::uint64_t{le_u32(p)} | std::uint64_t{le_u32(p + 4)} << 32;
  return std::bit_cast<double>(u);
}

}  // namespace conv

#endif
