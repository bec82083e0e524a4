// The file list's drives view: one entry per drive in letter order, its texts and columns.
#include <gtest/gtest.h>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/FileListPopup.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/folders/ShellInfoCache.h"
#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/shell/DiskSpace.h"
#include "tests/win/support/FileListFixture.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

namespace {
std::vector<std::string> DriveRoots() {
  std::vector<std::string> roots;
  const DWORD present = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit)
    if (present & (1u << bit)) roots.push_back(std::string{static_cast<char>('A' + bit), ':', '\\'});
  return roots;
}

TEST_F(FileListTest, DrivesViewShowsEachDriveInLetterOrderWithItsTexts) {
  view->UpdateFileList();  // Directory is "Drives" from the start
  const std::vector<std::string> roots = DriveRoots();
  ASSERT_GE(roots.size(), 2u);  // C: and Z: at least
  ASSERT_EQ(view->Count(), static_cast<int>(roots.size()));
  for (int i = 0; i < view->Count(); ++i) {
    const TListItem& item = view->Item(i);
    const std::string& root = roots[static_cast<std::size_t>(i)];
    SCOPED_TRACE(root);
    const TShellFileInfo shell = AskShell(Widen(root));
    EXPECT_EQ(item.Caption, DriveCaption(root[0], shell.DisplayName));
    EXPECT_EQ(item.Caption.substr(0, 7), " (" + root.substr(0, 2) + ")  ");
    EXPECT_EQ(item.ImageIndex, shell.IconIndex);
    ASSERT_EQ(item.SubItems.size(), 6u);
    const UINT type = GetDriveTypeW(Widen(root).c_str());
    EXPECT_EQ(item.SubItems[0], std::string(DriveTypeName(lnEnglish, static_cast<int>(type))));
    if (type == DRIVE_FIXED) {
      EXPECT_EQ(item.SubItems[1], DriveSizeText(DiskSizeKB(root), FormatSettings.ThousandSeparator));
      EXPECT_NE(item.SubItems[1], "0 Mb");
    }
    EXPECT_EQ(item.SubItems[2].substr(item.SubItems[2].size() - 3), " Mb");
    EXPECT_EQ(item.SubItems[3], "");
    EXPECT_EQ(item.SubItems[kSubPath], root);
    EXPECT_EQ(item.SubItems[kSubKind], "drv");
  }
  EXPECT_EQ(view->DriveFreeSpace(), 0);
  EXPECT_EQ(view->SelectedNumber(), view->Count());
}

TEST_F(FileListTest, DrivesViewHasItsOwnColumnsAndNoAutomaticMenu) {
  view->UpdateFileList();  // Directory is "Drives" from the start
  ASSERT_EQ(view->ColumnCount(), 5);
  const char* titles[] = {"Name", "Type", "Disk Size", "Free Space", "Attr"};
  const int widths[] = {160, 110, 90, 90, 40};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(view->Column(i).Caption, titles[i]);
    EXPECT_EQ(view->Column(i).Width, widths[i]);
  }
  EXPECT_EQ(view->Column(2).Alignment, TAlignment::taRightJustify);
  EXPECT_FALSE(view->FolderColumnsInPlace());
  EXPECT_FALSE(view->BuiltInMenu()->AutoPopup());
  ListTempDir();
  EXPECT_TRUE(view->BuiltInMenu()->AutoPopup());
  EXPECT_EQ(view->Column(1).Caption, "Size");
}

TEST_F(FileListTest, DriveTypeNamesFollowTheLanguageOfTheLastFileListSet) {
  view->SetLanguage(lnGerman);
  EXPECT_EQ(view->DriveTypeText("C:\\"), std::string(LanguageText(TStringKey::sDrvFixed, lnGerman)));
  // Another file list's construction sets the process-wide language back to English.
  TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  EXPECT_EQ(view->Language(), lnGerman);
  EXPECT_EQ(view->DriveTypeText("C:\\"), "Fixed Disk");
}
}  // namespace
