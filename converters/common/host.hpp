// What a conversion needs from the program that runs it: a window, or the command
// line, or a test. The conversion core knows no window toolkit; it reports through
// this interface only.
#ifndef CONVERTERS_COMMON_HOST_HPP
#define CONVERTERS_COMMON_HOST_HPP

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

namespace conv {

class Host {
 public:
  virtual ~Host() = default;

  // ProgressBar1.
  virtual void progress_visible(bool visible) = 0;
  virtual void progress_range(std::int64_t minimum, std::int64_t maximum) = 0;
  virtual void progress_value(std::int64_t value) = 0;
  // Text1: the running count of converted features.
  virtual void feature_count(std::string_view text) = 0;
  // The hourglass while converting, the default pointer afterwards.
  virtual void busy(bool on) = 0;
  // A message box with one OK button; texts are UTF-8.
  virtual void message(std::string_view text, std::string_view title, bool critical) = 0;
  // Let the event loop process pending events.
  virtual void yield() = 0;
  // The program ends (after a failure that the program does not survive).
  virtual void end_program() = 0;
};

// A run-time failure, numbered as the original runtime numbers them.
class RuntimeFailure : public std::runtime_error {
 public:
  RuntimeFailure(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

// Failure numbers used by the converters.
enum FailureNumber : int {
  kInvalidArgument = 5,     // invalid procedure call or argument
  kOverflow = 6,
  kOutOfMemory = 7,
  kSubscriptOutOfRange = 9,
  kFileNotFound = 53,
  kDeviceIoError = 57,
  kDiskFull = 61,
  kInputPastEnd = 62,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kDllFunctionNotFound = 453,
};

// "エラー番号", the number, CR LF, the description: how a run-time failure is shown.
std::string failure_text(const RuntimeFailure& failure);

// What the window hands to a conversion: Text7, Text8 and Check1.
struct Request {
  std::string input;   // input path
  std::string output;  // output path
  bool xy = false;     // the XY check box is on
};

// Messages and titles shared by the converters.
inline constexpr std::string_view kMsgNoFile = "ファイルが選択されていません。";
inline constexpr std::string_view kMsgSameFile = "出力ファイルが入力ファイルと同じです。";
inline constexpr std::string_view kTitleFileChoice = "ファイル選択";

// The outcome of one conversion.
enum class Outcome {
  kDone,     // document written; nothing reported
  kStopped,  // stopped with a message of the program's own
  kFailed,   // stopped by a run-time failure
};

// Runs a conversion body with the hourglass pointer, and reports a run-time failure
// (or exhausted memory) in a message box titled `title`. The pointer is reset in
// every case.
template <class Body>
Outcome guarded(Host& host, std::string_view title, Body&& body) {
  host.busy(true);
  Outcome outcome;
  try {
    outcome = body();
  } catch (const RuntimeFailure& failure) {
    host.message(failure_text(failure), title, true);
    outcome = Outcome::kFailed;
  } catch (const std::bad_alloc&) {
    host.message(failure_text(RuntimeFailure(kOutOfMemory, "Out of memory")), title, true);
    outcome = Outcome::kFailed;
  }
  host.busy(false);
  return outcome;
}

// Builds and runs one conversion object (`Conversion(request, host, lib).run()`);
// a failure while building it (the code page service missing) is reported too.
template <class Conversion, class Library>
Outcome run_conversion(std::string_view title, const Request& request, Host& host, Library& lib) {
  try {
    return Conversion(request, host, lib).run();
  } catch (const RuntimeFailure& failure) {
    host.message(failure_text(failure), title, true);
    return Outcome::kFailed;
  }
}

// Shows a message of the program's own and stops.
inline Outcome stop_with(Host& host, std::string_view message, std::string_view title) {
  host.message(message, title, true);
  return Outcome::kStopped;
}

}  // namespace conv

#endif
