#pragma once
// The stand-alone folder tree's context menu: its folder commands with pictures, in
// the tree language, enabled for the selected node.
#include <windows.h>

#include <array>
#include <string>

#include "filebrowser/lang/Language.h"
#include "toolkit/Handles.h"
#include "toolkit/Menu.h"

class TDqDirTree21;

class TDqDirTree21PopUp : public TPopupMenu {
 public:
  // The owner is the tree whose commands the menu runs.
  explicit TDqDirTree21PopUp(TComponent* owner);
  ~TDqDirTree21PopUp() override;

  // Adds the fifteen items, with their pictures, in the tree language the menu was made
  // in. Once: the menu adds them when first shown or read (ItemsWanted).
  void BuildMenu();
  bool Built() const { return built_; }
  // Enables the items for the selected node, then shows the menu 10 pixels right of and
  // below the point.
  void Popup(int x, int y) override;
  void ItemClick(TComponent* sender);
  // The item of that name, null when there is none.
  TMenuItem* FindItem(const std::string& name);

 protected:
  void ItemsWanted() override { BuildMenu(); }

 private:
  TDqDirTree21* tree_;
  std::array<UniqueBitmap, 11> glyphs_;
  std::array<std::string, 11> captions_;
  bool built_ = false;
  TLanguage language_;
};
