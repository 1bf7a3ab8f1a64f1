// DBF_LODER: a dBASE attribute table read whole into memory. Field names and values
// come out as UTF-8 text; each field gets the G-XML data type of its column.
#ifndef CONVERTERS_SHAPEFILE_DBF_HPP
#define CONVERTERS_SHAPEFILE_DBF_HPP

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace conv {

class Cp932;

inline constexpr int kDbfMaxFields = 100;

// G-XML data types of the columns: "N" without decimals, "N" with decimals, and
// every other type letter.
inline constexpr std::string_view kDbfInteger = "integer";
inline constexpr std::string_view kDbfReal = "real";
inline constexpr std::string_view kDbfString = "string";

// A table that cannot be loaded (damaged, truncated, or beyond the capacities);
// what() is the message for the user, naming the file and the record.
class DbfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DbfTable {
  std::vector<std::string> names;       // field names, trimmed
  std::vector<std::string_view> types;  // kDbfInteger, kDbfReal or kDbfString
  std::int32_t record_count = 0;
  std::string text;                     // every value, back to back
  std::vector<std::size_t> ends;        // end in `text` of value (r, i) at r * fields + i

  std::size_t field_count() const { return names.size(); }
  // Value of field i (from 0) of record r (from 1): trimmed, without NUL bytes.
  std::string_view value(std::int32_t r, std::size_t i) const {
    const std::size_t at = static_cast<std::size_t>(r - 1) * names.size() + i;
    const std::size_t from = at == 0 ? 0 : ends[at - 1];
    return std::string_view(text).substr(from, ends[at] - from);
  }
};

// Loads the table at path: at most kDbfMaxFields fields and max_records records,
// deleted records included. Fields are read from the descriptors up to the header
// terminator or the header length, whichever comes first; records start at the
// header length. Throws DbfError for a table it cannot load, RuntimeFailure when the
// file cannot be opened or read.
DbfTable DBF_Open(const std::string& path, std::int32_t max_records, Cp932& codec);

// The bytes from 1-based byte position `start`, `length` of them, cut to what the
// text holds (nothing when start lies beyond it).
std::string_view DBF_MidB(std::string_view bytes, std::int32_t start, std::int32_t length);

}  // namespace conv

#endif
