// Parlow: the coordinate file fills a table of named points; each parcel of the
// polygon file (a header line, then one line per point name) becomes a feature.
#include "cadastral/kestrin.hpp"

#include <string>
#include <string_view>
#include <vector>

#include "common/files.hpp"
#include "common/gxml.hpp"
#include "common/paths.hpp"
#include "common/survey_binding.hpp"
#include "common/text.hpp"

namespace conv {

namespace {

constexpr std::string_view kTitle = "Kestrin=>G-XML";
constexpr int kProgressEvery = 50;

std::string at_line(const std::string& file, std::int64_t line) {
  return file + " の " + std::to_string(line) + " 行目: ";
}

// The point table: names in file order; a name's first entry wins. Lookups go
// through an open-addressing index built once (slots hold a name's hash and entry
// number), so a lookup costs the same however large the table, and the table stays
// in a few compact arrays.
class PointTable {
 public:
  struct Entry {
    double v1, v2;
  };

  void add(std::string_view name, double v1, double v2) {
    names_.append(name);
    name_ends_.push_back(static_cast<std::uint32_t>(names_.size()));
    entries_.push_back({v1, v2});
  }
  std::size_t size() const { return entries_.size(); }
  void index() {
    std::size_t capacity = 16;
    while (capacity < entries_.size() * 2) capacity *= 2;
    slots_.assign(capacity, 0);
    for (std::uint32_t i = 0; i < entries_.size(); ++i) {
      const std::string_view n = name(i);
      const std::uint64_t h = hash(n);
      std::size_t s = h & (capacity - 1);
      for (;; s = (s + 1) & (capacity - 1)) {
        if (slots_[s] == 0) {
          slots_[s] = (h << 32) | (i + 1);
          break;
        }
        if ((slots_[s] >> 32) == (h & 0xFFFFFFFFu) && name(static_cast<std::uint32_t>(slots_[s]) - 1) == n)
          break;  // an earlier entry has the name: it wins
      }
    }
  }
  // Find_Zahyo: the entry of the line's point name (field 0, blanks trimmed).
  const Entry* find(std::string_view line) const {
    const std::string_view n = trim_blanks(line.substr(0, line.find(',')));
    const std::uint64_t h = hash(n);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = h & mask;; s = (s + 1) & mask) {
      const std::uint64_t slot = slots_[s];
      if (slot == 0) return nullptr;
      const auto i = static_cast<std::uint32_t>(slot) - 1;
      if ((slot >> 32) == (h & 0xFFFFFFFFu) && name(i) == n) return &entries_[i];
    }
  }

 private:
  std::string_view name(std::uint32_t i) const {
    const std::uint32_t from = i == 0 ? 0 : name_ends_[i - 1];
    return std::string_view(names_).substr(from, name_ends_[i] - from);
  }
  // FNV-1a, reduced to 32 bits: point names are short.
  static std::uint64_t hash(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return (h ^ (h >> 32)) & 0xFFFFFFFFu;
  }

  std::string names_;                     // every name, one after another
  std::vector<std::uint32_t> name_ends_;  // where each name ends in names_
  std::vector<Entry> entries_;
  std::vector<std::uint64_t> slots_;      // (hash << 32) | (entry + 1); 0 is empty
};

class Conversion {
 public:
  Conversion(const Request& request, Host& host, SurveyLibrary& lib)
      : req_(request), host_(host), lib_(lib), first_(kKestrinMaxParcelPoints + 1),
        second_(kKestrinMaxParcelPoints + 1) {}

  Outcome run() {
    if (req_.input.empty() || req_.output.empty()) return stop_with(host_, kMsgNoFile, kTitleFileChoice);
    try {
      // The pair: the input's name up to its last "." plus "pnt" and "pol".
      const auto dot = req_.input.rfind('.');
      const std::string base = dot == std::string::npos ? std::string() : req_.input.substr(0, dot + 1);
      if (lib_.find_file((base + "pnt").c_str()) == -1)
        return stop_with(host_, "座標ファイルがありません。", kTitleFileChoice);
      if (lib_.find_file((base + "pol").c_str()) == -1)
        return stop_with(host_, "ポリゴンファイルがありません。", kTitleFileChoice);
      // Files copied from a platform that ignores letter case: TOWN.PNT serves for town.pnt.
      pnt_ = resolve_case(base + "pnt").value_or(base + "pnt");
      pol_ = resolve_case(base + "pol").value_or(base + "pol");
    } catch (const RuntimeFailure& failure) {
      host_.message(failure_text(failure), kTitle, true);
      return Outcome::kFailed;
    }
    if (same_file(req_.output, pnt_) || same_file(req_.output, pol_))
      return stop_with(host_, kMsgSameFile, kTitleFileChoice);
    return guarded(host_, kTitle, [&] { return convert(); });
  }

 private:
  Outcome convert() {
    // An empty polygon file converts to a document without features; its bar runs
    // from 0 to 1 (a range of 0 to 0 is no range).
    const std::int32_t lines = lib_.FDataCount(pol_.c_str());
    host_.progress_range(0, lines > 0 ? lines : 1);
    host_.progress_visible(true);
    if (!points()) return Outcome::kStopped;
    return parcels();
  }

  // The coordinate file into the point table; false when stopped with a message.
  bool points() {
    File in(pnt_, File::Mode::kRead);
    LineReader reader(in);
    std::string_view line;
    std::int64_t count = 0;
    while (reader.next(line)) {
      if (++count > kKestrinMaxPoints) {
        stop_with(host_, "座標個数が、 " + std::to_string(kKestrinMaxPoints) + "個を超えましたので,中止します。",
                  "Kestrin=>SHP");
        return false;
      }
      split_fields(line, ',', fields_);
      if (fields_.size() < 3) {
        stop_with(host_, "座標ファイル " + at_line(pnt_, count) + "項目が3個ありません（点名,座標1,座標2）。", kTitle);
        return false;
      }
      table_.add(trim_blanks(fields_[0]), leading_number(fields_[1]), leading_number(fields_[2]));
    }
    table_.index();
    return true;
  }

  Outcome parcels() {
    File in(pol_, File::Mode::kRead);
    File out(req_.output, File::Mode::kWrite);
    gxml::Extent extent;
    const std::string category = path_text(codec_, category_of(req_.input));
    std::int32_t k = 0;
    std::int64_t j = 0;
    std::string oaza_name, kaza_name, chiban, id, oaza, kaza;
    gxml::DocumentWriter doc(out, codec_);
    LineReader reader(in);
    std::string_view line;
    auto counted = [&] {
      if (++j % kProgressEvery == 0) host_.progress_value(j);
    };
    while (reader.next(line)) {
      counted();
      split_fields(line, ',', fields_);
      if (fields_.size() < 6)
        return stop_with(host_, "ポリゴンファイル " + at_line(pol_, j) + "ヘッダ行の項目が6個ありません。", kTitle);
      const std::int32_t oaza_code = round_to_int32(leading_number(fields_[0]));
      const std::int32_t kaza_code = round_to_int32(leading_number(fields_[1]));
      oaza_name = codec_.to_utf8(trim_blanks(fields_[2]));
      kaza_name = codec_.to_utf8(trim_blanks(fields_[3]));
      chiban = codec_.to_utf8(trim_blanks(fields_[4]));
      const std::int32_t n = round_to_int32(leading_number(fields_[5]));
      if (n < 0)
        return stop_with(host_, "ポリゴンファイル " + at_line(pol_, j) + "点数 " + std::to_string(n) + " が負です。", kTitle);
      if (n > kKestrinMaxParcelPoints)
        return stop_with(host_, "ポリゴンファイル " + at_line(pol_, j) + "点数 " + std::to_string(n) + " が " +
                                    std::to_string(kKestrinMaxParcelPoints) + " を超えています。",
                         kTitle);
      for (std::int32_t i = 1; i <= n; ++i) {
        if (!reader.next(line))
          return stop_with(host_, "ポリゴンファイル " + pol_ + " は " + std::to_string(j) + " 行で終わり、" +
                                      std::to_string(j - i + 1) + " 行目の地番の " + std::to_string(n) +
                                      " 点のうち " + std::to_string(i - 1) + " 点しかありません。",
                           kTitle);
        counted();
        const PointTable::Entry* p = table_.find(line);
        if (p == nullptr) return stop_with(host_, "座標が見つかりません。", kTitle);
        first_[i] = p->v1;
        second_[i] = p->v2;
        if (req_.xy) lib_.dswap(&first_[i], &second_[i]);
        extent.widen(first_[i], second_[i]);
      }
      gxml::orient_ring(lib_, static_cast<std::int16_t>(n), &first_[1], &second_[1]);
      ++k;
      id = number_text(k);
      oaza = number_text(oaza_code);
      kaza = number_text(kaza_code);
      const gxml::Property props[] = {{"Id", "integer", id},
                                      {"OAza", "integer", oaza},
                                      {"KAza", "integer", kaza},
                                      {"OAza_NAME", "string", oaza_name},
                                      {"KAza_NAME", "string", kaza_name},
                                      {"Chiban", "string", chiban}};
      gxml::GXml_Feature(doc.text(), lib_, category, k, props, n, &first_[1], &second_[1]);
      doc.feature_done();
      host_.feature_count(std::to_string(k));
      host_.yield();
    }
    const std::string head = gxml::document_head(category, gxml::kPurposeKokudo, extent);
    doc.finish(head);
    out.close();
    in.close();
    host_.progress_visible(false);
    return Outcome::kDone;
  }

  const Request& req_;
  Host& host_;
  SurveyLibrary& lib_;
  Cp932 codec_;
  std::string pnt_, pol_;
  PointTable table_;
  std::vector<std::string_view> fields_;
  std::vector<double> first_, second_;  // parcel buffers, points at 1..5000
};

}  // namespace

Outcome convert_kestrin(const Request& request, Host& host, SurveyLibrary& lib) {
  return run_conversion<Conversion>(kTitle, request, host, lib);
}

}  // namespace conv
