// Files as the conversions use them.
#include "files.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "host.hpp"

namespace conv {

namespace {

[[noreturn]] void open_failure(const std::string& path, int err) {
  switch (err) {
    case ENOENT: {
      std::error_code ec;
      const auto parent = std::filesystem::path(path).parent_path();
      if (!parent.empty() && !std::filesystem::is_directory(parent, ec))
        throw RuntimeFailure(kPathNotFound, "Path not found: " + path);
      throw RuntimeFailure(kFileNotFound, "File not found: " + path);
    }
    case EACCES:
    case EPERM:
    case EROFS:
      throw RuntimeFailure(kPermissionDenied, "Permission denied: " + path);
    case ENOTDIR:
    case ENAMETOOLONG:
      throw RuntimeFailure(kPathNotFound, "Path not found: " + path);
    default:
      throw RuntimeFailure(kPathFileAccessError, "Path/File access error: " + path);
  }
}

}  // namespace

File::File(const std::string& path, Mode mode) : path_(path) {
  std::error_code ec;
  if (mode == Mode::kRead && std::filesystem::is_directory(path, ec)) open_failure(path, EISDIR);
  if (path.empty()) open_failure(path, ENOENT);
  f_ = std::fopen(path.c_str(), mode == Mode::kRead ? "rb" : "wb");
  if (f_ == nullptr) open_failure(path, errno);
}

File::~File() { close(); }

void File::close() {
  if (f_ != nullptr) std::fclose(f_);
  f_ = nullptr;
}

std::int64_t File::size() const {
  std::error_code ec;
  const auto n = std::filesystem::file_size(path_, ec);
  return ec ? 0 : static_cast<std::int64_t>(n);
}

void File::write_all(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size() || std::fflush(f_) != 0) {
    if (errno == ENOSPC) throw RuntimeFailure(kDiskFull, "Disk full: " + path_);
    throw RuntimeFailure(kDeviceIoError, "Device I/O error: " + path_);
  }
}

LineReader::LineReader(File& file) : file_(file), buf_(1 << 18) {}

bool LineReader::fill() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    discarded_ += static_cast<std::int64_t>(begin_);
    begin_ = 0;
  }
  if (end_ == buf_.size()) buf_.resize(buf_.size() * 2);
  const std::size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, file_.get());
  end_ += got;
  if (got == 0) {
    if (std::ferror(file_.get())) throw RuntimeFailure(kDeviceIoError, "Device I/O error: " + file_.path());
    eof_ = true;
    return false;
  }
  return true;
}

bool LineReader::next(std::string_view& line) {
  std::size_t scanned = begin_;
  for (;;) {
    const char* p = buf_.data();
    std::size_t i = scanned;
    // Line ends are bytes below 14; skip eight bytes at a time while none is.
    for (std::uint64_t w; i + 8 <= end_; i += 8) {
      std::memcpy(&w, p + i, 8);
      if ((w - 0x0E0E0E0E0E0E0E0Eull) & ~w & 0x8080808080808080ull) break;
    }
    for (; i < end_; ++i) {
      const auto c = static_cast<unsigned char>(p[i]);
      if (c <= '\r' && (c == '\n' || c == '\r')) break;
    }
    if (i < end_) {
      // A CR at the end of the buffer may be the first half of CR LF.
      if (p[i] == '\r' && i + 1 == end_ && !eof_) {
        const std::size_t offset = i - begin_;
        fill();
        scanned = begin_ + offset;
        continue;
      }
      line = std::string_view(p + begin_, i - begin_);
      std::size_t next = i + 1;
      if (p[i] == '\r' && next < end_ && p[next] == '\n') ++next;
      begin_ = next;
      return true;
    }
    const std::size_t offset = end_ - begin_;
    if (!fill()) {
      if (begin_ == end_) return false;
      line = std::string_view(buf_.data() + begin_, end_ - begin_);
      begin_ = end_;
      return true;
    }
    scanned = begin_ + offset;
  }
}

std::string read_all(const std::string& path) {
  File f(path, File::Mode::kRead);
  std::string s;
  char buf[1 << 16];
  std::size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f.get())) > 0) s.append(buf, got);
  if (std::ferror(f.get())) throw RuntimeFailure(kDeviceIoError, "Device I/O error: " + path);
  return s;
}

}  // namespace conv
