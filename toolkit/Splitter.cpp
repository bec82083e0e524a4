#include "toolkit/Splitter.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/Handles.h"

TSplitter::TSplitter(TComponent* owner, TControl* parent) : TControl(owner) {
  SetParent(parent);
  SetParentColor(true);
  SetBounds(0, 0, 3, 100);
  CreateHandle();
}

void TSplitter::CreateParams(TCreateParams& params) { TControl::CreateParams(params); }

TControl* TSplitter::FindResizedControl() const {
  // The visible control on the same side whose edge touches the splitter.
  if (!Parent()) return nullptr;
  for (TControl* c : Parent()->Controls()) {
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    if (Align() == TAlign::alLeft && c->Left() + c->Width() == Left()) return c;
    if (Align() == TAlign::alRight && c->Left() == Left() + Width()) return c;
  }
  return nullptr;
}

int TSplitter::ClampSize(int size) const {
  // Neither the pane nor the rest of the parent gets narrower than the minimum.
  int others = 0;
  for (TControl* c : Parent()->Controls())
    if (c != this && c != resized_ && c->Visible() && (c->Align() == TAlign::alLeft || c->Align() == TAlign::alRight))
      others += c->Width();
  const int maxSize = Parent()->ClientWidth() - others - minSize_ - Width();
  return std::max(minSize_, std::min(size, maxSize));
}

int TSplitter::SizeAt(int mouseX) const {
  const int delta = mouseX - downX_;
  return ClampSize(Align() == TAlign::alRight ? startSize_ - delta : startSize_ + delta);
}

void TSplitter::DrawLine() {
  // An inverted hatched bar in the parent: drawing it twice removes it.
  static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  UniqueBitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
  UniqueBrush brush(CreatePatternBrush(bits.get()));
  HWND parent = Parent()->Handle();
  HDC dc = GetDCEx(parent, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
  {
    SelectGuard guard(dc, brush.get());
    PatBlt(dc, lineX_, Top(), Width(), Height(), PATINVERT);
  }
  ReleaseDC(parent, dc);
  lineVisible_ = !lineVisible_;
}

void TSplitter::EndDrag(bool apply) {
  if (!dragging_) return;
  dragging_ = false;
  if (lineVisible_) DrawLine();
  if (GetCapture() == Handle()) ReleaseCapture();
  if (previousFocus_ && IsWindow(previousFocus_)) ::SetFocus(previousFocus_);
  previousFocus_ = nullptr;
  if (apply && resized_ && newSize_ != resized_->Width()) {
    resized_->SetWidth(newSize_);
    if (OnMoved) OnMoved(this);
  }
  resized_ = nullptr;
}

LRESULT TSplitter::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONDOWN: {
      resized_ = FindResizedControl();
      if (!resized_) return 0;
      dragging_ = true;
      downX_ = GET_X_LPARAM(lParam);
      startSize_ = newSize_ = resized_->Width();
      previousFocus_ = GetFocus();
      ::SetFocus(Handle());  // so that Escape reaches us
      SetCapture(Handle());
      lineX_ = Left();
      DrawLine();
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_) {
        newSize_ = SizeAt(GET_X_LPARAM(lParam));
        const int x = Align() == TAlign::alRight ? resized_->Left() + resized_->Width() - newSize_ - Width()
                                                 : resized_->Left() + newSize_;
        if (x != lineX_) {
          if (lineVisible_) DrawLine();
          lineX_ = x;
          DrawLine();
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        newSize_ = SizeAt(GET_X_LPARAM(lParam));
        EndDrag(true);
      }
      return 0;
    case WM_KEYDOWN:
      if (dragging_ && wParam == VK_ESCAPE) {
        EndDrag(false);
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (dragging_ && reinterpret_cast<HWND>(lParam) != Handle()) EndDrag(false);
      return 0;
    default:
      break;
  }
  return TControl::WndProc(msg, wParam, lParam);
}
