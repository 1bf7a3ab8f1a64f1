// Run-time binding of the survey library.
#include "survey_binding.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

#include "host.hpp"

namespace conv {

const char* SurveyLibrary::default_name() {
#if defined(_WIN32)
  return "survey.dll";
#else
  return "libsurvey.so.0";
#endif
}

SurveyLibrary::SurveyLibrary(std::string file_name) : file_name_(std::move(file_name)) {}

SurveyLibrary::~SurveyLibrary() {
#if defined(_WIN32)
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
#else
  if (handle_ != nullptr) dlclose(handle_);
#endif
}

void* SurveyLibrary::symbol(const char* name) {
  if (handle_ == nullptr) {
#if defined(_WIN32)
    handle_ = reinterpret_cast<void*>(LoadLibraryA(file_name_.c_str()));
#else
    handle_ = dlopen(file_name_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr && file_name_.find('/') == std::string::npos) {
      // The program's run path ($ORIGIN/../lib) applies to its own dlopen calls only;
      // a sanitizer's dlopen interceptor calls from elsewhere and loses it. Look
      // there explicitly before giving up.
      char exe[4096];
      const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
      if (n > 0) {
        std::string dir(exe, static_cast<std::size_t>(n));
        dir.erase(dir.rfind('/') + 1);
        handle_ = dlopen((dir + "../lib/" + file_name_).c_str(), RTLD_NOW | RTLD_LOCAL);
      }
    }
#endif
    if (handle_ == nullptr) throw RuntimeFailure(kFileNotFound, "File not found: " + file_name_);
  }
#if defined(_WIN32)
  void* f = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
  void* f = dlsym(handle_, name);
#endif
  if (f == nullptr)
    throw RuntimeFailure(kDllFunctionNotFound,
                         std::string("Specified DLL function not found: ") + name + " in " + file_name_);
  return f;
}

double SurveyLibrary::Get_Extent(std::int32_t n, const double* x, const double* y, double* xmin, double* ymin,
                                 double* xmax, double* ymax, double* width, double* height) {
  return bind(get_extent_, "Get_Extent")(n, x, y, xmin, ymin, xmax, ymax, width, height);
}

double SurveyLibrary::work_area(std::int16_t n, const double* x, const double* y) {
  return bind(work_area_, "work_area")(n, x, y);
}

void SurveyLibrary::dmat_mirror(std::int16_t n, double* a) { bind(dmat_mirror_, "dmat_mirror")(n, a); }

void SurveyLibrary::dswap(double* a, double* b) { bind(dswap_, "dswap")(a, b); }

std::int32_t SurveyLibrary::find_file(const char* path) { return bind(find_file_, "find_file")(path); }

std::int32_t SurveyLibrary::FDataCount(const char* path) { return bind(fdatacount_, "FDataCount")(path); }

}  // namespace conv
