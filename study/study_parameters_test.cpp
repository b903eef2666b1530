// study_parameters_test.cpp: the study's description read back as written, and what it refuses.
#include "study/study_parameters.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const StudyParameters GENERATED = {
    "1.0.0", {"solve", "solve3"}, {3, 4, 5, 9, 20, 21}, 7, "mixed", 18446744073709551615u, {}, 2,
    5};

std::string DescriptionOf(const StudyParameters& parameters) {
  std::ostringstream out;
  WriteDescription(parameters, out);
  return out.str();
}

}  // namespace

TEST(StudyParameters, TheDescriptionReadsBackAsItWasWritten) {
  EXPECT_EQ(
      "# version: 1.0.0\n# methods: solve,solve3\n# sides: 3-5,9,20-21\n# boards: 7\n"
      "# kind: mixed\n# seed: 18446744073709551615\n# shard: 2/5\n",
      DescriptionOf(GENERATED));
  const StudyParameters files = {
      "1.0.0", {"solve"}, {2, 3, 100}, 4, "file", 0, {"a.txt", "b,%c\nd", "#e\r", "\xff"}, 1, 1};
  for (const StudyParameters& written : {GENERATED, files}) {
    std::istringstream in(DescriptionOf(written) + "side,kind\n");
    StudyParameters read;
    std::string error;
    ASSERT_TRUE(ReadDescription(in, read, error)) << error;
    EXPECT_EQ(DescriptionOf(written), DescriptionOf(read));
    EXPECT_EQ(written.files, read.files);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ("side,kind", rest);
  }
}

TEST(StudyParameters, ADescriptionThatTheStudyCannotHaveWrittenIsRefused) {
  const std::string good = DescriptionOf(GENERATED);
  const auto replaced = [&good](const std::string& line, const std::string& by) {
    std::string text = good;
    return text.replace(text.find(line), line.size(), by);
  };
  const struct {
    std::string text;
    const char* error;
  } cases[] = {
      {replaced("# version: 1.0.0\n", ""), "the study's description has no version"},
      {replaced("# seed: 18446744073709551615\n", ""), "the study's description has no seed"},
      {good + "# files: a.txt\n", "the study's description has both a seed and files"},
      {replaced("# kind: mixed", "# kind: file"), "the study's description has no files"},
      {replaced("mixed\n# seed: 18446744073709551615", "file\n# files: a,b"),
       "counts its files wrongly"},
      {replaced("# seed: 18446744073709551615", "# seed: 18446744073709551616"), "line 6: "},
      {replaced("# sides: 3-5", "# sides: 5-3"), "line 3: "},
      {replaced("# methods: solve,solve3", "# methods: solve,solve"), "line 2: "},
      {replaced("# boards: 7", "# boards: 0"), "line 4: "},
      {replaced("# boards: 7", "# boards: 1000001"), "line 4: "},
      {replaced("# kind: mixed", "# kind: shuffled"), "line 5: "},
      {replaced("# shard: 2/5", "# shard: 6/5"), "line 7: "},
      {replaced("# shard: 2/5", "# shard: 2/5\n# shard: 3/5"), "line 8: "},
      {replaced("# boards: 7", "# rows: 7"), "line 4: "},
      {replaced("# boards: 7", "#boards: 7"), "line 4: "},
      {replaced("# boards: 7", "#"), "line 4: "},
      {"#", "line 1: "},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.text);
    StudyParameters read;
    std::string error;
    EXPECT_FALSE(ReadDescription(in, read, error)) << c.text;
    EXPECT_NE(std::string::npos, error.find(c.error)) << c.text << "\n" << error;
  }
}

TEST(StudyParameters, SidesAndShards) {
  std::vector<unsigned> sides;
  EXPECT_TRUE(ParseSides("10,3-5,4", 3, sides));
  EXPECT_EQ((std::vector<unsigned>{3, 4, 5, 10}), sides);
  EXPECT_TRUE(ParseSides("0-2,100", 0, sides));
  EXPECT_EQ((std::vector<unsigned>{0, 1, 2, 100}), sides);
  for (const char* bad : {"", ",", "3,", "2", "4-3", "101", "3-101", "a", "-3", "3--5", "3-"}) {
    EXPECT_FALSE(ParseSides(bad, 3, sides)) << bad;
  }
  unsigned shard = 0, shards = 0;
  EXPECT_TRUE(ParseShard("", shard, shards));
  EXPECT_EQ("1/1", ShardName(shard, shards));
  EXPECT_TRUE(ParseShard("3/4", shard, shards));
  EXPECT_EQ("3/4", ShardName(shard, shards));
  for (const char* bad : {"0/4", "5/4", "4", "/4", "1/", "1/4/", "a/4", "-1/4", "1/1000001"}) {
    EXPECT_FALSE(ParseShard(bad, shard, shards)) << bad;
  }
}
