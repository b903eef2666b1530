// xml_depth.h: how deep TinyXML's tree of a parsed document goes, for tests and fuzz targets.
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
