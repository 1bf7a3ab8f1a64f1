// gxmlconv: the converters without their windows.
//
//   gxmlconv PROGRAM [--xy-swap | --no-xy-swap] INPUT... [-o OUTPUT]
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/host.hpp"
#include "common/paths.hpp"
#include "common/survey_binding.hpp"
#include "cadastral/kestrin.hpp"
#include "shapefile/shape.hpp"
#include "sima/sima.hpp"

namespace {

using conv::Outcome;

struct Program {
  const char* command;  // subcommand
  const char* name;     // the window program it stands for
  const char* input;    // what it reads, for --help
  bool xy_default;      // the XY check box at start
  Outcome (*convert)(const conv::Request&, conv::Host&, conv::SurveyLibrary&);
};

const Program kPrograms[] = {
    {"sima", "Bentrim", "a SIMA survey file (A01 points, D00/B01/D99 parcels)", true, conv::convert_sima},
    {"kestrin", "Parlow", "a cadastral pair town.pnt + town.pol (name either, or any town.*)", true,
     conv::convert_kestrin},
    {"shape", "Quorvel", "an ESRI polygon shapefile lots.shp with its table lots.dbf", false, conv::convert_shape},
};

void usage(std::FILE* to) {
  std::fprintf(to,
               "Usage: gxmlconv PROGRAM [--xy-swap | --no-xy-swap] INPUT... [-o OUTPUT]\n"
               "\n"
               "Converts survey and GIS files into G-XML documents (Shift_JIS XML), as the\n"
               "converter windows do.\n"
               "\n"
               "Programs:\n");
  for (const auto& p : kPrograms)
    std::fprintf(to, "  %-8s %s: %s (XY swap %s by default)\n", p.command, p.name, p.input,
                 p.xy_default ? "on" : "off");
  std::fprintf(to,
               "\n"
               "Options:\n"
               "  --xy-swap     write each coordinate pair in swapped order (the window's XY box on)\n"
               "  --no-xy-swap  write each pair in file order (the XY box off)\n"
               "  -o OUTPUT     the output file (one input only). Without it, each document goes\n"
               "                beside its input, named as the window proposes: the input's name\n"
               "                up to its first \".\", then \"XML\" (town.sim -> town.XML)\n"
               "  -h, --help    this text\n"
               "\n"
               "Several inputs are converted one after another; a failure does not stop the\n"
               "others. Messages go to standard error as TITLE: MESSAGE.\n"
               "Exit status: 0 all converted, 1 some conversion stopped or failed, 2 usage error.\n");
}

// Reports to the terminal: messages on standard error, a progress bar when standard
// error is a terminal.
class ConsoleHost : public conv::Host {
 public:
  explicit ConsoleHost(std::string label) : label_(std::move(label)), tty_(::isatty(2) == 1) {}

  void progress_visible(bool visible) override {
    if (!visible && drawn_) clear();
    visible_ = visible;
  }
  void progress_range(std::int64_t minimum, std::int64_t maximum) override {
    min_ = minimum;
    max_ = maximum;
  }
  void progress_value(std::int64_t value) override {
    if (!tty_ || !visible_ || max_ <= min_) return;
    const int percent = static_cast<int>((value - min_) * 100 / (max_ - min_));
    if (percent == percent_) return;
    percent_ = percent;
    const int filled = percent * 30 / 100;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%% %s", filled, "##############################", 30 - filled, "",
                 percent, label_.c_str());
    std::fflush(stderr);
    drawn_ = true;
  }
  void feature_count(std::string_view) override {}
  void busy(bool) override {}
  void message(std::string_view text, std::string_view title, bool) override {
    if (drawn_) clear();
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
  }
  void yield() override {}
  // The program goes on with the next input; this one has already failed.
  void end_program() override {}

  ~ConsoleHost() override {
    if (drawn_) clear();
  }

 private:
  void clear() {
    std::fprintf(stderr, "\r%*s\r", 40 + static_cast<int>(label_.size()), "");
    drawn_ = false;
    percent_ = -1;
  }
  std::string label_;
  bool tty_, visible_ = false, drawn_ = false;
  std::int64_t min_ = 0, max_ = 0;
  int percent_ = -1;
};

int usage_error(const char* what) {
  std::fprintf(stderr, "gxmlconv: %s\nTry 'gxmlconv --help'.\n", what);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage_error("no program named");
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      usage(stdout);
      return 0;
    }
  const Program* program = nullptr;
  for (const auto& p : kPrograms)
    if (std::strcmp(argv[1], p.command) == 0) program = &p;
  if (program == nullptr) return usage_error((std::string("unknown program '") + argv[1] + "'").c_str());

  bool xy = program->xy_default;
  std::string output;
  bool have_output = false;
  std::vector<std::string> inputs;
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--xy-swap") {
      xy = true;
    } else if (a == "--no-xy-swap") {
      xy = false;
    } else if (a == "-o" || a == "--output") {
      if (i + 1 >= argc) return usage_error("-o needs a file name");
      if (have_output) return usage_error("-o given twice");
      output = argv[++i];
      have_output = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "--") {
      return usage_error((std::string("unknown option '") + argv[i] + "'").c_str());
    } else if (a == "--") {
      for (++i; i < argc; ++i) inputs.emplace_back(argv[i]);
    } else {
      inputs.emplace_back(a);
    }
  }
  if (inputs.empty()) return usage_error("no input file");
  if (have_output && inputs.size() > 1) return usage_error("-o takes one input only");

  conv::SurveyLibrary lib;
  int status = 0;
  for (const auto& input : inputs) {
    conv::Request request;
    request.input = input;
    request.output = have_output ? output : conv::output_proposal(conv::folder_of(input), input);
    request.xy = xy;
    ConsoleHost host(std::string(conv::last_component(input)));
    if (program->convert(request, host, lib) != Outcome::kDone) status = 1;
  }
  return status;
}
