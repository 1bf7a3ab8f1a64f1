// A host for tests: records every report of a conversion.
#ifndef CONVERTERS_COMMON_RECORDING_HOST_HPP
#define CONVERTERS_COMMON_RECORDING_HOST_HPP

#include <cstdint>
#include <string>
#include <vector>

#include "common/host.hpp"

namespace conv {

class RecordingHost : public Host {
 public:
  struct Message {
    std::string text, title;
    bool critical;
  };

  void progress_visible(bool visible) override { progress_shown = visible; }
  void progress_range(std::int64_t minimum, std::int64_t maximum) override {
    progress_min = minimum;
    progress_max = maximum;
  }
  void progress_value(std::int64_t value) override {
    if (!progress_values.empty() && value < progress_values.back()) progress_went_back = true;
    progress_values.push_back(value);
  }
  void feature_count(std::string_view text) override { count_text = text; }
  void busy(bool on) override {
    busy_now = on;
    if (on) ++busy_count;
  }
  void message(std::string_view text, std::string_view title, bool critical) override {
    messages.push_back({std::string(text), std::string(title), critical});
  }
  void yield() override { ++yields; }
  void end_program() override { ended = true; }

  bool progress_shown = false, progress_went_back = false, busy_now = false, ended = false;
  std::int64_t progress_min = -1, progress_max = -1;
  std::vector<std::int64_t> progress_values;
  std::string count_text;
  int busy_count = 0, yields = 0;
  std::vector<Message> messages;
};

}  // namespace conv

#endif
