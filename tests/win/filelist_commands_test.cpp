// The file commands on real files in a temporary folder: new folder, rename, delete,
// cut, copy and paste through the clipboard, dropped files, view and find.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleidl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "filebrowser/filelist/DropFilesBlock.h"
#include "filebrowser/filelist/FileListClipboard.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/PathRules.h"
#include "tests/win/support/FileListFixture.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// The name as the folder holds it (the case included).
std::string NameOnDisk(const std::string& path) {
  WIN32_FIND_DATAW found{};
  HANDLE h = FindFirstFileW(Widen(path).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return "";
  FindClose(h);
  return Narrow(found.cFileName);
}

// A movable file-drop block with these bytes after a header of the given offset and wide flag.
HGLOBAL DropBlock(const std::vector<unsigned char>& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

std::vector<unsigned char> WideBlock(const std::vector<std::string>& paths) {
  std::vector<std::u16string> names;
  for (const auto& p : paths) {
    const std::wstring w = Widen(p);
    names.emplace_back(w.begin(), w.end());
  }
  return MakeDropFilesBlock(names);
}

// The block as another program puts it there, with the shell's preferred effect when given.
void PutOnClipboard(const std::vector<unsigned char>& bytes, DWORD effect = 0) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_HDROP, DropBlock(bytes));
  const auto* effectBytes = reinterpret_cast<const unsigned char*>(&effect);
  if (effect)
    SetClipboardData(RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT),
                     DropBlock(std::vector<unsigned char>(effectBytes, effectBytes + sizeof effect)));
  CloseClipboard();
}

class FileListCommandsTest : public FileListTest {
 protected:
  void SetUp() override {
    FileListTest::SetUp();
    form->Show();
    SetForegroundWindow(form->Handle());
    view->SetFocus();
    Scripted().FileOpAnswer = RealFileOperation;
  }
  void Select(std::initializer_list<const char*> captions) {
    view->ClearSelection();
    for (const char* c : captions) view->SetSelected(IndexOf(c), true);
  }
  void Press(WORD key, TKeyMods mods = {}) { PressKey(view->Handle(), key, mods); }
  void Rename(const char* from, const char* to) {
    Select({from});
    Press(VK_F2);
    HWND edit = ListView_GetEditControl(view->Handle());
    ASSERT_TRUE(edit);
    SetWindowTextW(edit, Widen(to).c_str());
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& r : Scripted().Requests)
      if (r.Kind == "message") out.push_back(r.Text);
    return out;
  }
};

TEST_F(FileListCommandsTest, NewFolderTakesTheFirstFreeNumberAndStartsEditingIt) {
  dir.MakeDir("New Folder");
  dir.MakeDir("New Folder(2)");
  ListTempDir();
  view->NewFolder();
  EXPECT_TRUE(Exists(dir.File("New Folder(3)")));
  EXPECT_TRUE(view->IsEditing());
  EXPECT_EQ(view->RenameSourcePath(), dir.File("New Folder(3)"));
  ListView_CancelEditLabel(view->Handle());

  RemoveDirectoryW(Widen(dir.File("New Folder")).c_str());
  view->NewFolder();
  EXPECT_TRUE(Exists(dir.File("New Folder")));
  ListView_CancelEditLabel(view->Handle());
  // A file of the name counts as taken; a read-only list creates but does not edit.
  RemoveDirectoryW(Widen(dir.File("New Folder")).c_str());
  dir.Write("New Folder", "");
  view->SetReadOnly(true);
  view->NewFolder();
  EXPECT_TRUE(Exists(dir.File("New Folder(4)")));
  EXPECT_FALSE(view->IsEditing());
  // The drives view holds no folder to make one in.
  view->SetDirectory("Drives");
  view->NewFolder();
  EXPECT_EQ(Scripted().Count("message"), 0);
  EXPECT_FALSE(Exists(dir.File("Drives")));
}

TEST_F(FileListCommandsTest, RenameRulesReadOnlyExistingNamesAndCase) {
  const std::string r = dir.Write("r.txt", "r");
  const std::string ar = dir.Write("ar.txt", "ar");
  dir.Write("b.txt", "b");
  SetAttributes(r, FILE_ATTRIBUTE_READONLY);
  SetAttributes(ar, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  ListTempDir();
  // The platform here reports every file archived: the entry's letters are set as a
  // read-only file without the archive mark would show them.
  TListItem readOnly = Entry("r.txt");
  readOnly.SubItems.Set(kSubAttr, "R");
  view->SetItem(IndexOf("r.txt"), readOnly);
  Select({"r.txt"});
  Press(VK_F2);
  EXPECT_EQ(Messages(), std::vector<std::string>{"It's ReadOnly"});
  EXPECT_FALSE(view->IsEditing());
  Rename("ar.txt", "ar2.txt");
  EXPECT_TRUE(Exists(dir.File("ar2.txt")));
  EXPECT_FALSE(Exists(ar));
  EXPECT_GE(IndexOf("ar2.txt"), 0);

  Rename("ar2.txt", "b.txt");
  EXPECT_EQ(Messages().back(), "\"b.txt\" already exists !");
  EXPECT_EQ(NameOnDisk(dir.File("b.txt")), "b.txt");
  EXPECT_TRUE(Exists(dir.File("ar2.txt")));
  EXPECT_GE(IndexOf("ar2.txt"), 0);

  Rename("b.txt", "B.TXT");
  EXPECT_EQ(NameOnDisk(dir.File("b.txt")), "B.TXT");
  EXPECT_GE(IndexOf("B.TXT"), 0);
  // A name that would move the file elsewhere is refused and the old one shown again.
  Rename("B.TXT", "..\\x.txt");
  EXPECT_TRUE(Exists(dir.File("B.TXT")));
  EXPECT_GE(IndexOf("B.TXT"), 0);

  // With extensions hidden the edited caption keeps the file's extension.
  view->SetHideFileExt(true);
  view->UpdateFileList();
  Rename("B", "c");
  EXPECT_TRUE(Exists(dir.File("c.TXT")));
  view->SetReadOnly(true);
  Select({"c"});
  Press(VK_F2);
  EXPECT_EQ(Messages().back(), "It's ReadOnly");
  EXPECT_EQ(Scripted().Count("fileop"), 2);
}

TEST_F(FileListCommandsTest, DeleteLeavesTheParentAndSendsTheFilesToTheBin) {
  dir.MakeDir("sub");
  dir.Write("sub\\a.txt", "a");
  dir.Write("sub\\b.txt", "b");
  view->SetDirectory(dir.File("sub"));
  view->SelectAll();
  Press(VK_DELETE);
  ASSERT_EQ(Scripted().Count("fileop"), 1);
  EXPECT_EQ(Scripted().FileOps.back().Code, static_cast<UINT>(FO_DELETE));
  EXPECT_EQ(Scripted().FileOps.back().From, dir.File("sub\\a.txt") + '\0' + dir.File("sub\\b.txt") + '\0');
  EXPECT_TRUE(Scripted().Last().Flags & FOF_ALLOWUNDO);
  EXPECT_FALSE(Exists(dir.File("sub\\a.txt")));
  EXPECT_TRUE(Exists(dir.File("sub")));
  EXPECT_EQ(Captions(), std::vector<std::string>{view->ParentDirCaption()});
}

TEST_F(FileListCommandsTest, ShiftDeleteAsksPerFileAndStopsAtAFolder) {
  dir.Write("a.txt", "a");
  dir.Write("b.txt", "b");
  dir.MakeDir("d");
  ListTempDir();
  Scripted().MessageAnswers = {IDNO, IDYES};
  Select({"a.txt", "b.txt"});
  Press(VK_DELETE, {.Shift = true});
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Are you sure you want to permanently delete file\r  \"a.txt\"?",
                                                  "Are you sure you want to permanently delete file\r  \"b.txt\"?"}));
  EXPECT_EQ(Scripted().Requests[0].Caption, "Confirm");
  EXPECT_TRUE(Exists(dir.File("a.txt")));
  EXPECT_FALSE(Exists(dir.File("b.txt")));
  Select({"d", "a.txt"});
  Press(VK_DELETE, {.Shift = true});
  EXPECT_EQ(Scripted().Count("message"), 2);
  EXPECT_TRUE(Exists(dir.File("a.txt")));
}

TEST_F(FileListCommandsTest, ShiftDeleteDeletesOnlyTheFileItAskedAbout) {
  const std::string b = dir.Write("b.txt", "b");
  const std::string c = dir.Write("c.txt", "c");
  const std::string other = dir.MakeDir("other");
  dir.Write("other\\0.txt", "0");
  dir.Write("other\\1.txt", "1");
  ListTempDir();
  // While the question is open the list is re-read with a new first file, then left.
  Scripted().MessageAnswer = [&](const TModalRequest&) {
    dir.Write("a.txt", "a");
    view->UpdateFileList();
    view->SetDirectory(other + "\\");
    return IDYES;
  };
  Select({"b.txt"});
  Press(VK_DELETE, {.Shift = true});
  EXPECT_FALSE(Exists(b));
  for (const char* kept : {"a.txt", "c.txt", "other\\0.txt", "other\\1.txt"})
    EXPECT_TRUE(Exists(dir.File(kept))) << kept;
  // A file replaced by another of its name while the question is open: the new one stays.
  ListTempDir();
  Scripted().MessageAnswer = [&](const TModalRequest&) {
    DeleteFileW(Widen(c).c_str());
    dir.Write("c.txt", "new");
    return IDYES;
  };
  Select({"c.txt"});
  Press(VK_DELETE, {.Shift = true});
  EXPECT_TRUE(Exists(c));
}

TEST_F(FileListCommandsTest, VanishedAndLockedFilesLoseNothing) {
  dir.Write("gone.txt", "g");
  const std::string locked = dir.Write("locked.txt", "l");
  ListTempDir();
  DeleteFileW(Widen(dir.File("gone.txt")).c_str());
  UniqueFile holder(CreateFileW(Widen(locked).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  Scripted().MessageAnswers = {IDYES, IDYES};
  Select({"gone.txt", "locked.txt"});
  Press(VK_DELETE, {.Shift = true});
  EXPECT_TRUE(Exists(locked));
  EXPECT_EQ(Captions(), (std::vector<std::string>{view->ParentDirCaption(), "locked.txt"}));
  holder.reset();
  dir.Write("gone.txt", "g");
  view->UpdateFileList();
  DeleteFileW(Widen(dir.File("gone.txt")).c_str());
  Rename("gone.txt", "back.txt");  // the shell refuses: the list shows what is there
  EXPECT_FALSE(Exists(dir.File("back.txt")));
  EXPECT_EQ(Captions(), (std::vector<std::string>{view->ParentDirCaption(), "locked.txt"}));
}

TEST_F(FileListCommandsTest, CopyAndCutPasteTwiceThroughTheClipboard) {
  dir.MakeDir("from");
  dir.MakeDir("to");
  dir.Write("from\\a.txt", "a");
  dir.Write("from\\b c.txt", "bc");
  view->SetDirectory(dir.File("from"));
  Select({"a.txt", "b c.txt"});
  Press('C', {.Ctrl = true});
  EXPECT_EQ(view->ClipboardList(), dir.File("from\\a.txt") + '\0' + dir.File("from\\b c.txt") + '\0');
  EXPECT_EQ(view->PendingPasteOp(), 0);
  view->SetDirectory(dir.File("to"));
  Press('V', {.Ctrl = true});
  EXPECT_TRUE(Exists(dir.File("to\\a.txt")) && Exists(dir.File("to\\b c.txt")));
  EXPECT_TRUE(Exists(dir.File("from\\a.txt")));
  EXPECT_TRUE(view->PendingFiles().empty());
  DeleteFileW(Widen(dir.File("to\\a.txt")).c_str());
  Press('V', {.Ctrl = true});  // again, from the clipboard
  EXPECT_TRUE(Exists(dir.File("to\\a.txt")));

  view->SetDirectory(dir.File("from"));
  Select({"a.txt"});
  Press('X', {.Ctrl = true});
  EXPECT_TRUE(Exists(dir.File("from\\a.txt")));  // nothing moves before the paste
  dir.MakeDir("to2");
  view->SetDirectory(dir.File("to2"));
  Press('V', {.Ctrl = true});
  EXPECT_FALSE(Exists(dir.File("from\\a.txt")));
  EXPECT_TRUE(Exists(dir.File("to2\\a.txt")));
  const int asked = Scripted().Count("fileop");
  Press('V', {.Ctrl = true});  // the source has gone: the shell is asked, nothing is lost
  EXPECT_EQ(Scripted().Count("fileop"), asked + 1);
  EXPECT_EQ(Scripted().FileOps.back().Code, static_cast<UINT>(FO_MOVE));
  EXPECT_TRUE(Exists(dir.File("to2\\a.txt")));
  // Pasted where it already is: nothing to do.
  Select({"a.txt"});
  Press('C', {.Ctrl = true});
  Press('V', {.Ctrl = true});
  EXPECT_EQ(Scripted().Count("fileop"), asked + 1);
  EXPECT_TRUE(Exists(dir.File("to2\\a.txt")));
}

TEST_F(FileListCommandsTest, PasteReadsBlocksOfOtherProgramsSafely) {
  dir.MakeDir("to");
  const std::string a = dir.Write("\xD0\x96 a.txt", "a");  // a name outside most code pages
  const std::string b = dir.Write("b.txt", "b");
  view->SetDirectory(dir.File("to"));
  PutOnClipboard(WideBlock({a, b}));
  Press('V', {.Ctrl = true});
  EXPECT_TRUE(Exists(dir.File("to\\\xD0\x96 a.txt")));
  EXPECT_TRUE(Exists(dir.File("to\\b.txt")));
  // No closing NULs: only the complete name is taken.
  std::vector<unsigned char> cut = WideBlock({dir.File("b.txt"), a});
  cut.resize(cut.size() - 4);
  DeleteFileW(Widen(dir.File("to\\b.txt")).c_str());
  DeleteFileW(Widen(dir.File("to\\\xD0\x96 a.txt")).c_str());
  PutOnClipboard(cut);
  Press('V', {.Ctrl = true});
  EXPECT_TRUE(Exists(dir.File("to\\b.txt")));
  EXPECT_FALSE(Exists(dir.File("to\\\xD0\x96 a.txt")));
  // An offset past the end holds no names.
  std::vector<unsigned char> beyond = WideBlock({b});
  beyond[1] = 0x7F;
  PutOnClipboard(beyond);
  Press('V', {.Ctrl = true});
  EXPECT_EQ(Messages(), std::vector<std::string>{"No file(s) selected"});
  EXPECT_TRUE(Exists(a) && Exists(b));
}

TEST_F(FileListCommandsTest, PasteMovesOnlyWhatWasCutOrWhatAnotherProgramAsksToMove) {
  dir.MakeDir("to");
  const std::string a = dir.Write("a.txt", "a");
  const std::string b = dir.Write("b.txt", "b");
  const std::string c = dir.Write("c.txt", "c");
  ListTempDir();
  Select({"a.txt"});
  Press('X', {.Ctrl = true});
  EXPECT_TRUE(ReadFilesFromClipboard(nullptr).Move);  // other programs move it too
  view->SetDirectory(dir.File("to"));
  Press('V', {.Ctrl = true});
  EXPECT_FALSE(Exists(a));
  PutOnClipboard(WideBlock({b}));
  Press('V', {.Ctrl = true});
  EXPECT_TRUE(Exists(b));
  EXPECT_TRUE(Exists(dir.File("to\\b.txt")));
  PutOnClipboard(WideBlock({c}), DROPEFFECT_MOVE);
  Press('V', {.Ctrl = true});
  EXPECT_FALSE(Exists(c));
  EXPECT_TRUE(Exists(dir.File("to\\c.txt")));
  // An offer of either, or of a copy, is copied.
  for (const DWORD effect : {DWORD{DROPEFFECT_COPY | DROPEFFECT_MOVE}, DWORD{DROPEFFECT_COPY}}) {
    const std::string d = dir.Write("d.txt", "d");
    DeleteFileW(Widen(dir.File("to\\d.txt")).c_str());
    PutOnClipboard(WideBlock({d}), effect);
    Press('V', {.Ctrl = true});
    EXPECT_TRUE(Exists(d)) << effect;
    EXPECT_TRUE(Exists(dir.File("to\\d.txt"))) << effect;
  }
}

TEST_F(FileListCommandsTest, PasteLeavesAFileReplacedAfterItWasTaken) {
  dir.MakeDir("to");
  const std::string a = dir.Write("a.txt", "a");
  const std::string b = dir.Write("b.txt", "b");
  ListTempDir();
  Select({"a.txt", "b.txt"});
  Press('X', {.Ctrl = true});
  view->SetDirectory(dir.File("to"));
  // While a.txt is moved, b.txt is replaced by another file of its name.
  Scripted().FileOpAnswer = [&](SHFILEOPSTRUCTW& op) {
    if (Scripted().FileOps.size() == 1) {
      DeleteFileW(Widen(b).c_str());
      dir.Write("b.txt", "new");
    }
    return RealFileOperation(op);
  };
  Press('V', {.Ctrl = true});
  EXPECT_TRUE(Exists(dir.File("to\\a.txt")));
  EXPECT_TRUE(Exists(b));
  EXPECT_FALSE(Exists(dir.File("to\\b.txt")));
  EXPECT_EQ(Scripted().FileOps.size(), 1u);
}

TEST_F(FileListCommandsTest, DroppedFilesAreCopiedOrStayPendingInTheDrivesView) {
  dir.MakeDir("to");
  std::vector<std::string> files;
  for (const char* n : {"1.txt", "2.txt", "3.txt"}) files.push_back(dir.Write(n, n));
  auto drop = [&](const std::vector<std::string>& names) {
    SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropBlock(WideBlock(names))), 0);
  };
  view->SetDirectory("Drives");
  drop(files);
  EXPECT_EQ(view->DroppedFiles(), files);
  EXPECT_EQ(view->PendingFiles().size(), 3u);
  EXPECT_EQ(Scripted().Count("fileop"), 0);
  view->SetDirectory(dir.File("to"));
  view->PasteFiles();
  for (const char* n : {"1.txt", "2.txt", "3.txt"}) EXPECT_TRUE(Exists(dir.File("to\\") + n)) << n;

  Scripted().FileOpAnswer = nullptr;
  std::vector<std::string> many;
  for (int i = 0; i < 1000; ++i) many.push_back(dir.File("m" + std::to_string(i) + std::string(300, 'x')));
  drop(many);
  EXPECT_EQ(Scripted().FileOps.size(), 1003u);
  EXPECT_EQ(Scripted().FileOps.back().From, many.back() + '\0');
  EXPECT_EQ(Scripted().FileOps.back().To, dir.File("to\\") + ExtractFileName(many.back()) + '\0');
}

TEST_F(FileListCommandsTest, ViewStartsTheViewerOfTheExtensionAndFindSearchesTheFolder) {
  dir.Write("a.TxT", "a");
  dir.Write("b c.txt", "b");
  dir.Write("d.log", "d");
  ListTempDir();
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  for (const char* name : {"a.TxT", "b c.txt", "d.log"}) {
    Select({name});
    Press('F', {.Ctrl = true});
  }
  ASSERT_EQ(Scripted().Count("shellexecute"), 2);
  const TModalRequest& first = Scripted().Requests[0];
  EXPECT_EQ(first.Text, Narrow(windows) + "\\NotePad.exe");
  EXPECT_EQ(first.Items, (std::vector<std::string>{"a.TxT", dir.Path()}));
  EXPECT_EQ(Scripted().Requests[1].Items[0], "\"b c.txt\"");
  Press(VK_F3);
  EXPECT_EQ(Scripted().Last().Caption, "Find");
  EXPECT_EQ(Scripted().Last().Text, dir.Path());
}

}  // namespace
