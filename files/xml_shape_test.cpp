// xml_shape_test.cpp: the measured depth and size against the tree TinyXML's parser builds.
#include "files/xml_shape.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "test_support/xml_tree.h"

// Markup inside comments, CDATA, other nodes and attribute values, and text that TinyXML reads
// past a '<' (a numeric entity runs to the next ';', a UTF-8 lead byte takes what follows).
// White space between markup is no node, CDATA always is, and a text is kept by what its
// entities become. Where TinyXML stops with an error, the measure may count a node it threw away.
TEST(XmlShape, DepthAndNodesAreWhatTinyXmlBuilds) {
  const struct {
    std::string text;
    size_t depth, nodes;
  } cases[] = {
      {"<?xml version=\"1.0\" ?>\n<SBPuzzle Width=\"2\">\n  <Piece Caption=\"1\">\n    "
       "<InitialPos Line=\"0\" Col=\"0\" />\n  </Piece>\n</SBPuzzle>\n",
       3, 8},
      {"<a><!-- <b><c> --><![CDATA[<b><c>]]></a>", 1, 3},
      {"<a><?pi <b> ?><!DOCTYPE <b>><b/></a>", 2, 6},
      {"<a x=\"/>\" y='<b>'><b z=\">\"/></a>", 2, 5},
      {"<a>&#</a>#1;<b></b></a>", 2, 3},
      {"<?xml version=\"1.0\"?><a>\xc3</a><b/></a>", 2, 4},
      {"<?xml version=\"1.0\" encoding=\"latin1\"?><a>\xc3</a><b/></a>", 1, 5},
      {"\xef\xbb\xbf<a>\xc3</a><b/></a>", 2, 3},
      {"<a><b></a></b><c><d><e/></d></c>", 2, 2},
      {"<a>" + std::string(200, '<') + "b>", 1, 2},
      {std::string(300, '<') + "a>", 0, 1},
      {"<a>  <b/> x <c/>\t</a>", 2, 4},
      {"<a><![CDATA[ ]]>&#32;&#x9;<!-- c --><?pi?><!x></a>", 1, 5},
      {"<a>&#0;</a>", 1, 2},
      {"<a x='1' y='2'><b z='3'/></a><!-- after --><c/>", 2, 7},
      {"<a x='1' x='2'/>", 1, 2},
  };
  for (const auto& test : cases) {
    std::string text = test.text;
    text.append(XML_TEXT_PADDING, '\0');
    TiXmlDocument document;
    document.Parse(text.c_str());
    const XmlShape shape = MeasureXml(text.c_str(), {100, 100, 100});
    EXPECT_EQ(test.depth, ElementDepth(document)) << test.text;
    EXPECT_EQ(test.depth, shape.depth) << test.text;
    EXPECT_EQ(test.nodes, shape.nodes) << test.text;
    if (document.Error()) {
      EXPECT_GE(shape.nodes, TreeSize(document)) << test.text;
    } else {
      EXPECT_EQ(shape.nodes, TreeSize(document)) << test.text;
    }
  }
}

TEST(XmlShape, StopsPastTheLimits) {
  std::string deep;
  for (int i = 0; i < 1000; ++i) deep += "<a>";
  EXPECT_EQ(17u, MeasureXml(deep.c_str(), {16, 64, 5000}).depth);
  std::string wide = "<a";
  for (int i = 0; i < 1000; ++i) wide += " a" + std::to_string(i) + "='1'";
  EXPECT_EQ(65u, MeasureXml((wide + "/>").c_str(), {16, 64, 5000}).attributes);
  EXPECT_EQ(1000u, MeasureXml((wide + "/>").c_str(), {16, 1000, 5000}).attributes);
  std::string many = "<a>";
  for (int i = 0; i < 1000; ++i) many += "<b/>x";
  EXPECT_EQ(101u, MeasureXml(many.c_str(), {16, 64, 100}).nodes);
  EXPECT_EQ(2001u, MeasureXml(many.c_str(), {16, 64, 5000}).nodes);
}
