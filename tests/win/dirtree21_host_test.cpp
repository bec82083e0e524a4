// The stand-alone folder tree as a host uses it: its menu picked item by item, the end
// of a caption edit as the tree reports it, the contents window inside the tree, the
// tree properties and events it publishes, and the drives token in any case.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/tree/DirTree21PopUp.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/shell/FileOps.h"
#include "tests/win/support/DirTree21Fixture.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/MenuPick.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/Utf.h"

namespace {
bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// The text of the tooltip a control's hint shows.
std::string HintOf(HWND control) {
  std::pair<HWND, std::wstring> search(control, L"");
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND tip, LPARAM param) {
        auto* found = reinterpret_cast<std::pair<HWND, std::wstring>*>(param);
        wchar_t name[64] = {};
        GetClassNameW(tip, name, 64);
        if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
        wchar_t text[128] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = found->first;
        tool.uId = reinterpret_cast<UINT_PTR>(found->first);
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
        if (text[0]) found->second = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return Narrow(search.second);
}

class DirTree21HostTest : public DirTree21Fixture {
 protected:
  void Pick(const std::string& caption) {
    PickFromPopups(caption);
    tree->Menu()->Popup(100, 100);
  }
  HWND CaptionEditor() const { return TreeView_GetEditControl(tree->Handle()); }
  // Types the text into the caption editor and ends the edit as Enter would.
  void FinishEdit(const std::string& text) {
    SetWindowTextW(CaptionEditor(), Widen(text).c_str());
    TreeView_EndEditLabelNow(tree->Handle(), FALSE);
    PumpMessages();
  }
};

TEST_F(DirTree21HostTest, EveryMenuItemPickedFromTheMenuRunsItsCommand) {
  const struct {
    const char* caption;
    const char* shown;  // the folder selected before the pick
    std::function<bool()> done;
  } rows[] = {
      {"&New Folder", "A", [&] { return Exists(Path("A\\New Folder")) && CaptionEditor(); }},
      {"&Rename Folder", "B", [&] { return CaptionEditor() != nullptr; }},
      {"&Delete Folder", "A\\New Folder", [&] { return !Exists(Path("A\\New Folder")); }},
      {"Cu&t", "B", [&] { return tree->PendingPasteOp == 2 && tree->PasteReady; }},
      {"&Copy", "B", [&] { return tree->PendingPasteOp == 0 && tree->PasteReady; }},
      {"&Paste", "A", [&] { return Exists(Path("A\\B")) && !tree->PasteReady; }},
      {"Tree &Size", "A", [&] { return Scripted().Last().Text.rfind("===== TREE SIZE", 0) == 0; }},
      {"&Folder Contents", "A", [&] { return tree->ContentsWindow() != nullptr; }},
      {"&Map Network Drive ...", "A", [&] { return Scripted().Last().Kind == "form"; }},
      {"Dis&Connect Network Drive", "A", [&] { return Scripted().Last().Kind == "disconnect"; }},
      {"&Property", "B", [&] { return Scripted().Last().Caption == "properties"; }},
  };
  for (const auto& row : rows) {
    ASSERT_TRUE(Show(row.shown)) << row.shown;
    Scripted().MessageAnswers = {IDYES};
    Pick(row.caption);
    EXPECT_TRUE(row.done()) << row.caption;
    if (CaptionEditor()) TreeView_EndEditLabelNow(tree->Handle(), TRUE);
    tree->FreeContentsWindow();
  }
}

TEST_F(DirTree21HostTest, CutOrCopyKeepsItsFolderThroughAClickElsewhere) {
  dir.MakeDir("C");
  const struct {
    const char* command;
    bool moved;
  } rows[] = {{"Cu&t", true}, {"&Copy", false}};
  for (const auto& row : rows) {
    tree->Rebuild();
    const TTreeNode a = Show("A");
    ClickLabel(a);
    Pick(row.command);
    // A click on B, then C (which lists each), then Paste on C.
    const TTreeNode b = a.getNextSibling();
    ASSERT_EQ(b.Text(), "B");
    ClickLabel(b);
    EXPECT_EQ(list->Directory(), Path("B\\"));
    const TTreeNode c = b.getNextSibling();
    ClickLabel(c);
    Scripted().Requests.clear();
    Pick("&Paste");
    EXPECT_EQ(Scripted().Count("message"), 0) << row.command;
    EXPECT_TRUE(Exists(Path("C\\A"))) << row.command;
    EXPECT_EQ(Exists(Path("A")), !row.moved) << row.command;
    EXPECT_TRUE(Exists(Path("B"))) << row.command;
    EXPECT_FALSE(Exists(Path("C\\B"))) << row.command;
    // The list shows C as it now is.
    EXPECT_EQ(list->Directory(), Path("C\\")) << row.command;
    bool listed = false;
    for (int i = 0; i < list->Count(); ++i) listed = listed || list->ItemCaption(i) == "A";
    EXPECT_TRUE(listed) << row.command;
    if (row.moved) {
      ASSERT_TRUE(MoveFileW(Widen(Path("C\\A")).c_str(), Widen(Path("A")).c_str()));
    }
  }
}

TEST_F(DirTree21HostTest, PasteMovesNothingWhenTheCutFolderWasReplaced) {
  ClickLabel(Show("A"));
  Pick("Cu&t");
  ClickLabel(Show("B"));
  // Another folder now carries the name A; the one that was cut lives on as Old.
  ASSERT_TRUE(MoveFileW(Widen(Path("A")).c_str(), Widen(Path("Old")).c_str()));
  dir.MakeDir("A");
  Scripted().Requests.clear();
  Pick("&Paste");
  EXPECT_EQ(Scripted().Count("fileop"), 0);
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, Path("A\\") + "not found");
  EXPECT_TRUE(Exists(Path("A")));
  EXPECT_TRUE(Exists(Path("Old")));
  EXPECT_FALSE(Exists(Path("B\\A")));
  EXPECT_FALSE(tree->PasteReady);
}

TEST_F(DirTree21HostTest, TheMenuKeyActsOnTheNodeTheKeysHighlighted) {
  dir.MakeDir("A\\Inner");
  tree->Rebuild();
  ClickLabel(Show("A\\Inner"));
  tree->SetFocus();
  // Each row starts where the one before it ended: Inner, A, B, the computer.
  const struct {
    WORD key;
    std::string highlighted;
    bool marked;  // Cut marks it: a folder, not the computer or a drive
    bool shiftF10;  // the menu opened with Shift+F10, not the menu key
  } rows[] = {
      {VK_BACK, Path("A"), true, false},
      {'B', Path("B"), true, true},  // typed: the next caption with that letter
      {VK_HOME, "Drives", false, false},
      {VK_END, "", false, true},  // the last drive
  };
  for (const auto& row : rows) {
    PressKey(tree->Handle(), row.key);
    PumpMessages();
    const TTreeNode node = tree->Selected();
    ASSERT_TRUE(node) << row.key;
    const std::string shown = row.highlighted.empty() ? tree->GetPathOf(node) : row.highlighted;
    EXPECT_EQ(tree->SelectedPath(), shown) << row.key;
    EXPECT_EQ(list->Directory(), shown == "Drives" ? shown : shown + (shown.back() == '\\' ? "" : "\\")) << row.key;
    if (row.highlighted.empty()) {
      EXPECT_EQ(node.Level(), 1);
    }
    Scripted().Requests.clear();
    tree->SourcePath.clear();
    PickFromPopups("Cu&t");
    if (row.shiftF10) PressKey(tree->Handle(), VK_F10, {.Shift = true});
    else PressKey(tree->Handle(), VK_APPS);
    ASSERT_EQ(Scripted().Count("popup"), 1) << row.key;
    // The menu is enabled for the highlighted node, and Cut marks that one.
    EXPECT_EQ(Scripted().Last().Items[4], row.marked ? "Cu&t" : "Cu&t [disabled]") << row.key;
    EXPECT_EQ(tree->PasteReady, row.marked) << row.key;
    EXPECT_EQ(tree->SourcePath, row.marked ? row.highlighted : "") << row.key;
  }
}

TEST_F(DirTree21HostTest, AKeyPressedWhileAClickListsItsFolderKeepsItsHighlight) {
  dir.MakeDir("A\\Inner");
  tree->Rebuild();
  const TTreeNode inner = Show("A\\Inner");
  Show("B");
  // Backspace comes in while the list reads Inner, as queued input runs then.
  bool pressed = false;
  tree->OnDirChange = [&](TComponent*, const std::string& path) {
    if (pressed || path != Path("A\\Inner")) return;
    pressed = true;
    PressKey(tree->Handle(), VK_BACK);
  };
  ClickLabel(inner);
  ASSERT_TRUE(pressed);
  ASSERT_TRUE(tree->Selected());
  EXPECT_EQ(tree->Selected().Text(), "A");
  EXPECT_EQ(tree->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
}

TEST_F(DirTree21HostTest, ARightClickCommandKeepsTheListOnTheClickedFolder) {
  // A real right click on A, whose Folder Contents collapses the whole tree.
  ClickLabel(Show("B"));
  const TTreeNode a = Show("A");
  POINT at = LabelPoint(a);
  ClientToScreen(tree->Handle(), &at);
  SetForegroundWindow(form->Handle());
  SetCursorPos(at.x, at.y);
  PickFromPopups("&Folder Contents");
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, press, sizeof(INPUT));
  for (int i = 0; i < 100 && !tree->ContentsWindow(); ++i) {
    PumpMessages();
    Sleep(20);
  }
  ASSERT_TRUE(tree->ContentsWindow());
  EXPECT_EQ(tree->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
}

TEST_F(DirTree21HostTest, ARightClickActsWhereItWasPressedNotWhereThePointerWentSince) {
  const TTreeNode a = Show("A");
  POINT pressed = LabelPoint(a);
  POINT pointer = LabelPoint(Show("B"));
  ClientToScreen(tree->Handle(), &pressed);
  ClientToScreen(tree->Handle(), &pointer);
  // The press on A waited in the queue while the pointer moved on to B.
  SetCursorPos(pointer.x, pointer.y);
  PickFromPopups("Cu&t");
  POINT client = pressed;
  ScreenToClient(tree->Handle(), &client);
  auto rightClick = [&] {
    PostMessageW(tree->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    SendMessageW(tree->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
  };
  rightClick();
  EXPECT_EQ(tree->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
  EXPECT_EQ(tree->SourcePath, Path("A"));
  // The menu opens where it opens when the pointer stays on A.
  SetCursorPos(pressed.x, pressed.y);
  rightClick();
  const std::vector<POINT>& menus = Scripted().PopupPoints;
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].x, menus[1].x);
  EXPECT_EQ(menus[0].y, menus[1].y);
}

TEST_F(DirTree21HostTest, TheEndOfAnEditAsTheTreeReportsItRenamesOnlyANewName) {
  Show("B");
  tree->EditSelectedCaption();
  ASSERT_TRUE(CaptionEditor());
  TreeView_EndEditLabelNow(tree->Handle(), TRUE);  // cancelled: no text at all
  tree->EditSelectedCaption();
  FinishEdit("B");  // the same name
  EXPECT_EQ(Scripted().Count("message"), 0);
  EXPECT_EQ(Scripted().Count("fileop"), 0);
  EXPECT_TRUE(Exists(Path("B")));

  std::string edited;
  tree->OnEdited = [&](TComponent*, TTreeNode, std::string& text) {
    edited = text;
    text += "2";
  };
  Scripted().MessageAnswers = {IDYES};
  Show("B");
  tree->EditSelectedCaption();
  FinishEdit("C");
  EXPECT_EQ(edited, "C");
  EXPECT_EQ(Scripted().Count("message"), 1);
  EXPECT_TRUE(Exists(Path("C2")));
  EXPECT_EQ(tree->Selected().Text(), "C2");

  // A host may refuse an edit; the computer and the drives are never edited.
  tree->OnEditing = [](TComponent*, TTreeNode, bool& allow) { allow = false; };
  tree->EditSelectedCaption();
  EXPECT_FALSE(CaptionEditor());
  tree->OnEditing = nullptr;
  tree->SetSelected(tree->GetFirstNode());
  tree->EditSelectedCaption();
  EXPECT_FALSE(CaptionEditor());
}

TEST_F(DirTree21HostTest, TheContentsWindowFillsTheTreeAsItsChildAndAnyCloseFreesIt) {
  dir.Write("A\\a.txt", "a");
  Show("A");
  tree->ShowFolderContents();
  ASSERT_TRUE(tree->ContentsWindow());
  const HWND window = tree->ContentsWindow()->Handle();
  EXPECT_EQ(GetParent(window), tree->Handle());
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);
  auto fills = [&] {
    RECT area{}, inner{};
    GetClientRect(tree->Handle(), &area);
    GetWindowRect(window, &inner);
    MapWindowPoints(nullptr, tree->Handle(), reinterpret_cast<POINT*>(&inner), 2);
    return EqualRect(&area, &inner) != FALSE;
  };
  EXPECT_TRUE(fills());
  tree->SetWidth(220);
  EXPECT_TRUE(fills());

  // The list's hint, the OK button's picture.
  EXPECT_EQ(HintOf(tree->ContentsList()->Handle()), "LeftClick - Select\rDblClick  - Open");
  int pictures = 0;
  for (int i = 0; i < tree->ContentsWindow()->ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TButton*>(tree->ContentsWindow()->Component(i)))
      pictures += SendMessageW(button->Handle(), BM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
  EXPECT_EQ(pictures, 1);

  // Closed without OK (as a close message from anywhere does): freed, and it opens again.
  SendMessageW(window, WM_CLOSE, 0, 0);
  PumpMessages();
  EXPECT_FALSE(tree->ContentsWindow());
  Show("A");
  tree->ShowFolderContents();
  EXPECT_TRUE(tree->ContentsWindow());
}

TEST_F(DirTree21HostTest, PublishedTreePropertiesAndTheDropEventReachTheHost) {
  const HWND hwnd = tree->Handle();
  const struct {
    std::function<void(bool)> set;
    LONG style;
  } rows[] = {
      {[&](bool on) { tree->SetShowButtons(on); }, TVS_HASBUTTONS},
      {[&](bool on) { tree->SetShowLines(on); }, TVS_HASLINES},
      {[&](bool on) { tree->SetShowRoot(on); }, TVS_LINESATROOT},
  };
  for (const auto& row : rows) {
    row.set(false);
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & row.style) << row.style;
    row.set(true);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & row.style) << row.style;
  }
  tree->SetIndent(31);
  EXPECT_EQ(TreeView_GetIndent(hwnd), 31u);
  tree->SetLanguage(lnFrench);  // a new window keeps the settings
  EXPECT_EQ(TreeView_GetIndent(tree->Handle()), 31u);
  EXPECT_EQ(tree->Indent(), 31);

  const TTreeNode b = Show("B");
  tree->AddChild(b, "z");
  tree->AddChild(b, "m");
  EXPECT_EQ(b.getFirstChild().Text(), "z");
  tree->SetSortType(TSortType::stText);
  EXPECT_EQ(b.getFirstChild().Text(), "m");
  tree->AddChild(b, "a");
  EXPECT_EQ(b.getFirstChild().Text(), "a");

  std::string dropped;
  tree->OnDragDrop = [&](TComponent* sender, TComponent* source, int, int) {
    dropped = sender == tree && source == tree ? tree->TargetPath : "";
  };
  tree->DragSourcePath = Path("A");
  const TTreeNode target = Show("B");
  RECT label{};
  TreeView_GetItemRect(tree->Handle(), target.ItemId(), &label, TRUE);
  DragDropOp = 0;
  tree->DragDrop(tree, label.left + 3, (label.top + label.bottom) / 2);
  EXPECT_EQ(dropped, Path("B\\"));
  EXPECT_TRUE(Exists(Path("B\\A")));
}

TEST_F(DirTree21HostTest, TheDrivesTokenInAnyCaseIsNoFolder) {
  tree->SetSelected(tree->GetFirstNode());
  tree->SetSelectedPath("DRIVES");
  tree->ShowFolderContents();
  EXPECT_FALSE(tree->ContentsWindow());
  tree->ShowProperties();
  EXPECT_EQ(Scripted().Count("shellexecuteex"), 0);
}
}  // namespace
