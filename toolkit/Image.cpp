#include "toolkit/Image.h"

TImage::TImage(TComponent* owner, TControl* parent) : TControl(owner) {
  SetParent(parent);
  SetParentColor(true);
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] {
    Invalidate();
    if (OnChange) OnChange(this);
  };
  CreateHandle();
}

void TImage::Paint(HDC dc) {
  if (TGraphic* g = picture_.Graphic()) g->Draw(dc, 0, 0);
}

LRESULT TImage::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    // The paint is over whatever the picture does: a picture that cannot be
    // drawn must not ask for the next paint at once.
    struct EndGuard {
      HWND hwnd;
      PAINTSTRUCT& ps;
      ~EndGuard() { EndPaint(hwnd, &ps); }
    } guard{Handle(), ps};
    Paint(dc);
    return 0;
  }
  return TControl::WndProc(msg, wParam, lParam);
}
