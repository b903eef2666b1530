// xml_shape.h: what TinyXML's parser would meet in a text, measured before it reads the text.
#pragma once

#include <cstddef>

/// The deepest element (a root element is at depth 1) and the most attributes on one element.
struct XmlShape {
  size_t depth = 0;
  size_t attributes = 0;
};

/// NULs a text needs after its end: in UTF-8, TinyXML takes a lead byte's followers along even
/// past the end of the text.
constexpr size_t XML_TEXT_PADDING = 4;

/// Walks the text, up to its first NUL and followed by XML_TEXT_PADDING NULs, as TinyXML's parser
/// does: every node but an element is read by TinyXML's own parser for it, and the open elements
/// are kept in a list where TinyXML recurses. Stops where TinyXML stops with an error, and once the
/// depth passes maxDepth or the attributes pass maxAttributes.
XmlShape MeasureXml(const char* text, size_t maxDepth, size_t maxAttributes);
