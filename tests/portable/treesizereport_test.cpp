#include <gtest/gtest.h>

#include "filebrowser/tree/TreeSizeReport.h"

TEST(TreeSizeReport, SizeLineByMagnitude) {
  TTreeSizeTexts texts;
  texts.TreeSize = "Tree Size";
  texts.AndAllSubFolders = "and all its sub-folders";
  struct Row {
    std::uint64_t total;
    const char* bytes;
    const char* size;
  };
  const Row rows[] = {
      {0, "0 Bytes", "0.00 KB"},
      {500, "500 Bytes", "1.00 KB"},
      {1536, "1,536 Bytes", "1.50 KB"},
      {99999ull * 1024, "102,398,976 Bytes", "99,999.00 KB"},
      {200ull * 1024 * 1024, "209,715,200 Bytes", "200.00 MB"},
      {5ull << 40, "5,497,558,138,880 Bytes", "5,242,880.00 MB"},
  };
  for (const Row& row : rows) {
    const std::string expected = std::string("===== Tree Size =====\r\n\r\nFolder \"A\"\r\nand all its sub-folders\r\n =  ") +
                                 row.bytes + "\r\n     (i.e. " + row.size + " )";
    EXPECT_EQ(TreeSizeReport("Folder \"A\"", row.total, texts), expected) << row.total;
  }
  texts.ThousandSep = ".";
  texts.DecimalSep = ',';
  EXPECT_NE(TreeSizeReport("X", 1234567, texts).find("1.234.567 Bytes"), std::string::npos);
  EXPECT_NE(TreeSizeReport("X", 1234567, texts).find("1.205,63 KB"), std::string::npos);
}

TEST(TreeSizeReport, FolderNamesRefuseTheFourteenCharacters) {
  for (char c : std::string("\\*?/=\"<>|:,;+^")) EXPECT_TRUE(HasForbiddenFolderChar(std::string("a") + c + "b")) << c;
  for (const char* fine : {"New Folder", "a.b", "x-y_z (1)", "\xC3\xA9t\xC3\xA9", "[x]{y}'~!@#$%&"})
    EXPECT_FALSE(HasForbiddenFolderChar(fine)) << fine;
}
