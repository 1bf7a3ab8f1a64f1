// Quorvel: shapefile to G-XML. The attribute table is loaded whole first; then each
// record of the main file becomes one feature with the table record of the same
// number, and the document is written at the end.
//
// Main file layout (ESRI Shapefile Technical Description, 1998): a 100-byte header
// with the bounding box at bytes 36-67, then records of a 12-byte header (number and
// content length big-endian, shape type) and their content; a polygon's content is
// its box (32 bytes), the part and point counts, the part starts and the points
// (X, Y), all little-endian.
#include "shapefile/shape.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/files.hpp"
#include "common/gxml.hpp"
#include "common/paths.hpp"
#include "common/survey_binding.hpp"
#include "common/text.hpp"
#include "shapefile/binary.hpp"
#include "shapefile/dbf.hpp"

namespace conv {

namespace {

constexpr std::string_view kTitle = "Quorvel";
constexpr std::string_view kTitleShapeRead = "SHAP_READ";
constexpr std::string_view kTitleTable = "DBF_LODER";

constexpr std::size_t kMainHeaderSize = 100;
constexpr std::size_t kRecordHeaderSize = 12;
constexpr std::size_t kPolygonHeadSize = 40;  // box, part count, point count
constexpr std::int32_t kPolygon = 5;

constexpr std::string_view kMissing = "が、ありません。";

class Conversion {
 public:
  Conversion(const Request& request, Host& host, SurveyLibrary& lib)
      : req_(request), host_(host), lib_(lib), first_(kShapeMaxPoints + 1), second_(kShapeMaxPoints + 1) {}

  Outcome run() {
    if (req_.input.empty() || req_.output.empty()) return stop_with(host_, kMsgNoFile, kTitleFileChoice);
    return guarded(host_, kTitle, [&] { return convert(); });
  }

 private:
  Outcome convert() {
    // The main file and the table: the input's path up to its last "." plus "Shp"
    // and "DBF". Those names carry the letter case of a platform that ignores it;
    // here the exact name wins, else one differing only in case.
    const std::string base = up_to_last_dot(req_.input);
    const std::string main_name = base + "Shp", table_name = base + "DBF";
    std::optional<std::string> main_path;
    if (lib_.find_file(main_name.c_str()) != -1) main_path = resolve_case(main_name);
    if (!main_path) return stop_with(host_, path_text(codec_, main_name) + std::string(kMissing), kTitleFileChoice);
    main_path_ = *main_path;
    const std::string category = path_text(codec_, category_of(req_.input));
    const std::optional<std::string> table_path = resolve_case(table_name);
    if (same_file(req_.output, main_path_) || (table_path && same_file(req_.output, *table_path)))
      return stop_with(host_, kMsgSameFile, kTitleFileChoice);
    if (!table_path)
      return stop_with(host_, path_text(codec_, table_name) + std::string(kMissing), kTitleFileChoice);

    try {
      table_ = DBF_Open(*table_path, kShapeMaxRecords, codec_);
    } catch (const DbfError& e) {
      return stop_with(host_, e.what(), kTitleTable);
    }

    File in(main_path_, File::Mode::kRead);
    File out(req_.output, File::Mode::kWrite);
    const std::int64_t size = in.size();
    ByteReader reader(in);
    const std::string_view head = reader.take(kMainHeaderSize);
    if (head.size() < kMainHeaderSize) return damaged("のファイルヘッダーが途中で終わっています。");
    // The document rectangle is the file's bounding box; the XY box exchanges each
    // pair, as it does the points.
    double min_first = le_f64(head.data() + 36), min_second = le_f64(head.data() + 44);
    double max_first = le_f64(head.data() + 52), max_second = le_f64(head.data() + 60);
    if (req_.xy) {
      std::swap(min_first, min_second);
      std::swap(max_first, max_second);
    }
    host_.progress_range(0, size);
    host_.progress_visible(true);

    gxml::DocumentWriter doc(out, codec_);
    std::vector<gxml::Property> properties;
    properties.reserve(table_.field_count());
    std::int32_t k = 0;
    for (;;) {
      const std::string_view header = reader.take(kRecordHeaderSize);
      if (header.empty()) break;
      const std::string record = std::to_string(k + 1);
      if (header.size() < kRecordHeaderSize) return damaged("のレコード" + record + "が途中で終わっています。");
      if (k == kShapeMaxShapes)
        return damaged("のシェイプが、" + std::to_string(kShapeMaxShapes) + "個を超えました。");
      ++k;
      host_.feature_count(record);
      host_.progress_value(std::min(reader.position() + 1, size));
      host_.yield();
      if (le_i32(header.data() + 8) != kPolygon) return end_program("シェイプ種別がポリゴンではありません。");

      const std::string_view counts = reader.take(kPolygonHeadSize);
      if (counts.size() < kPolygonHeadSize) return damaged("のレコード" + record + "が途中で終わっています。");
      const std::int32_t parts = le_i32(counts.data() + 32), points = le_i32(counts.data() + 36);
      if (parts < 0 || points < 0)
        return damaged("のレコード" + record + "の部分数または点数が負です（" + std::to_string(parts) + "部分、" +
                       std::to_string(points) + "点）。");
      // What the record announces must be in the file before anything is read.
      const std::int64_t needed = std::int64_t{parts} * 4 + std::int64_t{points} * 16;
      if (needed > size - reader.position())
        return damaged("のレコード" + record + "は" + std::to_string(parts) + "部分、" + std::to_string(points) +
                       "点とありますが、ファイルがその前に終わっています。");
      if (parts != 1) return end_program("中抜きはサポートしていません。");
      if (points > kShapeMaxPoints)
        return damaged("のレコード" + record + "の点数が、" + std::to_string(kShapeMaxPoints) + "点を超えました（" +
                       std::to_string(points) + "点）。");
      reader.take(4);  // the start of the one part
      const std::string_view xy = reader.take(static_cast<std::size_t>(points) * 16);
      if (xy.size() < static_cast<std::size_t>(points) * 16)  // the file shrank while being read
        return damaged("のレコード" + record + "が途中で終わっています。");
      for (std::int32_t i = 1; i <= points; ++i) {
        const char* p = xy.data() + static_cast<std::size_t>(i - 1) * 16;
        first_[i] = le_f64(p);
        second_[i] = le_f64(p + 8);
        if (req_.xy) lib_.dswap(&first_[i], &second_[i]);
      }
      gxml::orient_ring(lib_, static_cast<std::int16_t>(points), &first_[1], &second_[1]);

      // Feature k takes record k, one property per field; features beyond the
      // table's last record have none.
      properties.clear();
      if (k <= table_.record_count)
        for (std::size_t i = 0; i < table_.field_count(); ++i)
          properties.push_back({table_.names[i], table_.types[i], table_.value(k, i)});
      gxml::GXml_Feature(doc.text(), lib_, category, k, properties, points, &first_[1], &second_[1]);
      doc.feature_done();
    }

    const std::string doc_head =
        gxml::document_head(category, gxml::kPurposeShape, {min_first, min_second, max_first, max_second});
    doc.finish(doc_head);
    in.close();
    host_.progress_visible(false);
    return Outcome::kDone;
  }

  // A main file that cannot be read on: the message names the file (and the record).
  Outcome damaged(const std::string& what) {
    return stop_with(host_, path_text(codec_, main_path_) + what, kTitleShapeRead);
  }

  // The two failures that end the program: shown, then the host ends it.
  Outcome end_program(std::string_view message) {
    host_.message(message, kTitleShapeRead, true);
    host_.end_program();
    return Outcome::kStopped;
  }

  const Request& req_;
  Host& host_;
  SurveyLibrary& lib_;
  Cp932 codec_;
  std::string main_path_;
  DbfTable table_;
  std::vector<double> first_, second_;  // ring buffers, points at 1..5000
};

}  // namespace

Outcome convert_shape(const Request& request, Host& host, SurveyLibrary& lib) {
  try {
    return Conversion(request, host, lib).run();
  } catch (const RuntimeFailure& failure) {  // the code page service itself missing
    host.message(failure_text(failure), kTitle, true);
    return Outcome::kFailed;
  }
}

}  // namespace conv
