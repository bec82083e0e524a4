// Toolkit behaviour the windows rely on: ownership, focus, alignment, shortcuts, the error box.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/Memo.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/TreeView.h"
#include "toolkit/Utf.h"

namespace {
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* watched = nullptr;
  int removals = 0;
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove && c == watched) {
      watched = nullptr;
      ++removals;
    }
  }
};

class TProbeForm : public TForm {
 public:
  explicit TProbeForm(TComponent* owner) : TForm(owner) {
    SetBounds(50, 50, 400, 300);
    top = Create<TPanel>(this, this);
    top->SetHeight(20);
    top->SetAlign(TAlign::alTop);
    left = Create<TPanel>(this, this);
    left->SetWidth(100);
    left->SetAlign(TAlign::alLeft);
    client = Create<TPanel>(this, this);
    client->SetAlign(TAlign::alClient);
    memo = Create<TMemo>(this, client);
    memo->SetAlign(TAlign::alClient);
    inner = Create<TPanel>(this, left);
    inner->SetTabStop(true);
    inner->SetAlign(TAlign::alClient);
  }
  TPanel* top;
  TPanel* left;
  TPanel* client;
  TPanel* inner;
  TMemo* memo;
};

// A window whose creation handler fails, as a listing that cannot be read would.
class TFailingCreateForm : public TForm {
 public:
  explicit TFailingCreateForm(TComponent* owner) : TForm(owner) {
    OnCreate = [](TComponent*) { throw Exception("Cannot list C:\\gone"); };
    DoCreate();
  }
};
}  // namespace

TEST(Toolkit, AFailingCreationHandlerReachesTheErrorBoxAndTheWindowStays) {
  std::unique_ptr<TFailingCreateForm> form;
  ASSERT_NO_THROW(form = std::make_unique<TFailingCreateForm>(nullptr));
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "Cannot list C:\\gone.");
  EXPECT_EQ(Scripted().Last().Caption, "Scrivlet");
  EXPECT_TRUE(Scripted().Last().Flags & MB_ICONERROR);
  EXPECT_NE(form->Handle(), nullptr);
}

TEST(Toolkit, ErrorBoxAddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(TApplication::ErrorBoxText("Cannot open file C:\\x.log"), "Cannot open file C:\\x.log.");
  EXPECT_EQ(TApplication::ErrorBoxText("Text exceeds memo capacity"), "Text exceeds memo capacity.");
  EXPECT_EQ(TApplication::ErrorBoxText("Ends with a stop."), "Ends with a stop.");
  EXPECT_EQ(TApplication::ErrorBoxText("Bang!"), "Bang!");
  EXPECT_EQ(TApplication::ErrorBoxText("(paren)"), "(paren)");
  EXPECT_EQ(TApplication::ErrorBoxText("Version 7"), "Version 7.");
  EXPECT_EQ(TApplication::ErrorBoxText("slash/"), "slash/.");
  EXPECT_EQ(TApplication::ErrorBoxText(""), "");
  EXPECT_EQ(TApplication::ErrorBoxText("caf\xC3\xA9"), "caf\xC3\xA9.");
}

TEST(Toolkit, ScalingAWindowScalesItsSizeAndContentsButNotItsPlace) {
  TProbeForm form(nullptr);
  form.ChangeScale(150, 100);
  RECT rc;
  GetWindowRect(form.Handle(), &rc);
  EXPECT_EQ(rc.left, 50);
  EXPECT_EQ(rc.top, 50);
  EXPECT_EQ(rc.right - rc.left, 600);
  EXPECT_EQ(form.left->Width(), 150);
  EXPECT_EQ(form.top->Height(), 30);
}

TEST(Toolkit, AChangeOfSystemColoursPaintsWithTheNewColour) {
  TProbeForm form(nullptr);
  form.left->SetColor(clBtnFace);
  const auto erased = [&] {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(form.left->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const COLORREF colour = GetPixel(dc, 1, 1);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
  };
  const int element = COLOR_BTNFACE;
  const COLORREF before = GetSysColor(element);
  EXPECT_EQ(erased(), before);
  const COLORREF changed = RGB(10, 200, 30);
  ASSERT_TRUE(SetSysColors(1, &element, &changed));
  SendMessageW(form.Handle(), WM_SYSCOLORCHANGE, 0, 0);
  const COLORREF after = erased();
  SetSysColors(1, &element, &before);
  EXPECT_EQ(after, changed);
}

TEST(Toolkit, OwnerFreesComponentsAndTellsTheOthers) {
  TComponent owner(nullptr);
  auto* watcher = TComponent::Create<TWatcher>(&owner);
  auto* other = TComponent::Create<TComponent>(&owner);
  watcher->watched = other;
  owner.FreeComponent(other);
  EXPECT_EQ(watcher->watched, nullptr);
  EXPECT_EQ(watcher->removals, 1);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Toolkit, FocusingAHiddenOrDisabledControlRaises) {
  TProbeForm form(nullptr);
  form.ShowMain(SW_SHOWNORMAL);
  form.left->Hide();
  try {
    form.inner->SetFocus();
    FAIL() << "no failure raised";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Cannot focus a disabled or invisible window");
  }
  form.left->Show();
  form.inner->SetEnabled(false);
  EXPECT_THROW(form.inner->SetFocus(), EInvalidOperation);
  form.inner->SetEnabled(true);
  form.inner->SetFocus();
  EXPECT_EQ(GetFocus(), form.inner->Handle());
  EXPECT_EQ(form.ActiveControl(), form.inner);
}

TEST(Toolkit, AlignmentPlacesTopThenLeftThenClient) {
  TProbeForm form(nullptr);
  form.ShowMain(SW_SHOWNORMAL);
  const int cw = form.ClientWidth(), ch = form.ClientHeight();
  EXPECT_EQ(form.top->Width(), cw);
  EXPECT_EQ(form.left->Top(), 20);
  EXPECT_EQ(form.left->Height(), ch - 20);
  EXPECT_EQ(form.client->Left(), 100);
  EXPECT_EQ(form.client->Width(), cw - 100);
  EXPECT_EQ(form.memo->Width(), form.client->Width());
  SetWindowPos(form.Handle(), nullptr, 0, 0, 500, 350, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form.client->Width(), form.ClientWidth() - 100);
  form.top->Hide();
  EXPECT_EQ(form.left->Top(), 0);
}

TEST(Toolkit, ShortcutsSearchTheFocusedControlsMenuThenItsParents) {
  TProbeForm form(nullptr);
  TPopupMenu* formMenu = TComponent::Create<TPopupMenu>(&form);
  TPopupMenu* memoMenu = TComponent::Create<TPopupMenu>(&form);
  form.SetPopupMenu(formMenu);
  form.memo->SetPopupMenu(memoMenu);
  int formHits = 0, memoHits = 0, disabledHits = 0;
  auto* hidden = TComponent::Create<TMenuItem>(&form);
  hidden->SetShortCut(ShortCut('K', {.Ctrl = true}));
  hidden->SetVisible(false);
  hidden->OnClick = [&](TComponent*) { ++formHits; };
  formMenu->Items().Add(hidden);
  auto* own = TComponent::Create<TMenuItem>(&form);
  own->SetShortCut(ShortCut('J', {.Ctrl = true}));
  own->OnClick = [&](TComponent*) { ++memoHits; };
  memoMenu->Items().Add(own);
  auto* disabled = TComponent::Create<TMenuItem>(&form);
  disabled->SetShortCut(ShortCut('L', {.Ctrl = true, .Alt = true}));
  disabled->SetEnabled(false);
  disabled->OnClick = [&](TComponent*) { ++disabledHits; };
  formMenu->Items().Add(disabled);
  form.ShowMain(SW_SHOWNORMAL);
  form.memo->SetFocus();

  PressKey(form.memo->Handle(), 'K', {.Ctrl = true});  // invisible item of the window's menu
  PressKey(form.memo->Handle(), 'J', {.Ctrl = true});  // the memo's own menu
  PressKey(form.inner->Handle(), 'J', {.Ctrl = true});  // not in the inner panel's chain
  PressKey(form.memo->Handle(), 'L', {.Ctrl = true, .Alt = true});
  EXPECT_EQ(formHits, 1);
  EXPECT_EQ(memoHits, 1);
  EXPECT_EQ(disabledHits, 0);
  EXPECT_EQ(ShortCut('A', {.Ctrl = true}), 16449);
  EXPECT_EQ(ShortCut('B', {.Ctrl = true, .Alt = true}), 49218);
  EXPECT_EQ(ShortCut('X', {.Shift = true}), 0x2000 + 'X');
}

TEST(Toolkit, ConsumedShortcutNeverReachesTheControl) {
  TProbeForm form(nullptr);
  TPopupMenu* formMenu = TComponent::Create<TPopupMenu>(&form);
  form.SetPopupMenu(formMenu);
  auto* item = TComponent::Create<TMenuItem>(&form);
  item->SetShortCut(ShortCut('A', {.Ctrl = true}));
  formMenu->Items().Add(item);
  int seen = 0;
  form.memo->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) { seen += key == 'A'; };
  form.ShowMain(SW_SHOWNORMAL);
  form.memo->SetFocus();
  PressKey(form.memo->Handle(), 'A', {.Ctrl = true});
  EXPECT_EQ(seen, 0);
  PressKey(form.memo->Handle(), 'A');
  EXPECT_EQ(seen, 1);
}

TEST(Toolkit, HourglassIsRestoredWhenAHandlerFails) {
  HCURSOR before = Application->CursorOverride();
  try {
    THourglass wait;
    EXPECT_EQ(Application->CursorOverride(), LoadCursorW(nullptr, IDC_WAIT));
    throw Exception("listing failed");
  } catch (const Exception&) {
  }
  EXPECT_EQ(Application->CursorOverride(), before);
}

TEST(Toolkit, TreeNodesSortAndKeyInThePlatformsCaptionOrder) {
  TForm form(nullptr);
  auto* tree = TComponent::Create<TCustomTreeView>(&form, &form);
  const std::vector<std::wstring> captions = {L"b", L"C", L"a", L"co-op", L"coop", L"_x", L"10", L"9",
                                              L"\u00c4rger", L"Azur", L"a b", L"ab", L"B"};
  std::vector<std::wstring> expected = captions;
  std::stable_sort(expected.begin(), expected.end(),
                   [](const std::wstring& x, const std::wstring& y) { return lstrcmpW(x.c_str(), y.c_str()) < 0; });
  TTreeNode top = tree->AddChild({}, "top");
  for (const std::wstring& caption : captions) tree->AddChild(top, Narrow(caption));
  top.AlphaSort();
  std::vector<std::wstring> sorted;
  for (TTreeNode c = top.getFirstChild(); c; c = c.getNextSibling()) sorted.push_back(Widen(c.Text()));
  EXPECT_EQ(sorted, expected);
  std::vector<std::wstring> byKey = captions;
  std::stable_sort(byKey.begin(), byKey.end(), [](const std::wstring& x, const std::wstring& y) {
    return CaptionSortKey(x) < CaptionSortKey(y);
  });
  EXPECT_EQ(byKey, expected);
}

TEST(Toolkit, TreeNodesAddedInABatchKeepTheirOrderPicturesAndMarks) {
  TForm form(nullptr);
  auto* tree = TComponent::Create<TCustomTreeView>(&form, &form);
  TTreeNode top = tree->AddChild({}, "top");
  tree->AddChildren(top, {{"z", 3, 4}, {"a", 5, 6}, {"m", 7, 8}}, TCustomTreeView::TChildren::Some);
  TTreeNode none = tree->AddChild({}, "none");
  tree->AddChildren(none, {}, TCustomTreeView::TChildren::Some);
  std::vector<std::string> captions;
  for (TTreeNode c = top.getFirstChild(); c; c = c.getNextSibling()) {
    captions.push_back(c.Text());
    EXPECT_TRUE(c.HasChildren());
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"z", "a", "m"}));
  EXPECT_EQ(top.getFirstChild().getNextSibling().ImageIndex(), 5);
  EXPECT_EQ(top.getFirstChild().getNextSibling().SelectedIndex(), 6);
  // The parent's mark is the caller's: an empty batch marks nothing.
  EXPECT_FALSE(none.HasChildren());
  EXPECT_EQ(tree->Count(), 5);
}
