// xml_tree.h: how deep and how large TinyXML's tree of a parsed document is, for tests and fuzz
// targets.
#pragma once

#include <tinyxml.h>

#include <algorithm>
#include <cstddef>

/// The number of nested elements below the node, along its deepest branch.
inline size_t ElementDepth(const TiXmlNode& node) {
  size_t deepest = 0;
  for (const TiXmlElement* child = node.FirstChildElement(); child != nullptr;
       child = child->NextSiblingElement()) {
    deepest = std::max(deepest, 1 + ElementDepth(*child));
  }
  return deepest;
}

/// The nodes below the node, of every kind, and the attributes of the elements among them.
inline size_t TreeSize(const TiXmlNode& node) {
  size_t size = 0;
  for (const TiXmlNode* child = node.FirstChild(); child != nullptr; child = child->NextSibling()) {
    size += 1 + TreeSize(*child);
    if (const TiXmlElement* element = child->ToElement()) {
      for (const TiXmlAttribute* a = element->FirstAttribute(); a != nullptr; a = a->Next()) ++size;
    }
  }
  return size;
}
