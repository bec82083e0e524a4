// The stand-alone folder tree beside a linked file list, as a host window places them.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/tree/DirTree21PopUp.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FileOps.h"
#include "tests/win/support/DirTree21Fixture.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Form.h"
#include "toolkit/Utf.h"

namespace {
bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class DirTree21Test : public DirTree21Fixture {
 protected:
  void BeforeShow() override {
    tree->OnDirChange = [this](TComponent*, const std::string& path) { dirChanges.push_back(path); };
  }
  void SetUp() override {
    DirTree21Fixture::SetUp();
    dir.MakeDir("A\\Inner");
  }
  std::vector<std::string> MenuItems() {
    Scripted().Requests.clear();
    tree->Menu()->Popup(100, 100);
    return Scripted().Last().Items;
  }

  std::vector<std::string> dirChanges;
};

TEST_F(DirTree21Test, AFreshTreeAddsTheDrivesWhenItsRootIsClicked) {
  const TTreeNode root = tree->GetFirstNode();
  ASSERT_TRUE(root);
  EXPECT_FALSE(root.getFirstChild());
  EXPECT_EQ(tree->About(), "Version 2.1.7.9");
  ClickLabel(root);
  ASSERT_TRUE(root.getFirstChild());
  EXPECT_EQ(tree->SelectedPath(), "Drives");
  EXPECT_EQ(dirChanges, std::vector<std::string>{"Drives"});
  EXPECT_TRUE(list->IsDrivesView());
}

TEST_F(DirTree21Test, ShowingADeepPathLooksIntoNoFolderUntilItsNodesAreDrawn) {
  dir.MakeDir("A\\Inner\\Deeper");
  dir.MakeDir("A\\Other");
  dir.MakeDir("A\\Other\\x");
  // Hidden, so that the file list's message pump in between draws nothing.
  tree->Hide();
  tree->Rebuild();
  const int before = tree->ProbeCount();
  ASSERT_EQ(Show("A\\Inner\\Deeper").Text(), "Deeper");
  EXPECT_EQ(tree->ProbeCount(), before);
  tree->Show();
  UpdateWindow(tree->Handle());
  const int drawn = tree->ProbeCount();
  EXPECT_GT(drawn, before);
  EXPECT_TRUE(tree->Selected().Parent().getNextSibling().HasChildren());  // Other
  InvalidateRect(tree->Handle(), nullptr, TRUE);
  UpdateWindow(tree->Handle());
  EXPECT_EQ(tree->ProbeCount(), drawn);
}

TEST_F(DirTree21Test, ClickAndArrowKeysKeepTheListOnTheSelectedFolder) {
  TTreeNode a = Show("A");
  ASSERT_TRUE(a);
  EXPECT_EQ(a.Text(), "A");
  ClickLabel(a);
  EXPECT_EQ(tree->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
  // Down goes to A's first child, Inner.
  a.Expand(false);
  tree->SetFocus();
  PressKey(tree->Handle(), VK_DOWN);
  PumpMessages();
  EXPECT_EQ(tree->SelectedPath(), Path("A\\Inner"));
  EXPECT_EQ(list->Directory(), Path("A\\Inner\\"));
  EXPECT_EQ(dirChanges.back(), Path("A\\Inner"));
  // A host's stored path stays until the highlight really moves: a key that moves
  // nothing neither takes the node's path nor lists again.
  tree->SetSelectedPath(Path("B"));
  const std::size_t changes = dirChanges.size();
  for (WORD still : {WORD{VK_SHIFT}, WORD{VK_CONTROL}, WORD{'Q'}}) PressKey(tree->Handle(), still);
  PumpMessages();
  EXPECT_EQ(tree->SelectedPath(), Path("B"));
  EXPECT_EQ(dirChanges.size(), changes);
  EXPECT_EQ(list->Directory(), Path("A\\Inner\\"));
}

TEST_F(DirTree21Test, WithoutDragDropAClickStillSelectsTheFolderThenDeselects) {
  tree->SetDragDropEnabled(false);
  const TTreeNode b = Show("B");
  dirChanges.clear();
  ClickLabel(b);
  EXPECT_EQ(dirChanges, std::vector<std::string>{Path("B")});
  EXPECT_EQ(list->Directory(), Path("B\\"));
  EXPECT_FALSE(tree->Selected());
}

TEST_F(DirTree21Test, RenameAsksUnlessTheFolderWasJustCreatedAndRefusesForbiddenNames) {
  Show("B");
  ASSERT_TRUE(tree->CreateSubFolder());
  EXPECT_TRUE(tree->JustCreated);
  // A cancelled edit ends it: the next rename asks.
  TreeView_EndEditLabelNow(tree->Handle(), TRUE);
  ASSERT_TRUE(Exists(Path("B\\New Folder")));
  EXPECT_FALSE(tree->JustCreated);
  Scripted().MessageAnswers = {IDNO};
  tree->CaptionEdited(tree->Selected(), "First");
  EXPECT_EQ(Scripted().Count("message"), 1);
  EXPECT_TRUE(Exists(Path("B\\New Folder")));
  // The folder cannot be made (it exists): nothing is left to skip a question.
  Show("B");
  EXPECT_FALSE(tree->CreateSubFolder());
  EXPECT_FALSE(tree->JustCreated);
  // The name typed into the edit that follows the creation is taken without a question.
  RemoveDirectoryW(Widen(Path("B\\New Folder")).c_str());
  tree->Rebuild();
  Show("B");
  ASSERT_TRUE(tree->CreateSubFolder());
  SetWindowTextW(TreeView_GetEditControl(tree->Handle()), L"First");
  Scripted().Requests.clear();
  TreeView_EndEditLabelNow(tree->Handle(), FALSE);
  EXPECT_EQ(Scripted().Count("message"), 0);
  EXPECT_FALSE(tree->JustCreated);
  ASSERT_TRUE(Exists(Path("B\\First")));
  EXPECT_EQ(tree->SelectedPath(), Path("B\\First\\"));
  EXPECT_EQ(list->Directory(), Path("B\\First\\"));
  // The next rename asks; No keeps the name.
  Scripted().MessageAnswers = {IDNO};
  tree->CaptionEdited(tree->Selected(), "Second");
  EXPECT_EQ(Scripted().Count("message"), 1);
  EXPECT_TRUE(Exists(Path("B\\First")));
  Scripted().MessageAnswers = {IDYES};
  tree->CaptionEdited(tree->Selected(), "Second");
  EXPECT_TRUE(Exists(Path("B\\Second")));
  // A colon: the name and the reason are shown; nothing is renamed.
  Scripted().Requests.clear();
  tree->CaptionEdited(tree->Selected(), "a:b");
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text.rfind("a:b\r\n", 0), 0u);
  EXPECT_TRUE(Exists(Path("B\\Second")));
  // Neither the computer nor a drive takes a new folder by a forbidden name.
  EXPECT_FALSE(tree->CreateSubFolder(tree->Selected(), "x|y"));
  EXPECT_FALSE(tree->CreateSubFolder(tree->GetFirstNode(), "z"));
}

TEST_F(DirTree21Test, TreeSizeCountsFilesOnceAndStopsAtALinkToAnAncestor) {
  dir.Write("A\\Inner\\half.bin", std::string(500, 'x'));
  dir.Write("A\\one.bin", std::string(300, 'y'));
  auto report = [&](const std::string& relative) {
    Show(relative);
    Scripted().Requests.clear();
    tree->ShowTreeSize();
    return Scripted().Count("message") == 1 ? Scripted().Last().Text : std::string();
  };
  const std::string text = report("A");
  EXPECT_NE(text.find(" =  800 Bytes\r\n     (i.e. 1.00 KB )"), std::string::npos) << text;
  EXPECT_NE(text.find("\"A\""), std::string::npos) << text;
  EXPECT_NE(report("B").find("0 Bytes\r\n     (i.e. 0.00 KB )"), std::string::npos);

  if (!MakeFolderLink(Path("A\\Inner\\loop"), Path("A")))
    GTEST_SKIP() << "no link to an ancestor folder can be made here: " << kNoLinkReason;
  EXPECT_NE(report("A").find(" =  800 Bytes\r\n"), std::string::npos);
}

TEST_F(DirTree21Test, MenuEnablesByNodeAndPastesOnlyIntoFolders) {
  const std::vector<std::string> root = [&] {
    tree->SetSelected(tree->GetFirstNode());
    return MenuItems();
  }();
  ASSERT_EQ(root.size(), 15u);
  int enabled = 0;
  for (const std::string& item : root)
    if (item != "-" && item.find("[disabled]") == std::string::npos) ++enabled;
  EXPECT_EQ(enabled, 2);
  EXPECT_EQ(root[11], "&Map Network Drive ...");
  // A drive: new folder, size, contents, property.
  TTreeNode drive = Show("A");
  while (drive.Level() > 1) drive = drive.Parent();
  tree->SetSelected(drive);
  const std::vector<std::string> driveItems = MenuItems();
  EXPECT_EQ(driveItems[0], "&New Folder");
  EXPECT_EQ(driveItems[1], "&Rename Folder [disabled]");
  EXPECT_EQ(driveItems[6], "&Paste [disabled]");
  EXPECT_EQ(driveItems[8], "Tree &Size");
  // Copy A, paste into B: enabled only after the copy, disabled again after the paste.
  Show("A");
  EXPECT_EQ(MenuItems()[6], "&Paste [disabled]");
  tree->MarkForPaste(0);
  Show("B");
  EXPECT_EQ(MenuItems()[6], "&Paste");
  tree->PasteFolder();
  EXPECT_TRUE(Exists(Path("B\\A\\Inner")));
  EXPECT_TRUE(Exists(Path("A")));
  EXPECT_FALSE(tree->PasteReady);
  EXPECT_EQ(tree->SelectedPath(), Path("B\\"));
}

TEST_F(DirTree21Test, DropsCopyOrMoveListFilesAndTreeFolders) {
  dir.Write("A\\f1.txt", "1");
  dir.Write("A\\f2.txt", "2");
  const TTreeNode a = Show("A");
  ClickLabel(a);
  list->UpdateFileList();
  for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, list->Item(i).Caption == "f1.txt");
  TTreeNode b = Show("B");
  POINT at = LabelPoint(b);
  DragDropOp = 0;
  ASSERT_TRUE(tree->DragOver(list, at.x, at.y));
  tree->DragDrop(list, at.x, at.y);
  EXPECT_TRUE(Exists(Path("A\\f1.txt")));
  EXPECT_TRUE(Exists(Path("B\\f1.txt")));
  EXPECT_EQ(list->Directory(), Path("B\\"));
  // Moved, from the list now showing A again.
  tree->ShowPath(Path("A"));
  list->SetDirectory(Path("A\\"));
  for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, list->Item(i).Caption == "f2.txt");
  b = Show("B");
  at = LabelPoint(b);
  DragDropOp = 2;
  tree->DragDrop(list, at.x, at.y);
  EXPECT_FALSE(Exists(Path("A\\f2.txt")));
  EXPECT_TRUE(Exists(Path("B\\f2.txt")));
  // A folder of the tree dragged onto B: moved without Ctrl, also while the list shows it.
  list->SetDirectory(Path("A\\Inner\\"));
  tree->DragSourcePath = Path("A\\Inner");
  b = Show("B");
  at = LabelPoint(b);
  tree->DragDrop(tree, at.x, at.y);
  EXPECT_FALSE(Exists(Path("A\\Inner")));
  EXPECT_TRUE(Exists(Path("B\\Inner")));
}

TEST_F(DirTree21Test, OnlyFoldersAreDraggedAndDeleteTakesTheNodeGiven) {
  TTreeNode drive = Show("A");
  while (drive.Level() > 1) drive = drive.Parent();
  tree->DragSourcePath.clear();
  ClickLabel(drive);
  EXPECT_TRUE(tree->DragSourcePath.empty());
  ASSERT_TRUE(tree->Selected());
  EXPECT_EQ(tree->Selected().Level(), 1);  // the drive stays selected
  ClickLabel(Show("A"));
  EXPECT_EQ(tree->DragSourcePath, Path("A"));

  const TTreeNode inner = Show("A\\Inner");
  Show("B");
  // Removed without the shell's notice, so no rebuild takes the node out instead.
  Scripted().FileOpAnswer = [](SHFILEOPSTRUCTW& op) { return RemoveDirectoryW(op.pFrom) ? 0 : 1; };
  ASSERT_TRUE(tree->DeleteFolder(inner));
  EXPECT_FALSE(Exists(Path("A\\Inner")));
  EXPECT_TRUE(Exists(Path("B")));
  EXPECT_EQ(tree->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
  ASSERT_TRUE(tree->Selected());
  EXPECT_FALSE(tree->Selected().getFirstChild());  // Inner was A's only folder
  // The tree rebuilt while the shell's question is open: the parent is found by its path.
  dir.MakeDir("A\\Two");
  tree->Rebuild();
  const TTreeNode two = Show("A\\Two");
  ASSERT_EQ(two.Text(), "Two");
  Scripted().FileOpAnswer = [this](SHFILEOPSTRUCTW& op) {
    tree->Rebuild();
    return RealFileOperation(op);
  };
  ASSERT_TRUE(tree->DeleteFolder(two));
  EXPECT_FALSE(Exists(Path("A\\Two")));
  EXPECT_TRUE(Exists(Path("A")));
  ASSERT_TRUE(tree->Selected());
  EXPECT_EQ(tree->Selected().Text(), "A");
}

TEST_F(DirTree21Test, EachViewPastesWithItsOwnOperation) {
  dir.Write("B\\f.txt", "f");
  Show("A");
  tree->MarkForPaste(0);
  list->SetDirectory(Path("B\\"));
  for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, list->Item(i).Caption == "f.txt");
  list->CollectSelection(2);
  Show("B");
  tree->PasteFolder();
  EXPECT_TRUE(Exists(Path("A\\Inner")));
  EXPECT_TRUE(Exists(Path("B\\A\\Inner")));
  EXPECT_EQ(list->PendingPasteOp(), 2);
}

TEST_F(DirTree21Test, NotificationRebuildsAndShowsTheFolderAgain) {
  Show("B");
  const std::string made = Path("B\\Made");
  CreateDirectoryW(Widen(made).c_str(), nullptr);
  SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, Widen(made).c_str(), nullptr);
  PumpMessages();
  ASSERT_TRUE(tree->Selected());
  EXPECT_EQ(tree->Selected().Text(), "B");
  ASSERT_TRUE(tree->Selected().getFirstChild());
  EXPECT_EQ(tree->Selected().getFirstChild().Text(), "Made");
  EXPECT_EQ(list->Directory(), Path("B\\"));
}

TEST_F(DirTree21Test, TheLinkedListIsReadAgainBeforeAnyNodeWasSelected) {
  list->SetDirectory(Path("A\\"));
  ASSERT_TRUE(tree->SelectedPath().empty());
  dir.Write("A\\later.txt", "l");
  const std::string made = Path("B\\Made");
  CreateDirectoryW(Widen(made).c_str(), nullptr);
  SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, Widen(made).c_str(), nullptr);
  PumpMessages();
  EXPECT_EQ(list->Directory(), Path("A\\"));
  bool listed = false;
  for (int i = 0; i < list->Count(); ++i) listed = listed || list->Item(i).Caption == "later.txt";
  EXPECT_TRUE(listed);
}

TEST_F(DirTree21Test, FolderAndDriveEventsRebuildAndRereadOthersAreIgnored) {
  const struct {
    LONG event;
    bool handled;
  } rows[] = {
      {SHCNE_MKDIR, true},         {SHCNE_RMDIR, true},      {SHCNE_RENAMEFOLDER, true},
      {SHCNE_DRIVEADD, true},      {SHCNE_DRIVEREMOVED, true}, {SHCNE_CREATE, false},
      {SHCNE_UPDATEDIR, false},    {SHCNE_ATTRIBUTES, false},
  };
  int n = 0;
  for (const auto& row : rows) {
    Show("B");
    // Made behind the tree's and the list's back.
    const std::string name = "n" + std::to_string(n++);
    dir.MakeDir("B\\" + name);
    dir.Write("B\\" + name + ".txt", "x");
    SendMessageW(tree->ShellNotifyWindow(), WM_USER + 2, 0, row.event);
    PumpMessages();
    ASSERT_TRUE(tree->Selected()) << row.event;
    EXPECT_EQ(tree->Selected().Text(), "B") << row.event;
    TTreeNode child = tree->Selected().getFirstChild();
    while (child && child.Text() != name) child = child.getNextSibling();
    EXPECT_EQ(static_cast<bool>(child), row.handled) << row.event;
    bool listed = false;
    for (int i = 0; i < list->Count(); ++i) listed = listed || list->Item(i).Caption == name + ".txt";
    EXPECT_EQ(listed, row.handled) << row.event;
  }
}

TEST_F(DirTree21Test, AFolderLinkGoesAloneAndTheCleanUpNeverEntersIt) {
  TTempDir outside;
  outside.Write("kept.txt", "k");
  if (!MakeFolderLink(Path("B\\link"), outside.Path()))
    GTEST_SKIP() << "no folder link can be made here: " << kNoLinkReason;
  // The shell is handed the link alone, and the folder it leads to keeps its file.
  tree->Rebuild();
  const TTreeNode link = Show("B\\link");
  ASSERT_EQ(link.Text(), "link");
  ASSERT_TRUE(tree->DeleteFolder(link));
  ASSERT_EQ(Scripted().FileOps.size(), 1u);
  EXPECT_EQ(Scripted().FileOps[0].From, Path("B\\link") + std::string(1, '\0'));
  EXPECT_TRUE(Exists(outside.File("kept.txt")));
  // So is the list's delete.
  ASSERT_TRUE(MakeFolderLink(Path("B\\link2"), outside.Path()));
  list->SetDirectory(Path("B\\"));
  for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, list->Item(i).Caption == "link2");
  list->DeleteSelected();
  ASSERT_EQ(Scripted().FileOps.size(), 2u);
  EXPECT_EQ(Scripted().FileOps[1].From, Path("B\\link2") + std::string(1, '\0'));
  EXPECT_TRUE(Exists(outside.File("kept.txt")));
  // A temporary folder holding a link to the outside and one to itself is removed
  // without touching either target.
  {
    TTempDir inner;
    ASSERT_TRUE(MakeFolderLink(inner.File("out"), outside.Path()));
    ASSERT_TRUE(MakeFolderLink(inner.File("self"), inner.Path()));
  }
  EXPECT_TRUE(Exists(outside.File("kept.txt")));
}

TEST_F(DirTree21Test, NetworkDrivesGoThroughTheSeamAndAnEmptyDriveSendsTheSelectionBack) {
  Show("A");
  Scripted().DisconnectAnswer = [](DWORD) -> DWORD { return 0; };
  tree->DisconnectNetworkDrive();
  EXPECT_EQ(tree->SelectedPath(), "Drives");
  EXPECT_TRUE(list->IsDrivesView());
  EXPECT_EQ(Scripted().Count("disconnect"), 1);

  TTestDrive floppy(DRIVE_REMOVABLE);
  if (!floppy.Letter()) GTEST_SKIP() << "no drive letter could be made";
  tree->Rebuild();
  const TTreeNode a = Show("A");
  ClickLabel(a);
  TTreeNode drive;
  for (TTreeNode d = tree->GetFirstNode().getFirstChild(); d; d = d.getNextSibling())
    if (d.Text().size() > 3 && d.Text()[2] == floppy.Letter()) drive = d;
  ASSERT_TRUE(drive);
  Scripted().Requests.clear();
  ClickLabel(drive);
  EXPECT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(tree->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
}

TEST_F(DirTree21Test, ContentsWindowListsFilesAndOkReportsThePick) {
  dir.Write("A\\b.txt", "b");
  dir.Write("A\\a.txt", "a");
  std::vector<std::string> picked;
  tree->OnFileChange = [&picked](TComponent*, const std::string& file) { picked.push_back(file); };
  Show("A");
  tree->ShowFolderContents();
  ASSERT_TRUE(tree->ContentsWindow());
  EXPECT_EQ(tree->ContentsWindow()->Caption(), "Files in \" ..\\A \"");
  ASSERT_EQ(tree->ContentsList()->Count(), 2);  // the sub-folder Inner is no file
  tree->ContentsOk();
  EXPECT_EQ(tree->SelectedFile(), Path("A\\a.txt"));
  EXPECT_EQ(picked, std::vector<std::string>{Path("A\\a.txt")});
  PumpMessages();
  EXPECT_FALSE(tree->ContentsWindow());
  EXPECT_EQ(tree->Selected().Text(), "A");
}

TEST_F(DirTree21Test, F5ShowsFoldersMadeBehindTheTreesBack) {
  TTreeNode b = Show("B");
  EXPECT_FALSE(b.getFirstChild());
  CreateDirectoryW(Widen(Path("B\\Later")).c_str(), nullptr);
  tree->SetFocus();
  PressKey(tree->Handle(), VK_F5);
  PumpMessages();
  b = tree->Selected();
  ASSERT_TRUE(b);
  EXPECT_EQ(b.Text(), "B");
  ASSERT_TRUE(b.getFirstChild());
  EXPECT_EQ(b.getFirstChild().Text(), "Later");
}

TEST_F(DirTree21Test, LanguageRebuildsTheMenuAndChineseMessagesFallBackToEnglish) {
  tree->SetLanguage(lnFrench);
  Show("A");
  EXPECT_EQ(MenuItems()[0], "&Nouveau Dossier");
  ClearSharedMessages();
  tree->SetLanguage(lnChinese_Sim);
  Show("A");
  Scripted().Requests.clear();
  tree->ShowTreeSize();
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text.rfind("===== TREE SIZE =====", 0), 0u) << Scripted().Last().Text;
  tree->SetLanguage(lnEnglish);
}

TEST_F(DirTree21Test, AMenuReadBeforeItFirstPopsUpHasItsItemsInTheTreesLanguage) {
  const TLanguage before = TreeLanguage;
  // Unmade, a language change only marks the menu; made, it makes it again at once.
  for (const bool readFirst : {false, true}) {
    SCOPED_TRACE(readFirst ? "read first" : "never read");
    tree->SetLanguage(lnEnglish);
    if (readFirst) {
      EXPECT_EQ(tree->Menu()->Items().Items(0)->Caption(), "&New Folder");
    }
    tree->SetLanguage(lnGerman);
    EXPECT_EQ(tree->Menu()->Built(), readFirst);
    // Another component's tree language meanwhile changes nothing in this menu's captions.
    TreeLanguage = lnFrench;
    ASSERT_EQ(tree->Menu()->Items().Count(), 15);
    EXPECT_EQ(tree->Menu()->Items().Items(0)->Caption(), "&Neuer Ordner");
    EXPECT_NE(tree->Menu()->FindItem("AddNode")->Bitmap(), nullptr);
    TreeLanguage = before;
  }
  tree->SetLanguage(lnEnglish);
}

TEST(DirTree21Life, ALoadedTreeOpensTheComputerWithItsDrives) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* tree = TComponent::Create<TDqDirTree21>(form.get(), form.get());
  tree->BeginLoading();
  tree->EndLoading();
  ASSERT_TRUE(tree->GetFirstNode());
  EXPECT_TRUE(tree->GetFirstNode().Expanded());
  EXPECT_TRUE(tree->GetFirstNode().getFirstChild());
}

TEST(DirTree21Life, DestructionWithdrawsTheShellRegistration) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* tree = TComponent::Create<TDqDirTree21>(form.get(), form.get());
  const ULONG id = tree->ShellNotifyId();
  ASSERT_NE(id, 0u);
  form.reset();
  EXPECT_FALSE(SHChangeNotifyDeregister(id));
}
}  // namespace
