// Files as the conversions use them.
#include "files.hpp"

#include <fcntl.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>

#if defined(_WIN32)
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "host.hpp"
#include "paths.hpp"

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

[[noreturn]] void write_failure(const std::string& path, int err) {
  if (err == ENOSPC) throw RuntimeFailure(kDiskFull, "Disk full: " + path);
  throw RuntimeFailure(kDeviceIoError, "Device I/O error: " + path);
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
  write(bytes);
  flush();
}

void File::write(std::string_view bytes) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) write_failure(path_, errno);
}

void File::flush() {
  errno = 0;
  if (std::fflush(f_) != 0) write_failure(path_, errno);
}

void File::discard() {
  close();  // a flush that fails here changes nothing: the file is emptied next
  if (std::FILE* f = std::fopen(path_.c_str(), "wb")) std::fclose(f);
}

ScratchFile::ScratchFile(const std::string& owner) : owner_(owner) {
  // "~NAME.XXXXXXXX.tmp" in the owner's folder; created only where no file of that
  // name exists, so no file of the user's is ever opened.
  std::mt19937_64 rng(std::random_device{}() ^
                      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  const std::string folder(folder_of(owner));
  const std::string name(last_component(owner));
  int err = EEXIST;
  for (int attempt = 0; attempt < 100 && err == EEXIST; ++attempt) {
    char tag[16];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(rng()));
    const std::string path = join_path(folder, "~" + name + "." + tag + ".tmp");
#if defined(_WIN32)
    const int fd = ::_open(path.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_TEMPORARY | _O_NOINHERIT,
                           _S_IREAD | _S_IWRITE);
    if (fd >= 0) {
      path_ = path;  // removed by the system when closed
      f_ = ::_fdopen(fd, "w+b");
      if (f_ == nullptr) ::_close(fd);
    }
#else
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::unlink(path.c_str());  // no name from now on; the space is freed when closed
      f_ = ::fdopen(fd, "w+b");
      if (f_ == nullptr) ::close(fd);
    }
#endif
    if (fd < 0) err = errno;
    else if (f_ == nullptr) err = ENOMEM;
    else return;
  }
  open_failure(join_path(folder, "~" + name + ".tmp"), err);
}

ScratchFile::~ScratchFile() {
  if (f_ != nullptr) std::fclose(f_);
  if (!path_.empty()) std::remove(path_.c_str());
}

void ScratchFile::write(std::string_view bytes) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) write_failure(owner_, errno);
}

void ScratchFile::rewind() {
  errno = 0;
  if (std::fflush(f_) != 0) write_failure(owner_, errno);
  if (std::fseek(f_, 0, SEEK_SET) != 0) write_failure(owner_, errno);
}

std::size_t ScratchFile::read(char* buf, std::size_t n) {
  const std::size_t got = std::fread(buf, 1, n, f_);
  if (got == 0 && std::ferror(f_)) throw RuntimeFailure(kDeviceIoError, "Device I/O error: " + owner_);
  return got;
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
