// The combo's tree takes the linked list's reading of the folder it has just listed in
// place of a search of its own, and only while that folder is unchanged.
#include "tests/win/support/DirTreeComboFixture.h"

#include <set>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {

// Sets a folder's last-write time years back, as an old folder has it.
void AgeFolder(const std::string& path) {
  UniqueFile folder(CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(folder);
  const FILETIME old{0xD53E8000u, 0x01D5C5D3u};  // January 2020
  ASSERT_TRUE(SetFileTime(folder.get(), nullptr, nullptr, &old));
}

struct TNodeShown {
  std::string Caption;
  int Image, Open;
  bool operator==(const TNodeShown&) const = default;
};

std::set<std::string> Captions(const std::vector<TNodeShown>& nodes) {
  std::set<std::string> out;
  for (const TNodeShown& node : nodes) out.insert(node.Caption);
  return out;
}

class DirTreeReadingTest : public DirTreeComboTest {
 protected:
  void SetUp() override {
    DirTreeComboTest::SetUp();
    for (const char* name : {"A", "A\\beta", "A\\Alpha", "A\\_hidden", "A\\beta\\x"}) dir.MakeDir(name);
    SetFileAttributesW(Widen(Path("A\\_hidden")).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    dir.Write("A\\f.txt", "");
    // As Scrivlet lists: its texts only, no folders.
    list->SetMask("*.txt");
    list->SetShowFolders(false);
    list->SetDirectory(Path("A"));
    AgeFolder(Path("A"));
  }
  // Rebuilds the tree and locates A in it; returns the searches that made.
  int LocateAfresh() {
    combo->ResetTree();
    const int before = Tree().ScanCount();
    combo->ShowPath(Path("A"));
    return Tree().ScanCount() - before;
  }
  std::vector<TNodeShown> ShownChildren() const {
    std::vector<TNodeShown> out;
    for (TTreeNode c = Tree().Selected().getFirstChild(); c; c = c.getNextSibling())
      out.push_back({c.Text(), c.ImageIndex(), c.SelectedIndex()});
    return out;
  }
};

TEST_F(DirTreeReadingTest, ListedFolderIsNotSearchedAgainAndGivesTheSameNodes) {
  list->UpdateFileList();
  EXPECT_EQ(list->FolderSearches(), 1);
  const int withReading = LocateAfresh();
  const std::vector<TNodeShown> fromReading = ShownChildren();
  EXPECT_EQ(withReading, LocateAfresh() - 1) << "one search fewer";
  EXPECT_EQ(ShownChildren(), fromReading);
  EXPECT_EQ(Captions(fromReading), (std::set<std::string>{"_hidden", "Alpha", "beta"}));
  // One-shot: a later listing of the same folder searches again.
  EXPECT_EQ(LocateAfresh(), withReading + 1);
}

TEST_F(DirTreeReadingTest, FolderChangedSinceTheListingIsSearchedAgain) {
  list->UpdateFileList();
  dir.MakeDir("A\\gamma");
  const int searches = LocateAfresh();
  EXPECT_EQ(Captions(ShownChildren()).count("gamma"), 1u);
  AgeFolder(Path("A"));
  list->UpdateFileList();
  EXPECT_EQ(LocateAfresh(), searches - 1);
  // A folder written just before its listing cannot tell a change within the clock's step.
  dir.MakeDir("A\\delta");
  list->UpdateFileList();
  EXPECT_EQ(LocateAfresh(), searches);
}

}  // namespace
