// The shell's answers shared within a listing must be those the entries' own queries give.
#include <gtest/gtest.h>

#include "filebrowser/folders/FolderIconCache.h"
#include "filebrowser/folders/ShellInfoCache.h"
#include "filebrowser/shell/ShellIcons.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
class ShellCacheTest : public ::testing::Test {
 protected:
  // Asks the cache about the entry and checks the answer against the entry's own query.
  void Check(const std::string& name) {
    SCOPED_TRACE(name);
    const std::wstring path = Widen(dir.File(name));
    const DWORD attrs = GetFileAttributesW(path.c_str());
    ASSERT_NE(attrs, INVALID_FILE_ATTRIBUTES);
    const TShellInfoCache::TAnswer answer = cache.Query(Widen(dir.Path()), Widen(name), attrs);
    const TShellFileInfo own = AskShell(path);
    ASSERT_TRUE(own.Found);
    EXPECT_EQ(answer.IconIndex, own.IconIndex);
    EXPECT_EQ(answer.TypeName, own.TypeName);
  }
  TTempDir dir;
  TShellInfoCache cache;
};

TEST_F(ShellCacheTest, FilesOfOneExtensionAndPlainFoldersShareOneQuery) {
  for (const char* n : {"a.txt", "b.txt", "C.TXT", "x.ini", "noext", "other", "f.xyz", "g.XYZ"}) dir.Write(n, "");
  dir.MakeDir("d1");
  dir.MakeDir("d2.txt");
  for (const char* n : {"a.txt", "b.txt", "C.TXT", "x.ini", "noext", "other", "f.xyz", "g.XYZ", "d1", "d2.txt"})
    Check(n);
  // .txt, .TXT, .ini, no extension, .xyz, .XYZ and the folders.
  EXPECT_EQ(cache.ShellQueries(), 7);
}

TEST_F(ShellCacheTest, EntriesThatMayCarryTheirOwnIconAreAskedEachTime) {
  dir.Write("one.exe", "");
  dir.Write("two.EXE", "");
  dir.Write("link.lnk", "");
  // The system attribute lets a folder name its own icon.
  const std::string custom = dir.MakeDir("custom");
  ASSERT_TRUE(SetFileAttributesW(Widen(custom).c_str(), FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(GetFileAttributesW(Widen(custom).c_str()) & FILE_ATTRIBUTE_SYSTEM);
  dir.MakeDir("plain");
  for (const char* n : {"one.exe", "two.EXE", "link.lnk", "custom", "custom", "plain"}) Check(n);
  EXPECT_EQ(cache.ShellQueries(), 6);
}

TEST_F(ShellCacheTest, RegisteredTypesWhoseIconIsTheFileAreAskedEachTime) {
  // A type registered for this test only: its icon is each file's own ("%1").
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L".scrvown", 0, nullptr, 0, KEY_WRITE, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  UniqueRegKey ext(raw);
  const wchar_t progId[] = L"ScrivletTest.OwnIcon";
  RegSetValueExW(ext.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(progId), sizeof progId);
  const wchar_t icon[] = L"%1";
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L"ScrivletTest.OwnIcon\\DefaultIcon", nullptr, REG_SZ, icon, sizeof icon);
  dir.Write("a.scrvown", "");
  dir.Write("b.scrvown", "");
  Check("a.scrvown");
  Check("b.scrvown");
  EXPECT_EQ(cache.ShellQueries(), 2);
  ext.reset();
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".scrvown");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ScrivletTest.OwnIcon");
}

TEST_F(ShellCacheTest, TypesWithARedirectedOwnIconAreAskedEachTime) {
  // ".scrvcur" names a class whose current version draws each file's own icon;
  // ".scrvsfa" has its own icon only among the system's associations.
  const auto set = [](const wchar_t* key, const wchar_t* value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value,
                    static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  };
  set(L".scrvcur", L"ScrivletTest.Ver");
  set(L"ScrivletTest.Ver\\CurVer", L"ScrivletTest.Ver.2");
  set(L"ScrivletTest.Ver.2\\DefaultIcon", L"%1");
  set(L"SystemFileAssociations\\.scrvsfa\\DefaultIcon", L"%1");
  const char* names[] = {"a.scrvcur", "b.scrvcur", "a.scrvsfa", "b.scrvsfa", "plain.txt", "more.txt"};
  for (const char* n : names) dir.Write(n, "");
  for (const char* n : names) Check(n);
  EXPECT_EQ(cache.ShellQueries(), 5);  // four own icons, one for .txt
  for (const wchar_t* key : {L".scrvcur", L"ScrivletTest.Ver", L"ScrivletTest.Ver.2", L"SystemFileAssociations\\.scrvsfa"})
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
}

TEST_F(ShellCacheTest, FoldersThatLeadElsewhereAreAskedEachTime) {
  // Wine makes no mount points: the attributes are those a search reports for one.
  dir.MakeDir("plain");
  dir.MakeDir("mounted");
  const std::wstring folder = Widen(dir.Path());
  cache.Query(folder, L"plain", FILE_ATTRIBUTE_DIRECTORY);
  for (int i = 0; i < 2; ++i) cache.Query(folder, L"mounted", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_EQ(cache.ShellQueries(), 3);
}

TEST_F(ShellCacheTest, AnAnswerStaysWhatItWasAfterTheNextQuery) {
  dir.Write("one.exe", "");
  const std::string custom = dir.MakeDir("custom");
  ASSERT_TRUE(SetFileAttributesW(Widen(custom).c_str(), FILE_ATTRIBUTE_SYSTEM));
  const TShellFileInfo own = AskShell(Widen(dir.File("one.exe")));
  ASSERT_NE(own.TypeName, AskShell(Widen(custom)).TypeName);
  const auto& first = cache.Query(Widen(dir.Path()), L"one.exe", FILE_ATTRIBUTE_ARCHIVE);
  cache.Query(Widen(dir.Path()), L"custom", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM);
  EXPECT_EQ(first.TypeName, own.TypeName);
}

constexpr char kJunction[] = "Tools.{21EC2020-3AEA-1069-A2DD-08002B30309D}";

TEST_F(ShellCacheTest, AnEntryTheShellCannotAnswerSharesNothing) {
  // The first entry of each class went between the search and its query.
  dir.Write("b.txt", "");
  dir.MakeDir("plain");
  const std::wstring folder = Widen(dir.Path());
  EXPECT_EQ(cache.Query(folder, L"gone.txt", FILE_ATTRIBUTE_ARCHIVE).TypeName, "");
  EXPECT_EQ(cache.Query(folder, L"gone", FILE_ATTRIBUTE_DIRECTORY).TypeName, "");
  Check("b.txt");
  Check("plain");
  EXPECT_EQ(cache.ShellQueries(), 4);
}

TEST_F(ShellCacheTest, ShellJunctionNamesAreAskedOneByOne) {
  dir.MakeDir("plain");
  dir.MakeDir(kJunction);
  const std::wstring folder = Widen(dir.Path());
  cache.Query(folder, L"plain", FILE_ATTRIBUTE_DIRECTORY);
  for (int i = 0; i < 2; ++i) cache.Query(folder, Widen(kJunction), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(cache.ShellQueries(), 3);
  const struct {
    std::string_view Name;
    bool Junction;
  } names[] = {{kJunction, true},
               {"a.{21ec2020-3aea-1069-a2dd-08002b30309d}", true},
               {"{21EC2020-3AEA-1069-A2DD-08002B30309D}", false},
               {"a{21EC2020-3AEA-1069-A2DD-08002B30309D}", false},
               {"a.{21EC2020-3AEA-1069-A2DD-08002B30309}", false},
               {"a.{21EC2020-3AEA-1069-A2DD-08002B30309G}", false},
               {"a.{21EC2020-3AEA-1069-A2DD+08002B30309D}", false},
               {"a.(21EC2020-3AEA-1069-A2DD-08002B30309D)", false}};
  for (const auto& n : names) EXPECT_EQ(IsShellJunctionName(n.Name), n.Junction) << n.Name;
}

TEST_F(ShellCacheTest, FolderPicturesAreSharedOnlyWhenPlainAndAnswered) {
  TFolderIconCache icons;
  const std::string plain = dir.MakeDir("plain");
  const std::string custom = dir.MakeDir("custom");
  dir.Write("custom\\desktop.ini", "[.ShellClassInfo]\r\n");
  dir.MakeDir(kJunction);
  int normal = 0, open = 0;
  ASSERT_TRUE(SmallIconIndexes(plain, normal, open));
  ASSERT_NE(normal, 0) << "a failed answer must differ from a folder's";
  // Wine drops a folder's read-only attribute: the cache is given the one a search reports.
  const DWORD customised = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
  const TFolderIconCache::TIcons gone = icons.IconsOf(dir.Path(), "gone", FILE_ATTRIBUTE_DIRECTORY);
  for (int i = 0; i < 2; ++i) {
    icons.IconsOf(dir.Path(), "custom", customised);
    icons.IconsOf(dir.Path(), kJunction, FILE_ATTRIBUTE_DIRECTORY);
  }
  const int asked = icons.ShellQueries();
  const TFolderIconCache::TIcons first = icons.IconsOf(dir.Path(), "plain", FILE_ATTRIBUTE_DIRECTORY);
  const TFolderIconCache::TIcons second = icons.IconsOf(dir.Path(), "plain2", FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(gone.Normal, 0);
  EXPECT_EQ((std::pair{first.Normal, first.Open}), (std::pair{normal, open}));
  EXPECT_EQ((std::pair{second.Normal, second.Open}), (std::pair{normal, open}));
  // Each of the four dressed ones and the first plain one: a normal and an open picture each.
  EXPECT_EQ(asked, 2 + 4 * 2);
  EXPECT_EQ(icons.ShellQueries(), asked + 2);
}
}  // namespace
