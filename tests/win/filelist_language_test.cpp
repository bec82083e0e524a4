// The file list's language change, parent caption, built-in menu and parent image.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <commoncontrols.h>
#include <shellapi.h>

#include "filebrowser/filelist/FileListPopup.h"
#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/lang/LanguageDefaults.h"
#include "filebrowser/lang/SharedMessages.h"
#include "tests/win/support/FileListFixture.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
using Names = std::vector<std::string>;
constexpr wchar_t kKey[] = L"Software\\Varnholt\\DqFileExplorer";

std::string HeaderText(HWND header, int index) {
  wchar_t buf[64] = {};
  HDITEMW hd{};
  hd.mask = HDI_TEXT;
  hd.pszText = buf;
  hd.cchTextMax = 64;
  Header_GetItem(header, index, &hd);
  return Narrow(buf);
}

int BuiltInMenus(const TDqFilelistView28& view) {
  int n = 0;
  for (int i = 0; i < view.ComponentCount(); ++i) n += dynamic_cast<TDqFilelistView28PopUp*>(view.Component(i)) != nullptr;
  return n;
}

bool ReadParentIndex(DWORD& value) {
  DWORD type = 0, size = sizeof value;
  return RegGetValueW(HKEY_CURRENT_USER, kKey, L"ParentImgIdx", RRF_RT_ANY, &type, &value, &size) == ERROR_SUCCESS &&
         type == REG_DWORD;
}

void WriteParentIndex(DWORD type, const void* data, DWORD size) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"ParentImgIdx", type, data, size), ERROR_SUCCESS);
}

TEST_F(FileListTest, LanguageChangeKeepsTheEntriesAndRetitlesTheColumns) {
  dir.Write("a.txt", "");
  ListTempDir();
  view->SetSelected(IndexOf("a.txt"), true);
  const Names before = Captions();
  const HWND oldWindow = view->Handle();
  view->SetPopUpMenuEnabled(false);
  EXPECT_EQ(view->PopupMenu(), nullptr);

  view->SetLanguage(lnGerman);
  EXPECT_EQ(view->Language(), lnGerman);
  EXPECT_EQ(ListLanguage, lnGerman);
  EXPECT_NE(view->Handle(), oldWindow);
  EXPECT_EQ(Captions(), before);
  EXPECT_EQ(view->Item(view->Selected()).Caption, "a.txt");
  const std::string size(LanguageText(TStringKey::sColSize, lnGerman));
  EXPECT_EQ(view->Column(1).Caption, size);
  EXPECT_EQ(HeaderText(view->HeaderHandle(), 1), size);
  EXPECT_EQ(SharedMessage(TStringKey::MsgNewFolder), LanguageText(TStringKey::MsgNewFolder, lnGerman));
  // A new built-in menu replaces the old one and is installed again.
  EXPECT_EQ(BuiltInMenus(*view), 1);
  EXPECT_TRUE(view->PopUpMenuEnabled());
  EXPECT_EQ(view->PopupMenu(), view->BuiltInMenu());
  EXPECT_EQ(view->BuiltInMenu()->FileListView(), view);
  EXPECT_TRUE(view->BuiltInMenu()->AutoPopup());

  const HWND window = view->Handle();
  view->SetLanguage(lnGerman);  // unchanged: nothing happens
  EXPECT_EQ(view->Handle(), window);
}

TEST_F(FileListTest, SystemDefaultLanguageIsResolvedFirst) {
  view->SetLanguage(lnSysDefault);
  EXPECT_EQ(view->Language(), ResolveSystemLanguage(lnSysDefault));
  EXPECT_NE(view->Language(), lnSysDefault);
}

TEST_F(FileListTest, LanguageChangeInTheDrivesViewPutsFolderColumnsOverTheDrives) {
  view->UpdateFileList();  // Directory is "Drives" from the start
  const int drives = view->Count();
  view->SetLanguage(lnFrench);
  EXPECT_EQ(view->Count(), drives);
  EXPECT_TRUE(view->FolderColumnsInPlace());
  EXPECT_EQ(view->Column(1).Caption, std::string(LanguageText(TStringKey::sColSize, lnFrench)));
}

TEST_F(FileListTest, ParentDirCaptionIsTrimmedComparedWithoutCaseAndUsedFromTheNextListing) {
  view->SetParentDirCaption("  PARENT ");
  EXPECT_EQ(view->ParentDirCaption(), " Parent");
  ListTempDir();
  view->SetParentDirCaption("  Up  ");
  EXPECT_EQ(view->ParentDirCaption(), " Up");
  EXPECT_EQ(view->Item(0).Caption, " Parent");
  dir.MakeDir("A");
  view->UpdateFileList();
  EXPECT_EQ(Captions(), (Names{" Up", "A"}));
  view->SortByColumn(view, 0);  // descending: the parent entry stays on top
  EXPECT_EQ(view->Item(0).Caption, " Up");
}

TEST_F(FileListTest, TheParentPictureLeavesTheShellsNextIconsTheirOwnIndexes) {
  // The shell gives one index for all its lists, so every list must have grown alike.
  int counts[SHIL_JUMBO + 1] = {};
  for (int which = 0; which <= SHIL_JUMBO; ++which) {
    IImageList* list = nullptr;
    ASSERT_EQ(SHGetImageList(which, __uuidof(IImageList), reinterpret_cast<void**>(&list)), S_OK);
    counts[which] = ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(list));
    list->Release();
  }
  for (int count : counts) EXPECT_EQ(count, counts[0]);
  // An icon the shell has not handed out before (a folder drawn open) gets a picture of its own.
  SHFILEINFOW sfi{};
  ASSERT_NE(SHGetFileInfoW(Widen(dir.Path()).c_str(), 0, &sfi, sizeof sfi,
                           SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON),
            0u);
  EXPECT_NE(sfi.iIcon, view->ParentImageIndex());
}

TEST_F(FileListTest, ParentImageIsRecordedAndFoundAgainByTheNextList) {
  DWORD recorded = 0;
  ASSERT_TRUE(ReadParentIndex(recorded));
  EXPECT_EQ(static_cast<int>(recorded), view->ParentImageIndex());
  EXPECT_TRUE(view->IsParentImageAt(view->ParentImageIndex()));
  EXPECT_FALSE(view->IsParentImageAt(0));
  EXPECT_FALSE(view->IsParentImageAt(-1));
  HIMAGELIST large = view->LargeImages();
  const int images = ImageList_GetImageCount(large);

  auto* second = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  EXPECT_EQ(second->ParentImageIndex(), view->ParentImageIndex());
  EXPECT_EQ(second->LargeImages(), large);
  EXPECT_EQ(second->SmallImages(), view->SmallImages());
  EXPECT_EQ(ImageList_GetImageCount(large), images);
  // The system lists are shared: a list that goes does not take them along.
  form->FreeComponent(second);
  EXPECT_EQ(ImageList_GetImageCount(large), images);
}

TEST_F(FileListTest, AForeignOrMalformedRecordIsReplaced) {
  HIMAGELIST large = view->LargeImages();
  const DWORD zero = 0;  // an image that is not the parent picture
  WriteParentIndex(REG_DWORD, &zero, sizeof zero);
  const int images = ImageList_GetImageCount(large);
  auto* second = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  EXPECT_EQ(ImageList_GetImageCount(large), images + 1);
  EXPECT_EQ(second->ParentImageIndex(), images);
  DWORD recorded = 0;
  ASSERT_TRUE(ReadParentIndex(recorded));
  EXPECT_EQ(static_cast<int>(recorded), images);

  const wchar_t text[] = L"7";
  WriteParentIndex(REG_SZ, text, sizeof text);
  auto* third = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  ASSERT_TRUE(ReadParentIndex(recorded));
  EXPECT_EQ(static_cast<int>(recorded), third->ParentImageIndex());
  EXPECT_TRUE(third->IsParentImageAt(third->ParentImageIndex()));
}
}  // namespace
