// The main window's folder tree combo above the file list.
#include <gtest/gtest.h>

#include <memory>

#include "app/Unit1.h"
#include "filebrowser/combo/DirTreeView.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/TempIniLocation.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

TEST(MainWindowBrowser, StartsInTheCurrentFolderAndAPickListsAnother) {
  TTempDir dir;
  dir.MakeDir("Notes");
  dir.Write("Notes\\n.txt", "");
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(dir.Path()).c_str()));
  // No settings file of another run may move the browser.
  TTempDir settings;
  auto form = std::make_unique<TForm1>(nullptr);
  form->FormStorage1->SetLocation(std::make_unique<TTempIniLocation>(settings.Path()));
  Application->SetMainForm(form.get());
  form->ShowMain(SW_SHOWNORMAL);
  PumpMessages();
  TDqDirTreeCombo28* combo = form->BrowseDrives;
  TDqFilelistView28* list = form->BrowseFiles;

  std::string name = dir.Path();
  name.pop_back();
  name = name.substr(name.rfind('\\') + 1);
  EXPECT_EQ(combo->Text(), name);
  EXPECT_EQ(combo->SelectedPath(), dir.Path());
  EXPECT_EQ(combo->LastOpenedPath(), dir.Path());
  EXPECT_EQ(combo->ShownImageIndex(), combo->SelectedNode().ImageIndex());
  EXPECT_TRUE(combo->IconShown());
  EXPECT_EQ(combo->TreeHeight(), list->Height());
  EXPECT_EQ(combo->FileList(), list);
  EXPECT_EQ(list->DirTreeCombo(), combo);
  EXPECT_EQ(combo->Height(), 21);
  EXPECT_EQ(combo->Width(), form->PanelLeft->ClientWidth());
  EXPECT_TRUE(combo->ReadOnly());
  EXPECT_FALSE(combo->TabStop());
  EXPECT_EQ(combo->Language(), lnEnglish);
  EXPECT_EQ(list->Directory(), dir.Path());

  PressKey(combo->Handle(), VK_DOWN);
  ASSERT_TRUE(combo->DroppedDown());
  PressKey(combo->Handle(), VK_DOWN);
  PressKey(combo->Handle(), VK_RETURN);
  EXPECT_EQ(combo->Text(), "Notes");
  EXPECT_EQ(list->Directory(), dir.Path() + "Notes\\");
  ASSERT_GE(list->Count(), 1);
  EXPECT_EQ(list->Item(list->Count() - 1).Caption, "n.txt");

  Application->SetMainForm(nullptr);
  form.reset();
  PumpMessages();
}
