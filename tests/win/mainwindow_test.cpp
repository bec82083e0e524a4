// The main window: its first state, its menus and the window-wide shortcuts.
#include <gtest/gtest.h>

#include "tests/win/support/Keys.h"
#include "tests/win/support/MainWindowFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
std::vector<std::string> Captions(TPopupMenu* menu) {
  std::vector<std::string> out;
  for (int i = 0; i < menu->Items().Count(); ++i) out.push_back(menu->Items().Items(i)->Caption());
  return out;
}
}  // namespace

TEST_F(MainWindowTest, FirstRunShowsTheDesignedWindow) {
  RECT rc;
  GetWindowRect(form->Handle(), &rc);
  EXPECT_EQ(rc.left, 241);
  EXPECT_EQ(rc.top, 191);
  EXPECT_EQ(rc.right - rc.left, 600);
  EXPECT_EQ(rc.bottom - rc.top, 400);
  wchar_t caption[64];
  GetWindowTextW(form->Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Scrivlet");

  EXPECT_TRUE(form->WrapMenu->Checked());
  EXPECT_TRUE(form->FocusMenu->Checked());
  EXPECT_TRUE(form->BrowseMenu->Checked());
  EXPECT_FALSE(form->FolderMenu->Checked());
  EXPECT_FALSE(form->CopyMenu->Enabled());
  EXPECT_EQ(form->ReadText->Font().Name, "MS Sans Serif");
  EXPECT_EQ(form->ReadText->Font().Height, -11);
  EXPECT_EQ(form->FontText->Font().Height, -11);
  EXPECT_EQ(form->FontBrowse->Font().Name, "MS Sans Serif");

  EXPECT_EQ(form->ReadText->TextLength(), 0);
  EXPECT_TRUE(form->ReadText->WordWrap());
  EXPECT_EQ(ReaderStyle() & (WS_VSCROLL | WS_HSCROLL), 0);
  EXPECT_TRUE(form->ReadText->ReadOnly());
}

TEST_F(MainWindowTest, PanesAreLaidOutByAlignment) {
  EXPECT_EQ(form->PanelTop->Top(), 0);
  EXPECT_EQ(form->PanelTop->Height(), 2);
  EXPECT_EQ(form->PanelLeft->Left(), 0);
  EXPECT_EQ(form->PanelLeft->Top(), 2);
  EXPECT_EQ(form->PanelLeft->Width(), 240);
  EXPECT_EQ(form->SplitterV->Left(), 240);
  EXPECT_EQ(form->SplitterV->Width(), 2);
  EXPECT_EQ(form->PanelRight->Left(), 242);
  EXPECT_EQ(form->PanelRight->Width(), form->ClientWidth() - 242);
  EXPECT_EQ(form->PanelLeft->Height(), form->ClientHeight() - 2);
  // Combo on top, the 2-pixel divider below it, the list filling the rest.
  EXPECT_EQ(form->BrowseDrives->Top(), 0);
  EXPECT_EQ(form->BrowseDrives->Height(), 21);
  EXPECT_EQ(form->PanelDiv->Top(), 21);
  EXPECT_EQ(form->BrowseFiles->Top(), 23);
  EXPECT_EQ(form->BrowseFiles->Height(), form->PanelLeft->Height() - 23);
  EXPECT_EQ(form->ReadText->Width(), form->PanelRight->Width());
  // The list starts with the focus.
  EXPECT_EQ(FocusedWindow(), form->BrowseFiles->Handle());
}

TEST_F(MainWindowTest, ContextMenusHaveTheirCaptionsAndStates) {
  EXPECT_EQ(Captions(form->PopupMenu), (std::vector<std::string>{"Copy To Clipboard", "-", "View Browser",
                                                                  "Browser Font ...", "-", "Word Wrap",
                                                                  "Reader Font  ..."}));
  EXPECT_EQ(Captions(form->FileMenu), (std::vector<std::string>{"Show Folders", "Browser Focus", "-",
                                                                 "Default Settings", "-", "About Scrivlet ..."}));
  SendMessageW(form->ReadText->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->ReadText->Handle()),
               MAKELPARAM(300, 300));
  ASSERT_EQ(Scripted().Count("popup"), 1);
  EXPECT_EQ(Scripted().Last().Items,
            (std::vector<std::string>{"Copy To Clipboard [disabled]", "-", "View Browser [checked]",
                                      "Browser Font ...", "-", "Word Wrap [checked]", "Reader Font  ..."}));
  // The window's own menu only carries shortcuts: nothing pops up.
  SendMessageW(form->PanelTop->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->PanelTop->Handle()),
               MAKELPARAM(300, 195));
  EXPECT_EQ(Scripted().Count("popup"), 1);
}

TEST_F(MainWindowTest, FormMenuCarriesTheStoredShortcuts) {
  const std::pair<TMenuItem*, int> expected[] = {
      {form->FMselect, 16449},  {form->FMCopy, 16451},  {form->FMViewBrowser, 16450},
      {form->FMBFont, 49218},   {form->FMWordWrap, 16471}, {form->FMRFont, 49234},
      {form->FMShowFolders, 49222}, {form->FMBFocus, 16454}, {form->FMDefault, 49220}};
  ASSERT_EQ(form->FormMenu->Items().Count(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(form->FormMenu->Items().Items(i), expected[i].first);
    EXPECT_EQ(expected[i].first->ShortCut(), expected[i].second) << expected[i].first->Name();
    EXPECT_FALSE(expected[i].first->Visible());
  }
  EXPECT_EQ(static_cast<TControl*>(form.get())->PopupMenu(), form->FormMenu);
}

TEST_F(MainWindowTest, CtrlBTwiceHidesAndRestoresTheBrowser) {
  form->PanelLeft->SetWidth(180);
  PressKey(form->BrowseFiles->Handle(), 'B', {.Ctrl = true});
  EXPECT_FALSE(form->PanelLeft->Visible());
  EXPECT_FALSE(form->SplitterV->Visible());
  EXPECT_FALSE(form->BrowseMenu->Checked());
  EXPECT_TRUE(form->FocusMenu->Checked());
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
  EXPECT_EQ(form->PanelRight->Left(), 0);
  EXPECT_EQ(form->PanelRight->Top(), 2);
  EXPECT_EQ(form->PanelRight->Width(), form->ClientWidth());

  PressKey(form->ReadText->Handle(), 'B', {.Ctrl = true});
  EXPECT_TRUE(form->PanelLeft->Visible());
  EXPECT_TRUE(form->BrowseMenu->Checked());
  EXPECT_TRUE(form->FocusMenu->Checked());
  EXPECT_EQ(form->PanelLeft->Width(), 180);
  EXPECT_EQ(form->SplitterV->Left(), 180);
  EXPECT_EQ(form->PanelRight->Left(), 182);
  EXPECT_EQ(FocusedWindow(), form->BrowseFiles->Handle());
}

TEST_F(MainWindowTest, CtrlCInTheListCopiesTheReaderSelectionNeverAFile) {
  LoadText("alpha beta gamma");
  SendMessageW(form->ReadText->Handle(), EM_SETSEL, 6, 10);
  SetClipboardText("before");
  form->BrowseFiles->SetFocus();
  PressKey(form->BrowseFiles->Handle(), 'C', {.Ctrl = true});
  EXPECT_EQ(ClipboardText(), "beta");
  EXPECT_EQ(FocusedWindow(), form->BrowseFiles->Handle());

  // Nothing selected: the clipboard stays as it was.
  SendMessageW(form->ReadText->Handle(), EM_SETSEL, 3, 3);
  SetClipboardText("untouched");
  PressKey(form->BrowseFiles->Handle(), 'C', {.Ctrl = true});
  EXPECT_EQ(ClipboardText(), "untouched");
}

TEST_F(MainWindowTest, CtrlAInTheListSelectsTheReaderText) {
  LoadText("one\ntwo");
  form->BrowseFiles->SetFocus();
  PressKey(form->BrowseFiles->Handle(), 'A', {.Ctrl = true});
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
  EXPECT_EQ(form->ReadText->SelStart(), 0);
  EXPECT_EQ(form->ReadText->SelLength(), form->ReadText->TextLength());
  EXPECT_TRUE(form->CopyMenu->Enabled());
  EXPECT_TRUE(form->FocusMenu->Checked());
}

TEST_F(MainWindowTest, SelectAllOnAnEmptyReaderLeavesCopyDisabled) {
  PressKey(form->BrowseFiles->Handle(), 'A', {.Ctrl = true});
  EXPECT_FALSE(form->CopyMenu->Enabled());
}

TEST_F(MainWindowTest, CtrlWTogglesWrappingAndKeepsTheText) {
  const std::string longLine(5000, 'x');
  LoadText(longLine + "\nend");
  PressKey(form->ReadText->Handle(), 'W', {.Ctrl = true});
  EXPECT_FALSE(form->WrapMenu->Checked());
  EXPECT_FALSE(form->ReadText->WordWrap());
  // The view shows a bar the mode allows when the text needs it: two lines need none upright;
  // the sideways one follows the widest line drawn, a moment after drawing it.
  UpdateWindow(form->ReadText->Handle());
  for (int i = 0; i < 20 && !(ReaderStyle() & WS_HSCROLL); ++i) {
    Sleep(10);
    Application->ProcessMessages();
  }
  EXPECT_EQ(ReaderStyle() & (WS_VSCROLL | WS_HSCROLL), WS_HSCROLL);
  EXPECT_EQ(form->ReadText->ScrollBars(), TScrollStyle::ssBoth);
  EXPECT_EQ(form->ReadText->TextLength(), 5005);

  PressKey(form->ReadText->Handle(), 'W', {.Ctrl = true});
  EXPECT_TRUE(form->WrapMenu->Checked());
  UpdateWindow(form->ReadText->Handle());
  EXPECT_EQ(ReaderStyle() & (WS_VSCROLL | WS_HSCROLL), WS_VSCROLL);
  EXPECT_EQ(form->ReadText->TextLength(), 5005);
  // The view was rebuilt: the reader still answers to its menu and handlers.
  EXPECT_EQ(form->ReadText->PopupMenu(), form->PopupMenu);
}

TEST_F(MainWindowTest, AltAloneOrOtherKeysReachTheFocusedControl) {
  std::vector<WORD> arrived;
  form->BrowseFiles->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) { arrived.push_back(key); };
  PressKey(form->BrowseFiles->Handle(), VK_MENU, {.Alt = true});
  // Ctrl+Q and Ctrl+Alt+Q have no item: no menu fires and the list gets the key.
  PressKey(form->BrowseFiles->Handle(), 'Q', {.Ctrl = true});
  PressKey(form->BrowseFiles->Handle(), 'Q', {.Ctrl = true, .Alt = true});
  EXPECT_EQ(arrived, (std::vector<WORD>{VK_MENU, 'Q', 'Q'}));
  EXPECT_TRUE(form->BrowseMenu->Checked());
  EXPECT_TRUE(form->WrapMenu->Checked());
  EXPECT_TRUE(Scripted().Requests.empty());
}

TEST_F(MainWindowTest, ReaderFontConfirmedChangesTheFontAndCancelledDoesNot) {
  Scripted().FontAnswer = [](CHOOSEFONTW& cf) {
    lstrcpyW(cf.lpLogFont->lfFaceName, L"Courier New");
    cf.lpLogFont->lfHeight = -16;
    cf.lpLogFont->lfWeight = FW_BOLD;
    cf.rgbColors = RGB(0, 0, 128);
    return true;
  };
  PressKey(form->BrowseFiles->Handle(), 'R', {.Ctrl = true, .Alt = true});
  ASSERT_EQ(Scripted().Count("font"), 1);
  EXPECT_EQ(Scripted().Last().Text, "MS Sans Serif");
  EXPECT_TRUE(Scripted().Last().Flags & CF_EFFECTS);
  EXPECT_EQ(form->ReadText->Font().Name, "Courier New");
  EXPECT_EQ(form->ReadText->Font().Height, -16);
  EXPECT_TRUE(form->ReadText->Font().Style.Bold);
  EXPECT_EQ(form->ReadText->Font().Color, static_cast<TColor>(RGB(0, 0, 128)));
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());

  form->BrowseFiles->SetFocus();
  Scripted().FontAnswer = nullptr;  // cancelled
  form->FontMenu->Click();
  EXPECT_EQ(Scripted().Last().Text, "Courier New");  // starts from the last chosen font
  EXPECT_EQ(form->ReadText->Font().Name, "Courier New");
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
}

TEST_F(MainWindowTest, BrowserFocusTogglesWhereTheFocusGoes) {
  LoadText("some text here");
  SendMessageW(form->ReadText->Handle(), EM_SETSEL, 5, 9);
  PressKey(form->BrowseFiles->Handle(), 'F', {.Ctrl = true});
  EXPECT_FALSE(form->FocusMenu->Checked());
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
  EXPECT_EQ(form->ReadText->SelStart(), 5);
  EXPECT_EQ(form->ReadText->SelLength(), 0);

  PressKey(form->ReadText->Handle(), 'F', {.Ctrl = true});
  EXPECT_TRUE(form->FocusMenu->Checked());
  EXPECT_EQ(FocusedWindow(), form->BrowseFiles->Handle());
}

TEST_F(MainWindowTest, BrowserFocusOnWhileTheBrowserIsHiddenRaisesNoError) {
  form->BrowseMenu->Click();  // hide
  form->FocusMenu->Click();   // off
  EXPECT_FALSE(form->FocusMenu->Checked());
  PressKey(form->ReadText->Handle(), 'F', {.Ctrl = true});
  EXPECT_TRUE(form->FocusMenu->Checked());
  EXPECT_EQ(Scripted().Count("message"), 0);
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
  form->BrowseMenu->Click();  // show again: the list takes the focus
  EXPECT_EQ(FocusedWindow(), form->BrowseFiles->Handle());
}

TEST_F(MainWindowTest, TabMovesBetweenListAndReader) {
  PressKey(form->BrowseFiles->Handle(), VK_TAB);
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
  PressKey(form->ReadText->Handle(), VK_TAB);
  EXPECT_EQ(FocusedWindow(), form->BrowseFiles->Handle());
  PressKey(form->BrowseFiles->Handle(), VK_TAB, {.Shift = true});
  EXPECT_EQ(FocusedWindow(), form->ReadText->Handle());
}

TEST_F(MainWindowTest, SplitterKeepsBothSidesAtLeastThirtyWide) {
  HWND split = form->SplitterV->Handle();
  auto drag = [&](int dx, bool escape) {
    SendMessageW(split, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
    SendMessageW(split, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + dx, 10));
    if (escape) SendMessageW(split, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(split, WM_LBUTTONUP, 0, MAKELPARAM(1 + dx, 10));
  };
  drag(-500, false);
  EXPECT_EQ(form->PanelLeft->Width(), 30);
  drag(2000, false);
  EXPECT_EQ(form->PanelLeft->Width(), form->ClientWidth() - 30 - 2);
  EXPECT_EQ(form->PanelRight->Width(), 30);
  const int before = form->PanelLeft->Width();
  drag(-100, true);
  EXPECT_EQ(form->PanelLeft->Width(), before);
  drag(-100, false);
  EXPECT_EQ(form->PanelLeft->Width(), before - 100);
  EXPECT_EQ(form->SplitterV->Left(), before - 100);
}

TEST(MainWindowStart, ListsTheCurrentFolderTextFilesSortedInListStyle) {
  TTempDir dir;
  dir.Write("zeta.txt", "z");
  dir.Write("Alpha.log", "a");
  dir.Write("picture.png", "p");
  dir.Write("notes.ini", "n");
  dir.MakeDir("sub");
  wchar_t saved[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, saved);
  SetCurrentDirectoryW(Widen(dir.Path()).c_str());
  {
    TForm1 form(nullptr);
    TDqFilelistView28* list = form.BrowseFiles;
    EXPECT_EQ(list->Directory(), dir.Path());
    std::vector<std::string> names;
    for (int i = 0; i < list->Count(); ++i) names.push_back(list->Item(i).Caption);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha.log", "notes.ini", "zeta.txt"}));
    EXPECT_EQ(list->ViewStyle(), TViewStyle::vsList);
    EXPECT_FALSE(list->ShowColumnHeaders());
    EXPECT_FALSE(list->MultiSelect());
    EXPECT_TRUE(list->ReadOnly());
    EXPECT_FALSE(list->ShowFolders());
    EXPECT_FALSE(list->DblClickToOpen());
    EXPECT_FALSE(list->PopUpMenuEnabled());
    EXPECT_EQ(list->ParentDirCaption(), " Parent");
    EXPECT_EQ(list->ColWidth_Name(), 150);
    EXPECT_EQ(list->ColWidth_Attr(), 0);
    EXPECT_EQ(static_cast<TControl*>(list)->PopupMenu(), form.FileMenu);
    EXPECT_EQ(list->Item(0).SubItems[kSubKind], "file");
    EXPECT_EQ(list->Item(0).SubItems[kSubPath], dir.Path() + "Alpha.log");
  }
  SetCurrentDirectoryW(saved);
}

TEST_F(MainWindowTest, TheFolderColumnsTakeTheLayoutsWidths) {
  ASSERT_FALSE(form->BrowseFiles->IsDrivesView());
  ASSERT_EQ(form->BrowseFiles->ColumnCount(), 5);
  std::vector<int> widths;
  for (int i = 0; i < 5; ++i) widths.push_back(form->BrowseFiles->Column(i).Width);
  EXPECT_EQ(widths, (std::vector<int>{150, 0, 0, 0, 0}));
}

TEST_F(MainWindowTest, MovingToAScreenOfAnotherResolutionRescalesTheLayout) {
  RECT suggested{241, 191, 241 + 900, 191 + 600};
  SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(form->PixelsPerInch(), 144);
  EXPECT_EQ(form->PanelLeft->Width(), 360);
  EXPECT_EQ(form->PanelTop->Height(), 3);
  EXPECT_EQ(form->BrowseDrives->Height(), 32);
  EXPECT_EQ(form->Font().Height, -17);
  EXPECT_EQ(form->ReadText->Font().Height, -17);
  RECT rc;
  GetWindowRect(form->Handle(), &rc);
  EXPECT_EQ(rc.right - rc.left, 900);
  EXPECT_EQ(form->PanelRight->Left(), 360 + form->SplitterV->Width());
}

TEST_F(MainWindowTest, FontDialogsFollowTheResolutionSoAnUnchangedChoiceKeepsTheFont) {
  RECT suggested{241, 191, 241 + 900, 191 + 600};
  SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  for (TFontDialog* dialog : {form->FontText, form->FontBrowse}) {
    EXPECT_EQ(dialog->Font().Height, -17);
    EXPECT_EQ(dialog->Font().PixelsPerInch, 144);
    EXPECT_EQ(dialog->Font().Size(), form->Font().Size());
  }
  LONG offered = 0;
  Scripted().FontAnswer = [&](CHOOSEFONTW& cf) {
    offered = cf.lpLogFont->lfHeight;
    return true;  // OK without a change
  };
  form->FontMenu->Click();
  EXPECT_EQ(offered, -17);
  EXPECT_EQ(form->ReadText->Font().Height, -17);
  EXPECT_EQ(form->ReadText->Font().PixelsPerInch, 144);
}
