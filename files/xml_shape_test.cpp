// xml_shape_test.cpp: the measured depth against the depth TinyXML's parser reaches.
#include "files/xml_shape.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "test_support/xml_depth.h"

// Markup inside comments, CDATA, other nodes and attribute values, and text that TinyXML reads
// past a '<' (a numeric entity runs to the next ';', a UTF-8 lead byte takes what follows).
TEST(XmlShape, DepthIsTheDepthTinyXmlReaches) {
  const struct {
    std::string text;
    size_t depth;
  } cases[] = {
      {"<?xml version=\"1.0\" ?><SBPuzzle Width=\"2\"><Piece Caption=\"1\"><InitialPos Line=\"0\" "
       "Col=\"0\" /></Piece></SBPuzzle>",
       3},
      {"<a><!-- <b><c> --><![CDATA[<b><c>]]></a>", 1},
      {"<a><?pi <b> ?><!DOCTYPE <b>><b/></a>", 2},
      {"<a x=\"/>\" y='<b>'><b z=\">\"/></a>", 2},
      {"<a>&#</a>#1;<b></b></a>", 2},
      {"<a>&#x</a>x1;<b></b></a>", 2},
      {"<?xml version=\"1.0\"?><a>\xc3</a><b/></a>", 2},
      {"<?xml version=\"1.0\" encoding=\"latin1\"?><a>\xc3</a><b/></a>", 1},
      {"\xef\xbb\xbf<a>\xc3</a><b/></a>", 2},
      {"<a><b></a></b><c><d><e/></d></c>", 2},
      {"<a>" + std::string(200, '<') + "b>", 1},
      {std::string(300, '<') + "a>", 0},
  };
  for (const auto& test : cases) {
    std::string text = test.text;
    text.append(XML_TEXT_PADDING, '\0');
    TiXmlDocument document;
    document.Parse(text.c_str());
    EXPECT_EQ(test.depth, ElementDepth(document)) << test.text;
    EXPECT_EQ(test.depth, MeasureXml(text.c_str(), 100, 100).depth) << test.text;
  }
}

TEST(XmlShape, StopsPastTheLimits) {
  std::string deep;
  for (int i = 0; i < 1000; ++i) deep += "<a>";
  EXPECT_EQ(17u, MeasureXml(deep.c_str(), 16, 64).depth);
  std::string wide = "<a";
  for (int i = 0; i < 1000; ++i) wide += " a" + std::to_string(i) + "='1'";
  EXPECT_EQ(65u, MeasureXml((wide + "/>").c_str(), 16, 64).attributes);
  EXPECT_EQ(1000u, MeasureXml((wide + "/>").c_str(), 16, 1000).attributes);
}
