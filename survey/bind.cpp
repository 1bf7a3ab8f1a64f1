// Name-to-address table of every export, generated from exports.list.
#include "bind.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/bstr.h"
#include "survey.h"

namespace {

struct Row {
  const char* name;
  void* fn;
};

#define SURVEY_BIND_FN(f) reinterpret_cast<void*>(&f)
const Row kTable[] = {
#include "bind_table.inc"
};
#undef SURVEY_BIND_FN

}  // namespace

extern "C" void* survey_bind(const char* name) {
  if (name == nullptr) return nullptr;
  const auto less = [](const Row& r, const char* n) { return std::strcmp(r.name, n) < 0; };
  const auto* it = std::lower_bound(std::begin(kTable), std::end(kTable), name, less);
  if (it == std::end(kTable) || std::strcmp(it->name, name) != 0) return nullptr;
  return it->fn;
}
