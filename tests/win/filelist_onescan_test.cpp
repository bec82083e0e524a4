// Listing a folder with one scan: the mask parts decided from the scanned names find
// exactly what the platform's own search of each part finds.
#include <gtest/gtest.h>

#include <algorithm>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/MaskPattern.h"
#include "tests/win/support/FileListFixture.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr const char* kScrivletMask =
    "*.txt;*.ini;*.sys;*.bat;*.inf;*.htm;*.html;*.xml;*.css;*.js;*.pas;*.dpr;*.dpk;*.inc;*.rc;*.bpr;*.bpk;*.hpp;"
    "*.cpp;*.h;*.c;*.ffp;*.nfo;*.diz;*.upl;*.log;*.csv;*.1st;*.lst";

// Names whose matching depends on dots, blanks, case, length and the short name.
const wchar_t* const kTrickyNames[] = {
    L"notes.txt", L"NOTES2.TXT", L"a.b.txt", L"notes.txtx", L"readme", L"trail.txt.", L"blank.txt ", L" lead.txt",
    L"page.html", L"page.htm", L"x.TxT", L".txt", L"txt", L"a..txt", L"a.txt.txt", L"long name with spaces.txt",
    L"\u00fcn\u00ef.txt", L"b.\u0131ni", L"c.\u017Fys", L"a.c", L"a.cpp", L"a.c.bak", L"x.1st", L"y.h", L"z.hpp",
    L"semi;colon.log", L"data.csvx", L"script.js", L"file.jsx", L"AUTOEXEC.BAT", L"setup.inf.old", L"n"};

// The names the platform's search of the pattern returns, sorted.
std::vector<std::wstring> PlatformSearch(const std::wstring& pattern, bool withShortNames = false) {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW fd;
  UniqueFind find(FindFirstFileW(pattern.c_str(), &fd));
  if (find) {
    do found.push_back(std::wstring(fd.cFileName) + (withShortNames ? L"|" + std::wstring(fd.cAlternateFileName) : L""));
    while (FindNextFileW(find.get(), &fd));
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<std::string> Parts(std::string mask) {
  mask = TrimMaskBlanks(mask);
  std::vector<std::string> parts;
  while (!mask.empty()) parts.push_back(NextMaskPart(mask));
  return parts;
}

class OneScanTest : public FileListTest {
 protected:
  void SetUp() override {
    FileListTest::SetUp();
    // The long form keeps trailing dots and blanks, which the plain form strips.
    for (const wchar_t* name : kTrickyNames)
      ASSERT_TRUE(UniqueFile(CreateFileW((L"\\\\?\\" + Widen(dir.Path()) + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    dir.MakeDir("folder.txt");
  }
};

TEST_F(OneScanTest, DecidedPartsFindWhatThePlatformsSearchFinds) {
  const std::wstring folder = Widen(dir.Path());
  std::vector<std::string> patterns = Parts(kScrivletMask);
  for (const char* p : {"", "*", "*.*", "n*", "N*.TXT", " *.txt", "*.TXT", "page*", "a*.c", "txt*", "*.txtx"})
    patterns.emplace_back(p);
  int compared = 0;
  for (const std::string& part : patterns) {
    const TMaskPattern pattern(part);
    std::vector<std::wstring> decided;
    bool unsure = !pattern.Decided();
    for (const std::wstring& entry : PlatformSearch(folder + L"*.*", true)) {
      const std::size_t bar = entry.find(L'|');
      const TNameMatch m = pattern.Match(entry.substr(0, bar), entry.substr(bar + 1));
      unsure = unsure || m == TNameMatch::Unsure;
      if (m == TNameMatch::Yes) decided.push_back(entry.substr(0, bar));
    }
    if (unsure) continue;  // the listing searches such a part on its own
    std::sort(decided.begin(), decided.end());
    EXPECT_EQ(decided, PlatformSearch(folder + Widen(part))) << '"' << part << '"';
    ++compared;
  }
  // All but the parts that meet a letter of uncertain case are decided from the scan.
  EXPECT_GE(compared, 36);
}

TEST_F(OneScanTest, ListingIsTheSameAsOneSearchPerPart) {
  view->SetShowFolders(false);
  ListTempDir();
  const std::string mask = std::string(kScrivletMask) + ";?.txt;a*;*.TXT";
  view->SetMask(mask);
  // The scan, then "?.txt" and the parts that meet a letter of uncertain case on their own.
  EXPECT_GE(view->FolderSearches(), 3);
  std::vector<std::string> expected, captions = Captions();
  for (const std::string& part : Parts(mask))
    for (const std::wstring& name : PlatformSearch(Widen(dir.Path() + part)))
      if (name != L"folder.txt") expected.push_back(Narrow(name));
  std::sort(expected.begin(), expected.end());
  std::sort(captions.begin(), captions.end());
  EXPECT_EQ(captions, expected);
  // Found through its short name only, and listed once per part that matches it.
  EXPECT_EQ(std::count(captions.begin(), captions.end(), "notes.txtx"), 2);  // *.txt, *.TXT
  EXPECT_EQ(std::count(captions.begin(), captions.end(), "a.cpp"), 2);      // *.cpp, a*

  ASSERT_TRUE(DeleteFileW(Widen(dir.File("b.\xc4\xb1ni")).c_str()));
  ASSERT_TRUE(DeleteFileW(Widen(dir.File("c.\xc5\xbfys")).c_str()));
  view->UpdateFileList();
  EXPECT_EQ(view->FolderSearches(), 2);
  // The folders' pass shares the scan.
  view->SetMask("*.txt");
  view->SetShowFolders(true);
  EXPECT_EQ(view->FolderSearches(), 1);
  EXPECT_EQ(view->Item(0).Caption, " Parent");
  ASSERT_GE(IndexOf("folder.txt"), 0);
  EXPECT_EQ(view->Item(IndexOf("folder.txt")).SubItems[kSubKind], "dir");
}

}  // namespace
