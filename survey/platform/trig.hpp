// Sine and cosine in double arithmetic alone (no x87 instructions), so the 32-bit
// Windows library computes them like the Linux one does: the MinGW runtime's sin
// and cos use the x87 fsin/fcos, whose 66-bit pi loses all accuracy near multiples
// of pi/2 and whose result depends on the caller's x87 precision setting.
#ifndef SURVEY_PLATFORM_TRIG_HPP
#define SURVEY_PLATFORM_TRIG_HPP

namespace survey::platform {

// Within 1 unit in the last place for |x| < 823549 (2^19 quarter turns); beyond
// that the argument is reduced by the runtime's fmod against 2 pi.
double sine(double x);
double cosine(double x);

}  // namespace survey::platform

#endif  // SURVEY_PLATFORM_TRIG_HPP
