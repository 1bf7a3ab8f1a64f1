// Text rules shared by the converters: Shift_JIS (code page 932) at the file
// boundary, UTF-8 inside; numbers read and written as the original platform did.
#ifndef CONVERTERS_COMMON_TEXT_HPP
#define CONVERTERS_COMMON_TEXT_HPP

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace conv {

// Conversions between code page 932 and UTF-8. One codec per conversion (it holds
// iconv descriptors; not shared between threads). A character that cannot be
// converted becomes "?".
class Cp932 {
 public:
  Cp932();
  ~Cp932();
  Cp932(const Cp932&) = delete;
  Cp932& operator=(const Cp932&) = delete;

  std::string to_utf8(std::string_view cp932);
  // Appends the code-page-932 form of utf8 to out. Runs of ASCII are copied as they
  // are, so mostly-ASCII documents convert at memory speed.
  void append_cp932(std::string& out, std::string_view utf8);
  std::string to_cp932(std::string_view utf8) {
    std::string s;
    append_cp932(s, utf8);
    return s;
  }
  // Replaces UTF-8 text by its code-page-932 form in the same storage (no character
  // takes more bytes in code page 932 than in UTF-8), so a large document needs no
  // second copy.
  void encode_in_place(std::string& text);

 private:
  void* decode_;  // iconv_t
  void* encode_;  // iconv_t
};

// A file name as text: file names are UTF-8 here, code page 932 on Windows.
inline std::string path_text([[maybe_unused]] Cp932& codec, std::string_view path) {
#if defined(_WIN32)
  return codec.to_utf8(path);
#else
  return std::string(path);
#endif
}

// Leading and trailing blanks (spaces) removed.
std::string_view trim_blanks(std::string_view s);

// Text with & < > " ' written as entity references, for XML attribute values and
// element content.
void append_xml_escaped(std::string& out, std::string_view s);

// The leading-number rule: blanks, tabs and line feeds are ignored everywhere, the
// longest leading decimal number (sign, digits, ".", exponent) is taken, 0 when
// there is none. Throws RuntimeFailure(6) when the value overflows a double.
double leading_number(std::string_view field);

// Nearest integer, halves to the even neighbour, into the range of a 16-bit or
// 32-bit integer; RuntimeFailure(6) outside it.
std::int16_t round_to_int16(double v);
std::int32_t round_to_int32(double v);

// A number as the documents write it: general format with up to 15 significant
// digits, no leading zero before the decimal point (.5, -.25), an exponent of at
// least two digits when needed (1E+99).
void append_number(std::string& out, double v);
// The same written at p when the value has the common form (zero, or at most 15
// significant digits with up to 8 decimals, between 1e-4 and 1e15): at most 20
// characters; returns their end, or nullptr (then use append_number).
char* format_number(char* p, double v);
std::string number_text(double v);

// Splits at every separator (no quoting).
void split_fields(std::string_view line, char separator, std::vector<std::string_view>& fields);

}  // namespace conv

#endif
