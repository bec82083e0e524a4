// The drop-down's pop-up behaviour, driven by mouse messages at node positions.
#include "tests/win/support/DirTreeComboFixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class DirTreeMouseTest : public DirTreeComboTest {
 protected:
  // The middle of the node's caption, in the tree's client coordinates.
  static POINT LabelPoint(TTreeNode node) {
    RECT rc{};
    const HTREEITEM item = node.ItemId();
    memcpy(&rc, &item, sizeof item);  // the message takes the item in the rectangle
    SendMessageW(node.TreeView()->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  }
  // A point on the node's expand button.
  POINT ButtonPoint(TTreeNode node) const {
    const POINT label = LabelPoint(node);
    for (int x = label.x; x >= 0; --x)
      if (Tree().GetHitTestInfoAt(x, label.y) & TVHT_ONITEMBUTTON) return {x, label.y};
    ADD_FAILURE() << "no expand button for " << node.Text();
    return label;
  }
  void Send(UINT msg, POINT pt) {
    SendMessageW(Tree().Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(pt.x, pt.y));
  }
  void Click(POINT pt) {
    Send(WM_MOUSEMOVE, pt);
    Send(WM_LBUTTONDOWN, pt);
    Send(WM_LBUTTONUP, pt);
  }
};

TEST_F(DirTreeMouseTest, HoverSelectsButtonKeepsOpenOutsideClosesLabelPicks) {
  dir.MakeDir("A");
  dir.MakeDir("B");
  dir.MakeDir("B\\x");
  combo->ShowPath(dir.Path());
  const std::string before = combo->SelectedPath();
  combo->DropDown();
  ASSERT_EQ(GetCapture(), Tree().Handle());
  const TTreeNode top = Tree().Selected();
  const TTreeNode a = Child(top, "A"), b = Child(top, "B");

  Send(WM_MOUSEMOVE, LabelPoint(a));
  EXPECT_TRUE(Tree().MouseInside);
  EXPECT_NE(GetCapture(), Tree().Handle());
  EXPECT_EQ(Tree().Selected(), a);
  EXPECT_EQ(combo->SelectedPath(), before);

  Click(ButtonPoint(b));
  EXPECT_TRUE(b.Expanded());
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->SelectedPath(), before);
  EXPECT_EQ(GetFocus(), combo->Handle());

  Send(WM_MOUSEMOVE, POINT{-20, -20});
  EXPECT_FALSE(Tree().MouseInside);
  EXPECT_EQ(GetCapture(), Tree().Handle());
  Send(WM_LBUTTONDOWN, POINT{-20, -20});
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(Tree().Handle()));
  EXPECT_EQ(combo->SelectedPath(), before);

  combo->DropDown();
  pathChanges.clear();
  Click(LabelPoint(a));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
  EXPECT_EQ(combo->Text(), "A");
  ASSERT_EQ(pathChanges.size(), 1u);
  EXPECT_EQ(pathChanges[0].first, &Tree());
  EXPECT_EQ(GetFocus(), combo->Handle());
}

TEST_F(DirTreeMouseTest, TheBoxNamesThePickedFolderWhateverInputTheListingRan) {
  dir.MakeDir("A");
  dir.MakeDir("B");
  // A pick by the mouse with the pointer's next move over B queued, and Enter with a
  // Down key queued: both run while the listing of A lets messages through.
  for (const bool byMouse : {true, false}) {
    SCOPED_TRACE(byMouse);
    list->SetDirectory(dir.Path());
    combo->ShowPath(dir.Path());
    combo->DropDown();
    const TTreeNode top = Tree().Selected();
    const TTreeNode a = Child(top, "A"), b = Child(top, "B");
    if (byMouse) {
      Send(WM_MOUSEMOVE, LabelPoint(a));
      PostMessageW(Tree().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(LabelPoint(b).x, LabelPoint(b).y));
      Send(WM_LBUTTONDOWN, LabelPoint(a));
    } else {
      Tree().SetSelected(a);
      PostMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
      SendMessageW(combo->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    }
    PumpMessages();
    EXPECT_EQ(list->Directory(), Path("A\\"));
    EXPECT_EQ(combo->SelectedPath(), Path("A"));
    EXPECT_EQ(combo->Text(), "A");
    EXPECT_EQ(combo->ShownImageIndex(), a.ImageIndex());
    EXPECT_EQ(Tree().Selected(), a);
  }
}

TEST_F(DirTreeMouseTest, HintNamesTheSelectedPathClicksAreReportedAndNoMenuOpens) {
  const auto enter = [this] {
    SendMessageW(combo->Handle(), WM_MOUSELEAVE, 0, 0);
    SendMessageW(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
  };
  enter();
  EXPECT_EQ(combo->Hint(), "Selected = nil");
  combo->ShowPath(dir.Path());
  enter();
  EXPECT_EQ(combo->Hint(), "SelectedPath =\r" + dir.Path());
  EXPECT_TRUE(combo->ShowHint());
  combo->DropDown();
  enter();
  EXPECT_FALSE(combo->ShowHint());
  int clicks = 0;
  combo->OnClick = [&clicks](TComponent*) { ++clicks; };
  SendMessageW(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 5));
  SendMessageW(combo->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
  EXPECT_EQ(clicks, 1);
  // Right-button releases are answered by box and button themselves: no context menu.
  EXPECT_EQ(SendMessageW(combo->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(30, 5)), 1);
  EXPECT_EQ(SendMessageW(combo->Btn->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3)), 1);
}

bool menuOpened = false;

// Sends `msg` to `window` and tells whether a menu was open a moment later: a timer that
// fires only inside a menu's own loop notes it and ends the menu.
bool OpensAMenu(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  menuOpened = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
    menuOpened = true;
    EndMenu();
  });
  SendMessageW(window, msg, wParam, lParam);
  KillTimer(nullptr, timer);
  return menuOpened;
}

TEST_F(DirTreeMouseTest, TheMenuKeyOnTheBoxShowsNoMenuEither) {
  // What the menu key and Shift+F10 send: no point, the keyboard's menu.
  EXPECT_FALSE(OpensAMenu(combo->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(combo->Handle()), -1));
  // The timer does see a menu that opens: a plain edit box's own.
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, form->Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(edit);
  EXPECT_TRUE(OpensAMenu(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), -1));
  DestroyWindow(edit);
}

// The button's pixels as the screen shows them, after every pending paint.
std::vector<COLORREF> ShownPixels(HWND window) {
  PumpMessages();
  RECT rc{};
  GetClientRect(window, &rc);
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = 0; y < rc.bottom; ++y)
    for (int x = 0; x < rc.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return pixels;
}

TEST_F(DirTreeMouseTest, APressOnTheBoxLeavesTheButtonDrawn) {
  list->SetFocus();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const std::vector<COLORREF> drawn = ShownPixels(combo->Btn->Handle());
  ASSERT_FALSE(drawn.empty());
  ASSERT_NE(std::count(drawn.begin(), drawn.end(), drawn.front()), static_cast<std::ptrdiff_t>(drawn.size()))
      << "the button shows a frame and an arrow";
  for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    SendMessageW(combo->Handle(), press, MK_LBUTTON, MAKELPARAM(30, 5));
    SendMessageW(combo->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 5));
    EXPECT_EQ(ShownPixels(combo->Btn->Handle()), drawn) << (press == WM_LBUTTONDOWN ? "press" : "double click");
    list->SetFocus();
  }
}

TEST_F(DirTreeMouseTest, FocusLossClosesTheDropDown) {
  combo->DropDown();
  ASSERT_TRUE(combo->DroppedDown());
  list->SetFocus();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(Tree().Handle()));
  EXPECT_NE(GetCapture(), Tree().Handle());
}

}  // namespace
