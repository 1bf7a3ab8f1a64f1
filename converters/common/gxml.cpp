// The G-XML writer.
#include "gxml.hpp"

#include <algorithm>

#include "files.hpp"
#include "host.hpp"
#include "survey_binding.hpp"
#include "text.hpp"

namespace conv::gxml {

std::string GXml_Tag(int closing, std::string_view name) {
  std::string s(closing == 0 ? "<" : "</");
  s.append(name);
  s.push_back('>');
  return s;
}

void GXml_Coordinates(std::string& out, std::int32_t n, const double* first, const double* second) {
  out.append("<Coordinates unit.location=\"m\">");
  // Pairs are laid out in a local block and appended a block at a time.
  char block[4096];
  char* p = block;
  auto put = [&](double v) {
    if (char* end = format_number(p, v)) {
      p = end;
    } else {
      out.append(block, static_cast<std::size_t>(p - block));
      append_number(out, v);
      p = block;
    }
  };
  for (std::int32_t i = 0; i < n; ++i) {
    if (block + sizeof block - p < 64) {
      out.append(block, static_cast<std::size_t>(p - block));
      p = block;
    }
    if (i > 0) *p++ = ' ';
    put(first[i]);
    *p++ = ',';
    put(second[i]);
  }
  out.append(block, static_cast<std::size_t>(p - block));
  out.append("</Coordinates>");
}

void GXml_Header(std::string& out, std::string_view name, std::string_view category, std::string_view purpose) {
  out.append("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n");
  out.append("<G-XML><Metadata><Metadata.gxml><Name>");
  append_xml_escaped(out, trim_blanks(name));
  out.append("</Name><Purpose>").append(purpose).append("</Purpose>");
  out.append("<Author>Mirevo</Author>");
  out.append("<Description>").append(purpose).append("</Description>");
  out.append("</Metadata.gxml></Metadata>");
  out.append("<MetricGeospace category=\"");
  append_xml_escaped(out, category);
  out.append("\" unit.location=\"m\"><Boundary><Rectangle>");
}

void GXml_Feature(std::string& out, SurveyLibrary& lib, std::string_view category, std::int32_t k,
                  std::span<const Property> properties, std::int32_t n, const double* first,
                  const double* second) {
  out.append("<GeometricFeature id=\"");
  append_number(out, static_cast<double>(k) - 1);
  out.append("\" category=\"");
  append_xml_escaped(out, category);
  out.append("\"><Boundary><Rectangle>");
  // The rectangle spans every point of the ring: for a ring that repeats its first
  // point the last one adds nothing, and a ring listed without it keeps its vertex.
  double lo[2], hi[2], width, height;
  lib.Get_Extent(n, first, second, &lo[0], &lo[1], &hi[0], &hi[1], &width, &height);
  const double rect_first[2] = {lo[0], hi[0]}, rect_second[2] = {lo[1], hi[1]};
  GXml_Coordinates(out, 2, rect_first, rect_second);
  out.append("</Rectangle></Boundary><Geometry><Polygon><OuterBoundary><LinearRing>");
  GXml_Coordinates(out, n, first, second);
  out.append("</LinearRing></OuterBoundary></Polygon></Geometry>");
  for (const Property& p : properties) {
    out.append("<Property propertytypename=\"");
    append_xml_escaped(out, p.name);
    out.append("\" datatype=\"");
    append_xml_escaped(out, p.type);
    out.append("\">");
    append_xml_escaped(out, p.value);
    out.append("</Property>");
  }
  out.append("</GeometricFeature>");
}

void orient_ring(SurveyLibrary& lib, std::int16_t n, double* first, double* second) {
  // Every point counts: the closing point, when the ring repeats its first point,
  // adds nothing, and a ring listed without it keeps its last edge.
  if (lib.work_area(n, first, second) < 0) {
    lib.dmat_mirror(n, first);
    lib.dmat_mirror(n, second);
  }
}

std::string GXml_Footer() { return "</MetricGeospace></G-XML>"; }

std::string document_head(std::string_view category, std::string_view purpose, const Extent& extent) {
  std::string doc;
  GXml_Header(doc, category, category, purpose);
  const double first[2] = {extent.min_first, extent.max_first}, second[2] = {extent.min_second, extent.max_second};
  GXml_Coordinates(doc, 2, first, second);
  doc.append(GXml_Tag(1, "Rectangle"));
  doc.append(GXml_Tag(1, "Boundary"));
  return doc;
}

DocumentWriter::DocumentWriter(File& out, Cp932& codec, std::size_t block) : out_(out), codec_(codec), block_(block) {}

DocumentWriter::~DocumentWriter() = default;

void DocumentWriter::spill() {
  if (scratch_ == nullptr) scratch_ = std::make_unique<ScratchFile>(out_.path());
  codec_.encode_in_place(text_);
  scratch_->write(text_);
  text_.clear();
}

void DocumentWriter::finish(std::string_view head) {
  try {
    write_out(head);
  } catch (...) {  // a write failed, or memory ran out: no half document
    out_.discard();
    scratch_.reset();
    throw;
  }
  scratch_.reset();
}

void DocumentWriter::write_out(std::string_view head) {
  std::string bytes;
  codec_.append_cp932(bytes, head);
  out_.write(bytes);
  if (scratch_ == nullptr) {
    codec_.encode_in_place(text_);
    out_.write(text_);
  } else {
    spill();
    scratch_->rewind();
    text_.resize(std::max<std::size_t>(block_, 1 << 16));
    while (const std::size_t got = scratch_->read(text_.data(), text_.size()))
      out_.write(std::string_view(text_.data(), got));
  }
  text_.clear();
  bytes.clear();
  codec_.append_cp932(bytes, GXml_Footer());
  out_.write(bytes);
  out_.flush();
}

}  // namespace conv::gxml
