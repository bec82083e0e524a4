#pragma once
// The stand-alone folder tree's context menu: its folder commands with pictures, in
// the tree language, enabled for the selected node.
#include <windows.h>

#include <array>
#include <string>

#include "toolkit/Handles.h"
#include "toolkit/Menu.h"

class TDqDirTree21;

class TDqDirTree21PopUp : public TPopupMenu {
 public:
  // The owner is the tree whose commands the menu runs.
  explicit TDqDirTree21PopUp(TComponent* owner);
  ~TDqDirTree21PopUp() override;

  // Adds the fifteen items in the tree language. Once.
  void BuildMenu();
  // Enables the items for the selected node, then shows the menu 10 pixels right of and
  // below the point.
  void Popup(int x, int y) override;
  void ItemClick(TComponent* sender);
  // The item of that name, null when there is none.
  TMenuItem* FindItem(const std::string& name) const;

 private:
  TDqDirTree21* tree_;
  std::array<UniqueBitmap, 11> glyphs_;
  std::array<std::string, 11> captions_;
};
