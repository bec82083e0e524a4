#pragma once
// An image-list component. With ShareImages the handle is borrowed (the platform's
// system image lists): the component never destroys it.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/Component.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  ~TImageList() override { ReleaseHandle(); }

  HIMAGELIST Handle() const { return handle_; }
  void SetHandle(HIMAGELIST handle) {
    if (handle == handle_) return;
    ReleaseHandle();
    handle_ = handle;
  }
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool value) { shareImages_ = value; }
  int Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const {
    if (handle_) ImageList_DrawEx(handle_, index, dc, x, y, 0, 0, CLR_NONE, CLR_NONE,
                                   ILD_TRANSPARENT | (enabled ? 0 : ILD_BLEND50));
  }

 private:
  void ReleaseHandle() {
    if (handle_ && !shareImages_) ImageList_Destroy(handle_);
    handle_ = nullptr;
  }

  HIMAGELIST handle_ = nullptr;
  bool shareImages_ = false;
};
