// The main window drives the browser: start-up listing, a click that fills the reader,
// Show Folders, Default Settings and the current directory read whole.
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "filebrowser/combo/DirTreeView.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TempIniLocation.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
class BrowserWiringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("a.txt", "first\nfile");
    dir.Write("b.txt", "second");
    dir.MakeDir("sub");
    dir.Write("sub\\inner.txt", "inner");
    GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW(Widen(dir.Path()).c_str());
    form = std::make_unique<TForm1>(nullptr);
    // No settings file of another run may move the browser.
    form->FormStorage1->SetLocation(std::make_unique<TTempIniLocation>(settings.Path()));
    Application->SetMainForm(form.get());
    form->ShowMain(SW_SHOWNORMAL);
    SetForegroundWindow(form->Handle());
    PumpMessages();
    list = form->BrowseFiles;
  }
  void TearDown() override {
    Application->SetMainForm(nullptr);
    form.reset();
    PumpMessages();
    SetCurrentDirectoryW(saved);
  }
  int IndexOf(const std::string& caption) const {
    for (int i = 0; i < list->Count(); ++i)
      if (list->Item(i).Caption == caption) return i;
    return -1;
  }
  void ClickOn(const std::string& caption, bool twice = false) { ClickListItem(*list, IndexOf(caption), twice); }
  std::string Shown() const { return Narrow(form->ReadText->TextW()); }

  TTempDir settings;
  TTempDir dir;
  wchar_t saved[MAX_PATH];
  std::unique_ptr<TForm1> form;
  TDqFilelistView28* list = nullptr;
};

TEST_F(BrowserWiringTest, ClickOnAFileShowsItAndOnAnythingElseClearsTheReader) {
  ClickOn("a.txt");
  EXPECT_EQ(Shown(), "first\r\nfile");
  EXPECT_FALSE(list->DblClickToOpen());
  EXPECT_EQ(form->ReadText->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_EQ(FocusedWindow(), list->Handle());

  // A file deleted after the listing clears the reader and lets a double click open.
  DeleteFileW(Widen(dir.File("b.txt")).c_str());
  ClickOn("b.txt");
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(list->DblClickToOpen());
}

TEST_F(BrowserWiringTest, AFailedLoadKeepsTheReaderAndTheState) {
  ClickOn("a.txt");
  // Held open for writing by someone else: it cannot be read.
  UniqueFile writer(CreateFileW(Widen(dir.File("b.txt")).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  form->FocusMenu->Click();  // off: a successful click would move the focus
  form->WrapMenu->Click();   // would give both bars after a successful click
  const LONG bars = GetWindowLongW(form->ReadText->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL);
  ClickOn("b.txt");
  EXPECT_EQ(Shown(), "first\r\nfile");
  EXPECT_FALSE(list->DblClickToOpen());
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "Cannot open file " + dir.File("b.txt") + ".");
  EXPECT_EQ(GetWindowLongW(form->ReadText->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), bars);
}

TEST_F(BrowserWiringTest, WithBrowserFocusOffDownShowsTheNextFileAndMovesTheFocus) {
  ClickOn("a.txt");
  form->FocusMenu->Click();
  list->SetFocus();
  PressKey(list->Handle(), VK_DOWN);
  EXPECT_EQ(Shown(), "second");
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
  // Up and Down run the click; Home (like paging and type-ahead) does not.
  list->SetFocus();
  PressKey(list->Handle(), VK_HOME);
  EXPECT_EQ(Shown(), "second");
}

TEST_F(BrowserWiringTest, ShowFoldersListsFoldersAndADoubleClickEntersAndLeaves) {
  EXPECT_EQ(IndexOf("sub"), -1);
  PressKey(list->Handle(), 'F', {.Ctrl = true, .Alt = true});
  EXPECT_TRUE(form->FolderMenu->Checked());
  ASSERT_GE(IndexOf("sub"), 0);
  ClickOn("sub", true);
  EXPECT_EQ(list->Directory(), dir.File("sub\\"));
  EXPECT_EQ(form->BrowseDrives->SelectedPath(), dir.File("sub\\"));
  EXPECT_EQ(form->BrowseDrives->Text(), "sub");
  ClickOn(" Parent", true);
  EXPECT_EQ(list->Directory(), dir.Path());
  EXPECT_EQ(form->BrowseDrives->SelectedPath(), dir.Path());
  EXPECT_EQ(list->Item(list->Selected()).Caption, "sub");
}

TEST_F(BrowserWiringTest, TheDropDownTreeStaysAsTallAsTheListAndF4OpensIt) {
  EXPECT_EQ(form->BrowseDrives->TreeHeight(), list->Height());
  SetWindowPos(form->Handle(), nullptr, 0, 0, 700, 520, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(form->BrowseDrives->TreeHeight(), list->Height());
  form->BrowseDrives->SetTreeHeight(10);
  form->FontMenuBClick(nullptr);  // cancelled
  EXPECT_EQ(form->BrowseDrives->TreeHeight(), list->Height());

  list->SetFocus();
  PressKey(list->Handle(), VK_F4);
  EXPECT_TRUE(form->BrowseDrives->Tree->Enabled());
  EXPECT_TRUE(form->BrowseDrives->Tree->Visible());
  PressKey(FocusedWindow(), VK_ESCAPE);
  EXPECT_FALSE(form->BrowseDrives->Tree->Visible());
}

TEST_F(BrowserWiringTest, GoingUpFromADriveRootShowsTheComputerInTheBox) {
  list->SetDirectory("C:\\");
  form->BrowseDrives->ShowPath("C:\\");
  PressKey(list->Handle(), VK_BACK);
  EXPECT_TRUE(list->IsDrivesView());
  EXPECT_EQ(form->BrowseDrives->SelectedPath(), "Drives");
  EXPECT_EQ(form->BrowseDrives->Text(), form->BrowseDrives->Tree->GetFirstNode().Text());
}

TEST_F(BrowserWiringTest, ARestoredDrivesViewShowsTheComputerInTheBox) {
  list->SetDirectory("DRIVES");  // as the settings store restores it, before the show handler
  form->FormShow(form.get());
  EXPECT_TRUE(list->IsDrivesView());
  EXPECT_EQ(form->BrowseDrives->SelectedPath(), "Drives");
  EXPECT_EQ(form->BrowseDrives->Text(), form->BrowseDrives->Tree->GetFirstNode().Text());
}

TEST_F(BrowserWiringTest, TheDropDownTreeFitsTheListWhenTheBrowserComesBackAfterAResize) {
  form->BrowseMenuClick(form.get());
  SetWindowPos(form->Handle(), nullptr, 0, 0, 700, 560, SWP_NOMOVE | SWP_NOZORDER);
  form->BrowseMenuClick(form.get());
  EXPECT_TRUE(list->Showing());
  EXPECT_EQ(form->BrowseDrives->TreeHeight(), list->Height());
}

TEST_F(BrowserWiringTest, DefaultSettingsWhileMaximisedRestoresTheDesignedState) {
  form->FolderMenuClick(nullptr);
  form->WrapMenuClick(nullptr);
  form->PanelLeft->SetWidth(100);
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  PressKey(list->Handle(), 'D', {.Ctrl = true, .Alt = true});
  EXPECT_FALSE(IsZoomed(form->Handle()));
  RECT rc;
  GetWindowRect(form->Handle(), &rc);
  EXPECT_EQ(rc.left, 241);
  EXPECT_EQ(rc.right - rc.left, 600);
  EXPECT_EQ(rc.bottom - rc.top, 400);
  EXPECT_EQ(form->PanelLeft->Width(), 240);
  EXPECT_TRUE(form->ReadText->WordWrap());
  EXPECT_TRUE(form->WrapMenu->Checked());
  EXPECT_FALSE(list->ShowFolders());
  EXPECT_FALSE(form->FolderMenu->Checked());
  EXPECT_EQ(FocusedWindow(), list->Handle());
  EXPECT_EQ(list->Directory(), dir.Path());
}

TEST(BrowserWiringStart, ACurrentDirectoryBeyond260CharactersIsListedWhole) {
  TTempDir dir;
  std::wstring deep = Widen(dir.Path());
  while (deep.size() <= 300) {
    deep += std::wstring(60, L'd') + L"\\";
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
  }
  wchar_t saved[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, saved);
  if (!SetCurrentDirectoryW(deep.c_str()))
    GTEST_SKIP() << "this platform refuses a current directory of " << deep.size() << " characters (error "
                 << GetLastError() << "), so none that long can be read at start";
  {
    TForm1 form(nullptr);
    EXPECT_EQ(form.BrowseFiles->Directory(), Narrow(deep));
  }
  SetCurrentDirectoryW(saved);
  for (std::wstring d = deep; d.size() > Widen(dir.Path()).size(); d = d.substr(0, d.rfind(L'\\', d.size() - 2) + 1))
    RemoveDirectoryW((L"\\\\?\\" + d).c_str());
}
}  // namespace
