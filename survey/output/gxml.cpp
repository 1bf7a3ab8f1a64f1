// G-XML text pieces, dBASE field names, byte-order swaps and text splitters.
#include "gxml.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "../basics/text_args.hpp"
#include "../basics/sjis.hpp"
#include "../platform/bstr.h"
#include "number_text.hpp"

namespace {

using survey::platform::new_string;

using survey::text::deref;

// Placeholders of the metadata block, in Shift_JIS: 名称, 目的, 作者, 説明.
constexpr std::string_view kName = "\x96\xBC\x8F\xCC";
constexpr std::string_view kPurpose = "\x96\xDA\x93\x49";
constexpr std::string_view kAuthor = "\x8D\xEC\x8E\xD2";
constexpr std::string_view kDescription = "\x90\xE0\x96\xBE";

BSTR head(std::string_view name, std::string_view purpose, std::string_view author, std::string_view description) {
  std::string s = "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?><G-XML><Metadata><Metadata.gxml><Name>";
  s.append(name).append("</Name><Purpose>").append(purpose).append("</Purpose><Author>");
  s.append(author).append("</Author><Description>").append(description);
  s.append("</Description></Metadata.gxml></Metadata>");
  return new_string(s);
}

// dBASE file header and field descriptor layout.
constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kNameSize = 11;
constexpr unsigned char kHeaderTerminator = 0x0D;

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string field_names(const char* path) {
  const std::unique_ptr<std::FILE, Closer> in(std::fopen(path, "rb"));
  if (!in) return {};
  unsigned char buf[kDescriptorSize];
  if (std::fread(buf, 1, kFileHeaderSize, in.get()) != kFileHeaderSize) return {};
  // The header length is read as a signed 16-bit value; from 32768 on it is
  // negative and announces no field.
  const auto header_length = static_cast<int16_t>(static_cast<uint16_t>(buf[8] | (buf[9] << 8)));
  const int count = (header_length - 1) / 32 - 1;
  std::string names;
  for (int i = 0; i < count; ++i) {
    // Tables keep reserved bytes after the terminator (Visual FoxPro 263 of them),
    // which the header length counts; the terminator ends the list.
    if (std::fread(buf, 1, kDescriptorSize, in.get()) != kDescriptorSize || buf[0] == kHeaderTerminator) break;
    const auto* name = reinterpret_cast<const char*>(buf);
    const void* nul = std::memchr(name, '\0', kNameSize);
    if (i > 0) names += ',';
    names.append(name, nul == nullptr ? kNameSize : static_cast<std::size_t>(static_cast<const char*>(nul) - name));
  }
  return names;
}

// Byte position of the first occurrence of sep in s that covers whole characters
// of s; npos when there is none. An empty sep occurs at 0.
std::size_t find_chars(std::string_view s, std::string_view sep) {
  for (std::size_t i = 0;; i += survey::sjis::char_size(s, i)) {
    if (s.substr(i).starts_with(sep)) {
      std::size_t end = i;
      while (end < i + sep.size()) end += survey::sjis::char_size(s, end);
      if (end == i + sep.size()) return i;
    }
    if (i >= s.size()) return std::string_view::npos;
  }
}

}  // namespace

extern "C" {

BSTR SURVEY_CALL CrtTag(int16_t closing, const char* const* name) {
  std::string s = closing == 0 ? "<" : "</";
  s.append(deref(name)).append(">");
  return new_string(s);
}

BSTR SURVEY_CALL CrtTagXY(int32_t n, const double* x, const double* y) {
  std::string s = "<Coordinates unit.location=\"m\">";
  for (int32_t i = 0; i < n; ++i) {
    if (i > 0) s += ' ';
    survey::text::append_point(s, x[i], y[i]);
  }
  s += "</Coordinates>";
  return new_string(s);
}

BSTR SURVEY_CALL CrtTagHEAD(void) { return head(kName, kPurpose, kAuthor, kDescription); }

BSTR SURVEY_CALL CrtTagHEAD1(const char* const* name, const char* const* purpose, const char* const* author,
                             const char* const* description) {
  return head(deref(name), deref(purpose), deref(author), deref(description));
}

BSTR SURVEY_CALL CrtTagProperty(const char* const* type, const char* const* datatype, const char* const* value) {
  std::string s = "<Property propertytypename=\"";
  s.append(deref(type)).append("\" datatype=\"").append(deref(datatype)).append("\">");
  s.append(deref(value)).append("</Property>");
  return new_string(s);
}

BSTR SURVEY_CALL GXmlEND(void) { return new_string("</MetricGeospace></G-XML>"); }

BSTR SURVEY_CALL DBF_HeadRead(const char* const* path) {
  const std::string p(deref(path));
  return new_string(p.empty() ? std::string() : field_names(p.c_str()));
}

int16_t SURVEY_CALL Chg_LowHighI(int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  return static_cast<int16_t>(static_cast<uint16_t>((u >> 8) | (u << 8)));
}

int32_t SURVEY_CALL Chg_LowHighL(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  return static_cast<int32_t>((u >> 24) | ((u >> 8) & 0xFF00u) | ((u << 8) & 0xFF0000u) | (u << 24));
}

BSTR SURVEY_CALL LeftPartChr(const char* const* text, const char* const* sep) {
  const std::string_view s = deref(text);
  const std::size_t at = find_chars(s, deref(sep));
  return new_string(at == std::string_view::npos ? s : s.substr(0, at));
}

BSTR SURVEY_CALL RightPartChr(const char* const* text, const char* const* sep) {
  const std::string_view s = deref(text);
  const std::size_t at = find_chars(s, deref(sep));
  if (at == std::string_view::npos) return new_string(s);
  // One whole character of the occurrence is skipped; an empty sep at the end
  // skips nothing.
  return new_string(s.substr(at < s.size() ? at + survey::sjis::char_size(s, at) : at));
}

}  // extern "C"
