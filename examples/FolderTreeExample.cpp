// A host window with a stand-alone folder tree beside a file list: the tree keeps the
// list on the folder selected in it, the list tells the tree where it went, and the
// tree's context menu offers its folder commands.
//
//   folder_tree_example [folder]   shows the folder (default: the current one); a
//                                  relative folder is taken from the current one
//
// The pictures of the tree's context menu (NewFolder28, Cut28, ... Attributes28) and the
// list's parent entry are bitmap resources of resources/scrivlet.rc, which this program
// links as Scrivlet does (SCRIVLET_RC in examples/CMakeLists.txt). A host that leaves
// them out gets the same menus without pictures.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/filelist/FileListView.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Splitter.h"
#include "toolkit/Utf.h"

namespace {
class TExampleForm : public TForm {
 public:
  explicit TExampleForm(TComponent* owner) : TForm(owner) {
    SetCaption("Folder tree example");
    SetBounds(60, 60, 760, 480);
    status_ = Create<TLabel>(this, this);
    status_->SetAlign(TAlign::alBottom);
    tree_ = Create<TDqDirTree21>(this, this);
    tree_->SetAlign(TAlign::alLeft);
    tree_->SetWidth(260);
    Create<TSplitter>(this, this)->SetAlign(TAlign::alLeft);
    list_ = Create<TDqFilelistView28>(this, this);
    list_->SetAlign(TAlign::alClient);
    // One call links both ways: the list tells the tree, the tree sets the list.
    list_->SetDirTree(tree_);
    tree_->OnDirChange = [this](TComponent*, const std::string& path) { status_->SetCaption(path); };
    tree_->OnFileChange = [this](TComponent*, const std::string& file) { status_->SetCaption(file); };
  }

  void ShowFolder(const std::string& folder) {
    tree_->ShowPath(folder);
    list_->SetDirectory(tree_->SelectedPath());
  }

 private:
  TDqDirTree21* tree_ = nullptr;
  TDqFilelistView28* list_ = nullptr;
  TLabel* status_ = nullptr;
};

std::string StartFolder() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string folder;
  if (args && count > 1) folder = Narrow(args[1]);
  if (args) LocalFree(args);
  if (folder.empty()) folder = ".";
  // The tree finds a folder by its drive and the folders below it, so "docs" becomes
  // the full path of docs in the current folder.
  const std::wstring wide = Widen(folder);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return folder;
  std::wstring full(size, L'\0');
  const DWORD written = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (written == 0 || written >= size) return folder;
  full.resize(written);
  return Narrow(full);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  TApplication app;
  app.SetTitle("Folder tree example");
  try {
    app.Initialize();
    auto* form = app.CreateForm<TExampleForm>();
    form->ShowFolder(StartFolder());
    app.Run(showCommand);
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
  return 0;
}
