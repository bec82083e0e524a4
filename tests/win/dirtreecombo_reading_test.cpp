// The combo's tree takes the linked list's reading of the folder it has just listed in
// place of a search of its own, and only while that folder is unchanged.
#include "tests/win/support/DirTreeComboFixture.h"
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
  // Lists A with its last-write time years back, as an old folder has it.
  void ListAged() {
    UniqueFile a(CreateFileW(Widen(Path("A")).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const FILETIME old{0xD53E8000u, 0x01D5C5D3u};
    ASSERT_TRUE(a && SetFileTime(a.get(), nullptr, nullptr, &old));
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
}  // namespace
