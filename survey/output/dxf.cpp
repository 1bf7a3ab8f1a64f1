// DXF version detection and section copy.
#include "dxf.h"
#include "../basics/text_args.hpp"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

using survey::text::deref;

// Reads a file as the text-mode line reader with a 256-byte buffer does on the
// original platform, the same on every build: pieces of at most 255 characters,
// each ending after a line end when one comes; CR LF is one line end (also when
// the two fall into different reads), a lone CR is data, Ctrl-Z ends the text, a
// NUL is data. Nothing past `limit` bytes of the file is read.
class PieceReader {
 public:
  static constexpr std::size_t kPiece = 255;

  PieceReader(std::FILE* f, std::uint64_t limit) : f_(f), left_(limit), buf_(new char[kBuffer]) {}

  // The next piece into `piece`; false at the end of the text.
  bool next(std::string& piece) {
    piece.clear();
    while (piece.size() < kPiece) {
      const int c = get();
      if (c < 0) break;
      piece += static_cast<char>(c);
      if (c == '\n') break;
    }
    return !piece.empty();
  }

 private:
  int raw() {
    if (pos_ == len_) {
      if (left_ == 0) return -1;
      const std::size_t want = left_ < kBuffer ? static_cast<std::size_t>(left_) : kBuffer;
      len_ = std::fread(buf_.get(), 1, want, f_);
      pos_ = 0;
      left_ -= len_;
      if (len_ == 0) {
        left_ = 0;
        return -1;
      }
    }
    return static_cast<unsigned char>(buf_[pos_++]);
  }

  int get() {
    if (ended_) return -1;
    int c = raw();
    if (c == 0x1A) c = -1;
    if (c == '\r') {
      const int d = raw();
      if (d == '\n') {
        c = '\n';
      } else if (d >= 0) {
        --pos_;  // the byte stays for the next read
      }
    }
    if (c < 0) ended_ = true;
    return c;
  }

  std::FILE* f_;
  std::uint64_t left_;
  static constexpr std::size_t kBuffer = 1 << 16;
  std::unique_ptr<char[]> buf_;  // on the heap: callers' threads may have small stacks
  std::size_t pos_ = 0, len_ = 0;
  bool ended_ = false;
};

bool begins_with(std::string_view piece, std::string_view word) {
  return piece.size() >= word.size() && piece.substr(0, word.size()) == word;
}

// An open regular file's size; nothing for folders and failures.
bool file_size(std::FILE* f, std::uint64_t& size) {
#if defined(_WIN32)
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return false;
#else
  struct stat st;
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) return false;
#endif
  size = static_cast<std::uint64_t>(st.st_size);
  return true;
}

struct File {
  explicit File(std::FILE* f) : f(f) {}
  ~File() {
    if (f != nullptr) std::fclose(f);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  std::FILE* f;
};

// Writes a piece as text mode does: its line end as CR LF.
void write_piece(std::FILE* out, std::string_view piece) {
  if (!piece.empty() && piece.back() == '\n') {
    std::fwrite(piece.data(), 1, piece.size() - 1, out);
    std::fwrite("\r\n", 1, 2, out);
  } else {
    std::fwrite(piece.data(), 1, piece.size(), out);
  }
}

}  // namespace

extern "C" {

int32_t SURVEY_CALL DXFVer(const char* const* path) {
  const std::string p(deref(path));
  File in(p.empty() ? nullptr : std::fopen(p.c_str(), "rb"));
  std::uint64_t size = 0;
  if (in.f == nullptr || !file_size(in.f, size)) return 0;
  static constexpr struct {
    const char* marker;
    int32_t version;
  } kVersions[] = {{"AC1006", 3}, {"AC1009", 12}, {"AC1012", 13}, {"AC1014", 14}, {"AC1015", 2000}};
  PieceReader reader(in.f, size);
  std::string piece;
  while (reader.next(piece))
    for (const auto& v : kVersions)
      if (begins_with(piece, v.marker)) return v.version;
  return 0;
}

void SURVEY_CALL Pic_Dxfsection(const char* const* source, const char* const* dest, int16_t section) {
  static constexpr const char* kSections[] = {"HEADER", "TABLES", "BLOCKS", "ENTITIES", "CLASSES", "OBJECTS"};
  if (section < 1 || section > 6) return;
  const std::string_view name = kSections[section - 1];
  const std::string src(deref(source)), dst(deref(dest));
  if (src.empty() || dst.empty()) return;
  File in(std::fopen(src.c_str(), "rb"));
  std::uint64_t size = 0;
  if (in.f == nullptr || !file_size(in.f, size)) return;
  // The length at this moment bounds the read, so a destination that is the
  // source itself is not read back while it grows.
  File out(std::fopen(dst.c_str(), "ab"));
  if (out.f == nullptr) return;
  PieceReader reader(in.f, size);
  std::string piece;
  bool copying = false;
  while (reader.next(piece)) {
    if (!copying) {
      if (!begins_with(piece, name)) continue;
      copying = true;
      write_piece(out.f, "  0\n");
      write_piece(out.f, "SECTION\n");
      write_piece(out.f, "  2\n");
    }
    write_piece(out.f, piece);
    if (begins_with(piece, "ENDSEC")) break;
  }
}

}  // extern "C"
