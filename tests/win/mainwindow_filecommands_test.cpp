// The file commands as Scrivlet's window offers them: by keys, in a read-only list.
#include <gtest/gtest.h>

#include <cstring>

#include "filebrowser/filelist/DropFilesBlock.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/MainWindowFixture.h"
#include "toolkit/Utf.h"

namespace {
bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class MainWindowFileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Scripted().FileOpAnswer = RealFileOperation;
    list = form->BrowseFiles;
  }
  void SelectAndPress(const std::string& caption, WORD key, TKeyMods mods = {}) {
    list->ClearSelection();
    for (int i = 0; i < list->Count(); ++i)
      if (list->Item(i).Caption == caption) list->SetSelected(i, true);
    list->SetFocus();
    PressKey(list->Handle(), key, mods);
  }
  TDqFilelistView28* list = nullptr;
};

TEST_F(MainWindowFileCommandsTest, CutPasteMovesDeleteGoesToTheBinRenameIsRefused) {
  dir.Write("a.txt", "a");
  // A name no earlier run has left in the bin.
  const std::string b = "b" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + ".txt";
  dir.Write(b, "b");
  dir.MakeDir("other");
  list->SetDirectory(dir.Path());
  SelectAndPress("a.txt", 'X', {.Ctrl = true});
  list->SetDirectory(dir.File("other"));
  PressKey(list->Handle(), 'V', {.Ctrl = true});
  EXPECT_FALSE(Exists(dir.File("a.txt")));
  EXPECT_TRUE(Exists(dir.File("other\\a.txt")));

  list->SetDirectory(dir.Path());
  SelectAndPress(b, VK_F2);
  EXPECT_EQ(Scripted().Last().Text, "It's ReadOnly");
  EXPECT_FALSE(list->IsEditing());
  SelectAndPress(b, VK_DELETE);
  EXPECT_FALSE(Exists(dir.File(b)));
  // The recycle bin of the sandboxed home, as Wine names that home ("\\??\\Z:\\...").
  wchar_t home[MAX_PATH] = {};
  ASSERT_TRUE(GetEnvironmentVariableW(L"WINEHOMEDIR", home, MAX_PATH));
  const std::string bin = Narrow(home).substr(4) + "\\.local\\share\\Trash\\";
  EXPECT_TRUE(Exists(bin + "files\\" + b)) << bin;
  DeleteFileW(Widen(bin + "files\\" + b).c_str());
  DeleteFileW(Widen(bin + "info\\" + b + ".trashinfo").c_str());
}

TEST_F(MainWindowFileCommandsTest, FilesDroppedOnTheWindowAreCopiedIntoTheListedFolder) {
  dir.MakeDir("to");
  std::vector<std::u16string> names;
  for (const char* n : {"1.txt", "2.txt", "3.txt"}) {
    const std::wstring path = Widen(dir.Write(n, n));
    names.emplace_back(path.begin(), path.end());
  }
  const std::vector<unsigned char> block = MakeDropFilesBlock(names);
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE, block.size());
  std::memcpy(GlobalLock(drop), block.data(), block.size());
  GlobalUnlock(drop);
  list->SetDirectory(dir.File("to"));
  SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  for (const char* n : {"1.txt", "2.txt", "3.txt"}) EXPECT_TRUE(Exists(dir.File("to\\") + n)) << n;
  EXPECT_EQ(list->Count(), 3);
}

}  // namespace
