#pragma once
// Popup menus and their items. A shortcut is stored as the key code in the low
// byte plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"

using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut v) { shortCut_ = v; }
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v; }
  // The picture beside the caption: a bitmap (not owned), else the image of the
  // menu's image list at ImageIndex (-1: none).
  HBITMAP Bitmap() const { return bitmap_; }
  void SetBitmap(HBITMAP v) { bitmap_ = v; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { imageIndex_ = v; }

  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Clear();  // detaches the sub-items (their owner frees them)
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int i) const { return items_[static_cast<size_t>(i)]; }
  TMenuItem* ParentItem() const { return parent_; }

  // Fires OnClick as if the user chose the item.
  virtual void Click();
  TNotifyEvent OnClick;

  // The first item, this one or below, with that shortcut.
  TMenuItem* FindShortCut(TShortCut shortcut);

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  TShortCut shortCut_ = 0;
  int tag_ = 0;
  int groupIndex_ = 0;
  HBITMAP bitmap_ = nullptr;
  int imageIndex_ = -1;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // The items; a menu that makes its items late makes them now (ItemsWanted).
  TMenuItem& Items() {
    ItemsWanted();
    return *root_;
  }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v) { autoPopup_ = v; }
  // Pictures of items with an ImageIndex (borrowed, never destroyed by the menu).
  HIMAGELIST Images() const { return images_; }
  void SetImages(HIMAGELIST images) { images_ = images; }
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* c) { popupComponent_ = c; }

  // Shows the visible items at a screen point and runs the chosen one.
  virtual void Popup(int x, int y);
  // Runs the enabled item with that shortcut, visible or not; true when one ran. Items not
  // made yet are not made for it: a menu that makes its items late gives them no shortcuts.
  bool IsShortCut(TShortCut shortcut);

  TNotifyEvent OnPopup;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // Before the items are read or shown: a menu that makes its items only when first
  // needed makes them here.
  virtual void ItemsWanted() {}

 private:
  std::unique_ptr<TMenuItem> root_;
  bool autoPopup_ = true;
  HIMAGELIST images_ = nullptr;
  TComponent* popupComponent_ = nullptr;
};
