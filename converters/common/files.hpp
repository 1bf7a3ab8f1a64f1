// Files as the conversions use them: opened with the failure numbers of the
// original runtime, read line by line (CR LF, LF or CR), written in large pieces.
#ifndef CONVERTERS_COMMON_FILES_HPP
#define CONVERTERS_COMMON_FILES_HPP

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace conv {

// An open file, closed by the destructor.
class File {
 public:
  enum class Mode { kRead, kWrite };
  // Opens the file; RuntimeFailure 53, 70, 75 or 76 when it cannot be opened.
  File(const std::string& path, Mode mode);
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  std::FILE* get() const { return f_; }
  const std::string& path() const { return path_; }
  std::int64_t size() const;  // length in bytes
  // Writes all of bytes and flushes; RuntimeFailure 61 or 57 on failure.
  void write_all(std::string_view bytes);
  // Writes bytes (buffered); RuntimeFailure 61 or 57 on failure.
  void write(std::string_view bytes);
  void flush();
  // Leaves the file empty and closed (a write that failed half-way).
  void discard();
  void close();

 private:
  std::FILE* f_ = nullptr;
  std::string path_;
};

// A scratch file beside another file (in its folder): created exclusively under a
// name that no other file has, for writing and reading back, and removed when this
// object goes, on every path. Where the system allows it the file loses its name
// at once, so that nothing is left behind even when the program is killed.
// Failures of its writes are reported for `owner`, the file that it serves.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& owner);  // RuntimeFailure as File
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Appends bytes; RuntimeFailure 61 or 57 (naming the owner) on failure.
  void write(std::string_view bytes);
  // Back to the start for reading; the bytes written so far are flushed first.
  void rewind();
  // Reads up to n bytes into buf; 0 at the end. RuntimeFailure 57 on failure.
  std::size_t read(char* buf, std::size_t n);

 private:
  std::FILE* f_ = nullptr;
  std::string owner_, path_;  // path_: "" once the name is gone
};

// Lines of a file in order. A line ends at CR LF, LF or CR; the last line needs no
// end. position() is the byte offset at which the next line starts.
class LineReader {
 public:
  explicit LineReader(File& file);
  bool next(std::string_view& line);
  std::int64_t position() const { return discarded_ + static_cast<std::int64_t>(begin_); }

 private:
  bool fill();
  File& file_;
  std::vector<char> buf_;
  std::size_t begin_ = 0, end_ = 0;
  std::int64_t discarded_ = 0;
  bool eof_ = false;
};

// The whole content of a binary file; RuntimeFailure as File on failure.
std::string read_all(const std::string& path);

}  // namespace conv

#endif
