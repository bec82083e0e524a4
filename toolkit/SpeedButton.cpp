#include "toolkit/SpeedButton.h"

#include <windowsx.h>

#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* owner, TControl* parent) : TControl(owner) {
  SetParent(parent);
  SetBounds(0, 0, 23, 22);
  CreateHandle();
}

void TSpeedButton::SetGlyph(HBITMAP bitmap) {
  if (!bitmap) return;
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth == 0) return;
  glyph_.reset(static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int n) {
  numGlyphs_ = std::clamp(n, 1, 4);
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  Invalidate();
}

void TSpeedButton::Click() {
  if (OnClick) OnClick(this);
}

bool TSpeedButton::PointInside(LPARAM lParam) const {
  RECT rc;
  GetClientRect(Handle(), &rc);
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&rc, pt) != FALSE;
}

LRESULT TSpeedButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      Paint(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      tracking_ = pressed_ = true;
      SetCapture(Handle());
      Invalidate();
      return 0;
    case WM_MOUSEMOVE:
      if (tracking_ && pressed_ != PointInside(lParam)) {
        pressed_ = !pressed_;
        Invalidate();
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!tracking_) return 0;
      const bool inside = PointInside(lParam);
      ReleaseCapture();  // ends the tracking
      if (inside) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (tracking_) {
        tracking_ = pressed_ = false;
        Invalidate();
      }
      return 0;
    default:
      return TControl::WndProc(msg, wParam, lParam);
  }
}

void TSpeedButton::Paint(HDC dc) {
  RECT rc;
  GetClientRect(Handle(), &rc);
  const bool sunken = pressed_ || down_;
  DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0));
  if (!glyph_) return;
  BITMAP info{};
  GetObjectW(glyph_.get(), sizeof info, &info);
  const int w = info.bmWidth / numGlyphs_, h = info.bmHeight;
  // The glyph's bottom-left pixel is its transparent colour.
  HDC mem = CreateCompatibleDC(dc);
  COLORREF transparent;
  {
    SelectGuard keep(mem, glyph_.get());
    transparent = GetPixel(mem, 0, h - 1);
  }
  DeleteDC(mem);
  UniqueImageList list(ImageList_Create(w, h, ILC_COLOR24 | ILC_MASK, numGlyphs_, 0));
  UniqueBitmap copy(static_cast<HBITMAP>(CopyImage(glyph_.get(), IMAGE_BITMAP, 0, 0, 0)));
  ImageList_AddMasked(list.get(), copy.get(), transparent);
  const int shift = sunken ? 1 : 0;
  ImageList_Draw(list.get(), 0, dc, (rc.right - w) / 2 + shift, (rc.bottom - h) / 2 + shift, ILD_TRANSPARENT);
}
