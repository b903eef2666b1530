// xml_shape.h: what TinyXML's parser would meet in a text, measured before it reads the text.
#pragma once

#include <cstddef>

/// The deepest element (the root at depth 1), the most attributes on one element, and the nodes
/// and attributes TinyXML's tree would hold.
struct XmlShape {
  size_t depth = 0;
  size_t attributes = 0;
  size_t nodes = 0;
};

/// NULs a text needs after its end: in UTF-8, TinyXML takes a lead byte's followers along even
/// past the end of the text.
constexpr size_t XML_TEXT_PADDING = 4;

/// Walks the text as TinyXML's parser does, up to the first NUL, stopping where TinyXML stops
/// with an error or once a measure passes its limit.
XmlShape MeasureXml(const char* text, const XmlShape& limits);
