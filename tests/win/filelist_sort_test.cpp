// The file list's columns and sorting: the order after a listing, header clicks on each
// column with the folders-first rule and its negation, the header arrows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>

#include "tests/win/support/FileListFixture.h"
#include "toolkit/Handles.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

namespace {
using Names = std::vector<std::string>;
using NameSet = std::set<std::string>;

class FileListSortTest : public FileListTest {
 protected:
  void SetUp() override {
    FileListTest::SetUp();
    dir.MakeDir("Alpha");
    dir.MakeDir("beta");
    WriteSized("a.txt", 1500);
    WriteSized("B.txt", 1900);
    WriteSized("c.log", 5000);
    WriteSized("d.ini", 0);
    ListTempDir();
  }
  // The header's arrow flags and bitmap of each column.
  std::vector<std::pair<int, HBITMAP>> Arrows() const {
    std::vector<std::pair<int, HBITMAP>> out;
    HWND header = view->HeaderHandle();
    for (int j = 0; j < Header_GetItemCount(header); ++j) {
      HDITEMW hd{};
      hd.mask = HDI_FORMAT | HDI_BITMAP;
      Header_GetItem(header, j, &hd);
      out.emplace_back(hd.fmt & (HDF_BITMAP | HDF_BITMAP_ON_RIGHT), hd.hbm);
    }
    return out;
  }
  Names First(int n) const {
    const Names all = Captions();
    return Names(all.begin(), all.begin() + std::min<std::ptrdiff_t>(n, static_cast<std::ptrdiff_t>(all.size())));
  }
  NameSet At(std::initializer_list<int> positions) const {
    NameSet out;
    for (int p : positions) out.insert(view->Item(p).Caption);
    return out;
  }
};

constexpr int kArrowFlags = HDF_BITMAP | HDF_BITMAP_ON_RIGHT;

TEST_F(FileListSortTest, AListingEndsAscendingByNameWithTheUpArrowOnName) {
  EXPECT_EQ(Captions(), (Names{" Parent", "Alpha", "beta", "a.txt", "B.txt", "c.log", "d.ini"}));
  EXPECT_EQ(view->SortState().Column, 0);
  EXPECT_FALSE(view->SortState().Descending);
  const auto arrows = Arrows();
  ASSERT_EQ(arrows.size(), 5u);
  EXPECT_EQ(arrows[0].first, kArrowFlags);
  EXPECT_NE(arrows[0].second, nullptr);
  for (int j = 1; j < 5; ++j) EXPECT_EQ(arrows[static_cast<std::size_t>(j)].first, 0) << j;
}

TEST_F(FileListSortTest, SecondClickOnNameReversesFilesAndFoldersButKeepsTheParentOnTop) {
  const HBITMAP up = Arrows()[0].second;
  view->SortByColumn(view, 0);
  EXPECT_TRUE(view->SortState().Descending);
  EXPECT_EQ(Captions(), (Names{" Parent", "d.ini", "c.log", "B.txt", "a.txt", "beta", "Alpha"}));
  EXPECT_NE(Arrows()[0].second, up);
  EXPECT_EQ(Arrows()[0].first, kArrowFlags);
}

TEST_F(FileListSortTest, SizeSortsLargestFirstAndKilobytesOfEqualSizeCompareEqual) {
  view->SortByColumn(view, 1);
  EXPECT_EQ(view->SortState().Column, 1);
  EXPECT_TRUE(view->SortState().Descending);
  EXPECT_EQ(view->Item(0).Caption, " Parent");
  EXPECT_EQ(view->Item(1).Caption, "c.log");
  EXPECT_EQ(At({2, 3}), (NameSet{"a.txt", "B.txt"}));  // 1500 and 1900 bytes are both 1 KB
  EXPECT_EQ(view->Item(4).Caption, "d.ini");
  EXPECT_EQ(At({5, 6}), (NameSet{"Alpha", "beta"}));  // every folder after every file
  const auto arrows = Arrows();
  EXPECT_EQ(arrows[0].first, 0);
  EXPECT_EQ(arrows[1].first, kArrowFlags);

  view->SortByColumn(view, 1);  // ascending: folders first again
  EXPECT_EQ(At({1, 2}), (NameSet{"Alpha", "beta"}));
  EXPECT_EQ(view->Item(3).Caption, "d.ini");
  EXPECT_EQ(view->Item(6).Caption, "c.log");
}

TEST_F(FileListSortTest, SizeCountsAFileUnderOneKilobyteAsOneAndNotAsEmpty) {
  WriteSized("e.txt", 300);
  view->UpdateFileList();
  view->SortByColumn(view, 1);
  EXPECT_EQ(view->Item(1).Caption, "c.log");
  EXPECT_EQ(At({2, 3, 4}), (NameSet{"a.txt", "B.txt", "e.txt"}));
  EXPECT_EQ(view->Item(5).Caption, "d.ini");
  view->SortByColumn(view, 1);
  EXPECT_EQ(view->Item(3).Caption, "d.ini");
  EXPECT_EQ(At({4, 5, 6}), (NameSet{"a.txt", "B.txt", "e.txt"}));
}

TEST_F(FileListSortTest, SizeInBytesTellsSmallDifferencesApart) {
  view->SetFileSize(fsByte);
  view->UpdateFileList();
  view->SortByColumn(view, 1);
  EXPECT_EQ(First(5), (Names{" Parent", "c.log", "B.txt", "a.txt", "d.ini"}));
}

TEST_F(FileListSortTest, ModifiedSortsNewestFirstOnTheFirstClick) {
  SetWriteTime(dir.File("a.txt"), 2020, 1, 1, 0, 0);
  SetWriteTime(dir.File("B.txt"), 2022, 1, 1, 0, 0);
  SetWriteTime(dir.File("c.log"), 2021, 6, 1, 0, 0);
  SetWriteTime(dir.File("d.ini"), 2019, 1, 1, 0, 0);
  view->UpdateFileList();
  view->SortByColumn(view, 3);
  EXPECT_EQ(First(5), (Names{" Parent", "B.txt", "c.log", "a.txt", "d.ini"}));
}

TEST_F(FileListSortTest, AttrComparesTheLetterTexts) {
  SetAttributes(dir.File("a.txt"), FILE_ATTRIBUTE_READONLY);
  SetAttributes(dir.File("B.txt"), FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(dir.File("c.log"), FILE_ATTRIBUTE_SYSTEM);
  SetAttributes(dir.File("d.ini"), FILE_ATTRIBUTE_ARCHIVE);
  view->UpdateFileList();
  view->SortByColumn(view, 4);
  // "S" > "R" > "H" > "A", each possibly after the archive bit's "A".
  EXPECT_EQ(First(5), (Names{" Parent", "c.log", "a.txt", "B.txt", "d.ini"}));
}

TEST_F(FileListSortTest, TypeSortsFilesByTheirTypeTextsWithoutRegardToCase) {
  view->SortByColumn(view, 2);
  EXPECT_EQ(view->Item(0).Caption, " Parent");
  auto folded = [](std::string_view text) {
    std::string s(text);
    for (char& c : s)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
  };
  for (int i = 1; i < 4; ++i)
    EXPECT_GE(folded(view->Item(i).SubItems[kSubType]), folded(view->Item(i + 1).SubItems[kSubType])) << i;
  EXPECT_EQ(At({5, 6}), (NameSet{"Alpha", "beta"}));
}

TEST_F(FileListSortTest, SelectionAndFocusStayWithTheirEntries) {
  view->SetSelected(IndexOf("c.log"), true);
  view->SetItemFocused(IndexOf("c.log"));
  view->SortByColumn(view, 0);
  ASSERT_EQ(view->SelCount(), 1);
  EXPECT_EQ(view->Item(view->Selected()).Caption, "c.log");
  EXPECT_EQ(view->Item(view->ItemFocused()).Caption, "c.log");
}

TEST_F(FileListSortTest, CompareItemsNegatesForDescendingExceptAgainstTheParent) {
  // Copies: sorting moves the entries.
  const TListItem parent = Entry(" Parent");
  const TListItem file = Entry("a.txt");
  const TListItem folder = Entry("beta");
  int r = 0;
  view->CompareItems(view, file, folder, 0, r);
  EXPECT_GT(r, 0);  // ascending: folders first
  view->SortByColumn(view, 0);  // descending
  view->CompareItems(view, file, folder, 0, r);
  EXPECT_LT(r, 0);
  view->CompareItems(view, parent, file, 0, r);
  EXPECT_LT(r, 0);  // the folders-first result is not negated when the parent takes part
  view->SortByColumn(view, 3);
  view->CompareItems(view, file, file, 0, r);
  EXPECT_EQ(r, 0);  // the same entry
}

TEST_F(FileListSortTest, DrivesViewIsNeverSortedAndIgnoresHeaderClicks) {
  view->SetDirectory("Drives");
  const Names before = Captions();
  const TSortState state = view->SortState();
  view->SortByColumn(view, 0);
  view->SortByColumn(view, 2);
  EXPECT_EQ(Captions(), before);
  EXPECT_EQ(view->SortState().Column, state.Column);
  EXPECT_EQ(view->SortState().Descending, state.Descending);
  EXPECT_FALSE(view->SortState().Sortable);
}

TEST_F(FileListSortTest, ColumnWidthsApplyWhenTheFolderColumnsAreBuiltAgain) {
  view->SetColWidth_Size(0);
  view->SetColWidth_Type(0);
  EXPECT_EQ(view->Column(1).Width, 75);  // existing columns stay
  view->UpdateFileList();
  EXPECT_EQ(view->Column(1).Width, 75);  // not rebuilt by a listing of a folder
  view->SetDirectory("Drives");
  EXPECT_FALSE(view->FolderColumnsInPlace());
  EXPECT_EQ(view->Column(2).Caption, "Disk Size");
  EXPECT_EQ(view->Column(2).Width, 90);
  ListTempDir();
  EXPECT_TRUE(view->FolderColumnsInPlace());
  EXPECT_EQ(view->Column(1).Width, 0);
  EXPECT_EQ(view->Column(2).Width, 0);
  EXPECT_EQ(ListView_GetColumnWidth(view->Handle(), 1), 0);
  EXPECT_EQ(ListView_GetColumnWidth(view->Handle(), 0), 165);
}
}  // namespace

namespace {
// Two files written 10 microseconds apart sort as equal by Modified: the date key keeps 15 digits,
// coarser than that. Equal entries keep the listing's order both ways.
TEST_F(FileListSortTest, ModifiedComparesTimesOnlyAsFinelyAsTheDateKey) {
  const auto setTicks = [&](const char* name, std::uint64_t ticks) {
    UniqueFile file(CreateFileW(Widen(dir.File(name)).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    ASSERT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &time));
  };
  constexpr std::uint64_t kTicks = 132'000'000'000'000'000;  // in 2019
  setTicks("a.txt", kTicks + 100);
  setTicks("B.txt", kTicks);
  setTicks("c.log", kTicks + 50'000'000);
  setTicks("d.ini", kTicks - 50'000'000);
  view->UpdateFileList();
  view->SortByColumn(view, 3);
  EXPECT_EQ(First(5), (Names{" Parent", "c.log", "a.txt", "B.txt", "d.ini"}));
  view->SortByColumn(view, 3);
  EXPECT_EQ(Captions().back(), "c.log");
  EXPECT_EQ(At({4, 5}), (NameSet{"a.txt", "B.txt"}));
  EXPECT_LT(IndexOf("a.txt"), IndexOf("B.txt"));
}
}  // namespace

namespace {
constexpr std::uint64_t kSortTicks = 132'000'000'000'000'000;

struct TRow {
  const wchar_t* Name;
  DWORD Attributes;
  std::int64_t Size;
  std::uint64_t Ticks;
  const char* Type;
};

void AddRows(TFileEntries& entries, std::initializer_list<TRow> rows) {
  for (const TRow& r : rows) {
    const FILETIME time{static_cast<DWORD>(r.Ticks), static_cast<DWORD>(r.Ticks >> 32)};
    entries.AddFound(r.Name, r.Attributes, r.Size, time, 0, r.Type, std::wstring_view(r.Name) == L"..");
  }
}

TEntryTextRules SortRules(TFileSize unit, bool hideFileExt) {
  TEntryTextRules rules;
  rules.Folder = "C:\\f\\";
  rules.Unit = unit;
  rules.DatePattern = "yyyy-MM-dd";
  rules.TimePattern = "hh:nn:ss";
  rules.HideFileExt = hideFileExt;
  rules.ParentCaption = " Parent";
  rules.DecimalSeparator = FormatSettings.DecimalSeparator;
  return rules;
}

// The packed entries' small keys order them as the keys read from their texts do: every
// column both ways, sorted under either unit after listing under either, with captions
// that upper-case beyond ASCII or tie once their extensions are hidden.
TEST(FileEntriesSort, SmallKeysOrderAsTheEntriesTextsDo) {
  constexpr DWORD kDir = FILE_ATTRIBUTE_DIRECTORY;
  for (TFileSize listed : {fsKB, fsByte}) {
    for (bool hide : {false, true}) {
      TFileEntries entries;
      entries.Begin(SortRules(listed, hide));
      AddRows(entries, {{L"..", kDir, 0, kSortTicks, ""},
                        {L"b.txt", FILE_ATTRIBUTE_ARCHIVE, 1500, kSortTicks + 100, "Text"},
                        {L"B2.txt", FILE_ATTRIBUTE_READONLY, 1023, kSortTicks, "text"},
                        {L"\u00e9t\u00e9.log", FILE_ATTRIBUTE_HIDDEN, 0, kSortTicks - 1'000'000, "Log"},
                        {L"\u00c9T\u00c9.ini", 0, 4096, kSortTicks + 5'000'000, "ini"},
                        {L"Zeta", kDir, 0, kSortTicks + 7, "File folder"},
                        {L"alpha", kDir | FILE_ATTRIBUTE_SYSTEM, 0, kSortTicks, "File folder"},
                        {L"a.txt", FILE_ATTRIBUTE_ARCHIVE, 2048, kSortTicks + 100, "Text"}});
      for (int column = kColName; column <= kColAttr; ++column) {
        for (bool descending : {false, true}) {
          for (TFileSize unit : {fsKB, fsByte}) {
            const TSortState state{column, descending, true};
            // The keys view the items' texts: the items stay.
            std::vector<TListItem> items;
            for (std::size_t i = 0; i < entries.Count(); ++i) items.push_back(entries.Item(i));
            std::vector<TSortEntry> keys;
            for (const TListItem& item : items)
              keys.push_back(SortEntryOfItem(item, column, FormatSettings.DecimalSeparator));
            EXPECT_EQ(entries.SortedOrder(state, unit, " Parent"), SortedOrder(keys, state, unit, " Parent"))
                << column << descending << unit << listed << hide;
          }
        }
      }
    }
  }
}

// An entry given whole or renamed in place keeps the texts it was given, the sort reads
// them, and the packed entries around it are unchanged.
TEST(FileEntriesSort, EntriesGivenWholeKeepTheirTexts) {
  TFileEntries entries;
  entries.Begin(SortRules(fsKB, false));
  AddRows(entries, {{L"a.txt", 0, 1024, kSortTicks, "Text"},
                    {L"b.txt", 0, 2048, kSortTicks, "Text"},
                    {L"c.txt", 0, 3072, kSortTicks, "Text"}});
  TListItem bigger = entries.Item(0);
  bigger.SubItems.Set(kSubSize, "9 KB");
  entries.Set(0, bigger);
  entries.SetCaption(1, "renamed");
  std::string text;
  entries.Text(1, 0, text);
  EXPECT_EQ(text, "renamed");
  entries.Text(1, kSubPath + 1, text);
  EXPECT_EQ(text, "C:\\f\\b.txt");
  const TSortState bySize{kColSize, true, true};
  EXPECT_EQ(entries.SortedOrder(bySize, fsKB, " Parent"), (std::vector<std::size_t>{0, 2, 1}));
  entries.Erase(0);
  ASSERT_EQ(entries.Count(), 2u);
  EXPECT_EQ(entries.Item(0).Caption, "renamed");
  entries.Text(1, kSubSize + 1, text);
  EXPECT_EQ(text, "3 KB");
}
}  // namespace
