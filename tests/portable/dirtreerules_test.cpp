// Node paths of the folder trees, and the segments a path is located by.
#include <gtest/gtest.h>

#include "filebrowser/folders/DirTreeRules.h"

TEST(DirTreeRules, NodePathByLevel) {
  const struct {
    std::vector<std::string> captions;
    std::string path;
  } rows[] = {
      {{"My Computer"}, "Drives"},
      {{}, "Drives"},
      {{"My Computer", " (C:)  Local Disk "}, "C:\\"},
      {{"My Computer", " (D:)   "}, "D:\\"},
      {{"My Computer", " (C:)  ", "A"}, "C:\\A"},
      {{"My Computer", " (C:)  ", "A", "B c"}, "C:\\A\\B c"},
  };
  for (const auto& row : rows) EXPECT_EQ(NodePath(row.captions), row.path) << row.path;
}

TEST(DirTreeRules, DriveSegmentIsTheThirdAndFourthCharacter) {
  EXPECT_EQ(DriveSegment(" (C:)  Local Disk "), "C:\\");
  EXPECT_EQ(DriveSegment(" (z:)  "), "z:\\");
}

TEST(DirTreeRules, SegmentsEndWithTheirBackslashAndTheRestWithoutOneIsLeft) {
  std::string rest = "C:\\A b\\C", segment;
  std::vector<std::string> segments;
  while (SplitFirstSegment(rest, segment)) segments.push_back(segment);
  EXPECT_EQ(segments, (std::vector<std::string>{"C:\\", "A b\\"}));
  EXPECT_EQ(rest, "C");
  EXPECT_EQ(segment, "A b\\");
}

TEST(DirTreeRules, TheDrivesTokenIsKnownInAnyAsciiCaseOnly) {
  const struct {
    const char* text;
    bool token;
  } rows[] = {
      {"Drives", true},  {"DRIVES", true},   {"drives", true},   {"dRiVeS", true},
      {"Drives\\", false}, {"Drive", false}, {" Drives", false}, {"",  false},
      {"DR\xC4\xB0VES", false},  // a dotted capital I is no ASCII "I"
  };
  for (const auto& row : rows) EXPECT_EQ(IsDrivesToken(row.text), row.token) << row.text;
}
