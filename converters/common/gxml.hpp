// The G-XML writer (ToG_XML): the text of one document with one MetricGeospace and
// one GeometricFeature per ring. It builds UTF-8 text; the document writer encodes
// it to Shift_JIS and writes it at the end of a conversion.
#ifndef CONVERTERS_COMMON_GXML_HPP
#define CONVERTERS_COMMON_GXML_HPP

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace conv {

class SurveyLibrary;
class Cp932;
class File;
class ScratchFile;

namespace gxml {

// Purpose and description texts of the documents.
inline constexpr std::string_view kPurposeKokudo = "国土庁フォーマットをG-XMLへ変換";
inline constexpr std::string_view kPurposeShape = "SHPをG-XMLへ変換";

// The document rectangle: the range of every point of every ring, from the
// initial 1E+99 (minimum) and -1E+99 (maximum).
struct Extent {
  double min_first = 1E+99, min_second = 1E+99, max_first = -1E+99, max_second = -1E+99;
  void widen(double first, double second) {
    if (first < min_first) min_first = first;
    if (first > max_first) max_first = first;
    if (second < min_second) min_second = second;
    if (second > max_second) max_second = second;
  }
};

// One property of a feature: type name, data type ("integer", "string", "real")
// and value text, inserted as given (escaped for XML).
struct Property {
  std::string_view name;
  std::string_view type;
  std::string_view value;
};

// "<name>" when closing is 0, "</name>" otherwise.
std::string GXml_Tag(int closing, std::string_view name);

// The Coordinates element of points first[i], second[i] for i in 0..n-1.
void GXml_Coordinates(std::string& out, std::int32_t n, const double* first, const double* second);

// From the XML declaration to the opening Boundary and Rectangle tags.
void GXml_Header(std::string& out, std::string_view name, std::string_view category, std::string_view purpose);

// One complete GeometricFeature: id k - 1, its own rectangle (Get_Extent of the
// library over all n points), the ring, the properties in order.
void GXml_Feature(std::string& out, SurveyLibrary& lib, std::string_view category, std::int32_t k,
                  std::span<const Property> properties, std::int32_t n, const double* first,
                  const double* second);

// Orients a ring so that its signed area (work_area of the library, first as X)
// is not negative: a negative ring is reversed, first array then second.
void orient_ring(SurveyLibrary& lib, std::int16_t n, double* first, double* second);

// "</MetricGeospace></G-XML>".
std::string GXml_Footer();

// The document before its features: header (name and category both `category`),
// the document rectangle, the closing Rectangle and Boundary tags.
std::string document_head(std::string_view category, std::string_view purpose, const Extent& extent);

// The document of one conversion, written with memory that does not grow with it.
// Features are appended to text() as they are produced; once it holds a block they
// are encoded and moved to a scratch file beside the output. At the end the output
// receives the header (known only then: it holds the document rectangle), the
// features and the footer. Until then nothing is written to the output, and a
// failure while writing it leaves it empty; the scratch file goes in every case.
class DocumentWriter {
 public:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  DocumentWriter(File& out, Cp932& codec, std::size_t block = kBlock);
  ~DocumentWriter();
  DocumentWriter(const DocumentWriter&) = delete;
  DocumentWriter& operator=(const DocumentWriter&) = delete;

  // The UTF-8 text of the features not yet moved out.
  std::string& text() { return text_; }
  // After each feature: moves a full block out.
  void feature_done() {
    if (text_.size() >= block_) spill();
  }
  // Header `head`, every feature, footer; RuntimeFailure 61 or 57 (the output then
  // empty) when they cannot be written.
  void finish(std::string_view head);
  bool spilled() const { return scratch_ != nullptr; }

 private:
  void spill();
  void write_out(std::string_view head);

  File& out_;
  Cp932& codec_;
  std::size_t block_;
  std::string text_;
  std::unique_ptr<ScratchFile> scratch_;
};

}  // namespace gxml
}  // namespace conv

#endif
