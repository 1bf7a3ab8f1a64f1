/* The public headers compile as C, and linking the library leaves the C
 * library's round() in place. */
#include <math.h>
#include <stdio.h>

#include "survey/survey.h"

int main(void) {
  double (*volatile c_round)(double) = round;
  double x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1};
  int failures = 0;
  if (c_round(2.5) != 3.0 || c_round(-2.5) != -3.0) {
    fprintf(stderr, "C round() was replaced\n");
    ++failures;
  }
  if (work_area(4, x, y) != -1.0) {
    fprintf(stderr, "work_area through the C header\n");
    ++failures;
  }
  if (survey_round(2.345, 2) != 2.35) {
    fprintf(stderr, "survey_round through the C header\n");
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
