/* random.h - uniform, normal and Poisson random numbers.
 *
 * All three draw on the C runtime's rand(), seeded by the caller's srand (seed 1
 * until then) and shared with the caller's own rand() calls. The library never
 * seeds it and keeps no generator of its own. After srand(s) a single-threaded
 * process repeats the same sequence with the same C runtime; different runtimes
 * give different sequences. glibc keeps one generator per process and locks it, so
 * threads may draw at once, in no reproducible order; the Windows runtime keeps one
 * per thread, each starting from seed 1.
 */
#ifndef SURVEY_NUMERICS_RANDOM_H
#define SURVEY_NUMERICS_RANDOM_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Uniform on [0, 1] in 32768 steps: v * 3.051850947599719e-5 (v / 32767), v a 15-bit
 * draw: rand() itself where RAND_MAX is 32767, else the top 15 bits of rand(). */
SURVEY_API double SURVEY_CALL rnd(void);
/* Normal deviate by Box and Muller: u1 = rnd() (drawn again while it is 0), then
 * u2 = rnd(); mean + sd sin(2 pi u2) sqrt(-2 ln u1). */
SURVEY_API double SURVEY_CALL n_rnd(double mean, double sd);
/* Poisson deviate of mean lambda by multiplying rnd() draws until the product falls
 * to exp(-lambda) or below; 0 for lambda <= 0 and for lambda >= 10. */
SURVEY_API int32_t SURVEY_CALL p_rnd(double lambda);

SURVEY_END_DECLS

#endif /* SURVEY_NUMERICS_RANDOM_H */
