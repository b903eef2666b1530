// xml_shape.cpp: TinyXML's walk through a document, without its recursion and its quadratic
// attribute check.
#include "files/xml_shape.h"

#include <strings.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// TinyXML's own tests and readers, which it keeps protected for its node classes; a node class
// of this file's own makes them public. The white-space skip also steps over byte-order marks
// and the two non-characters that look like them in UTF-8, and gives nullptr for a text already
// at its end; Blank tells a text that TinyXML drops, by a test that takes a NUL from an entity
// for text.
struct TinyXmlText : TiXmlText {
  TinyXmlText() : TiXmlText("") {}
  using TiXmlBase::IsAlpha;
  using TiXmlBase::ReadName;
  using TiXmlBase::SkipWhiteSpace;
  using TiXmlText::Blank;
};

bool StartsWith(const char* p, const char* prefix) {
  return std::strncmp(p, prefix, std::strlen(prefix)) == 0;
}

// The encoding TinyXML reads the rest of the document in after its first declaration. It
// matters: in UTF-8 a lead byte takes the bytes after it along, '<' included.
TiXmlEncoding EncodingAfter(const TiXmlDeclaration& declaration) {
  const char* name = declaration.Encoding();
  const bool utf8 =
      *name == 0 || strncasecmp(name, "UTF-8", 5) == 0 || strncasecmp(name, "UTF8", 4) == 0;
  return utf8 ? TIXML_ENCODING_UTF8 : TIXML_ENCODING_LEGACY;
}

// Reads a start tag from its '<' as TiXmlElement::Parse does, attributes by TinyXML's own
// parser, and opens its element unless the tag closes it. Returns the position after the tag,
// or nullptr where TinyXML stops (an error, a repeated attribute) or past maxAttributes.
const char* ReadStartTag(const char* p, TiXmlEncoding encoding, size_t maxAttributes,
                         std::vector<std::string_view>& names, std::vector<std::string_view>& open,
                         XmlShape& shape) {
  const char* start = TinyXmlText::SkipWhiteSpace(p + 1, encoding);
  TIXML_STRING copied;
  p = TinyXmlText::ReadName(start, &copied, encoding);
  if (p == nullptr) return nullptr;
  const std::string_view name(start, copied.size());
  names.clear();
  while (*p != 0) {
    p = TinyXmlText::SkipWhiteSpace(p, encoding);
    if (*p == '/') return p[1] == '>' ? p + 2 : nullptr;
    if (*p == '>') {
      open.push_back(name);
      return p + 1;
    }
    if (*p == 0) return nullptr;
    // The parser copies the name as it stands in the text, where it is kept track of here.
    TiXmlAttribute attribute;
    const char* attributeName = p;
    p = attribute.Parse(p, nullptr, encoding);
    if (p == nullptr || *p == 0) return nullptr;
    const std::string_view read(attributeName, attribute.NameTStr().size());
    if (std::find(names.begin(), names.end(), read) != names.end()) return nullptr;
    names.push_back(read);
    ++shape.nodes;
    shape.attributes = std::max(shape.attributes, names.size());
    if (names.size() > maxAttributes) return nullptr;
  }
  return nullptr;
}

}  // namespace

XmlShape MeasureXml(const char* p, const XmlShape& limits) {
  XmlShape shape;
  TiXmlEncoding encoding =
      StartsWith(p, "\xef\xbb\xbf") ? TIXML_ENCODING_UTF8 : TIXML_ENCODING_UNKNOWN;
  std::vector<std::string_view> open;  // the names of the elements whose content is being read
  std::vector<std::string_view> attributes;  // the names in the start tag being read
  const char* beforeSpace = p;
  p = TinyXmlText::SkipWhiteSpace(p, encoding);
  while (p != nullptr && *p != 0) {
    const bool endTag = *p == '<' && !open.empty() && p[1] == '/';
    // Every markup but an end tag is a node of its own.
    if (*p == '<' && !endTag) ++shape.nodes;
    if (*p != '<') {
      // Text; outside every element TinyXML stops reading there, and calls that no error.
      if (open.empty()) break;
      TinyXmlText text;
      p = text.Parse(TiXmlBase::IsWhiteSpaceCondensed() ? p : beforeSpace, nullptr, encoding);
      if (!text.Blank()) ++shape.nodes;
    } else if (endTag) {
      // The end tag must name the open element; TinyXML allows white space before its '>'.
      const std::string_view name = open.back();
      if (std::strncmp(p + 2, name.data(), name.size()) != 0) break;
      p = TinyXmlText::SkipWhiteSpace(p + 2 + name.size(), encoding);
      if (p == nullptr || *p != '>') break;
      ++p;
      open.pop_back();
    } else if (strncasecmp(p, "<?xml", 5) == 0) {
      TiXmlDeclaration declaration;
      p = declaration.Parse(p, nullptr, encoding);
      if (open.empty() && encoding == TIXML_ENCODING_UNKNOWN) encoding = EncodingAfter(declaration);
    } else if (StartsWith(p, "<!--")) {
      TiXmlComment comment;
      p = comment.Parse(p, nullptr, encoding);
    } else if (StartsWith(p, "<![CDATA[")) {
      TiXmlText text("");
      p = text.Parse(p, nullptr, encoding);
    } else if (TinyXmlText::IsAlpha(p[1], encoding) || p[1] == '_') {
      // A start tag, by TinyXML's test: a letter (any byte from 127 up) or '_' after the '<'.
      shape.depth = std::max(shape.depth, open.size() + 1);
      if (shape.depth > limits.depth) break;
      p = ReadStartTag(p, encoding, limits.attributes, attributes, open, shape);
    } else {
      // "<!DOCTYPE", "<?other" and anything else after a '<': TinyXML skips to the next '>'.
      TiXmlUnknown unknown;
      p = unknown.Parse(p, nullptr, encoding);
    }
    if (p == nullptr || shape.nodes > limits.nodes) break;
    beforeSpace = p;
    p = TinyXmlText::SkipWhiteSpace(p, encoding);
  }
  return shape;
}
