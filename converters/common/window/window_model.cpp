// The converter window's rules, free of any toolkit.
#include "common/window/window_model.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

#include "common/paths.hpp"
#include "common/text.hpp"
#include "survey/platform/wildcard.hpp"

namespace conv::window {

namespace fs = std::filesystem;

// --- Center_Form ---------------------------------------------------------------

Size form_size(Size screen, double width_fraction, double height_fraction) {
  return {static_cast<int>(std::lround(screen.width * width_fraction)),
          static_cast<int>(std::lround(screen.height * height_fraction))};
}

Position form_position(Size screen, Size window) {
  return {static_cast<int>(std::lround((screen.width - window.width) / 2.0)),
          static_cast<int>(std::lround((screen.height - window.height) / 2.0))};
}

// --- File patterns ---------------------------------------------------------------

namespace {

// Code points of UTF-8 text; a byte that starts no valid sequence stands for itself,
// so any name can be matched.
std::u32string code_points(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b >= 0xC2 && b < 0xE0 ? 1 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xF0 && b < 0xF5 ? 3 : 0;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool valid = i + extra < s.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      valid = (t & 0xC0) == 0x80;
      c = (c << 6) | (t & 0x3F);
    }
    if (!valid) {
      out.push_back(b);
      ++i;
      continue;
    }
    out.push_back(c);
    i += 1 + extra;
  }
  return out;
}

// Wildcard match of decoded names, so that "?" stands for one character.
bool glob(const std::u32string& name, const std::u32string& pattern) {
  return survey::platform::glob_match(std::u32string_view(pattern), std::u32string_view(name));
}

}  // namespace

bool matches_pattern(std::string_view name, std::string_view patterns) {
  const std::u32string n = code_points(name);
  const bool has_dot = name.find('.') != std::string_view::npos;
  std::size_t from = 0;
  for (;;) {
    const std::size_t to = std::min(patterns.find(';', from), patterns.size());
    const std::string_view piece = trim_blanks(patterns.substr(from, to - from));
    if (!piece.empty()) {
      const std::u32string p = code_points(piece);
      if (glob(n, p)) return true;
      if (!has_dot && piece.size() >= 2 && piece.substr(piece.size() - 2) == ".*" &&
          glob(n, p.substr(0, p.size() - 2)))
        return true;
    }
    if (to >= patterns.size()) return false;
    from = to + 1;
  }
}

// --- Drives ------------------------------------------------------------------------

namespace {

bool is_volume_root(const std::string& root) {
#if defined(_WIN32)
  (void)root;
  return true;
#else
  for (const std::string_view folder : {"/media/", "/mnt/", "/run/media/"})
    if (root.size() > folder.size() && root.compare(0, folder.size(), folder) == 0) return true;
  return false;
#endif
}

Drive drive_of_mount(const Mount& m) {
  Drive d{m.root, m.root, m.ready};
  if (!m.label.empty() && m.label != m.root) d.label += " [" + m.label + "]";
  return d;
}

}  // namespace

std::vector<Drive> pick_drives(const std::vector<Mount>& mounts) {
  std::vector<Drive> drives;
#if !defined(_WIN32)
  const auto root = std::find_if(mounts.begin(), mounts.end(), [](const Mount& m) { return m.root == "/"; });
  drives.push_back(root != mounts.end() ? drive_of_mount(*root) : Drive{"/", "/", true});
#endif
  std::vector<Drive> volumes;
  for (const auto& m : mounts)
    if (is_volume_root(m.root)) volumes.push_back(drive_of_mount(m));
  std::stable_sort(volumes.begin(), volumes.end(), [](const Drive& a, const Drive& b) { return a.root < b.root; });
  // A mount point mounted over again: the last mount is the one that is seen.
  for (const auto& v : volumes) {
    if (!drives.empty() && drives.back().root == v.root)
      drives.back() = v;
    else
      drives.push_back(v);
  }
  return drives;
}

// --- The disk --------------------------------------------------------------------------

std::vector<Mount> LocalDisk::mounts() {
  std::error_code ec;
  const auto here = fs::current_path(ec);
  return {Mount{ec ? std::string(1, kSeparator) : here.root_path().string(), "", true}};
}

namespace {

// Case-insensitive order, then by bytes, as the lists show names.
bool list_order(const std::string& a, const std::string& b) {
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  const auto la = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
    return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
  });
  const auto lb = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) {
    return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
  });
  return la || (!lb && a < b);
}

}  // namespace

bool LocalDisk::list(const std::string& folder, Listing& out, std::string& reason) {
  out = {};
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), fs::directory_options::none, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;  // hidden
    std::error_code kind;
    if (it->is_directory(kind))
      out.folders.push_back(name);
    else if (it->is_regular_file(kind))
      out.files.push_back(name);
  }
  if (ec) {
    reason = ec.message();
    out = {};
    return false;
  }
  std::sort(out.folders.begin(), out.folders.end(), list_order);
  std::sort(out.files.begin(), out.files.end(), list_order);
  return true;
}

// --- The window ---------------------------------------------------------------------

namespace {

std::string unreadable(std::string_view what, std::string_view name, const std::string& reason) {
  std::string s(what);
  s.append(" ").append(name).append(" を読み込めません。");
  if (!reason.empty()) s.append("\n").append(reason);
  return s;
}

// A folder without trailing separators, a root excepted ("/" here, "C:\" there).
std::string tidy(std::string folder) {
  const std::size_t keep = folder.size() >= 2 && folder[1] == ':' ? 3 : 1;
  while (folder.size() > keep && folder.back() == kSeparator) folder.pop_back();
  return folder;
}

// True when `path` is `root` or lies below it.
bool below(const std::string& path, const std::string& root) {
  if (path.compare(0, root.size(), root) != 0) return false;
  return path.size() == root.size() || root.back() == kSeparator || path[root.size()] == kSeparator;
}

}  // namespace

WindowModel::WindowModel(const Program& program, Disk& disk) : program_(program), disk_(disk) {}

std::optional<std::string> WindowModel::load(const std::string& start_folder) {
  click_option(kInputOption);
  input_.clear();
  output_.clear();
  xy_ = program_.check_at_start;
  converting_ = false;
  drives_ = pick_drives(disk_.mounts());
  last_folder_.clear();

  std::string folder = tidy(start_folder);
  if (folder.empty()) {
    std::error_code ec;
    folder = fs::current_path(ec).string();
    if (ec) folder = drives_.front().root;
  }
  drive_ = drive_of(folder);
  Listing listing;
  std::string reason;
  if (read_folder(folder, listing, reason)) {
    show_folder(folder, std::move(listing));
    return std::nullopt;
  }
  const std::string message = unreadable("フォルダ", folder, reason);
  const std::string& root = drives_[drive_].root;
  std::string ignored;
  if (read_folder(root, listing, ignored)) {
    show_folder(root, std::move(listing));
  } else {
    show_folder(root, Listing{});
  }
  return message;
}

std::optional<std::string> WindowModel::select_drive(std::size_t index) {
  if (index >= drives_.size()) return std::nullopt;
  const Drive& drive = drives_[index];
  if (!drive.ready) return unreadable("ドライブ", drive.label, "");
  const auto last = last_folder_.find(drive.root);
  std::string folder = last != last_folder_.end() ? last->second : drive.root;
  Listing listing;
  std::string reason;
  if (!read_folder(folder, listing, reason)) {
    // The folder last shown may be gone; the root may still be there.
    folder = drive.root;
    if (!read_folder(folder, listing, reason)) return unreadable("ドライブ", drive.label, reason);
  }
  drive_ = index;
  show_folder(folder, std::move(listing));
  if (!input_.empty() && option_ == kOutputOption) output_ = output_proposal(folder_, input_);
  return std::nullopt;
}

std::optional<std::string> WindowModel::change_folder(const std::string& path) {
  const std::string folder = tidy(path);
  Listing listing;
  std::string reason;
  if (!read_folder(folder, listing, reason)) return unreadable("フォルダ", folder, reason);
  show_folder(folder, std::move(listing));
  if (!input_.empty() && option_ == kOutputOption) output_ = output_proposal(folder_, input_);
  return std::nullopt;
}

void WindowModel::click_file(std::string_view name) {
  // A root folder ends with the separator (C:\ there, / here); it is not doubled.
  std::string path = folder_;
  if (!path.empty() && path.back() == kSeparator) path.pop_back();
  path.push_back(kSeparator);
  path.append(name);
  if (option_ == kInputOption) {
    input_ = std::move(path);
    output_ = output_proposal(folder_, input_);
  } else {
    output_ = std::move(path);
  }
}

void WindowModel::click_option(int index) {
  option_ = index == kOutputOption ? kOutputOption : kInputOption;
  pattern_ = std::string(option_ == kInputOption ? program_.input_pattern : program_.output_pattern);
  if (!folder_.empty() && refresh()) return;
  filter_files();
}

bool WindowModel::refresh() {
  Listing listing;
  std::string reason;
  if (!read_folder(folder_, listing, reason)) return false;
  show_folder(folder_, std::move(listing));
  return true;
}

void WindowModel::refresh_drives() {
  const Drive current = drives_.empty() ? Drive{} : drives_[drive_];
  drives_ = pick_drives(disk_.mounts());
  const auto at = std::find_if(drives_.begin(), drives_.end(),
                               [&](const Drive& d) { return d.root == current.root; });
  if (at != drives_.end()) {
    drive_ = static_cast<std::size_t>(at - drives_.begin());
  } else if (!current.root.empty()) {
    drives_.push_back(current);  // gone, but still the one shown
    drive_ = drives_.size() - 1;
  } else {
    drive_ = 0;
  }
}

std::optional<Request> WindowModel::begin_conversion() {
  if (converting_) return std::nullopt;
  converting_ = true;
  return Request{input_, output_, xy_};
}

bool WindowModel::read_folder(const std::string& folder, Listing& listing, std::string& reason) {
  reason.clear();
  return disk_.list(folder, listing, reason);
}

void WindowModel::show_folder(const std::string& folder, Listing listing) {
  folder_ = folder;
  if (!drives_.empty()) last_folder_[drives_[drive_].root] = folder;
  folder_names_ = std::move(listing.folders);
  all_files_ = std::move(listing.files);

  folder_entries_.clear();
  const std::string root = drives_.empty() ? std::string() : drives_[drive_].root;
  int depth = 0;
  if (!root.empty() && below(folder, root)) {
    folder_entries_.push_back({root, root, 0, true});
    std::string path = root;
    std::size_t at = root.size();
    while (at < folder.size()) {
      while (at < folder.size() && folder[at] == kSeparator) ++at;
      const std::size_t end = std::min(folder.find(kSeparator, at), folder.size());
      if (end == at) break;
      path = join_path(path, std::string_view(folder).substr(at, end - at));
      folder_entries_.push_back({path, folder.substr(at, end - at), ++depth, true});
      at = end;
    }
  } else {
    folder_entries_.push_back({folder, folder, 0, true});
  }
  for (const auto& name : folder_names_) folder_entries_.push_back({join_path(folder, name), name, depth + 1, false});
  filter_files();
}

void WindowModel::filter_files() {
  files_.clear();
  for (const auto& name : all_files_)
    if (matches_pattern(name, pattern_)) files_.push_back(name);
}

std::size_t WindowModel::drive_of(const std::string& folder) const {
  std::size_t best = 0, best_length = 0;
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    const std::string& root = drives_[i].root;
    if (below(folder, root) && root.size() >= best_length) {
      best = i;
      best_length = root.size();
    }
  }
  return best;
}

// --- Progress ------------------------------------------------------------------------

void ProgressScale::set_range(std::int64_t minimum, std::int64_t maximum) {
  constexpr std::int64_t kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
  min_ = minimum;
  max_ = std::max(minimum, maximum);
  scaled_ = !(min_ >= kLow && max_ <= kHigh);
  if (!scaled_) {
    divisor_ = 1;
    bar_min_ = static_cast<int>(min_);
    bar_max_ = static_cast<int>(max_);
    return;
  }
  // Scaled: the bar runs from 0; a span beyond 2^63 cannot come from a file.
  const auto span = static_cast<std::uint64_t>(max_) - static_cast<std::uint64_t>(min_);
  divisor_ = static_cast<std::int64_t>(span / static_cast<std::uint64_t>(kHigh) + 1);
  bar_min_ = 0;
  bar_max_ = static_cast<int>(span / static_cast<std::uint64_t>(divisor_));
}

int ProgressScale::value(std::int64_t v) const {
  v = std::clamp(v, min_, max_);
  if (!scaled_) return static_cast<int>(v);
  return static_cast<int>((static_cast<std::uint64_t>(v) - static_cast<std::uint64_t>(min_)) /
                          static_cast<std::uint64_t>(divisor_));
}

}  // namespace conv::window
