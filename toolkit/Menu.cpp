#include "toolkit/Menu.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

TShortCut ShortCut(WORD key, TShiftState shift) {
  TShortCut sc = static_cast<TShortCut>(key & 0xFF);
  if (shift.Shift) sc |= scShift;
  if (shift.Ctrl) sc |= scCtrl;
  if (shift.Alt) sc |= scAlt;
  return sc;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  if (item->parent_ == this) item->parent_ = nullptr;
}

void TMenuItem::Clear() {
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  items_.clear();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortcut) {
  for (TMenuItem* item : items_) {
    if (item->shortCut_ == shortcut && shortcut != 0) return item;
    if (TMenuItem* found = item->FindShortCut(shortcut)) return found;
  }
  return nullptr;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), root_(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() { root_->Clear(); }

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

namespace {
// An image of the list drawn over the menu's colour into a bitmap without an alpha
// channel: menus draw such a bitmap as it is on every platform.
HBITMAP ImageBitmap(HIMAGELIST images, int index) {
  int width = 0, height = 0;
  if (!images || index < 0 || !ImageList_GetIconSize(images, &width, &height)) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
  ImageList_Draw(images, index, dc, 0, 0, ILD_TRANSPARENT);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

struct TMenuBuild {
  std::vector<TMenuItem*> flat;    // ids index into it plus one
  std::vector<UniqueBitmap> made;  // image-list pictures, alive while the menu shows
  HIMAGELIST images = nullptr;
};

void SetItemPicture(HMENU menu, TMenuItem& item, TMenuBuild& build) {
  HBITMAP picture = item.Bitmap();
  if (!picture && item.ImageIndex() >= 0) {
    build.made.emplace_back(ImageBitmap(build.images, item.ImageIndex()));
    picture = build.made.back().get();
  }
  if (!picture) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = picture;
  SetMenuItemInfoW(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE, &info);
}

// Builds the platform menu of the visible items.
bool BuildMenu(HMENU menu, TMenuItem& parent, TMenuBuild& build) {
  bool any = false;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible()) continue;
    any = true;
    if (item->IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::wstring caption = Widen(item->Caption());
    UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
    if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();  // the parent menu owns it from here
      BuildMenu(sub, *item, build);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
    } else {
      build.flat.push_back(item);
      AppendMenuW(menu, flags, build.flat.size(), caption.c_str());
    }
    SetItemPicture(menu, *item, build);
  }
  return any;
}
}  // namespace

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  UniqueMenu menu(CreatePopupMenu());
  TMenuBuild build;
  build.images = images_;
  if (!BuildMenu(menu.get(), Items(), build)) return;  // nothing visible: nothing to show
  const std::vector<TMenuItem*>& flat = build.flat;
  HWND owner = nullptr;
  if (auto* control = dynamic_cast<TControl*>(popupComponent_))
    if (TForm* form = control->ParentForm()) owner = form->Handle();
  if (!owner && Application && Application->MainForm()) owner = Application->MainForm()->Handle();
  const UINT cmd = Application->Modal().TrackPopup(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, owner);
  if (cmd >= 1 && cmd <= flat.size()) flat[cmd - 1]->Click();
}

bool TPopupMenu::IsShortCut(TShortCut shortcut) {
  TMenuItem* item = root_->FindShortCut(shortcut);
  if (!item || !item->Enabled()) return false;
  item->Click();
  return true;
}
