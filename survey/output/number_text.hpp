// The library's one number-to-text rule, shared by the script builders, the text
// joiners and the G-XML fragment writers.
//
// A value is rounded to 15 significant digits (correctly, halves to even on the
// exact binary value). With e the decimal exponent of the rounded value, values
// with -1 <= e <= 14 are written plainly, without trailing zeros or a trailing
// point ("0.5", "123456789012345"); all others as the mantissa with its point but
// without trailing zeros, "e", the exponent's sign and at least three exponent
// digits ("5.e-002", "1.e+015", "-1.25e+100"). Zeros of either sign give "0";
// infinities "INF" and "-INF", not-a-number "NaN" (the XML Schema spellings).
// "." is the decimal point whatever the process locale.
#ifndef SURVEY_OUTPUT_NUMBER_TEXT_HPP
#define SURVEY_OUTPUT_NUMBER_TEXT_HPP

#include <cstddef>
#include <string>

namespace survey::text {

// Longest text the rule produces ("-1.23456789012345e-308" is 22), with room to spare.
inline constexpr std::size_t kNumberTextMax = 32;

// Writes the text of v to out (at least kNumberTextMax bytes), NUL-terminated;
// returns its length.
std::size_t format_number(double v, char* out);

// Appends the text of v to out.
void append_number(std::string& out, double v);

// Appends "x,y" (the point text).
void append_point(std::string& out, double x, double y);

}  // namespace survey::text

#endif
