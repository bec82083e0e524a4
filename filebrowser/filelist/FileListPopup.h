#pragma once
// The file list's own context menu: the file commands with the list language's captions
// and pictures, and a Send To submenu with four built-in destinations and one entry per
// shortcut in the user's Send To folder. The file list creates, replaces and installs it.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/lang/Language.h"
#include "toolkit/Handles.h"
#include "toolkit/Menu.h"

class TDqFilelistView28;

class TDqFilelistView28PopUp : public TPopupMenu {
 public:
  explicit TDqFilelistView28PopUp(TComponent* owner);
  ~TDqFilelistView28PopUp() override;

  // The list whose commands the menu runs; not owned.
  TDqFilelistView28* FileListView() const { return fileListView_; }
  void SetFileListView(TDqFilelistView28* view) { fileListView_ = view; }
  // Full paths of the shortcuts of the Send To submenu, in submenu order.
  const std::vector<std::string>& SendToPaths() {
    BuildMenu();
    return sendToPaths_;
  }

  // Creates every item in the list language, the Send To entries included, with their
  // pictures. Once: the menu makes them when first shown or read (ItemsWanted).
  void BuildMenu();
  bool Built() const { return built_; }
  TMenuItem* MakeItem(const std::string& caption, TShortCut shortCut, HBITMAP glyph, int tag, const std::string& name,
                      TNotifyEvent onClick, int groupIndex, bool enabled, bool checked);
  // One Send To entry per shortcut in the user's Send To folder.
  void AddSendToEntries();
  // The file-system path of a shell special folder (a CSIDL value); false when it has none.
  static bool ShellFolderPath(HWND owner, std::string& path, int id);
  // Enables the items for the list's selection, then shows the menu 10 pixels right of
  // and below the point.
  void Popup(int x, int y) override;
  // Runs the item's command on the list.
  void ItemClick(TComponent* sender);
  // The item of that name, null when there is none.
  TMenuItem* FindItem(const std::string& name);

 protected:
  void ItemsWanted() override { BuildMenu(); }

 private:
  std::string Caption(TStringKey key) const;
  TMenuItem* AddTo(TMenuItem& parent, const std::string& caption, int glyph, int tag, const std::string& name);

  TDqFilelistView28* fileListView_ = nullptr;
  std::vector<std::string> sendToPaths_;
  std::array<UniqueBitmap, 13> glyphs_;
  TMenuItem* sendToMenu_ = nullptr;
  bool built_ = false;
  // The list language when the menu was made: the items are made in it, however late.
  TLanguage language_;
};
