// The file list's own menu (items enabled by the selection, its position, Send To
// shortcuts) and the Send To commands.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "filebrowser/filelist/FileListPopup.h"
#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/SpecialFolders.h"
#include "tests/win/support/FileListFixture.h"
#include "tests/win/support/MenuPick.h"
#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void SaveShortcut(const std::string& at, const std::string& target) {
  ComPtr<IShellLinkW> link;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                            reinterpret_cast<void**>(link.put())));
  link->SetPath(Widen(target).c_str());
  ComPtr<IPersistFile> file;
  link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()));
  ASSERT_HRESULT_SUCCEEDED(file->Save(Widen(at).c_str(), TRUE));
}

// Target and working directory of a shortcut file.
std::pair<std::string, std::string> ShortcutOf(const std::string& at) {
  ComPtr<IShellLinkW> link;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                   reinterpret_cast<void**>(link.put()));
  ComPtr<IPersistFile> file;
  link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()));
  if (FAILED(file->Load(Widen(at).c_str(), STGM_READ))) return {};
  wchar_t target[MAX_PATH] = {}, work[MAX_PATH] = {};
  link->GetPath(target, MAX_PATH, nullptr, 0);
  link->GetWorkingDirectory(work, MAX_PATH);
  return {Narrow(target), Narrow(work)};
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

class FileListMenuTest : public FileListTest {
 protected:
  void SetUp() override {
    FileListTest::SetUp();
    form->Show();
    Scripted().FileOpAnswer = RealFileOperation;
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
  }
  void Select(std::initializer_list<const char*> captions) {
    view->ClearSelection();
    for (const char* c : captions) view->SetSelected(IndexOf(c), true);
  }
  TDqFilelistView28PopUp& Menu() { return *view->BuiltInMenu(); }
  // Open View SendTo Cut Copy Paste Rename Delete Properties NewFolder, then Clipboard as Contents.
  std::string States() {
    Menu().Popup(100, 200);
    std::string out;
    for (const char* name : {"ItemOpen", "ItemView", "SubMenuSend", "ItemOpCut", "ItemOpCopy", "ItemOpPaste",
                             "ItemRename", "ItemDelete", "ItemProperty", "ItemFolder", "Send_To1"})
      out += Menu().FindItem(name)->Enabled() ? '1' : '0';
    return out;
  }
  void Click(const char* name) { Menu().ItemClick(Menu().FindItem(name)); }
};

TEST_F(FileListMenuTest, ItemsFollowTheSelectionAndTheMenuOpensBesideThePoint) {
  for (const char* n : {"a.TXT", "b.jpg", "c.wmf"}) dir.Write(n, n);
  ListTempDir();
  EXPECT_EQ(States(), "00000000010");
  EXPECT_EQ(Scripted().PopupPoints.back().x, 110);
  EXPECT_EQ(Scripted().PopupPoints.back().y, 210);
  Select({"a.TXT"});
  EXPECT_EQ(States(), "11111011111");
  Select({"b.jpg"});
  EXPECT_EQ(States(), "11111011110");
  Select({"c.wmf"});
  EXPECT_EQ(States(), "10111011111");
  Select({"a.TXT", "c.wmf"});
  EXPECT_EQ(States(), "11111001110");
  view->CollectSelection(0);
  view->ClearSelection();
  EXPECT_EQ(States(), "00000100010");
  view->SetDirectory("Drives");
  EXPECT_EQ(States().substr(9, 1), "0");
  EXPECT_NE(Menu().FindItem("ItemOpen")->Bitmap(), nullptr);
  EXPECT_EQ(Menu().FindItem("Send_To3")->Tag(), 33);
  EXPECT_NE(Menu().FindItem("Send_To3")->Bitmap(), nullptr);  // the 256-colour picture
}

TEST_F(FileListMenuTest, EveryItemPickedFromTheMenuRunsItsCommand) {
  dir.Write("a.txt", "alpha");
  const std::string sub = dir.MakeDir("sub") + "\\";
  const std::string desktop = GetSpecialFolder(sfDesktop);
  ListTempDir();
  const auto last = [] { return Scripted().Requests.empty() ? TModalRequest{} : Scripted().Last(); };
  const struct {
    const char* name;
    std::function<bool()> done;
  } rows[] = {
      {"ItemOpen", [&] { return last().Kind == "shellexecute" && last().Text == "a.txt"; }},
      {"ItemView", [&] { return last().Kind == "shellexecute" && last().Text.find("NotePad.exe") != std::string::npos; }},
      {"Send_To0", [&] { return last().Kind == "form"; }},
      {"Send_To1", [&] { return ClipboardText() == "alpha"; }},
      {"Send_To2", [&] { return ClipboardText() == dir.File("a.txt"); }},
      {"Send_To3", [&] { return Exists(desktop + "a.lnk"); }},
      {"ItemOpCut", [&] { return view->PendingPasteOp() == 2 && IsClipboardFormatAvailable(CF_HDROP); }},
      {"ItemOpCopy", [&] { return view->PendingPasteOp() == 0; }},
      {"ItemOpPaste", [&] { return Exists(sub + "a.txt") && Exists(dir.File("a.txt")); }},
      {"ItemRename", [&] { return ListView_GetEditControl(view->Handle()) != nullptr; }},
      {"ItemProperty", [&] { return last().Caption == "properties"; }},
      {"ItemFolder", [&] { return Exists(dir.File("New Folder")); }},
      {"ItemDelete", [&] { return !Exists(dir.File("a.txt")); }},
  };
  for (const auto& row : rows) {
    // Paste goes into the sub-folder; everything else acts on a.txt.
    const bool paste = std::string(row.name) == "ItemOpPaste";
    view->SetDirectory(paste ? sub : dir.Path());
    if (!paste) Select({"a.txt"});
    TMenuItem* item = Menu().FindItem(row.name);
    ASSERT_TRUE(item) << row.name;
    PickFromPopups(item->Caption());
    Menu().Popup(100, 200);
    EXPECT_TRUE(row.done()) << row.name;
    if (ListView_GetEditControl(view->Handle())) ListView_CancelEditLabel(view->Handle());
  }
  DeleteFileW(Widen(desktop + "a.lnk").c_str());
}

TEST_F(FileListMenuTest, EverySendToShortcutRunsItsOwnEntry) {
  std::string sendTo;
  ASSERT_TRUE(TDqFilelistView28PopUp::ShellFolderPath(nullptr, sendTo, CSIDL_SENDTO));
  // More than two digits can number: 100 folders and a program.
  std::vector<std::string> links;
  for (int i = 0; i < 100; ++i) {
    const std::string name = "f" + std::to_string(1000 + i);
    links.push_back(sendTo + "\\" + name + ".lnk");
    SaveShortcut(links.back(), dir.MakeDir(name));
  }
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  links.push_back(sendTo + "\\Viewer.lnk");
  SaveShortcut(links.back(), Narrow(windows) + "\\notepad.exe");
  view->SetLanguage(lnGerman);  // a new menu reads the folder again
  const std::vector<std::string> paths = Menu().SendToPaths();
  ASSERT_EQ(paths.size(), 101u);
  dir.Write("a b.txt", "a");
  ListTempDir();
  Select({"a b.txt"});
  const auto viewer = static_cast<std::size_t>(std::find(paths.begin(), paths.end(), links.back()) - paths.begin());
  for (std::size_t k : {std::size_t{0}, std::size_t{99}, viewer}) {
    TMenuItem* item = Menu().FindItem("Send_To" + std::to_string(4 + k));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Tag(), static_cast<int>(34 + k));
    EXPECT_EQ(item->GroupIndex(), 1);
    Menu().ItemClick(item);
    if (k == viewer) {
      EXPECT_EQ(Scripted().Last().Items, (std::vector<std::string>{"\"a b.txt\"", dir.Path()}));
    } else {
      EXPECT_TRUE(Exists(dir.File(FileNameWithoutExt(paths[k])) + "\\a b.txt")) << paths[k];
    }
  }
  for (const std::string& link : links) DeleteFileW(Widen(link).c_str());
}

TEST_F(FileListMenuTest, SendToAnyFolderAndTheClipboardKinds) {
  dir.Write("a.txt", "alpha");
  dir.Write("b.txt", "b");
  dir.Write("c.txt", "c");
  const std::string dest = dir.MakeDir("dest");
  ListTempDir();
  Select({"a.txt", "b.txt", "c.txt"});
  Click("Send_To2");
  EXPECT_EQ(ClipboardText(), dir.File("a.txt") + "\r\n" + dir.File("b.txt") + "\r\n" + dir.File("c.txt"));

  // Typed without a final backslash, then chosen through Browse.
  int pictures = 0, labelWidth = 0;
  Scripted().FormAnswer = [&](TForm& dialog) {
    for (int i = 0; i < dialog.ComponentCount(); ++i) {
      if (auto* edit = dynamic_cast<TEdit*>(dialog.Component(i))) edit->SetText(dest);
      if (auto* button = dynamic_cast<TButton*>(dialog.Component(i))) pictures += button->Glyph() != nullptr;
      if (auto* label = dynamic_cast<TLabel*>(dialog.Component(i))) labelWidth = label->Width();
    }
    return mrOk;
  };
  Click("Send_To0");
  EXPECT_EQ(Scripted().Requests[0].Text, "Send to any folder");
  EXPECT_EQ(pictures, 3);
  EXPECT_GT(labelWidth, 60);  // sized to "Please enter the send_to path", not to the edit below
  EXPECT_LT(labelWidth, 293);
  for (const char* n : {"dest\\a.txt", "dest\\b.txt", "dest\\c.txt"}) EXPECT_TRUE(Exists(dir.File(n))) << n;
  std::vector<std::string> shown;
  Scripted().FormAnswer = [&](TForm& dialog) {
    for (int i = 0; i < dialog.ComponentCount(); ++i)
      if (auto* edit = dynamic_cast<TEdit*>(dialog.Component(i))) shown.push_back(edit->Text());
    return shown.size() == 1 ? 10 : mrOk;
  };
  const std::string other = dir.MakeDir("other");
  Scripted().BrowseAnswer = [&](BROWSEINFOW&) { return ILCreateFromPathW(Widen(other).c_str()); };
  Select({"a.txt"});
  Click("Send_To0");
  EXPECT_EQ(shown, (std::vector<std::string>{"", other + "\\"}));
  EXPECT_TRUE(Exists(other + "\\a.txt"));

  Click("Send_To1");
  EXPECT_EQ(ClipboardText(), "alpha");
  dir.Write("r.rtf", "{\\rtf1\\ansi Hello {\\b bold}}");
  BITMAPINFOHEADER info{sizeof info, 1, 1, 1, 24, BI_RGB, 4, 0, 0, 0, 0};
  const BITMAPFILEHEADER file{0x4D42, 14 + sizeof info + 4, 0, 0, 14 + sizeof info};
  dir.Write("p.bmp", std::string(reinterpret_cast<const char*>(&file), 14) +
                         std::string(reinterpret_cast<const char*>(&info), sizeof info) + std::string(4, '\xFF'));
  view->UpdateFileList();
  Select({"r.rtf"});
  Click("Send_To1");
  EXPECT_EQ(ClipboardText(), "Hello bold");
  dir.Write("m.rtf", "{\\rtf1\\ansi One\\par Two\\par Three}");
  view->UpdateFileList();
  Select({"m.rtf"});
  Click("Send_To1");
  EXPECT_EQ(ClipboardText(), "One\r\nTwo\r\nThree");
  EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Rich Text Format")));
  Select({"p.bmp"});
  Click("Send_To1");
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  Select({"a.txt"});
  Click("ItemProperty");
  EXPECT_EQ(Scripted().Last().Caption, "properties");
  EXPECT_EQ(Scripted().Last().Text, dir.File("a.txt"));
}

TEST_F(FileListMenuTest, DesktopShortcutReplacesOnlyItsOwnName) {
  const std::string desktop = GetSpecialFolder(sfDesktop);
  ASSERT_FALSE(desktop.empty());
  const auto clean = [&] {
    for (const char* made :
         {"notes.lnk", "notes (2).lnk", "notes (3).lnk", "todo.lnk", "todo (2).lnk", "plan.lnk", "plan (2).lnk"})
      DeleteFileW(Widen(desktop + made).c_str());
  };
  // A run stopped half-way leaves its shortcuts on the desktop: each run starts without them.
  clean();
  dir.Write("notes.txt", "n");
  dir.Write("notes.ini", "n");
  dir.Write("todo.txt", "t");
  dir.Write("plan.txt", "p");
  ListTempDir();
  Click("Send_To3");
  EXPECT_EQ(Scripted().Count("message"), 0);
  // The same file again replaces its own shortcut; another file of that name gets a
  // numbered one and the first stays.
  for (const char* name : {"notes.txt", "notes.txt", "notes.ini"}) {
    Select({name});
    Click("Send_To3");
  }
  EXPECT_EQ(ShortcutOf(desktop + "notes.lnk"), std::make_pair(dir.File("notes.txt"), dir.Path()));
  EXPECT_EQ(ShortcutOf(desktop + "notes (2).lnk"), std::make_pair(dir.File("notes.ini"), dir.Path()));
  EXPECT_FALSE(Exists(desktop + "notes (3).lnk"));
  // A shortcut another program made under the name is kept, as is a file that is no shortcut.
  SaveShortcut(desktop + "todo.lnk", dir.File("notes.txt"));
  {
    std::ofstream other(desktop + "plan.lnk");
    other << "not a shortcut";
  }
  for (const char* name : {"todo.txt", "plan.txt"}) {
    Select({name});
    Click("Send_To3");
  }
  EXPECT_EQ(ShortcutOf(desktop + "todo.lnk").first, dir.File("notes.txt"));
  EXPECT_EQ(ShortcutOf(desktop + "todo (2).lnk").first, dir.File("todo.txt"));
  EXPECT_EQ(ShortcutOf(desktop + "plan (2).lnk").first, dir.File("plan.txt"));
  clean();
  EXPECT_EQ(Scripted().Count("message"), 0);
}

}  // namespace

TEST_F(FileListMenuTest, AMenuReadBeforeItFirstPopsUpHasItsItemsInItsLanguage) {
  const TLanguage before = ListLanguage;
  // Made and unmade menus alike: a language change makes a made menu again at once and
  // only marks an unmade one; either way a read finds the items in the new language.
  for (const bool readFirst : {false, true}) {
    SCOPED_TRACE(readFirst ? "read first" : "never read");
    auto* list = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
    list->SetLanguage(lnEnglish);
    EXPECT_FALSE(list->BuiltInMenu()->Built());
    if (readFirst) {
      EXPECT_EQ(list->BuiltInMenu()->Items().Count(), 15);
    }
    list->SetLanguage(lnGerman);
    EXPECT_EQ(list->BuiltInMenu()->Built(), readFirst);
    // Another list's language meanwhile changes nothing in this menu's captions.
    ListLanguage = lnFrench;
    TDqFilelistView28PopUp& menu = *list->BuiltInMenu();
    ASSERT_EQ(menu.Items().Count(), 15);
    EXPECT_EQ(menu.Items().Items(0)->Caption(), "Ö&ffnen");
    ASSERT_TRUE(menu.FindItem("Send_To3"));
    EXPECT_NE(menu.FindItem("ItemOpen")->Bitmap(), nullptr);
    form->FreeComponent(list);
    ListLanguage = before;
  }
}
