#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/FileListSort.h"

namespace {

constexpr std::string_view kParent = " Parent";

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

TSortEntry Make(std::string_view caption, std::string_view kind, std::string_view size,
                std::string_view type, std::string_view attr, std::string_view date) {
  const std::string upper = AsciiUpper(caption);
  return MakeSortEntry({caption, upper, size, type, attr, kind, date}, '.');
}

TSortEntry File(std::string_view name, std::string_view size = "1 KB",
                std::string_view date = "1.3E17", std::string_view type = "Text Document",
                std::string_view attr = "A") {
  return Make(name, "file", size, type, attr, date);
}

TSortEntry Folder(std::string_view name, std::string_view date = "1.3E17",
                  std::string_view attr = "") {
  return Make(name, "dir", " ", "File folder", attr, date);
}

TSortEntry Parent(std::string_view date = "1.3E17") {
  return Make(kParent, "dir", " ", " ", " ", date);
}

std::vector<std::string> Sorted(const std::vector<TSortEntry>& entries, const TSortState& state,
                                TFileSize unit = fsKB) {
  std::vector<std::string> captions;
  for (std::size_t k : SortedOrder(entries, state, unit, kParent)) {
    captions.emplace_back(entries[k].Caption);
  }
  return captions;
}

using Captions = std::vector<std::string>;

int Cmp(const TSortEntry& a, const TSortEntry& b, const TSortState& state, TFileSize unit = fsKB) {
  return CompareEntries(a, b, state, unit, kParent, false);
}

TSortState AfterListing() {
  TSortState state;
  ResetAfterListing(state);
  return state;
}

std::vector<TSortEntry> AFolder() {
  return {File("b.txt", "3 KB"), Folder("Zeta"), File("A.txt", "12 KB"), Parent(),
          Folder("alpha"), File("c.TXT", "1 KB")};
}

TEST(SortState, ClicksAndListings) {
  TSortState state;
  EXPECT_EQ(state.Column, kColName);
  EXPECT_TRUE(state.Descending);
  ResetAfterListing(state);
  EXPECT_FALSE(state.Descending);
  // The sorted column flips; another column starts descending.
  EXPECT_TRUE(ApplyColumnClick(state, kColName));
  EXPECT_TRUE(state.Descending);
  EXPECT_TRUE(ApplyColumnClick(state, kColSize));
  EXPECT_EQ(state.Column, kColSize);
  EXPECT_TRUE(state.Descending);
  EXPECT_TRUE(ApplyColumnClick(state, kColSize));
  EXPECT_FALSE(state.Descending);
  // The drives view is not sortable: nothing changes.
  state.Sortable = false;
  EXPECT_FALSE(ApplyColumnClick(state, kColType));
  EXPECT_EQ(state.Column, kColSize);
  EXPECT_FALSE(state.Descending);
}

TEST(SortByName, ListingOrderIsParentFoldersFilesByUpperCasedName) {
  EXPECT_EQ(Sorted(AFolder(), AfterListing()),
            (Captions{" Parent", "alpha", "Zeta", "A.txt", "b.txt", "c.TXT"}));
}

TEST(SortByName, SecondClickGivesParentThenFilesThenFoldersBackwards) {
  TSortState state = AfterListing();
  ASSERT_TRUE(ApplyColumnClick(state, kColName));
  EXPECT_EQ(Sorted(AFolder(), state),
            (Captions{" Parent", "c.TXT", "b.txt", "A.txt", "Zeta", "alpha"}));
}

TEST(SortByName, ParentComparesFirstInBothDirections) {
  const TSortEntry parent = Parent();
  const TSortEntry file = File("!.txt");
  const TSortEntry folder = Folder("!");
  for (bool descending : {false, true}) {
    TSortState state;
    state.Descending = descending;
    EXPECT_EQ(Cmp(parent, file, state), -1);
    EXPECT_EQ(Cmp(file, parent, state), 1);
    EXPECT_EQ(Cmp(parent, folder, state), -1);
    EXPECT_EQ(Cmp(folder, parent, state), 1);
  }
}

TEST(SortByName, DescendingPutsEveryFileBeforeEveryFolder) {
  TSortState state;
  state.Descending = true;
  EXPECT_EQ(Cmp(File("a"), Folder("z"), state), -1);
  state.Descending = false;
  EXPECT_EQ(Cmp(File("a"), Folder("z"), state), 1);
}

TEST(SortByName, PrefixIsSmallerAndCodesCompareUnsigned) {
  const TSortState state = AfterListing();
  EXPECT_EQ(Cmp(File("ab"), File("abc"), state), -1);
  EXPECT_EQ(Cmp(File("ABC"), File("abc"), state), 0);
  // A character beyond ASCII ("\xC3\x84", U+00C4) sorts after "Z".
  EXPECT_EQ(Cmp(File("\xC3\x84"), File("Z"), state), 1);
}

TEST(SortBySize, FirstClickLargestFileFirstFoldersLast) {
  TSortState state = AfterListing();
  ASSERT_TRUE(ApplyColumnClick(state, kColSize));
  const Captions order = Sorted(AFolder(), state);
  ASSERT_EQ(order.size(), 6u);
  EXPECT_EQ((Captions{order[0], order[1], order[2], order[3]}),
            (Captions{" Parent", "A.txt", "b.txt", "c.TXT"}));
  // The folders compare equal by size; both come after every file.
  EXPECT_EQ((Captions{order[4], order[5]}), (Captions{"Zeta", "alpha"}));
}

TEST(SortBySize, KilobyteTextsCompareByWholeKilobytes) {
  TSortState state;
  state.Column = kColSize;
  state.Descending = false;
  // 1500 and 1900 bytes both show 1 KB.
  EXPECT_EQ(Cmp(File("x", EntrySizeText(fsKB, "file", 1500)),
                File("y", EntrySizeText(fsKB, "file", 1900)), state),
            0);
  EXPECT_EQ(Cmp(File("x", "9 KB"), File("y", "10 KB"), state), -1);
  EXPECT_EQ(Cmp(File("x", "5242880 KB"), File("y", "0 KB"), state), 1);
}

TEST(SortBySize, ByteTextsUnderFsByte) {
  TSortState state;
  state.Column = kColSize;
  state.Descending = false;
  EXPECT_EQ(Cmp(File("x", "1500"), File("y", "1900"), state, fsByte), -1);
  EXPECT_EQ(Cmp(File("x", "5368709120"), File("y", "1900"), state, fsByte), 1);
}

TEST(SortBySize, TextsOfTheOtherUnitReadAsZero) {
  // FileSize changed since the listing: the comparison must not fail on the old texts.
  TSortState state;
  state.Column = kColSize;
  state.Descending = false;
  EXPECT_EQ(Cmp(File("x", "12 KB"), File("y", "0 KB"), state, fsByte), 0);
  EXPECT_EQ(Cmp(File("x", "1536"), File("y", "1 KB"), state), -1);
}

TEST(SortByModified, NewestFirstOnTheFirstClick) {
  TSortState state = AfterListing();
  ASSERT_TRUE(ApplyColumnClick(state, kColModified));
  const std::vector<TSortEntry> entries = {File("old", "1 KB", "1.30000000000001E17"),
                                           File("new", "1 KB", "1.33500000000001E17"),
                                           File("mid", "1 KB", "1.32514123456789E17")};
  EXPECT_EQ(Sorted(entries, state), (Captions{"new", "mid", "old"}));
  ASSERT_TRUE(ApplyColumnClick(state, kColModified));
  EXPECT_EQ(Sorted(entries, state), (Captions{"old", "mid", "new"}));
}

TEST(SortByModified, KeysWithTheLocalesDecimalSeparator) {
  TSortState state;
  state.Column = kColModified;
  state.Descending = false;
  const std::string upperA = "A";
  const std::string upperB = "B";
  const TSortEntry a = MakeSortEntry({"a", upperA, "1 KB", "", "", "file", "1,2E17"}, ',');
  const TSortEntry b = MakeSortEntry({"b", upperB, "1 KB", "", "", "file", "1,3E17"}, ',');
  EXPECT_EQ(Cmp(a, b, state), -1);
  EXPECT_EQ(CompareEntries(a, a, state, fsKB, kParent, true), 0);
}

TEST(SortByTypeAndAttr, OnlyAsciiLettersFoldTheirCase) {
  const auto typed = [](std::string_view type) { return File("x", "1 KB", "1E17", type); };
  const auto attributed = [](std::string_view attr) {
    return File("x", "1 KB", "1E17", "", attr);
  };
  TSortState state;
  state.Descending = false;
  state.Column = kColType;
  EXPECT_EQ(Cmp(typed("text document"), typed("TEXT Document"), state), 0);
  EXPECT_EQ(Cmp(typed("ini file"), typed("Text Document"), state), -1);
  // "\xC3\xA4" (a umlaut) is not folded, so it sorts after "\xC3\x84" (A umlaut).
  EXPECT_EQ(Cmp(typed("\xC3\xA4"), typed("\xC3\x84"), state), 1);
  state.Column = kColAttr;
  EXPECT_EQ(Cmp(attributed("ar"), attributed("AR"), state), 0);
  EXPECT_EQ(Cmp(attributed("A"), attributed("AR"), state), -1);
  state.Descending = true;
  EXPECT_EQ(Cmp(attributed("A"), attributed("AR"), state), 1);
}

TEST(SortedOrderTest, ParentStaysOnTopWhereTheComparisonIsNotAnOrder) {
  // Descending by Attr: a folder without attributes ("") goes before the parent (" "), the
  // parent before every file, and every file before every folder.
  TSortState state;
  state.Column = kColAttr;
  state.Descending = true;
  const std::vector<TSortEntry> entries = {Folder("f1"), File("a", "1 KB", "1E17", "", "A"),
                                           Parent(), Folder("f2"),
                                           File("b", "1 KB", "1E17", "", "AR")};
  EXPECT_EQ(Sorted(entries, state), (Captions{" Parent", "b", "a", "f1", "f2"}));
}

TEST(SortedOrderTest, AscendingModifiedPlacesTheParentByItsDate) {
  TSortState state;
  state.Column = kColModified;
  state.Descending = false;
  const std::vector<TSortEntry> entries = {Folder("newer", "1.4E17"), Parent("1.3E17"),
                                           Folder("older", "1.2E17"), File("f", "1 KB", "1E17")};
  EXPECT_EQ(Sorted(entries, state), (Captions{"older", " Parent", "newer", "f"}));
}

TEST(SortedOrderTest, LargeFolderInNameOrder) {
  // The entries refer to their captions.
  std::vector<std::string> names;
  for (int k = 9999; k >= 0; --k) {
    char name[16];
    std::snprintf(name, sizeof name, "f%05d.txt", k);
    names.emplace_back(name);
  }
  std::vector<TSortEntry> entries;
  for (const std::string& name : names) entries.push_back(File(name));
  entries.push_back(Parent());
  const std::vector<std::size_t> order = SortedOrder(entries, AfterListing(), fsKB, kParent);
  ASSERT_EQ(order.size(), entries.size());
  EXPECT_EQ(entries[order[0]].Caption, kParent);
  for (std::size_t k = 2; k < order.size(); ++k) {
    ASSERT_LT(entries[order[k - 1]].UpperName, entries[order[k]].UpperName);
  }
}

TEST(SortedOrderTest, EmptyList) {
  EXPECT_TRUE(SortedOrder({}, TSortState{}, fsKB, kParent).empty());
}

}  // namespace
