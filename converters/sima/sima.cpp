// Bentrim: SIMA to G-XML. The first pass collects the numbered points (A01); the
// second builds one feature per parcel (D00 starts it, B01 adds a point, D99 ends
// it), and the document is written at the end.
#include "sima/sima.hpp"

#include <string>
#include <vector>

#include "common/files.hpp"
#include "common/gxml.hpp"
#include "common/paths.hpp"
#include "common/survey_binding.hpp"
#include "common/text.hpp"

namespace conv {

namespace {

constexpr std::string_view kTitle = "Bentrim";

std::string limit_message(int limit) { return "座標が、" + std::to_string(limit) + "点を超えました。"; }

class Fields {
 public:
  void split(std::string_view line) { split_fields(line, ',', fields_); }
  // Field i; a record with too few fields is an index outside the array.
  std::string_view operator[](std::size_t i) const {
    if (i >= fields_.size()) throw RuntimeFailure(kSubscriptOutOfRange, "Subscript out of range: too few fields");
    return fields_[i];
  }

 private:
  std::vector<std::string_view> fields_;
};

// A point number as an index of the point table.
std::size_t table_index(double number) {
  const std::int32_t i = round_to_int32(number);
  if (i < 0 || i > kSimaMaxPointNumber)
    throw RuntimeFailure(kSubscriptOutOfRange, "Subscript out of range: point number " + std::to_string(i));
  return static_cast<std::size_t>(i);
}

bool starts_with_code(std::string_view line, std::string_view code) { return line.substr(0, 3) == code; }

class Conversion {
 public:
  Conversion(const Request& request, Host& host, SurveyLibrary& lib)
      : req_(request), host_(host), lib_(lib), first_(kSimaMaxPointNumber + 1), second_(kSimaMaxPointNumber + 1),
        ring_first_(kSimaMaxParcelPoints + 1), ring_second_(kSimaMaxParcelPoints + 1) {}

  Outcome run() {
    if (req_.input.empty() || req_.output.empty()) return stop_with(host_, kMsgNoFile, kTitleFileChoice);
    if (same_file(req_.input, req_.output)) return stop_with(host_, kMsgSameFile, kTitleFileChoice);
    return guarded(host_, kTitle, [&] { return points() ? parcels() : Outcome::kStopped; });
  }

 private:
  // First pass: the point table. False when stopped with a message.
  bool points() {
    File in(req_.input, File::Mode::kRead);
    LineReader reader(in);
    std::string_view line;
    while (reader.next(line)) {
      if (!starts_with_code(line, "A01")) continue;
      fields_.split(line);
      const double p = leading_number(fields_[1]);
      if (p > kSimaMaxPointNumber) {
        host_.message(limit_message(kSimaMaxPointNumber), "座標点数", true);
        return false;
      }
      const std::size_t i = table_index(p);
      if (req_.xy) {
        first_[i] = leading_number(fields_[4]);
        second_[i] = leading_number(fields_[3]);
      } else {
        first_[i] = leading_number(fields_[3]);
        second_[i] = leading_number(fields_[4]);
      }
    }
    return true;
  }

  // Second pass: one feature per parcel.
  Outcome parcels() {
    File in(req_.input, File::Mode::kRead);
    File out(req_.output, File::Mode::kWrite);
    host_.progress_range(0, in.size() + 1);
    host_.progress_visible(true);
    gxml::Extent extent;
    const std::string category = path_text(codec_, category_of(req_.input));
    std::int32_t k = 0, count = 0;
    std::int16_t closing = 0;
    std::string name, id;
    gxml::DocumentWriter doc(out, codec_);
    LineReader reader(in);
    std::string_view line;
    for (;;) {
      host_.progress_value(reader.position() + 1);
      if (!reader.next(line)) break;
      const std::string_view code = line.substr(0, 3);
      if (code == "D00") {
        fields_.split(line);
        name = trim_blanks(codec_.to_utf8(fields_[2]));
        closing = round_to_int16(leading_number(fields_[3]));
        count = 0;
        ++k;
        host_.feature_count(std::to_string(k));
        host_.yield();
      } else if (code == "B01") {
        if (++count > kSimaMaxParcelPoints) return limit_stop();
        fields_.split(line);
        const std::size_t p = table_index(leading_number(fields_[1]));
        ring_first_[count] = first_[p];
        ring_second_[count] = second_[p];
        extent.widen(first_[p], second_[p]);
      } else if (code == "D99") {
        if (closing == 1) {
          if (++count > kSimaMaxParcelPoints) return limit_stop();
          ring_first_[count] = ring_first_[1];
          ring_second_[count] = ring_second_[1];
        }
        gxml::orient_ring(lib_, static_cast<std::int16_t>(count), &ring_first_[1], &ring_second_[1]);
        id = number_text(k);
        const gxml::Property props[] = {{"Id", "integer", id}, {"Chiban", "string", name}};
        gxml::GXml_Feature(doc.text(), lib_, category, k, props, count, &ring_first_[1], &ring_second_[1]);
        doc.feature_done();
      }
    }
    const std::string head = gxml::document_head(category, gxml::kPurposeKokudo, extent);
    doc.finish(head);
    in.close();
    host_.progress_visible(false);
    return Outcome::kDone;
  }

  Outcome limit_stop() { return stop_with(host_, limit_message(kSimaMaxParcelPoints), "筆構成点数"); }

  const Request& req_;
  Host& host_;
  SurveyLibrary& lib_;
  Cp932 codec_;
  Fields fields_;
  std::vector<double> first_, second_;            // point table, numbers 0..15000
  std::vector<double> ring_first_, ring_second_;  // parcel buffers, points at 1..5000
};

}  // namespace

Outcome convert_sima(const Request& request, Host& host, SurveyLibrary& lib) {
  return run_conversion<Conversion>(kTitle, request, host, lib);
}

}  // namespace conv
