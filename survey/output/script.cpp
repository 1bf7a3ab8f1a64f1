// AutoCAD command-script texts.
#include "script.h"

#include <string>
#include <string_view>

#include "../basics/text_args.hpp"
#include "../platform/bstr.h"
#include "number_text.hpp"

namespace {

using survey::platform::new_string;
using survey::text::append_number;
using survey::text::append_point;

using survey::text::deref;

std::string line_text(double x1, double y1, double x2, double y2) {
  std::string s = "Line ";
  append_point(s, x1, y1);
  s += ' ';
  append_point(s, x2, y2);
  s += ' ';
  return s;
}

// The plain-text results live in one buffer per function and thread, so that no
// other function, and no other thread, overwrites what a caller holds.
const char* keep(std::string& buffer, std::string text) {
  buffer = std::move(text);
  return buffer.c_str();
}

}  // namespace

extern "C" {

const char* SURVEY_CALL D_f2a(double v) {
  thread_local std::string buffer;
  std::string s;
  append_number(s, v);
  return keep(buffer, std::move(s));
}

const char* SURVEY_CALL D_CrtXY(double x, double y) {
  thread_local std::string buffer;
  std::string s;
  append_point(s, x, y);
  return keep(buffer, std::move(s));
}

BSTR SURVEY_CALL A_CrtXY(double x, double y) {
  std::string s;
  append_point(s, x, y);
  return new_string(s);
}

BSTR SURVEY_CALL A_ZOOME(void) { return new_string("Zoom E"); }

BSTR SURVEY_CALL A_CrtLayer(const char* const* name, const char* const* colour) {
  const std::string_view n = deref(name);
  std::string s = "-layer n ";
  s.append(n).append(" C ").append(deref(colour)).append(" ").append(n).append(" ");
  return new_string(s);
}

BSTR SURVEY_CALL A_ChgLayer(const char* const* name) { return new_string(std::string("Clayer ").append(deref(name))); }

BSTR SURVEY_CALL A_LineTO(double x1, double y1, double x2, double y2) {
  return new_string(line_text(x1, y1, x2, y2));
}

const char* SURVEY_CALL D_LineTO(double x1, double y1, double x2, double y2) {
  thread_local std::string buffer;
  return keep(buffer, line_text(x1, y1, x2, y2));
}

BSTR SURVEY_CALL A_RectDR(double x1, double y1, double x2, double y2) {
  std::string s = "Rectang ";
  append_point(s, x1, y1);
  s += ' ';
  append_point(s, x2, y2);
  return new_string(s);
}

BSTR SURVEY_CALL A_TriAngDR(double x, double y, double dx, double dy) {
  const double x2 = x + dx, y2 = y + dy;
  std::string s = line_text(x, y, x2, y);
  s += '\r';
  s += line_text(x2, y, x2, y2);
  s += '\r';
  s += line_text(x2, y2, x, y);
  return new_string(s);
}

BSTR SURVEY_CALL A_PlineDR(int16_t n, const double* x, const double* y) {
  std::string s = "Pline\r";
  for (int i = 0; i < n; ++i) {
    append_point(s, x[i], y[i]);
    s += '\r';
  }
  return new_string(s);
}

BSTR SURVEY_CALL A_CircleDR(double x, double y, double radius) {
  std::string s = "Circle ";
  append_point(s, x, y);
  s += ' ';
  append_number(s, radius);
  return new_string(s);
}

BSTR SURVEY_CALL A_MojiDR(const char* const* justification, double x, double y, double height, double rotation,
                          const char* const* text) {
  std::string s = "Text J ";
  s.append(deref(justification)).append(" ");
  append_point(s, x, y);
  s += ' ';
  append_number(s, height);
  s += ' ';
  append_number(s, rotation);
  s += ' ';
  s.append(deref(text));
  return new_string(s);
}

BSTR SURVEY_CALL A_ColorBylayer(void) { return new_string("Chprop All  C ByLayer "); }
BSTR SURVEY_CALL A_InitStyle(void) { return new_string("-Style Standard\rBigfont.Shx\r0 1 0 N N N"); }
BSTR SURVEY_CALL A_Osnap(int16_t flag) { return new_string(flag != 0 ? "Osmode 39" : "Osmode 0"); }
BSTR SURVEY_CALL A_FinalScript(void) { return new_string("Zoom E\r\nFILEDIA 1\r\nOsmode 39"); }
BSTR SURVEY_CALL A_UcsMove(void) { return new_string("Ucs M @"); }
BSTR SURVEY_CALL A_UcsPre(void) { return new_string("Ucs P"); }

}  // extern "C"
