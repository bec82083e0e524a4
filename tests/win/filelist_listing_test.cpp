// The file list's folder view: construction, the entry record, the mask, the attribute
// set, sizes, captions, the Directory setter and the selection properties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/folders/ShellInfoCache.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/FileTimeText.h"
#include "tests/win/support/FileListFixture.h"
#include "toolkit/Locale.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/Utf.h"

namespace {
using Names = std::vector<std::string>;

std::string CurrentDirectory() {
  wchar_t buf[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, buf);
  return Narrow(buf);
}

TEST_F(FileListTest, ConstructionSetsTheDocumentedValuesAndListsNothing) {
  EXPECT_EQ(view->Directory(), "Drives");
  EXPECT_EQ(view->Mask(), "*.*");
  EXPECT_EQ(view->FileType(), (TFileType{ftReadOnly, ftHidden, ftSystem, ftArchive}));
  EXPECT_TRUE(view->ShowFolders());
  EXPECT_TRUE(view->ParentDirEnabled());
  EXPECT_EQ(view->ParentDirCaption(), " Parent");
  EXPECT_FALSE(view->HideFileExt());
  EXPECT_EQ(view->FileSize(), fsKB);
  EXPECT_EQ(view->DateFormat(), df_Customize);
  EXPECT_EQ(view->TimeFormat(), tfShortFormat);
  EXPECT_EQ(view->DatePattern(), LocaleText(GetThreadLocale(), LOCALE_SSHORTDATE));
  EXPECT_EQ(view->TimePattern(), FormatSettings.ShortTimeFormat);
  EXPECT_EQ(view->ColWidth_Name(), 165);
  EXPECT_EQ(view->ColWidth_Attr(), 40);
  EXPECT_EQ(view->Language(), lnEnglish);
  EXPECT_TRUE(view->DblClickToOpen());
  EXPECT_TRUE(view->PopUpMenuEnabled());
  EXPECT_EQ(view->About(), "Version 2.8.7.9");
  EXPECT_TRUE(view->MultiSelect());
  EXPECT_FALSE(view->ReadOnly());
  EXPECT_FALSE(view->HideSelection());
  EXPECT_EQ(view->ViewStyle(), TViewStyle::vsReport);
  EXPECT_EQ(view->Count(), 0);
  // The window's creation built the folder-view columns.
  ASSERT_EQ(view->ColumnCount(), 5);
  EXPECT_EQ(view->Column(1).Caption, "Size");
  EXPECT_EQ(view->Column(1).Alignment, TAlignment::taRightJustify);
  EXPECT_EQ(view->Column(3).Width, 125);
  EXPECT_TRUE(view->FolderColumnsInPlace());
}

TEST_F(FileListTest, EntriesCarryTheDocumentedSubItems) {
  const std::string file = WriteSized("notes.txt", 2048);
  dir.MakeDir("Sub");
  SetWriteTime(file, 2021, 3, 4, 5, 6);
  ListTempDir();
  EXPECT_EQ(view->Directory(), dir.Path());

  const TListItem& f = Entry("notes.txt");
  ASSERT_EQ(f.SubItems.size(), 7u);
  const TShellFileInfo shell = AskShell(Widen(file));
  EXPECT_EQ(f.ImageIndex, shell.IconIndex);
  EXPECT_EQ(f.SubItems[kSubSize], "2 KB");
  EXPECT_EQ(f.SubItems[kSubType], shell.TypeName);
  WIN32_FIND_DATAW fd;
  FindClose(FindFirstFileW(Widen(file).c_str(), &fd));
  EXPECT_EQ(f.SubItems[kSubDate], FileTimeToText(fd.ftLastWriteTime, view->DatePattern(), view->TimePattern()));
  EXPECT_EQ(f.SubItems[kSubAttr], AttributeLetters(fd.dwFileAttributes));
  EXPECT_EQ(f.SubItems[kSubPath], file);
  EXPECT_EQ(f.SubItems[kSubKind], "file");
  const double ticks = static_cast<double>((std::uint64_t{fd.ftLastWriteTime.dwHighDateTime} << 32) |
                                          fd.ftLastWriteTime.dwLowDateTime);
  EXPECT_EQ(f.SubItems[kSubDateKey], FormatGeneralFloat(ticks, FormatSettings.DecimalSeparator));

  const TListItem& sub = Entry("Sub");
  EXPECT_EQ(sub.SubItems[kSubSize], " ");
  EXPECT_EQ(sub.SubItems[kSubPath], dir.Path() + "Sub");
  EXPECT_EQ(sub.SubItems[kSubKind], "dir");

  const TListItem& parent = Entry(" Parent");
  EXPECT_EQ(parent.ImageIndex, view->ParentImageIndex());
  for (int k = kSubSize; k <= kSubAttr; ++k) EXPECT_EQ(parent.SubItems[k], " ") << k;
  EXPECT_EQ(parent.SubItems[kSubPath], dir.Path() + "..");
  EXPECT_EQ(parent.SubItems[kSubKind], "dir");
  // The window shows the texts in the columns.
  const int i = IndexOf("notes.txt");
  EXPECT_EQ(ShownText(*view, i, 0), "notes.txt");
  EXPECT_EQ(ShownText(*view, i, 1), "2 KB");
}

TEST_F(FileListTest, AListingEndsWithParentFoldersAndFilesEachByNameAndTheFirstEntryFocused) {
  dir.Write("b.txt", "");
  dir.Write("A.txt", "");
  dir.Write("c.log", "");
  dir.MakeDir("zeta");
  dir.MakeDir("Alpha");
  ListTempDir();
  EXPECT_EQ(Captions(), (Names{" Parent", "Alpha", "zeta", "A.txt", "b.txt", "c.log"}));
  EXPECT_EQ(view->ItemFocused(), 0);
  EXPECT_EQ(view->SelCount(), 0);
  EXPECT_EQ(view->SelectedNumber(), 6);  // nothing selected: every entry, the parent included
}

TEST_F(FileListTest, MaskBlanksSemicolonsAndDoubleMatches) {
  dir.Write("a.txt", "");
  dir.Write("b.log", "");
  dir.Write(" c.txt", "");
  view->SetShowFolders(false);
  ListTempDir();
  view->SetMask("  *.txt  ");
  EXPECT_EQ(Captions(), (Names{" c.txt", "a.txt"}));
  // A blank after ";" belongs to the next pattern; ";;" searches nothing.
  view->SetMask("*.log; *.txt;;");
  EXPECT_EQ(Captions(), (Names{" c.txt", "b.log"}));
  view->SetMask("   ");
  EXPECT_EQ(Captions(), (Names{" c.txt", "a.txt", "b.log"}));
  // A name that two parts match is listed once per part.
  view->SetMask("*.txt;a.*");
  EXPECT_EQ(Captions(), (Names{" c.txt", "a.txt", "a.txt"}));
}

TEST_F(FileListTest, ParentEntryRules) {
  dir.MakeDir("Sub");
  ListTempDir();
  EXPECT_EQ(view->Item(0).Caption, " Parent");
  view->SetParentDirEnabled(false);
  view->UpdateFileList();
  EXPECT_EQ(Captions(), Names{"Sub"});
  view->SetShowFolders(false);
  EXPECT_EQ(view->Count(), 0);
  // A drive root has no "." and "..": no parent entry even with both switched on.
  view->SetParentDirEnabled(true);
  view->SetShowFolders(true);
  view->SetDirectory("C:\\");
  EXPECT_EQ(view->Directory(), "C:\\");
  EXPECT_GT(view->Count(), 0);
  EXPECT_EQ(IndexOf(" Parent"), -1);
}

TEST_F(FileListTest, AttributeSetAdmitsHiddenAndReadOnlySystemEntriesOnlyWithTheirMembers) {
  SetAttributes(dir.Write("hidden.txt", ""), FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(dir.MakeDir("HiddenDir"), FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(dir.Write("rs.txt", ""), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
  dir.Write("plain.txt", "");
  ListTempDir();
  EXPECT_GE(IndexOf("hidden.txt"), 0);
  EXPECT_GE(IndexOf("HiddenDir"), 0);
  EXPECT_GE(IndexOf("rs.txt"), 0);
  const std::string rs(Entry("rs.txt").SubItems[kSubAttr]);
  EXPECT_EQ(rs.substr(rs.size() - 2), "RS");  // some file systems add the archive bit

  view->SetFileType({ftReadOnly, ftArchive, ftNormal});
  EXPECT_EQ(Captions(), (Names{" Parent", "plain.txt"}));
  view->SetFileType({ftReadOnly, ftSystem});
  EXPECT_EQ(Captions(), (Names{" Parent", "plain.txt", "rs.txt"}));
  view->SetFileType({ftSystem, ftHidden});
  EXPECT_EQ(Captions(), (Names{" Parent", "HiddenDir", "hidden.txt", "plain.txt"}));
}

TEST_F(FileListTest, SizesInKilobytesAndBytes) {
  const std::pair<const char*, std::size_t> files[] = {{"s0", 0},       {"s1", 1},       {"s1023", 1023},
                                                       {"s1024", 1024}, {"s2047", 2047}, {"s2048", 2048},
                                                       {"s1536", 1536}};
  for (auto& [name, bytes] : files) WriteSized(name, bytes);
  dir.MakeDir("folder");
  ListTempDir();
  const auto size = [&](const char* name) { return std::string(Entry(name).SubItems[kSubSize]); };
  EXPECT_EQ(size("s0"), "0 KB");
  EXPECT_EQ(size("s1"), "1 KB");
  EXPECT_EQ(size("s1023"), "1 KB");
  EXPECT_EQ(size("s1024"), "1 KB");
  EXPECT_EQ(size("s2047"), "1 KB");
  EXPECT_EQ(size("s2048"), "2 KB");
  EXPECT_EQ(size("folder"), " ");
  // Writing FileSize takes effect at the next listing.
  view->SetFileSize(fsByte);
  EXPECT_EQ(size("s1536"), "1 KB");
  view->UpdateFileList();
  EXPECT_EQ(size("s1536"), "1536");
  EXPECT_EQ(size("s0"), "0");
  EXPECT_EQ(size("folder"), " ");
}

TEST_F(FileListTest, HideFileExtCutsTheLastExtension) {
  for (const char* n : {"readme.txt", "archive.tar.gz", "noext", ".profile"}) dir.Write(n, "");
  dir.MakeDir("dir.d");
  view->SetHideFileExt(true);
  ListTempDir();
  EXPECT_EQ(Captions(), (Names{" Parent", "dir", "", "archive.tar", "noext", "readme"}));
  EXPECT_EQ(Entry("readme").SubItems[kSubPath], dir.Path() + "readme.txt");
}

TEST_F(FileListTest, DirectorySetterRules) {
  view->SetShowFolders(false);
  ListTempDir();
  EXPECT_EQ(CurrentDirectory() + (CurrentDirectory().back() == '\\' ? "" : "\\"), dir.Path());
  dir.Write("later.txt", "");
  // The same folder in another case: nothing happens, not even a new listing.
  std::string lower = dir.Path();
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  view->SetDirectory(lower);
  EXPECT_EQ(view->Directory(), dir.Path());
  EXPECT_EQ(view->Count(), 0);
  // Without its trailing backslash it counts as different: it is listed again.
  view->SetDirectory(dir.Path().substr(0, dir.Path().size() - 1));
  EXPECT_EQ(view->Directory(), dir.Path());
  EXPECT_EQ(Captions(), Names{"later.txt"});
  // A folder that does not exist changes nothing.
  view->SetDirectory(dir.Path() + "missing");
  EXPECT_EQ(view->Directory(), dir.Path());
  EXPECT_EQ(view->Count(), 1);
  // The drives pseudo-folder in any case, kept as written.
  view->SetDirectory("dRiVeS");
  EXPECT_EQ(view->Directory(), "dRiVeS");
  EXPECT_TRUE(view->IsDrivesView());
  view->SetDirectory("DRIVES");
  EXPECT_EQ(view->Directory(), "dRiVeS");
  // Only ASCII letters fold: a dotless i makes another name (here one that does not exist).
  ListTempDir();
  view->SetDirectory("dr\xC4\xB1ves");
  EXPECT_EQ(view->Directory(), dir.Path());
  EXPECT_FALSE(view->IsDrivesView());
}

TEST_F(FileListTest, ReListingSettersActOnlyOnAChange) {
  view->SetShowFolders(false);
  ListTempDir();
  dir.Write("new.txt", "");
  view->SetMask("*.*");
  view->SetShowFolders(false);
  view->SetFileType(view->FileType());
  EXPECT_EQ(view->Count(), 0);
  view->SetMask("*.TXT");  // compared exactly: a new text lists again
  EXPECT_EQ(Captions(), Names{"new.txt"});
}

TEST_F(FileListTest, SelectionProperties) {
  WriteSized("a.bin", 1000);
  WriteSized("b.bin", 234);
  dir.MakeDir("Sub");
  ListTempDir();
  EXPECT_EQ(view->SelectedSize(), 0);
  view->SetSelected(IndexOf("a.bin"), true);
  view->SetSelected(IndexOf("b.bin"), true);
  view->SetSelected(IndexOf("Sub"), true);
  view->SetSelected(IndexOf(" Parent"), true);
  EXPECT_EQ(view->SelectedNumber(), 4);
  EXPECT_EQ(view->SelectedSize(), 1234);
  // Other programs may write meanwhile: a margin of 100 MB.
  EXPECT_NEAR(static_cast<double>(view->DriveFreeSpace()), static_cast<double>(DiskFreeKB(dir.Path())), 102400.0);
  view->SetSelectedItem("x");
  EXPECT_EQ(view->SelectedItem(), "x");
  EXPECT_EQ(view->SelCount(), 4);  // writing SelectedItem leaves the selection alone
}

TEST_F(FileListTest, DatePatternsComeFromTheFormatsAtTheTimeOfListing) {
  const std::string file = dir.Write("dated.txt", "");
  SetWriteTime(file, 2021, 3, 4, 15, 6);
  view->SetDateFormat(df_yyyyMMdd);
  EXPECT_EQ(view->DatePattern(), "yyyy-MM-dd");
  view->SetTimeFormat(tfCustomize);
  ListTempDir();
  FILETIME utc, local;
  SYSTEMTIME st{2021, 3, 0, 4, 15, 6, 0, 0};
  SystemTimeToFileTime(&st, &utc);
  FileTimeToLocalFileTime(&utc, &local);
  FileTimeToSystemTime(&local, &st);
  char day[16];
  std::snprintf(day, sizeof day, "%04d-%02d-%02d ", st.wYear, st.wMonth, st.wDay);
  const std::string text(Entry("dated.txt").SubItems[kSubDate]);
  EXPECT_EQ(text.substr(0, 11), day);
  EXPECT_EQ(text.substr(text.size() - 2), st.wHour >= 12 ? "PM" : "AM");
}
// The window asks for each text and icon as it paints: what it is handed is what a
// command reads, for packed entries under either size unit and with the parent entry's
// blanks, and for the drives view's entries, given whole.
TEST_F(FileListTest, TheWindowIsHandedTheTextsAndIconsTheEntriesRead) {
  WriteSized("big.log", 5000);
  dir.Write("readme.txt", "");
  dir.MakeDir("Sub");
  const auto checkWindow = [this](int columns) {
    for (int i = 0; i < view->Count(); ++i) {
      const TListItem item = view->Item(i);
      for (int column = 0; column < columns; ++column) {
        const std::string_view wanted = column == 0 ? std::string_view(item.Caption) : item.SubItems[column - 1];
        EXPECT_EQ(ShownText(*view, i, column), wanted) << i << " " << column;
        EXPECT_EQ(view->ItemText(i, column), wanted);
      }
      LVITEMW shown{};
      shown.mask = LVIF_IMAGE;
      shown.iItem = i;
      ASSERT_TRUE(ListView_GetItem(view->Handle(), &shown));
      EXPECT_EQ(shown.iImage, item.ImageIndex) << i;
      EXPECT_EQ(view->EntryPath(i), item.SubItems[kSubPath]);
      EXPECT_EQ(view->EntryKind(i), item.SubItems[kSubKind]);
    }
  };
  for (TFileSize unit : {fsKB, fsByte}) {
    view->SetFileSize(unit);
    ListTempDir();
    view->UpdateFileList();
    ASSERT_EQ(view->Count(), 4);
    checkWindow(5);
  }
  EXPECT_EQ(Entry("big.log").SubItems[kSubSize], "5000");
  EXPECT_EQ(view->Item(IndexOf("readme.txt")).ImageIndex, AskShell(Widen(dir.File("readme.txt"))).IconIndex);
  view->SetDirectory("Drives");
  ASSERT_GE(view->Count(), 2);
  checkWindow(4);
  EXPECT_EQ(view->Item(0).ImageIndex, AskShell(Widen(view->EntryPath(0))).IconIndex);
  EXPECT_NE(view->Item(0).ImageIndex, 0) << "a drive has the picture of one";
}

// Texts are made as they are painted, yet by the settings of the listing: a later change
// shows at the next one.
TEST_F(FileListTest, FormatsChangedAfterAListingLeaveItsTextsAsListed) {
  SetWriteTime(dir.Write("readme.txt", ""), 2021, 3, 4, 15, 6);
  ListTempDir();
  const auto shown = [this] {
    std::vector<std::string> texts;
    for (int i = 0; i < view->Count(); ++i)
      for (int column = 0; column < 5; ++column) texts.push_back(ShownText(*view, i, column));
    return texts;
  };
  const std::vector<std::string> listed = shown();
  const std::string date(Entry("readme.txt").SubItems[kSubDate]);
  view->SetDateFormat(df_yyyyMMdd);
  view->SetTimeFormat(tfLongFormat);
  view->SetHideFileExt(true);
  RedrawWindow(view->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(shown(), listed);
  EXPECT_EQ(IndexOf("readme"), -1);
  view->UpdateFileList();
  EXPECT_GE(IndexOf("readme"), 0);
  EXPECT_NE(Entry("readme").SubItems[kSubDate], date);
}

// Type-ahead looks for the captions as shown: the parent's, and names without their
// extension when those are hidden.
TEST_F(FileListTest, TypingFindsEntriesByTheirShownCaptions) {
  for (const char* n : {"alpha.txt", "beta.txt", "Bravo.log"}) dir.Write(n, "");
  view->SetHideFileExt(true);
  ListTempDir();
  const auto find = [&](int start, UINT flags, const wchar_t* text) {
    LVFINDINFOW info{};
    info.flags = flags;
    info.psz = text;
    return ListView_FindItem(view->Handle(), start, &info);
  };
  EXPECT_EQ(find(-1, LVFI_STRING, L" parent"), 0);
  EXPECT_EQ(find(-1, LVFI_STRING, L"BETA"), IndexOf("beta"));
  EXPECT_EQ(find(-1, LVFI_STRING, L"beta.txt"), -1);
  EXPECT_EQ(find(-1, LVFI_PARTIAL | LVFI_WRAP, L"br"), IndexOf("Bravo"));
}
}  // namespace
