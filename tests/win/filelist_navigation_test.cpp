// The file list worked with the mouse and the keys: clicks, double clicks, going up,
// the key table's modifier rule, and which events it raises.
#include <gtest/gtest.h>

#include "filebrowser/folders/DirTreeLink.h"
#include "filebrowser/shell/FileOps.h"
#include "tests/win/support/FileListFixture.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Utf.h"

namespace {
class FileListNavigationTest : public FileListTest {
 protected:
  void SetUp() override {
    FileListTest::SetUp();
    form->Show();
    SetForegroundWindow(form->Handle());
    view->OnClick = [this](TComponent*) { events.push_back("click " + view->SelectedItem()); };
    view->OnItemChange = [this](TComponent*, const std::string& path) { events.push_back("item " + path); };
    view->OnDblClick = [this](TComponent*) { events.push_back("dblclick"); };
    view->OnKeyDown = [this](TComponent*, WORD& key, TShiftState) { events.push_back("key " + std::to_string(key)); };
  }
  void ClickAt(int index, bool twice = false) { ClickListItem(*view, index, twice); }
  void Press(WORD key, TKeyMods mods = {}) { PressKey(view->Handle(), key, mods); }
  std::vector<std::string> events;
};

TEST_F(FileListNavigationTest, ClickSetsTheItemAndRaisesTheEventsOnlyOnAnEntry) {
  dir.Write("a.txt", "a");
  ListTempDir();
  ClickAt(-1);
  EXPECT_TRUE(events.empty());
  ClickAt(IndexOf("a.txt"));
  EXPECT_EQ(events, (std::vector<std::string>{"item " + dir.File("a.txt"), "click " + dir.File("a.txt")}));
}

TEST_F(FileListNavigationTest, BackspaceGoesUpAndReselectsTheFolderLeft) {
  dir.MakeDir("Texts");
  dir.MakeDir("Texts\\Old");
  view->SetDirectory(dir.File("Texts\\Old"));
  Press(VK_BACK);
  EXPECT_EQ(view->Directory(), dir.File("Texts\\"));
  ASSERT_GE(view->Selected(), 0);
  EXPECT_EQ(view->Item(view->Selected()).Caption, "Old");
  EXPECT_EQ(view->ItemFocused(), view->Selected());
  EXPECT_EQ(view->SelectedItem(), dir.File("Texts\\Old"));
  EXPECT_EQ(events, (std::vector<std::string>{"item " + dir.File("Texts\\Old"),
                                              "click " + dir.File("Texts\\Old"), "key 8"}));
  // Without folders shown nothing is re-selected.
  view->SetShowFolders(false);
  Press(VK_BACK);
  EXPECT_EQ(view->Directory(), dir.Path());
  EXPECT_EQ(view->Selected(), -1);

  view->SetDirectory("C:\\");
  Press(VK_BACK);
  EXPECT_TRUE(view->IsDrivesView());
  const int before = view->Count();
  Press(VK_BACK);
  EXPECT_TRUE(view->IsDrivesView());
  EXPECT_EQ(view->Count(), before);
}

TEST_F(FileListNavigationTest, BackspaceWhileACaptionIsEditedDoesNotGoUp) {
  dir.MakeDir("sub");
  view->SetDirectory(dir.File("sub"));
  dir.Write("sub\\a.txt", "a");
  view->UpdateFileList();
  view->EditCaption(IndexOf("a.txt"));
  ASSERT_TRUE(view->IsEditing());
  Press(VK_BACK);
  EXPECT_EQ(view->Directory(), dir.File("sub\\"));
}

TEST_F(FileListNavigationTest, DoubleClickOpensGoesUpOrRaisesTheEvent) {
  dir.MakeDir("sub");
  dir.Write("sub\\a.txt", "a");
  view->SetDirectory(dir.File("sub"));
  struct Case {
    bool toOpen;
    const char* entry;
    const char* directoryAfter;
    int shellCalls;
    bool dblEvent;
  } const cases[] = {
      {false, "a.txt", "sub\\", 0, true},   // a file with DblClickToOpen off: only the event
      {true, "a.txt", "sub\\", 1, false},   // opened with the shell
      {false, " Parent", "", 0, false},     // the parent entry goes up
      {true, "sub", "sub\\", 0, false},     // a folder is entered
  };
  for (const Case& c : cases) {
    events.clear();
    ResetScripted();
    view->SetDblClickToOpen(c.toOpen);
    ClickAt(IndexOf(c.entry), true);
    EXPECT_EQ(view->Directory(), dir.Path() + c.directoryAfter) << c.entry;
    EXPECT_EQ(Scripted().Count("shellexecute"), c.shellCalls) << c.entry;
    EXPECT_EQ(std::count(events.begin(), events.end(), "dblclick"), c.dblEvent ? 1 : 0) << c.entry;
  }
  view->SetDirectory(dir.File("sub"));
  view->SetDblClickToOpen(true);
  ClickAt(IndexOf("a.txt"), true);
  ASSERT_EQ(Scripted().Count("shellexecute"), 1);
  const TModalRequest& run = Scripted().Last();
  EXPECT_EQ(run.Caption + " " + run.Text + " " + run.Items[1], "Open a.txt " + dir.File("sub\\"));
  EXPECT_EQ(run.Flags, static_cast<UINT>(SW_SHOW));
}

TEST_F(FileListNavigationTest, KeysNeedTheExactModifiersAndRaiseKeyDownByTheRule) {
  dir.MakeDir("sub");
  dir.Write("a.txt", "a");
  dir.Write("b.txt", "b");
  ListTempDir();
  Press('A', {.Ctrl = true, .Shift = true});
  EXPECT_EQ(view->SelCount(), 0);
  Press('A', {.Ctrl = true});
  EXPECT_EQ(view->SelCount(), view->Count());
  view->ClearSelection();
  view->SetSelected(IndexOf("sub"), true);
  Press('O', {.Ctrl = true, .Alt = true});
  Press(VK_RETURN, {.Shift = true});
  EXPECT_EQ(view->Directory(), dir.Path());
  Press('O', {.Ctrl = true});
  EXPECT_EQ(view->Directory(), dir.File("sub\\"));

  // Escape and F4 without a combo, and Shift+Delete with nothing selected, raise nothing.
  events.clear();
  view->ClearSelection();
  for (WORD key : {VK_ESCAPE, VK_F4}) Press(key);
  Press(VK_DELETE, {.Shift = true});
  Press(VK_F3);
  Press(VK_DELETE, {.Alt = true});
  EXPECT_EQ(events, (std::vector<std::string>{"key " + std::to_string(VK_F3), "key " + std::to_string(VK_DELETE)}));
}

TEST_F(FileListNavigationTest, F5ReadsTheFolderAgainWithoutLinkedViews) {
  ListTempDir();
  dir.Write("late.txt", "x");
  EXPECT_EQ(IndexOf("late.txt"), -1);
  Press(VK_F5);
  EXPECT_GE(IndexOf("late.txt"), 0);
}

TEST_F(FileListNavigationTest, AFolderThatWentListsEmptyAndStaysTheDirectory) {
  const std::string gone = dir.MakeDir("Gone") + "\\";
  dir.Write("Gone\\a.txt", "a");
  dir.MakeDir("Up");
  const std::string down = dir.MakeDir("Up\\Down") + "\\";
  view->SetDirectory(gone);
  ASSERT_GE(IndexOf("a.txt"), 0);
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(dir.Path()).c_str()));
  ASSERT_TRUE(DeleteFileW(Widen(dir.File("Gone\\a.txt")).c_str()));
  ASSERT_TRUE(RemoveDirectoryW(Widen(gone).c_str()));
  Press(VK_F5);
  EXPECT_EQ(view->Count(), 0);
  EXPECT_EQ(view->Directory(), gone);

  // Going up from a folder whose parent went too: the list stays where it is.
  view->SetDirectory(down);
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(dir.Path()).c_str()));
  ASSERT_TRUE(RemoveDirectoryW(Widen(down).c_str()));
  ASSERT_TRUE(RemoveDirectoryW(Widen(dir.File("Up")).c_str()));
  Press(VK_BACK);
  EXPECT_EQ(view->Directory(), down);
  EXPECT_EQ(Scripted().Count("message"), 0);
}

TEST_F(FileListNavigationTest, TypingLettersMovesTheSelection) {
  for (const char* n : {"alpha.txt", "beta.txt", "bravo.txt"}) dir.Write(n, "");
  ListTempDir();
  view->SetFocus();
  for (const auto& [typed, wanted] : {std::pair{L'b', "beta.txt"}, std::pair{L'r', "bravo.txt"}}) {
    SendMessageW(view->Handle(), WM_CHAR, typed, 1);
    EXPECT_EQ(view->Selected(), IndexOf(wanted)) << wanted;
  }
}

// A stand-alone tree as the list sees it, recording what it is told.
class FakeTree : public TComponent, public TDirTreeLink {
 public:
  using TComponent::TComponent;
  std::vector<std::string> Calls;
  void SetFileList(TDqFilelistView28* list) override { Calls.push_back(list ? "link" : "unlink"); }
  std::string SelectedPath() const override { return "C:\\kept\\"; }
  void RebuildTree() override { Calls.push_back("rebuild"); }
  void SelectPath(const std::string& path) override { Calls.push_back("select " + path); }
  std::string FirstNodeCaption() const override { return "Computer"; }
  bool DragDropEnabled() const override { return true; }
  void BeginDragFrom(TDqFilelistView28&, int px) override { Calls.push_back("drag " + std::to_string(px)); }
};

TEST_F(FileListNavigationTest, LinkedTreeFollowsAndTheMousePressPicksTheDropOperation) {
  dir.Write("a.txt", "a");
  ListTempDir();
  auto* tree = TComponent::Create<FakeTree>(form.get());
  view->SetDirTree(tree);
  Press(VK_F5);
  DragDropOp = -1;
  // The view follows a right press until the button is released.
  PostMessageW(view->Handle(), WM_RBUTTONUP, 0, 0);
  SendMessageW(view->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
  EXPECT_EQ(DragDropOp, -1);
  ClickAt(IndexOf("a.txt"));
  EXPECT_EQ(DragDropOp, 2);
  SendMessageW(view->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 0);
  SendMessageW(view->Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(DragDropOp, 0);
  EXPECT_EQ(tree->Calls, (std::vector<std::string>{"link", "rebuild", "select C:\\kept\\", "drag 15", "drag 15"}));
  form->FreeComponent(tree);
  EXPECT_EQ(view->DirTree(), nullptr);
  Press(VK_F5);  // no longer told anything
}
}  // namespace
