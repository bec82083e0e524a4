// The combo's tree takes the linked list's reading of the folder it has just listed in
// place of a search of its own, and only while that folder is unchanged.
#include "tests/win/support/DirTreeComboFixture.h"

#include <algorithm>

#include "filebrowser/folders/FolderReading.h"
#include "tests/win/support/TestDrive.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
class DirTreeReadingTest : public DirTreeComboTest {
 protected:
  void SetUp() override {
    DirTreeComboTest::SetUp();
    for (const char* name : {"A", "A\\beta", "A\\Alpha", "A\\_hidden", "A\\beta\\x"}) dir.MakeDir(name);
    SetFileAttributesW(Widen(Path("A\\_hidden")).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    list->SetMask("*.txt");  // as Scrivlet lists: texts only, no folders
    list->SetShowFolders(false);
    list->SetDirectory(Path("A"));
  }
  // Puts A's last-write time years back, as an old folder has it.
  void AgeA() {
    UniqueFile a(CreateFileW(Widen(Path("A")).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const FILETIME old{0xD53E8000u, 0x01D5C5D3u};
    ASSERT_TRUE(a && SetFileTime(a.get(), nullptr, nullptr, &old));
  }
  // Lists A aged.
  void ListAged() {
    AgeA();
    list->UpdateFileList();
  }
  // Rebuilds the tree and locates A in it; the searches that took and A's children.
  int LocateAfresh(std::vector<std::string>* shown = nullptr) {
    combo->ResetTree();
    const int before = Tree().ScanCount();
    combo->ShowPath(Path("A"));
    for (TTreeNode c = Tree().Selected().getFirstChild(); shown && c; c = c.getNextSibling())
      shown->push_back(c.Text() + "|" + std::to_string(c.ImageIndex()) + "|" + std::to_string(c.SelectedIndex()));
    return Tree().ScanCount() - before;
  }
};

TEST_F(DirTreeReadingTest, ListedFolderIsNotSearchedAgainAndGivesTheSameNodes) {
  ListAged();
  std::vector<std::string> fromReading, fromSearch;
  const int searches = LocateAfresh(&fromReading);
  EXPECT_EQ(list->FolderSearches(), 1);
  EXPECT_EQ(LocateAfresh(&fromSearch), searches + 1) << "one-shot: the next locate searches";
  EXPECT_EQ(fromReading, fromSearch);
  EXPECT_EQ(fromReading.size(), 3u) << "hidden folders too";
}

TEST_F(DirTreeReadingTest, FolderChangedSinceTheListingIsSearchedAgain) {
  ListAged();
  dir.MakeDir("A\\gamma");
  std::vector<std::string> shown;
  const int searches = LocateAfresh(&shown);
  EXPECT_EQ(shown.size(), 4u);
  ListAged();
  EXPECT_EQ(LocateAfresh(), searches - 1);
  // Written just before the listing, a change within the clock's step could not be told.
  dir.MakeDir("A\\delta");
  list->UpdateFileList();
  EXPECT_EQ(LocateAfresh(), searches);
}

TEST_F(DirTreeReadingTest, RefreshAndNotificationsSearchAgainWhenTheFolderTimeStayed) {
  // As on FAT and exFAT: entries come and go while the folder's time stays.
  combo->ShowPath(Path("A"));
  const struct {
    bool Notify;
    std::string Made, Removed;
  } rows[] = {{false, "gamma", ""}, {true, "", "Alpha"}, {true, "delta", ""}, {false, "", "gamma"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Made + row.Removed);
    ListAged();  // the reading lingers: nothing has taken it
    if (!row.Made.empty()) dir.MakeDir("A\\" + row.Made);
    if (!row.Removed.empty()) {
      ASSERT_TRUE(RemoveDirectoryW(Widen(Path("A\\" + row.Removed)).c_str()));
    }
    AgeA();
    if (row.Notify) {
      const std::wstring changed = Widen(Path("A\\" + row.Made + row.Removed));
      SHChangeNotify(row.Made.empty() ? SHCNE_RMDIR : SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, changed.c_str(), nullptr);
      PumpMessages();
    } else {
      Press(VK_F5);
    }
    const std::vector<std::string> shown = ChildCaptions(Tree().Selected());
    EXPECT_EQ(std::count(shown.begin(), shown.end(), row.Made), row.Made.empty() ? 0 : 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), row.Removed), 0);
  }
}

TEST(FolderTimes, OnlyFileSystemsKnownToMoveThemAreTrusted) {
  for (const char* name : {"NTFS", "ntfs", "ReFS"}) EXPECT_TRUE(FileSystemMovesFolderTimes(name)) << name;
  for (const char* name : {"FAT", "FAT32", "exFAT", "UDF", "CDFS", "NTFS2", ""})
    EXPECT_FALSE(FileSystemMovesFolderTimes(name)) << name;
  // A volume that cannot be asked tells nothing.
  EXPECT_FALSE(VolumeMovesFolderTimes("Q:\\nowhere\\"));
}

TEST_F(DirTreeReadingTest, NoReadingIsKeptOnAVolumeThatLeavesFolderTimesAlone) {
  AgeA();
  const TTestDrive cd(DRIVE_CDROM, Path(""));
  if (!cd.Letter()) GTEST_SKIP() << "no drive could be mapped to the test folder (Wine's mount manager only)";
  const std::string onCd = std::string(1, cd.Letter()) + ":\\A";
  TFolderReading reading;
  // The same aged folder: its own volume moves folder times, the CD's file system does not.
  EXPECT_TRUE(BeginFolderReading(reading, Path("A")));
  EXPECT_FALSE(VolumeMovesFolderTimes(onCd));
  EXPECT_FALSE(BeginFolderReading(reading, onCd));
}
}  // namespace
