#include "app/ProCtrls.h"

#include "toolkit/Utf.h"

TProCustomPanel::TProCustomPanel(TComponent* owner, TControl* parent) : TPanel(owner, parent) {}

int TProCustomPanel::BevelWidth() const {
  if (bevelOuter_ == TPanelBevel::bvNone) return 0;
  return bevelCtl3D_ ? 2 : 1;
}

void TProCustomPanel::FrameChanged() {
  // The frame is the non-client area: the platform recomputes the client
  // rectangle, and the controls aligned inside move with it.
  if (!Handle()) return;
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TProCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  FrameChanged();
}

void TProCustomPanel::SetBevelCtl3D(bool value) {
  if (value == bevelCtl3D_) return;
  bevelCtl3D_ = value;
  FrameChanged();
}

void TProCustomPanel::SetBevelSides(TBevelSides sides) {
  if (sides == bevelSides_) return;
  bevelSides_ = sides;
  FrameChanged();
}

void TProCustomPanel::SetBorderColor(TColor color) {
  if (color == borderColor_) return;
  borderColor_ = color;
  FrameChanged();
}

void TProCustomPanel::SetVerticalAlignment(TVerticalAlignment value) {
  if (value == verticalAlignment_) return;
  verticalAlignment_ = value;
  Invalidate();
}

void TProCustomPanel::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Invalidate();
}

void TProCustomPanel::PaintFrame() {
  const int width = BevelWidth();
  if (width == 0) return;
  HDC dc = GetWindowDC(Handle());
  if (!dc) return;
  RECT rc;
  GetWindowRect(Handle(), &rc);
  OffsetRect(&rc, -rc.left, -rc.top);
  UniqueBrush border(CreateSolidBrush(ColorToRGB(borderColor_)));
  const bool lowered = bevelOuter_ == TPanelBevel::bvLowered;
  // Outer ring first, then the inner one of a 2-pixel bevel.
  const int outerTopLeft = lowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
  const int outerBottomRight = lowered ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW;
  const int innerTopLeft = lowered ? COLOR_3DDKSHADOW : COLOR_3DLIGHT;
  const int innerBottomRight = lowered ? COLOR_3DLIGHT : COLOR_BTNSHADOW;
  for (int ring = 0; ring < width; ++ring) {
    HBRUSH topLeft = GetSysColorBrush(ring == 0 ? outerTopLeft : innerTopLeft);
    HBRUSH bottomRight = GetSysColorBrush(ring == 0 ? outerBottomRight : innerBottomRight);
    const RECT left{rc.left, rc.top, rc.left + 1, rc.bottom};
    const RECT top{rc.left, rc.top, rc.right, rc.top + 1};
    const RECT right{rc.right - 1, rc.top, rc.right, rc.bottom};
    const RECT bottom{rc.left, rc.bottom - 1, rc.right, rc.bottom};
    // Sides without a bevel keep the frame's width in the border colour.
    FillRect(dc, &left, bevelSides_.Left ? topLeft : border.get());
    FillRect(dc, &top, bevelSides_.Top ? topLeft : border.get());
    FillRect(dc, &right, bevelSides_.Right ? bottomRight : border.get());
    FillRect(dc, &bottom, bevelSides_.Bottom ? bottomRight : border.get());
    InflateRect(&rc, -1, -1);
  }
  ReleaseDC(Handle(), dc);
}

void TProCustomPanel::PaintClient(HDC dc) {
  RECT rc;
  GetClientRect(Handle(), &rc);
  if (caption_.empty()) return;
  const std::wstring text = Widen(caption_);
  UniqueFont font = Font().CreateHandle();
  SelectGuard select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color));
  UINT flags = DT_CENTER | DT_SINGLELINE | DT_NOPREFIX;
  switch (verticalAlignment_) {
    case TVerticalAlignment::vaTop: flags |= DT_TOP; break;
    case TVerticalAlignment::vaCenter: flags |= DT_VCENTER; break;
    case TVerticalAlignment::vaBottom: flags |= DT_BOTTOM; break;
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, flags);
}

LRESULT TProCustomPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      const int width = BevelWidth();
      RECT* rc = reinterpret_cast<RECT*>(lParam);  // the first rectangle in both forms of the message
      InflateRect(rc, -width, -width);
      if (rc->right < rc->left) rc->right = rc->left;
      if (rc->bottom < rc->top) rc->bottom = rc->top;
      return 0;
    }
    case WM_NCPAINT:
      PaintFrame();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      PaintClient(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (!mouseInside_) {
        mouseInside_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        if (OnMouseEnter) OnMouseEnter(this);
      }
      break;
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      if (OnMouseLeave) OnMouseLeave(this);
      return 0;
    default:
      break;
  }
  return TPanel::WndProc(msg, wParam, lParam);
}
