// The converters bind the survey library by name at run time: the library is
// loaded on the first call of one of its functions, and each function is looked up
// on its own first call. A library that cannot be loaded, or a name it does not
// export, is a run-time failure of the call (53 and 453).
#ifndef CONVERTERS_COMMON_SURVEY_BINDING_HPP
#define CONVERTERS_COMMON_SURVEY_BINDING_HPP

#include <cstdint>
#include <string>

#include "survey/basics/arrays.h"
#include "survey/basics/files.h"

namespace conv {

class SurveyLibrary {
 public:
  // The file name of the library as the system's library search finds it.
  static const char* default_name();

  explicit SurveyLibrary(std::string file_name = default_name());
  ~SurveyLibrary();
  SurveyLibrary(const SurveyLibrary&) = delete;
  SurveyLibrary& operator=(const SurveyLibrary&) = delete;

  double Get_Extent(std::int32_t n, const double* x, const double* y, double* xmin, double* ymin,
                    double* xmax, double* ymax, double* width, double* height);
  double work_area(std::int16_t n, const double* x, const double* y);
  void dmat_mirror(std::int16_t n, double* a);
  void dswap(double* a, double* b);
  std::int32_t find_file(const char* path);
  std::int32_t FDataCount(const char* path);

 private:
  void* symbol(const char* name);
  template <class F>
  F bind(F& slot, const char* name) {
    if (slot == nullptr) slot = reinterpret_cast<F>(symbol(name));
    return slot;
  }

  std::string file_name_;
  void* handle_ = nullptr;
  decltype(&::Get_Extent) get_extent_ = nullptr;
  decltype(&::work_area) work_area_ = nullptr;
  decltype(&::dmat_mirror) dmat_mirror_ = nullptr;
  decltype(&::dswap) dswap_ = nullptr;
  decltype(&::find_file) find_file_ = nullptr;
  decltype(&::FDataCount) fdatacount_ = nullptr;
};

}  // namespace conv

#endif
