// A host that shows nothing: conversions run for their files alone (benchmarks,
// fuzzing). Subclasses may still look at what would be shown.
#ifndef CONVERTERS_COMMON_NULL_HOST_HPP
#define CONVERTERS_COMMON_NULL_HOST_HPP

#include "common/host.hpp"

namespace conv {

class NullHost : public Host {
 public:
  void progress_visible(bool) override {}
  void progress_range(std::int64_t, std::int64_t) override {}
  void progress_value(std::int64_t) override {}
  void feature_count(std::string_view) override {}
  void busy(bool) override {}
  void message(std::string_view, std::string_view, bool) override {}
  void yield() override {}
  void end_program() override {}
};

}  // namespace conv

#endif
