// Every name of the export list binds, plain names are also ELF symbols of the
// same function, and names that collide with the C runtime stay out of its way.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "survey/survey.h"

namespace {

struct ExportName {
  const char* name;
  const char* symbol;
  bool plain;
};

const ExportName kNames[] = {
#include "export_names.inc"
};

void* library_handle() {
  Dl_info info{};
  EXPECT_NE(dladdr(reinterpret_cast<void*>(&survey_bind), &info), 0);
  void* h = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(h, nullptr);
  return h;
}

TEST(Exports, EveryListedNameBindsAndMatchesItsSymbol) {
  void* lib = library_handle();
  ASSERT_GT(sizeof kNames / sizeof kNames[0], 0u);
  for (const auto& e : kNames) {
    SCOPED_TRACE(e.name);
    void* bound = survey_bind(e.name);
    ASSERT_NE(bound, nullptr);
    void* sym = dlsym(lib, e.symbol);
    ASSERT_NE(sym, nullptr) << "ELF symbol " << e.symbol;
    EXPECT_EQ(sym, bound);
    if (!e.plain) {
      EXPECT_STRNE(e.name, e.symbol);
    }
  }
}

TEST(Exports, AliasesShareOneFunction) {
  const char* pairs[][2] = {{"lmat_zero", "fmat_zero"}, {"lmat_copy", "fmat_copy"}, {"lmat_marg", "fmat_marg"},
                            {"lmat_rot", "fmat_rot"},   {"tocomplex", "topoint"},   {"p_eq", "c_eq"},
                            {"tolineD", "torect"},      {"rect2xy", "line2xy"}};
  for (const auto& p : pairs) {
    SCOPED_TRACE(p[0]);
    EXPECT_NE(survey_bind(p[0]), nullptr);
    EXPECT_EQ(survey_bind(p[0]), survey_bind(p[1]));
  }
  EXPECT_NE(survey_bind("lmat_mirror"), survey_bind("fmat_mirror"));
}

TEST(Exports, UnknownNamesDoNotBind) {
  for (const char* n : {"", "dswap ", "DSWAP", "survey_round", "Wcalcb@16", "zzz", "Abc"}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(survey_bind(n), nullptr);
  }
  EXPECT_EQ(survey_bind(nullptr), nullptr);
}

TEST(Exports, RuntimeNamesStayTheRuntimes) {
  void* lib = library_handle();
  EXPECT_EQ(dlsym(lib, "round"), dlsym(RTLD_DEFAULT, "round"));
  EXPECT_NE(dlsym(RTLD_DEFAULT, "round"), survey_bind("round"));
  volatile auto c_round = static_cast<double (*)(double)>(&::round);
  EXPECT_EQ(c_round(2.5), 3.0);
  auto ours = reinterpret_cast<double(SURVEY_CALL*)(double, int16_t)>(survey_bind("round"));
  EXPECT_EQ(ours(2.345, 2), 2.35);
}

}  // namespace
