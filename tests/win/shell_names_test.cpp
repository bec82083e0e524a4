// Name checks, date texts and icon indexes of files and folders.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "filebrowser/lang/Language.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FileTimeText.h"
#include "filebrowser/shell/ReportIfExists.h"
#include "filebrowser/shell/ShellIcons.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

namespace {

class ReportIfExistsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListLanguage = lnEnglish;
    LoadFileListMessages();
  }
  TTempDir dir;
};

TEST_F(ReportIfExistsTest, TrailingNulIsNotPartOfTheReportedName) {
  const std::string file = dir.Write("Report.txt", "x");
  EXPECT_TRUE(ReportIfExists(nullptr, file + '\0'));
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "\"Report.txt\" already exists !");
  EXPECT_EQ(Scripted().Last().Caption, "Error");
  EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
}

TEST_F(ReportIfExistsTest, FindsFoldersAndHiddenFilesToo) {
  const std::string folder = dir.MakeDir("New Folder");
  EXPECT_TRUE(ReportIfExists(nullptr, folder));
  EXPECT_EQ(Scripted().Last().Text, "\"New Folder\" already exists !");

  const std::string hidden = dir.Write("secret.txt", "x");
  SetFileAttributesW(Widen(hidden).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(ReportIfExists(nullptr, hidden));
  EXPECT_EQ(Scripted().Count("message"), 2);
}

TEST_F(ReportIfExistsTest, FreeNameIsNotReported) {
  EXPECT_FALSE(ReportIfExists(nullptr, dir.File("nothing.txt")));
  EXPECT_FALSE(ReportIfExists(nullptr, dir.File("nothing.txt") + '\0'));
  EXPECT_EQ(Scripted().Count("message"), 0);
}

class FileTimeTextTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = FormatSettings; }
  void TearDown() override { FormatSettings = saved_; }

 private:
  TFormatSettings saved_;
};

TEST_F(FileTimeTextTest, LocalTimeInDateAndTimePatterns) {
  FormatSettings = TFormatSettings();
  const FILETIME t = UtcOfLocal(2021, 3, 4, 13, 5, 7);
  EXPECT_EQ(FileTimeToText(t, "yyyy-MM-dd", "hh:mm:ss"), "2021-03-04 13:05:07");
  EXPECT_EQ(FileTimeToText(t, "dd.MM.yy", "h:mm AM/PM"), "04.03.21 1:05 PM");
  EXPECT_EQ(FileTimeToText(t, "dddd d MMM", "h:mm AMPM"), "Thursday 4 Mar 1:05 PM");
}

TEST_F(FileTimeTextTest, SeparatorsComeFromTheToolkitSettings) {
  FormatSettings = TFormatSettings();
  FormatSettings.DateSeparator = std::string(1, '.');
  FormatSettings.TimeSeparator = std::string(1, '-');
  const FILETIME t = UtcOfLocal(1999, 12, 31, 0, 9, 0);
  EXPECT_EQ(FileTimeToText(t, "MM/dd/yyyy", "hh:mm"), "12.31.1999 00-09");
}

TEST(ShellIcons, FoldersAndFilesHaveTheirOwnPictures) {
  TTempDir dir;
  const std::string folder = dir.MakeDir("sub");
  const std::string file = dir.Write("a.txt", "x");
  const int folderIcon = SmallIconIndex(folder);
  const int fileIcon = SmallIconIndex(file);
  EXPECT_GE(folderIcon, 0);
  EXPECT_GE(fileIcon, 0);
  EXPECT_NE(folderIcon, fileIcon);
  EXPECT_GE(SmallOpenIconIndex(folder), 0);
}

}  // namespace
