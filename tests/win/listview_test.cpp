// The toolkit's list view: items held by the object and shown on demand, selection and
// focus that follow their items, columns, styles and the batch update.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "tests/win/support/FileListFixture.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"

namespace {
int allocations = 0;  // counted by the replaced operator new below
}  // namespace

// GCC takes the malloc below for a mismatch once it inlines these into a delete.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {
class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(10, 10, 400, 300);
    list = TComponent::Create<TListView>(form.get(), form.get());
    list->SetAlign(TAlign::alClient);
    list->SetViewStyle(TViewStyle::vsReport);
    list->AddColumn({"Name", 100, TAlignment::taLeftJustify});
    list->AddColumn({"Size", 60, TAlignment::taRightJustify});
  }
  void TearDown() override {
    form.reset();
    PumpMessages();
  }
  void AddNamed(std::initializer_list<const char*> names) {
    for (const char* n : names) list->AddItem({n, -1, {std::string(n) + "-sub"}});
  }
  int WindowCount() const { return ListView_GetItemCount(list->Handle()); }

  std::unique_ptr<TForm> form;
  TListView* list = nullptr;
};

TEST_F(ListViewTest, WindowShowsTheItemsTextsFromTheObjectsArray) {
  AddNamed({"alpha", "beta"});
  EXPECT_EQ(WindowCount(), 2);
  EXPECT_EQ(ShownText(*list, 1, 0), "beta");
  EXPECT_EQ(ShownText(*list, 1, 1), "beta-sub");
  // A column without a sub-item shows nothing rather than failing.
  list->AddColumn({"Extra", 50, TAlignment::taLeftJustify});
  EXPECT_EQ(ShownText(*list, 0, 2), "");
  list->SetItem(0, {"gamma", -1, {"g"}});
  EXPECT_EQ(ShownText(*list, 0, 0), "gamma");
}

TEST_F(ListViewTest, BatchUpdatePublishesTheCountOnceAtTheOutermostEnd) {
  list->BeginUpdate();
  list->BeginUpdate();
  AddNamed({"a", "b", "c"});
  list->EndUpdate();
  EXPECT_EQ(WindowCount(), 0);
  EXPECT_TRUE(list->Updating());
  list->EndUpdate();
  EXPECT_EQ(WindowCount(), 3);
  EXPECT_FALSE(list->Updating());
  list->EndUpdate();  // one too many is harmless
  EXPECT_FALSE(list->Updating());
}

TEST_F(ListViewTest, SelectionAndFocusFollowTheirItemsThroughReorderAndDeletion) {
  list->SetMultiSelect(true);
  AddNamed({"a", "b", "c", "d"});
  list->SetSelected(1, true);  // b
  list->SetSelected(3, true);  // d
  list->SetItemFocused(2);     // c
  list->Reorder({3, 2, 1, 0});  // d c b a
  EXPECT_EQ(list->SelectedIndexes(), (std::vector<int>{0, 2}));
  EXPECT_EQ(list->Item(list->ItemFocused()).Caption, "c");

  list->DeleteItem(1);  // c goes: d b a
  EXPECT_EQ(list->SelectedIndexes(), (std::vector<int>{0, 1}));
  EXPECT_EQ(list->ItemFocused(), -1);
  EXPECT_EQ(WindowCount(), 3);
  EXPECT_EQ(ShownText(*list, 1, 0), "b");
  EXPECT_THROW(list->Reorder({0, 0, 1}), std::exception);
  EXPECT_THROW(list->Reorder({0, 1}), std::exception);
  EXPECT_THROW(list->DeleteItem(3), std::exception);
}

TEST_F(ListViewTest, AlphaSortIsStableAndUsesTheCompareEvent) {
  list->AddItem({"b", -1, {"1"}});
  list->AddItem({"a", -1, {"2"}});
  list->AddItem({"b", -1, {"3"}});
  list->AddItem({"a", -1, {"4"}});
  list->OnCompare = [](TComponent*, const TListItem& x, const TListItem& y, int, int& r) {
    r = x.Caption.compare(y.Caption);
  };
  list->AlphaSort();
  std::vector<std::string> subs;
  for (const TListItem& it : list->Items()) subs.emplace_back(it.SubItems[0]);
  EXPECT_EQ(subs, (std::vector<std::string>{"2", "4", "1", "3"}));
}

TEST_F(ListViewTest, RecreatingTheWindowKeepsItemsColumnsSelectionAndFocus) {
  list->SetMultiSelect(true);
  AddNamed({"a", "b", "c"});
  list->SetSelected(2, true);
  list->SetItemFocused(1);
  HWND before = list->Handle();
  list->RecreateWnd();
  EXPECT_NE(list->Handle(), before);
  EXPECT_EQ(WindowCount(), 3);
  EXPECT_EQ(list->SelectedIndexes(), std::vector<int>{2});
  EXPECT_EQ(list->ItemFocused(), 1);
  EXPECT_EQ(Header_GetItemCount(list->HeaderHandle()), 2);
  EXPECT_EQ(ShownText(*list, 2, 1), "c-sub");
}

TEST_F(ListViewTest, ClearEmptiesTheListAndTheWindowForTheNextFilling) {
  list->AddItem({"a rather long caption that needs the heap", 3, {"x", "y"}});
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(WindowCount(), 0);
  list->AddItem({"b", -1, {"z"}});
  EXPECT_EQ(WindowCount(), 1);
  EXPECT_EQ(ShownText(*list, 0, 1), "z");
}

TEST_F(ListViewTest, StylePropertiesChangeTheLiveWindow) {
  auto style = [&] { return GetWindowLongPtrW(list->Handle(), GWL_STYLE); };
  EXPECT_TRUE(style() & LVS_OWNERDATA);
  EXPECT_TRUE(style() & LVS_SHAREIMAGELISTS);
  list->SetMultiSelect(false);
  EXPECT_TRUE(style() & LVS_SINGLESEL);
  list->SetReadOnly(true);
  EXPECT_FALSE(style() & LVS_EDITLABELS);
  list->SetHideSelection(false);
  EXPECT_TRUE(style() & LVS_SHOWSELALWAYS);
  list->SetShowColumnHeaders(false);
  EXPECT_TRUE(style() & LVS_NOCOLUMNHEADER);
  list->SetViewStyle(TViewStyle::vsList);
  EXPECT_EQ(style() & LVS_TYPEMASK, LVS_LIST);
}

TEST_F(ListViewTest, TypingFindsTheNextCaptionWithThatBeginning) {
  AddNamed({"apple", "Banana", "blueberry", "cherry"});
  // What the window asks while the user types: the first match from the start index on.
  auto find = [&](int start, UINT flags, const wchar_t* text) {
    NMLVFINDITEMW request{};
    request.hdr = {list->Handle(), 0, static_cast<UINT>(LVN_ODFINDITEMW)};
    request.iStart = start;
    request.lvfi.flags = flags;
    request.lvfi.psz = text;
    return static_cast<int>(SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request)));
  };
  EXPECT_EQ(find(0, LVFI_PARTIAL | LVFI_WRAP, L"b"), 1);
  EXPECT_EQ(find(2, LVFI_PARTIAL | LVFI_WRAP, L"b"), 2);
  EXPECT_EQ(find(3, LVFI_PARTIAL | LVFI_WRAP, L"b"), 1);  // wraps around
  EXPECT_EQ(find(3, LVFI_PARTIAL, L"b"), -1);
  EXPECT_EQ(find(0, LVFI_STRING, L"CHERRY"), 3);
  EXPECT_EQ(find(0, LVFI_STRING, L"cherr"), -1);
  // Through the window's own search as well.
  LVFINDINFOW info{};
  info.flags = LVFI_STRING;
  info.psz = L"blueberry";
  EXPECT_EQ(ListView_FindItem(list->Handle(), -1, &info), 2);
}

TEST_F(ListViewTest, TypingConvertsNoWholeCaptionPerEntry) {
  std::vector<std::string> names;
  for (int i = 0; i < 2000; ++i) names.push_back("a caption far longer than any short text " + std::to_string(i));
  names.push_back("\xC3\xA9t\xC3\xA9 caption");
  for (const std::string& name : names) list->AddItem({name, 0, {}});
  LVFINDINFOW info{};
  info.flags = LVFI_PARTIAL | LVFI_WRAP;
  info.psz = L"\u00c9T\u00c9";
  const int before = allocations;
  EXPECT_EQ(ListView_FindItem(list->Handle(), -1, &info), 2000);
  EXPECT_LT(allocations - before, 20);
  info.flags = LVFI_STRING;
  info.psz = L"a caption far longer than any short text 7";
  EXPECT_EQ(ListView_FindItem(list->Handle(), -1, &info), 7);
}

TEST_F(ListViewTest, ColumnClicksAndCaptionEditsReachTheEvents) {
  AddNamed({"old"});
  int clicked = -1;
  list->OnColumnClick = [&](TComponent*, int column) { clicked = column; };
  NMLISTVIEW click{};
  click.hdr = {list->Handle(), 0, static_cast<UINT>(LVN_COLUMNCLICK)};
  click.iItem = -1;
  click.iSubItem = 1;
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(clicked, 1);

  wchar_t text[] = L"new";
  NMLVDISPINFOW edit{};
  edit.hdr = {list->Handle(), 0, static_cast<UINT>(LVN_ENDLABELEDITW)};
  edit.item.iItem = 0;
  edit.item.pszText = text;
  bool accept = false;
  list->OnEdited = [&](TComponent*, int, std::string& caption, bool& ok) { ok = accept && caption == "new"; };
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&edit));
  EXPECT_EQ(list->Item(0).Caption, "old");
  accept = true;
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&edit));
  EXPECT_EQ(list->Item(0).Caption, "new");
}
}  // namespace

namespace {
int textRequests = 0;
LRESULT CALLBACK CountTextRequests(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == LVN_GETDISPINFOW) ++textRequests;
  return DefSubclassProc(h, msg, w, l);
}

TEST_F(ListViewTest, ListStyleColumnsTakeTheFirstColumnsWidthAndTheFirstPaintAsksForTheShownItemsOnly) {
  list->SetViewStyle(TViewStyle::vsList);
  EXPECT_EQ(ListView_GetColumnWidth(list->Handle(), 0), 100);
  ASSERT_TRUE(SetWindowSubclass(form->Handle(), CountTextRequests, 1, 0));
  list->BeginUpdate();
  for (int i = 0; i < 5000; ++i) list->AddItem({"name " + std::to_string(i), -1, {}});
  list->EndUpdate();
  form->Show();
  UpdateWindow(form->Handle());
  PumpMessages();
  EXPECT_GT(textRequests, 0);
  EXPECT_LT(textRequests, 1000);
  EXPECT_EQ(ListView_GetColumnWidth(list->Handle(), 0), 100);
  RemoveWindowSubclass(form->Handle(), CountTextRequests, 1);
}
}  // namespace
