// Internal: the comparison operators shared by the array filter and the conditional sum.
#ifndef SURVEY_NUMERICS_COMPARE_HPP
#define SURVEY_NUMERICS_COMPARE_HPP

namespace survey::numerics {

// Whether a op v holds for the operator string op ("=", ">", ">=", "<", "<=",
// "<>"): each prefix test that matches the operator adds its relation, so ">="
// means > or >=, and "<>" means < or !=. An op beginning with none of '=', '>',
// '<' takes nothing; op must not be null.
inline bool compare_holds(const char* op, double a, double v) {
  const char c0 = op[0];
  const char c1 = c0 != '\0' ? op[1] : '\0';
  if (c0 == '=' && a == v) return true;
  if (c0 == '>' && a > v) return true;
  if (c0 == '>' && c1 == '=' && a >= v) return true;
  if (c0 == '<' && a < v) return true;
  if (c0 == '<' && c1 == '=' && a <= v) return true;
  if (c0 == '<' && c1 == '>' && a != v) return true;
  return false;
}

}  // namespace survey::numerics

#endif  // SURVEY_NUMERICS_COMPARE_HPP
