// DBF_LODER: the dBASE table of a shapefile, read whole.
//
// Layout (dBASE III and its descendants): a 32-byte file header (record count at 4,
// header length at 8, record length at 10), 32-byte field descriptors (name in bytes
// 0-10, type letter 11, length 16, decimal count 17) ended by 0x0D, possibly more
// reserved bytes up to the header length (Visual FoxPro keeps 263 there), then the
// records: a deletion flag byte and the fields in descriptor order. Text is code
// page 932.
#include "shapefile/dbf.hpp"

#include <algorithm>

#include "common/files.hpp"
#include "common/text.hpp"
#include "shapefile/binary.hpp"

namespace conv {

namespace {

constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kNameSize = 11;
constexpr char kHeaderTerminator = 0x0D;

bool is_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool is_trail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

struct Column {
  std::int32_t start;   // 1-based byte position in the record (1 is the deletion flag)
  std::int32_t length;  // bytes
};

// Reads the records of one table into t.
class RecordDecoder {
 public:
  RecordDecoder(std::vector<Column> columns, Cp932& codec) : columns_(std::move(columns)), codec_(codec) {}

  void decode(std::string_view record, DbfTable& t) {
    bool half_first = false;  // this column opens with the second byte of a split character
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const Column& c = columns_[i];
      const std::string_view bytes = DBF_MidB(record, c.start, c.length);
      scratch_.clear();
      bool wide = false;
      std::size_t j = 0;
      if (half_first && !bytes.empty()) {
        scratch_.push_back('?');
        j = 1;
      }
      half_first = false;
      while (j < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[j]);
        if (b == 0) {  // NUL padding: dropped
          ++j;
          continue;
        }
        if (b < 0x80) {
          scratch_.push_back(static_cast<char>(b));
          ++j;
          continue;
        }
        wide = true;
        if (is_lead(b)) {
          if (j + 1 < bytes.size() && is_trail(static_cast<unsigned char>(bytes[j + 1]))) {
            scratch_.append(bytes.data() + j, 2);
            j += 2;
            continue;
          }
          // A lead byte whose trail is not in this column: half a character.
          scratch_.push_back('?');
          if (j + 1 == bytes.size()) half_first = split_character(record, i, bytes);
          ++j;
          continue;
        }
        scratch_.push_back(static_cast<char>(b));  // single-byte katakana, or unreadable
        ++j;
      }
      if (wide) {
        const std::string text = codec_.to_utf8(scratch_);
        t.text.append(trim_blanks(text));
      } else {
        t.text.append(trim_blanks(scratch_));
      }
      t.ends.push_back(t.text.size());
    }
  }

 private:
  // True when column i ends in the lead byte of a character whose trail byte opens
  // the next column. A writer that cuts text at the column's length leaves a lone
  // lead byte followed by the next column's own text; only a trail byte outside
  // ASCII that completes a real character is taken as the second half, so that
  // text stays as it is.
  bool split_character(std::string_view record, std::size_t i, std::string_view bytes) {
    const Column& c = columns_[i];
    if (static_cast<std::int32_t>(bytes.size()) != c.length || i + 1 >= columns_.size() ||
        columns_[i + 1].length == 0)
      return false;
    const auto at = static_cast<std::size_t>(c.start - 1 + c.length);
    if (at >= record.size()) return false;
    const auto trail = static_cast<unsigned char>(record[at]);
    if (trail < 0x80 || !is_trail(trail)) return false;
    const char pair[2] = {bytes.back(), record[at]};
    return codec_.to_utf8(std::string_view(pair, 2)) != "?";
  }

  std::vector<Column> columns_;
  Cp932& codec_;
  std::string scratch_;
};

}  // namespace

std::string_view DBF_MidB(std::string_view bytes, std::int32_t start, std::int32_t length) {
  if (start < 1 || length <= 0) return {};
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= bytes.size()) return {};
  return bytes.substr(from, static_cast<std::size_t>(length));
}

DbfTable DBF_Open(const std::string& path, std::int32_t max_records, Cp932& codec) {
  const std::string shown = path_text(codec, path);
  File file(path, File::Mode::kRead);
  ByteReader in(file);

  const std::string_view head = in.take(kFileHeaderSize);
  if (head.size() < kFileHeaderSize) throw DbfError(shown + "のヘッダーが途中で終わっています。");
  // The record count is 32 bits; a count beyond the capacity stops before any record
  // is read.
  const std::uint32_t count = le_u32(head.data() + 4);
  const std::size_t header_length = le_u16(head.data() + 8);
  const std::size_t record_length = le_u16(head.data() + 10);
  if (header_length <= kFileHeaderSize)
    throw DbfError(shown + "のヘッダーが壊れています（ヘッダー長 " + std::to_string(header_length) + "）。");
  if (count > static_cast<std::uint32_t>(max_records))
    throw DbfError(shown + "のレコードが、" + std::to_string(max_records) + "件を超えました（" +
                   std::to_string(count) + "件）。");

  const std::string_view rest = in.take(header_length - kFileHeaderSize);
  if (rest.size() < header_length - kFileHeaderSize) throw DbfError(shown + "のヘッダーが途中で終わっています。");

  DbfTable t;
  std::vector<Column> columns;
  std::int32_t start = 2;
  for (std::size_t p = 0; p + kDescriptorSize <= rest.size() && rest[p] != kHeaderTerminator; p += kDescriptorSize) {
    if (columns.size() == static_cast<std::size_t>(kDbfMaxFields))
      throw DbfError(shown + "のフィールドが、" + std::to_string(kDbfMaxFields) + "個を超えました。");
    const char* d = rest.data() + p;
    // The name is the name area up to its first NUL.
    const std::string_view area(d, kNameSize);
    const std::string name = codec.to_utf8(area.substr(0, area.find('\0')));
    t.names.emplace_back(trim_blanks(name));
    const char letter = d[11];
    const std::int32_t length = static_cast<unsigned char>(d[16]);
    const int decimals = static_cast<unsigned char>(d[17]);
    t.types.push_back(letter == 'N' ? (decimals == 0 ? kDbfInteger : kDbfReal) : kDbfString);
    columns.push_back({start, length});
    start += length;
  }

  t.record_count = static_cast<std::int32_t>(count);
  // Room for the records that the file can hold, however many the header announces.
  const auto held = static_cast<std::size_t>(std::max<std::int64_t>(file.size() - in.position(), 0));
  const std::size_t records = std::min<std::size_t>(count, record_length == 0 ? count : held / record_length);
  t.ends.reserve(records * columns.size());
  t.text.reserve(records * record_length);
  RecordDecoder decoder(std::move(columns), codec);
  for (std::uint32_t r = 1; r <= count; ++r) {
    const std::string_view record = in.take(record_length);
    if (record.size() < record_length)
      throw DbfError(shown + "のレコード" + std::to_string(r) + "が途中で終わっています（" +
                     std::to_string(count) + "件のうち）。");
    decoder.decode(record, t);
  }
  return t;
}

}  // namespace conv
