// The folder tree combo and its drop-down tree: parts, lazy listing, locating, keys,
// geometry, shell notifications and links.
#include "tests/win/support/DirTreeComboFixture.h"

#include <shlobj.h>

#include <algorithm>
#include <functional>

#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/shell/PathRules.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestDrive.h"
#include "toolkit/Utf.h"

namespace {

TEST_F(DirTreeComboTest, BoxShowsTheComputerAndTheTreeIsAClosedPopUp) {
  const TTreeNode root = Tree().GetFirstNode();
  ASSERT_TRUE(root);
  EXPECT_EQ(combo->Text(), root.Text());
  EXPECT_EQ(combo->SelectedPath(), "Drives");
  EXPECT_EQ(combo->ShownImageIndex(), root.ImageIndex());
  EXPECT_TRUE(combo->IconShown());
  EXPECT_TRUE(root.Expanded());
  const TTreeNode drive = root.getFirstChild();
  ASSERT_TRUE(drive);
  EXPECT_EQ(drive.Text().substr(0, 2), " (");
  EXPECT_EQ(drive.Text().substr(3, 4), ":)  ");
  // Drives are not read before they are opened.
  EXPECT_TRUE(drive.HasChildren());
  EXPECT_FALSE(drive.getFirstChild());
  EXPECT_EQ(Tree().ScanCount(), 0);

  const HWND tree = Tree().Handle();
  EXPECT_EQ(GetWindowLongW(tree, GWL_EXSTYLE), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongW(tree, GWL_STYLE) & WS_BORDER);
  EXPECT_EQ(GetClassLongW(tree, GCL_STYLE), static_cast<DWORD>(CS_SAVEBITS));
  EXPECT_EQ(GetAncestor(tree, GA_PARENT), GetDesktopWindow());
  EXPECT_FALSE(IsWindowEnabled(tree));
  EXPECT_FALSE(IsWindowVisible(tree));

  EXPECT_EQ(combo->Btn->Left(), combo->Width() - 17 - 4);
  EXPECT_EQ(combo->Btn->Width(), 17);
  EXPECT_EQ(combo->Btn->Height(), combo->Height() - 4);
  EXPECT_NE(combo->Glyph(), nullptr);
  RECT text{};
  SendMessageW(combo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  // The text keeps clear of the icon (x 5 to 21) and of the button.
  EXPECT_GE(text.left, 23);
  EXPECT_LE(text.right, combo->Btn->Left());
}

TEST_F(DirTreeComboTest, ListsEachFolderOnceUntilTheTreeIsRebuilt) {
  dir.MakeDir("A");
  dir.MakeDir("A\\B");
  dir.MakeDir("A\\B\\x");
  dir.MakeDir("A\\C");
  dir.Write("A\\f.txt", "");
  combo->ShowPath(Path("A"));
  const TTreeNode a = Tree().Selected();
  EXPECT_EQ(a.Text(), "A");
  EXPECT_EQ(ChildCaptions(a), (std::vector<std::string>{"B", "C"}));

  // B: its own listing; its one sub-folder is looked into only once it is shown.
  int scans = Tree().ScanCount();
  combo->ShowPath(Path("A\\B"));
  EXPECT_EQ(Tree().ScanCount(), scans + 1);
  scans = Tree().ScanCount();
  combo->ShowPath(Path("A"));
  combo->ShowPath(Path("A\\B\\"));
  Tree().Selected().Collapse(true);
  Tree().Selected().Expand(false);
  EXPECT_EQ(Tree().ScanCount(), scans);

  dir.MakeDir("A\\D");
  combo->ShowPath(Path("A"));
  EXPECT_EQ(ChildCaptions(Tree().Selected()), (std::vector<std::string>{"B", "C"}));
  combo->ResetTree();
  combo->ShowPath(Path("A"));
  EXPECT_EQ(ChildCaptions(Tree().Selected()), (std::vector<std::string>{"B", "C", "D"}));
  EXPECT_GT(Tree().ScanCount(), scans);
}

TEST_F(DirTreeComboTest, AListingAddsItsFoldersInTheOrderTheSortKeeps) {
  const std::vector<std::string> names = {"b", "C", "a", "co-op", "coop", "_x", "10", "9", "\xC3\x84rger", "Azur", "a b"};
  dir.MakeDir("order");
  for (const std::string& name : names) dir.MakeDir("order\\" + name);
  std::vector<std::string> expected = names;
  std::stable_sort(expected.begin(), expected.end(), [](const std::string& x, const std::string& y) {
    return lstrcmpW(Widen(x).c_str(), Widen(y).c_str()) < 0;
  });
  combo->ShowPath(Path("order"));
  TTreeNode order = Tree().Selected();
  EXPECT_EQ(ChildCaptions(order), expected);
  // The sort each later expansion makes moves nothing.
  order.AlphaSort();
  EXPECT_EQ(ChildCaptions(order), expected);
}

TEST_F(DirTreeComboTest, FoldersAreLookedIntoOnceAndOnlyWhenShown) {
  for (const char* name : {"deep", "deep\\a", "deep\\a\\b", "deep\\a\\s", "deep\\a\\s\\x", "side", "side\\y"})
    dir.MakeDir(name);
  combo->ResetTree();
  const int before = Tree().ScanCount();
  const std::string target = Path("deep\\a\\b\\");
  Tree().LocatePath(target);
  ASSERT_EQ(SelectedCaption(), "b");
  // One listing per node along the path; no sibling was looked into.
  EXPECT_EQ(Tree().ScanCount(), before + static_cast<int>(std::count(target.begin(), target.end(), '\\')));

  const int located = Tree().ScanCount();
  combo->DropDown();
  UpdateWindow(Tree().Handle());
  const int shown = Tree().ScanCount();
  EXPECT_GT(shown, located);
  EXPECT_TRUE(Child(Tree().Selected().Parent(), "s").HasChildren());
  EXPECT_FALSE(Tree().Selected().HasChildren());
  InvalidateRect(Tree().Handle(), nullptr, TRUE);
  UpdateWindow(Tree().Handle());
  EXPECT_EQ(Tree().ScanCount(), shown);
}

TEST_F(DirTreeComboTest, PlainFoldersShareTheirPicturesAndOnlyOwnLookingOnesAreAsked) {
  dir.MakeDir("many");
  for (int i = 0; i < 30; ++i) dir.MakeDir("many\\plain" + std::to_string(i));
  const std::string dressed = dir.MakeDir("many\\dressed");
  dir.Write("many\\dressed\\desktop.ini", "[.ShellClassInfo]\r\n");
  SetFileAttributesW(Widen(dressed).c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
  // The attribute alone lets the folder name its picture, but without a desktop.ini it has none.
  const std::string bare = dir.MakeDir("many\\system");
  SetFileAttributesW(Widen(bare).c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
  combo->ShowPath(dir.Path());
  ASSERT_TRUE(Tree().Selected());  // read: the nodes along the path are made
  const int before = Tree().FolderIcons().ShellQueries();
  combo->ShowPath(Path("many"));
  const TTreeNode many = Tree().Selected();
  ASSERT_EQ(many.Count(), 32);
  // A plain folder's pictures are known from the folders along the path: of the 32,
  // only the dressed one is asked about (its normal and its open picture).
  EXPECT_EQ(Tree().FolderIcons().ShellQueries(), before + 2);
  const TTreeNode plain = Child(many, "plain0");
  EXPECT_EQ(Child(many, "plain29").ImageIndex(), plain.ImageIndex());
  EXPECT_EQ(Child(many, "system").SelectedIndex(), plain.SelectedIndex());
  SetFileAttributesW(Widen(dressed).c_str(), FILE_ATTRIBUTE_DIRECTORY);
  SetFileAttributesW(Widen(bare).c_str(), FILE_ATTRIBUTE_DIRECTORY);

  // Special folders are asked about one by one: the documents and the desktop folders.
  wchar_t documents[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents), S_OK);
  const std::string profile = ExtractFilePath(Narrow(documents));
  combo->ShowPath(profile);
  const int beforeProfile = Tree().FolderIcons().ShellQueries();
  combo->ResetTree();
  combo->ShowPath(profile);
  EXPECT_GE(Tree().FolderIcons().ShellQueries(), beforeProfile + 4);
}

TEST_F(DirTreeComboTest, ALookIntoAFolderOfFilesStopsAfterABoundAndTheExpansionDecides) {
  dir.MakeDir("top");
  dir.MakeDir("top\\files");
  for (int i = 0; i < kProbeEntryLimit; ++i) dir.Write("top\\files\\f" + std::to_string(i) + ".txt", "");
  dir.MakeDir("top\\few");
  dir.Write("top\\few\\one.txt", "");
  combo->ShowPath(Path("top"));
  TTreeNode files = Child(Tree().Selected(), "files");
  EXPECT_TRUE(files.HasChildren());
  EXPECT_FALSE(Child(Tree().Selected(), "few").HasChildren());
  files.Expand(false);
  EXPECT_FALSE(files.getFirstChild());
  EXPECT_FALSE(files.HasChildren());
}

TEST_F(DirTreeComboTest, LocatingSelectsAlongThePathAndCollapsesTheRest) {
  dir.MakeDir("A");
  dir.MakeDir("A\\B");
  dir.MakeDir("A\\C");
  dir.MakeDir("A\\C\\y");
  Tree().LocatePath(Path("A\\C\\"));
  const TTreeNode c = Tree().Selected();
  ASSERT_EQ(c.Text(), "C");
  ASSERT_TRUE(c.Expanded());

  const struct {
    std::string path;
    std::string selected;
  } rows[] = {
      {Path("A\\B\\"), "B"},
      {Path("a\\b\\"), "B"},
      {Path("A\\B"), "A"},  // only segments that end in "\" are matched
      {Path("A\\missing\\"), "A"},
  };
  for (const auto& row : rows) {
    Tree().LocatePath(row.path);
    const TTreeNode selected = Tree().Selected();
    EXPECT_EQ(selected.Text(), row.selected) << row.path;
    for (TTreeNode n = selected; n; n = n.Parent()) {
      if (n.HasChildren()) {
        EXPECT_TRUE(n.Expanded()) << n.Text() << " of " << row.path;
      }
    }
    EXPECT_FALSE(c.Expanded()) << row.path;
    EXPECT_TRUE(c.getFirstChild()) << "listings stay";
  }
  combo->ShowPath(Path("A\\B"));
  EXPECT_EQ(combo->SelectedPath(), Path("A\\B\\"));
  EXPECT_EQ(combo->Text(), "B");
  EXPECT_EQ(combo->ShownImageIndex(), Tree().Selected().ImageIndex());
}

TEST_F(DirTreeComboTest, ExpandButtonOnlyForFoldersWithSubFolders) {
  dir.MakeDir("files");
  dir.Write("files\\a.txt", "");
  dir.MakeDir("hidden");
  SetFileAttributesW(Widen(dir.MakeDir("hidden\\h")).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  dir.MakeDir("empty");
  dir.MakeDir("sorted");
  for (const char* name : {"b", "C", "a"}) dir.MakeDir(std::string("sorted\\") + name);
  combo->ShowPath(dir.Path());
  const TTreeNode top = Tree().Selected();
  EXPECT_EQ(ChildCaptions(top), (std::vector<std::string>{"empty", "files", "hidden", "sorted"}));
  EXPECT_FALSE(Child(top, "files").HasChildren());
  EXPECT_FALSE(Child(top, "empty").HasChildren());
  EXPECT_TRUE(Child(top, "hidden").HasChildren());
  TTreeNode sorted = Child(top, "sorted");
  sorted.Expand(false);
  EXPECT_EQ(ChildCaptions(sorted), (std::vector<std::string>{"a", "b", "C"}));
  TTreeNode files = Child(top, "files");
  files.Expand(false);
  EXPECT_FALSE(files.getFirstChild());
}

TEST_F(DirTreeComboTest, DownOpensThenMovesEnterAcceptsEscapeCloses) {
  dir.MakeDir("A");
  combo->ShowPath(dir.Path());
  const std::string shown = combo->Text();
  Press(VK_DOWN);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(IsWindowVisible(Tree().Handle()));
  EXPECT_EQ(GetCapture(), Tree().Handle());
  EXPECT_EQ(GetFocus(), combo->Handle());
  EXPECT_EQ(combo->Text(), shown);

  Press(VK_DOWN);
  EXPECT_EQ(SelectedCaption(), "A");
  EXPECT_EQ(combo->SelectedPath(), dir.Path());
  pathChanges.clear();
  Press(VK_RETURN);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(Tree().Handle()));
  EXPECT_NE(GetCapture(), Tree().Handle());
  EXPECT_EQ(combo->SelectedPath(), Path("A"));
  EXPECT_EQ(list->Directory(), Path("A\\"));
  EXPECT_EQ(combo->Text(), "A");
  ASSERT_EQ(pathChanges.size(), 1u);
  EXPECT_EQ(pathChanges[0].first, combo);
  EXPECT_EQ(pathChanges[0].second, Path("A"));

  Press(VK_F4);
  EXPECT_TRUE(combo->DroppedDown());
  Press(VK_UP);
  EXPECT_EQ(SelectedCaption(), ExtractFileName(StripTrailingBackslash(dir.Path())));
  Press(VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->SelectedPath(), Path("A"));
  EXPECT_EQ(combo->Text(), "A");
  EXPECT_EQ(list->Directory(), Path("A\\"));
}

TEST_F(DirTreeComboTest, LeftAndRightOpenAndCloseButLeftNeverReachesTheComputer) {
  dir.MakeDir("A");
  dir.MakeDir("A\\B");
  combo->ShowPath(Path("A"));
  TTreeNode a = Tree().Selected();
  a.Collapse(false);
  Press(VK_RIGHT);
  EXPECT_TRUE(a.Expanded());
  EXPECT_EQ(SelectedCaption(), "A");
  Press(VK_LEFT);  // closes A, then goes to the node above it
  EXPECT_FALSE(a.Expanded());
  EXPECT_FALSE(Tree().Selected() == a);
  const TTreeNode root = Tree().GetFirstNode();
  for (int i = 0; i < 200 && !(Tree().Selected().Parent() == root); ++i) Press(VK_LEFT);
  ASSERT_TRUE(Tree().Selected().Parent() == root);
  const TTreeNode drive = Tree().Selected();
  Press(VK_LEFT);
  Press(VK_LEFT);
  EXPECT_TRUE(Tree().Selected() == root.getFirstChild() || Tree().Selected() == drive);
  EXPECT_FALSE(Tree().Selected() == root);
  EXPECT_EQ(combo->SelectedPath(), Path("A\\"));  // nothing accepted
}

TEST_F(DirTreeComboTest, TheTextKeepsClearOfIconAndButtonAfterAFontChange) {
  TFont font = combo->Font();
  font.Name = "Tahoma";
  font.SetSize(12);
  combo->SetFont(font);
  RECT text{};
  SendMessageW(combo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_GE(text.left, 23);
  EXPECT_LE(text.right, combo->Btn->Left());
}

TEST_F(DirTreeComboTest, TheDrivesTokenNeverNamesAFolderOfTheCurrentDirectory) {
  dir.MakeDir("drives");
  ASSERT_TRUE(SetCurrentDirectoryW(Widen(dir.Path()).c_str()));
  const std::string computer = Tree().GetFirstNode().Text();
  combo->ShowPath("DRIVES");
  Press(VK_F5);
  SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, Widen(Path("drives")).c_str(), nullptr);
  PumpMessages();
  EXPECT_EQ(combo->SelectedPath(), "Drives");
  EXPECT_EQ(combo->Text(), computer);
  EXPECT_TRUE(list->IsDrivesView());
}

TEST_F(DirTreeComboTest, TheBoxShowsWhereTheListIsWhenInputQueuedDuringAListingMovedItOn) {
  dir.MakeDir("sub");
  list->SetShowFolders(true);
  combo->OpenPath(dir.Path());
  int sub = -1;
  for (int i = 0; i < list->Count(); ++i)
    if (list->Item(i).Caption == "sub") sub = i;
  ASSERT_GE(sub, 0);
  list->SetSelected(sub, true);
  // Waits in the queue until the listing of sub lets messages run, then goes up again.
  PostMessageW(list->Handle(), WM_KEYDOWN, VK_BACK, 0);
  list->OpenSelected();
  EXPECT_EQ(list->Directory(), dir.Path());
  EXPECT_EQ(combo->SelectedPath(), dir.Path());
  EXPECT_EQ(combo->Text(), ExtractFileName(StripTrailingBackslash(dir.Path())));
}

TEST_F(DirTreeComboTest, WheelTowardTheUserActsAsDown) {
  SendMessageW(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_TRUE(combo->DroppedDown());
  const TTreeNode root = Tree().GetFirstNode();
  Tree().SetSelected(root.getFirstChild());
  SendMessageW(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Tree().Selected(), root);
  // The computer node is never left upwards.
  SendMessageW(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(Tree().Selected(), root);
}

TEST_F(DirTreeComboTest, DropDownOpensBelowTheBoxOrAboveItNearTheScreenBottom) {
  const int screen = GetSystemMetrics(SM_CYSCREEN);
  for (const int formTop : {40, screen - 120}) {
    form->SetTop(formTop);
    PumpMessages();
    RECT box{};
    GetWindowRect(combo->Handle(), &box);
    combo->DropDown();
    const RECT tree = TreeRect();
    EXPECT_EQ(tree.right - tree.left, combo->Width()) << formTop;
    EXPECT_EQ(tree.bottom - tree.top, combo->TreeHeight()) << formTop;
    if (formTop == 40) {
      EXPECT_EQ(tree.top, box.bottom);
    } else {
      EXPECT_EQ(tree.bottom, box.top);
    }
    EXPECT_TRUE(GetWindowLongW(Tree().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    combo->DropDown();
    EXPECT_FALSE(combo->DroppedDown());
  }
}

TEST_F(DirTreeComboTest, FolderNotificationAndF5RebuildTheTreeAndRereadTheList) {
  dir.MakeDir("A");
  combo->OpenPath(dir.Path());
  EXPECT_EQ(list->Directory(), dir.Path());
  EXPECT_EQ(combo->LastOpenedPath(), dir.Path());
  std::vector<std::string> folders{"A"};
  // A notification, F5 in the combo, and F5 in the list, which passes it on to the combo.
  for (const std::string name : {"New", "Newer", "Newest"}) {
    const std::string made = dir.MakeDir(name);
    dir.Write(name + ".txt", "");
    ASSERT_FALSE(ListShows(name));
    if (name == "New") {
      SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, Widen(made).c_str(), nullptr);
      PumpMessages();
    } else {
      PressKey(name == "Newer" ? combo->Handle() : list->Handle(), VK_F5);
    }
    folders.push_back(name);
    EXPECT_EQ(combo->SelectedPath(), dir.Path()) << name;
    EXPECT_EQ(ChildCaptions(Tree().Selected()), folders);
    EXPECT_TRUE(Tree().GetFirstNode().Expanded()) << name;
    EXPECT_TRUE(ListShows(name));
    EXPECT_TRUE(ListShows(name + ".txt"));
  }
}

TEST_F(DirTreeComboTest, EscapeInTheLinkedListClosesTheDropDownAndEscapeThereAfterChangesNothing) {
  dir.MakeDir("A");
  combo->OpenPath(dir.Path());
  combo->DropDown();
  ASSERT_TRUE(combo->DroppedDown());
  // The key reaches the list while the drop-down is still open.
  PressKey(list->Handle(), VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(Tree().Handle()));
  PressKey(list->Handle(), VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->SelectedPath(), dir.Path());
  EXPECT_EQ(list->Directory(), dir.Path());
}

TEST_F(DirTreeComboTest, LinksAndTheShellEntryEndWithTheirObjects) {
  EXPECT_EQ(combo->FileList(), list);
  EXPECT_EQ(list->DirTreeCombo(), combo);
  const ULONG id = combo->ShellNotifyId();
  ASSERT_NE(id, 0u);
  form->FreeComponent(combo);
  EXPECT_EQ(list->DirTreeCombo(), nullptr);
  EXPECT_FALSE(SHChangeNotifyDeregister(id)) << "the combo withdrew its registration";

  combo = TComponent::Create<TDqDirTreeCombo28>(form.get(), form.get());
  list->SetDirTreeCombo(combo);
  EXPECT_EQ(combo->FileList(), list);
  form->FreeComponent(list);
  EXPECT_EQ(combo->FileList(), nullptr);
  combo->SetSelectedPath(dir.Path());  // no list to point at any more
  EXPECT_EQ(combo->SelectedPath(), dir.Path());
}

TEST_F(DirTreeComboTest, EmptyRemovableOrCdDriveWarnsAndTheSelectionGoesBack) {
  const TTestDrive floppy(DRIVE_REMOVABLE), cd(DRIVE_CDROM);
  combo->ResetTree();
  for (const TTestDrive* empty : {&floppy, &cd}) {
    ASSERT_NE(empty->Letter(), 0);
    const std::string root = std::string(1, empty->Letter()) + ":\\";
    ASSERT_EQ(GetDriveTypeW(Widen(root).c_str()), empty == &floppy ? UINT{DRIVE_REMOVABLE} : UINT{DRIVE_CDROM});
    const struct {
      std::string previous;  // shown before the pick
      std::string selectedPath;
      std::string selectedCaption;
    } rows[] = {
        {dir.Path(), dir.Path(), ExtractFileName(StripTrailingBackslash(dir.Path()))},
        {"Drives", "Drives", Tree().GetFirstNode().Text()},
    };
    for (const auto& row : rows) {
      ResetScripted();
      if (row.previous == "Drives") {
        Tree().SetSelected(Tree().GetFirstNode());
        Tree().AcceptSelection();
      } else {
        combo->ShowPath(row.previous);
      }
      TTreeNode drive;
      for (TTreeNode n = Tree().GetFirstNode().getFirstChild(); n; n = n.getNextSibling())
        if (DriveSegment(n.Text()) == root) drive = n;
      ASSERT_TRUE(drive);
      Tree().SetSelected(drive);
      Tree().AcceptSelection();
      EXPECT_EQ(Tree().SelectedPath, row.selectedPath);
      EXPECT_EQ(SelectedCaption(), row.selectedCaption);
      ASSERT_EQ(Scripted().Count("message"), 1) << row.previous;
      EXPECT_EQ(Scripted().Last().Text, "There is no disk in Drive or Drive is not ready");
    }
  }
}

}  // namespace

TEST_F(DirTreeComboTest, ClosingWithoutAPickSelectsTheShownFolderAgain) {
  dir.MakeDir("A");
  const std::pair<const char*, std::function<void()>> closings[] = {
      {"Escape", [&] { Press(VK_ESCAPE); }},
      {"F4", [&] { Press(VK_F4); }},
      {"focus to the list", [&] { SetFocus(list->Handle()); }},
      {"click outside", [&] {
         SendMessageW(Tree().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-20, -20));
         SendMessageW(Tree().Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(-20, -20));
       }},
  };
  for (const auto& [how, close] : closings) {
    SCOPED_TRACE(how);
    combo->OpenPath(Path("A"));
    Press(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    Press(VK_UP);
    ASSERT_NE(SelectedCaption(), "A");
    close();
    ASSERT_FALSE(combo->DroppedDown());
    EXPECT_EQ(SelectedCaption(), "A");
    // Enter on the closed box accepts its selection: the folder shown stays.
    SetFocus(combo->Handle());
    Press(VK_RETURN);
    EXPECT_EQ(list->Directory(), Path("A\\"));
    EXPECT_EQ(combo->Text(), "A");
  }
}

TEST_F(DirTreeComboTest, APickOfAFolderGoneSinceItWasListedKeepsTheShownFolder) {
  for (const bool byMouse : {false, true}) {
    SCOPED_TRACE(byMouse);
    dir.MakeDir("A");
    dir.MakeDir("B");
    combo->OpenPath(dir.Path());
    Press(VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    const TTreeNode a = Child(Tree().Selected(), "A");
    ASSERT_TRUE(a);
    // Another program removes it without the shell telling anyone.
    ASSERT_TRUE(RemoveDirectoryW(Widen(Path("A")).c_str()));
    Tree().SetSelected(a);
    if (byMouse) {
      RECT rc{};
      const HTREEITEM item = a.ItemId();
      memcpy(&rc, &item, sizeof item);  // the message takes the item in the rectangle
      SendMessageW(Tree().Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
      const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
      SendMessageW(Tree().Handle(), WM_MOUSEMOVE, 0, at);
      SendMessageW(Tree().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageW(Tree().Handle(), WM_LBUTTONUP, 0, at);
    } else {
      Press(VK_RETURN);
    }
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(list->Directory(), dir.Path());
    EXPECT_EQ(WithTrailingBackslash(combo->SelectedPath()), dir.Path());
    EXPECT_EQ(combo->Text(), ExtractFileName(StripTrailingBackslash(dir.Path())));
    EXPECT_EQ(NodePathOf(Tree().Selected()) + "\\", dir.Path());
  }
}

TEST_F(DirTreeComboTest, TheDrivesViewKeepsTheComputerSelectedThroughARebuild) {
  const std::string made = dir.Path() + "made";
  const std::pair<const char*, std::function<void()>> rebuilds[] = {
      {"folder notification",
       [&] {
         CreateDirectoryW(Widen(made).c_str(), nullptr);
         SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, Widen(made).c_str(), nullptr);
         PumpMessages();
       }},
      {"F5 in the box", [&] { Press(VK_F5); }},
      {"F5 in the list", [&] { PressKey(list->Handle(), VK_F5); }},
  };
  for (const auto& [how, rebuild] : rebuilds) {
    SCOPED_TRACE(how);
    combo->OpenPath(dir.Path());
    // The computer's node picked: the list shows the drives.
    Press(VK_F4);
    Tree().SetSelected(Tree().GetFirstNode());
    Press(VK_RETURN);
    ASSERT_TRUE(list->IsDrivesView());
    rebuild();
    EXPECT_TRUE(list->IsDrivesView());
    EXPECT_EQ(combo->SelectedPath(), "Drives");
    EXPECT_TRUE(Tree().Selected() == Tree().GetFirstNode());
    EXPECT_EQ(combo->Text(), Tree().GetFirstNode().Text());
  }
}
