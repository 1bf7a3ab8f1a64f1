// The circular functions that the 32-bit Windows library uses in place of the
// runtime's: the MinGW runtime computes them with x87 instructions (fsin, fcos,
// fpatan, ...), whose 66-bit pi loses all accuracy near multiples of pi/2 and whose
// results depend on the caller's x87 precision setting. These use double
// arithmetic alone and are correctly rounded on all but the rarest arguments, as
// the C library of the Linux build is.
#ifndef SURVEY_PLATFORM_TRIG_HPP
#define SURVEY_PLATFORM_TRIG_HPP

namespace survey::platform {

// For |x| >= 2^50 the argument is first reduced by fmod against the double nearest
// 2 pi (no survey quantity comes near).
double sine(double x);
double cosine(double x);
void sine_cosine(double x, double& s, double& c);
double tangent(double x);
double arctangent(double x);
double arctangent2(double y, double x);
double arccosine(double x);

}  // namespace survey::platform

#endif  // SURVEY_PLATFORM_TRIG_HPP
