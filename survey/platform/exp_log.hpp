// The exponential, logarithms, power and hyperbolic functions that the 32-bit
// Windows library uses in place of the runtime's (x87 code, or Windows' own), so
// that it computes like the Linux library: double arithmetic alone, correctly
// rounded on all but the rarest arguments, like the C library there on nearly all.
// The hyperbolic ones, where that C library is off by a unit on about one argument
// in ten, serve the library on every platform.
#ifndef SURVEY_PLATFORM_EXP_LOG_HPP
#define SURVEY_PLATFORM_EXP_LOG_HPP

namespace survey::platform {

double exponential(double x);
double logarithm(double x);
double logarithm10(double x);
double power(double x, double y);
double hyperbolic_sine(double x);
double hyperbolic_cosine(double x);
double hyperbolic_tangent(double x);
// modf: the fraction of x with the sign of x (-0 for a negative whole number).
double fraction(double x, double* whole);

}  // namespace survey::platform

#endif  // SURVEY_PLATFORM_EXP_LOG_HPP
