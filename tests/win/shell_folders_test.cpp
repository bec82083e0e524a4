// Special folders and the folder picker.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "filebrowser/lang/Language.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FolderBrowser.h"
#include "filebrowser/shell/SpecialFolders.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Puts a test value under the user's Shell Folders key and restores the old one.
class TShellFolderValue {
 public:
  explicit TShellFolderValue(std::wstring name) : name_(std::move(name)) {
    HKEY raw = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &raw,
                    nullptr);
    key_.reset(raw);
    wchar_t buf[2048] = {};
    DWORD bytes = sizeof buf - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key_.get(), name_.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &bytes) ==
        ERROR_SUCCESS)
      saved_ = std::wstring(buf);
  }
  TShellFolderValue(const TShellFolderValue&) = delete;
  TShellFolderValue& operator=(const TShellFolderValue&) = delete;
  ~TShellFolderValue() {
    if (saved_) Set(*saved_);
    else Remove();
  }
  void Set(const std::wstring& value) {
    RegSetValueExW(key_.get(), name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  void Remove() { RegDeleteValueW(key_.get(), name_.c_str()); }

 private:
  std::wstring name_;
  UniqueRegKey key_;
  std::optional<std::wstring> saved_;
};

TEST(SpecialFolders, WindowsAndSystemEndInOneBackslash) {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  EXPECT_EQ(GetSpecialFolder(sfWindows), Narrow(windows) + "\\");
  const std::string system = GetSpecialFolder(sfSystem);
  ASSERT_GE(system.size(), 4u);
  EXPECT_EQ(system.back(), '\\');
  EXPECT_NE(system[system.size() - 2], '\\');
}

TEST(SpecialFolders, RegistryValueGetsABackslashOnlyWhenItHasNone) {
  TShellFolderValue favorites(L"Favorites");
  favorites.Set(L"C:\\Fav\\");
  EXPECT_EQ(GetSpecialFolder(sfFavorites), "C:\\Fav\\");
  favorites.Set(L"C:\\Fav");
  EXPECT_EQ(GetSpecialFolder(sfFavorites), "C:\\Fav\\");
  favorites.Set(L"C:\\Gr\u00FC\u00DFe");
  EXPECT_EQ(GetSpecialFolder(sfFavorites), "C:\\Gr\xC3\xBC\xC3\x9F" "e\\");
}

TEST(SpecialFolders, MissingOrEmptyValueGivesEmptyText) {
  TShellFolderValue netHood(L"NetHood");
  netHood.Remove();
  EXPECT_EQ(GetSpecialFolder(sfNetHood), "");
  netHood.Set(L"");
  EXPECT_EQ(GetSpecialFolder(sfNetHood), "");
}

TEST(SpecialFolders, EachValueNameIsReadForItsFolder) {
  const struct {
    const wchar_t* Name;
    TSpecialFolder Folder;
  } rows[] = {{L"DeskTop", sfDesktop},   {L"Favorites", sfFavorites},   {L"NetHood", sfNetHood},
              {L"Personal", sfPersonal}, {L"Programs", sfPrograms},     {L"SendTo", sfSendTo},
              {L"Start Menu", sfStartMenu}, {L"StartUp", sfStartUp}};
  for (const auto& row : rows) {
    TShellFolderValue value(row.Name);
    value.Set(std::wstring(L"C:\\probe\\") + row.Name);
    EXPECT_EQ(GetSpecialFolder(row.Folder), "C:\\probe\\" + Narrow(row.Name) + "\\");
  }
}

class BrowseForFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListLanguage = lnEnglish;
    LoadFileListMessages();
  }
  TTempDir dir;
};

TEST_F(BrowseForFolderTest, ChosenFolderEndsInABackslash) {
  const std::string folder = dir.MakeDir("picked");
  Scripted().BrowseAnswer = [&](BROWSEINFOW& info) {
    EXPECT_EQ(info.pidlRoot, nullptr);
    EXPECT_NE(info.pszDisplayName, nullptr);
    EXPECT_EQ(info.ulFlags, 0u);
    return ILCreateFromPathW(Widen(folder).c_str());
  };
  std::string path = "unchanged";
  EXPECT_TRUE(BrowseForFolder(nullptr, path, false));
  EXPECT_EQ(path, folder + "\\");
  EXPECT_EQ(Scripted().Last().Text, "Please specify a directory");
}

TEST_F(BrowseForFolderTest, NetworkRootStartsAtTheNeighbourhood) {
  LPITEMIDLIST expected = nullptr;
  const bool haveNetwork = SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_NETWORK, &expected));
  const UniqueItemIdList network(expected);
  bool sawRoot = false;
  Scripted().BrowseAnswer = [&](BROWSEINFOW& info) -> PIDLIST_ABSOLUTE {
    sawRoot = info.pidlRoot != nullptr && haveNetwork && ILIsEqual(info.pidlRoot, network.get());
    return nullptr;
  };
  std::string path = "unchanged";
  EXPECT_FALSE(BrowseForFolder(nullptr, path, true));
  EXPECT_EQ(path, "unchanged");
  if (haveNetwork) {
    EXPECT_TRUE(sawRoot);
  }
}

TEST_F(BrowseForFolderTest, ItemWithoutAPathLeavesThePathAlone) {
  Scripted().BrowseAnswer = [](BROWSEINFOW&) -> PIDLIST_ABSOLUTE {
    LPITEMIDLIST computer = nullptr;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer);
    return computer;
  };
  std::string path = "unchanged";
  EXPECT_FALSE(BrowseForFolder(nullptr, path, false));
  EXPECT_EQ(path, "unchanged");
}

}  // namespace
