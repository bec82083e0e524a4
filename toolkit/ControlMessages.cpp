// How a control answers its window's messages (keys, mouse, context menu, colours), apart
// from how the window is made.
#include "toolkit/Control.h"

#include <windowsx.h>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"

// ---- messages --------------------------------------------------------------

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam) {
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child->CommandNotify(HIWORD(wParam)))
          return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (TControl* child = FromHandle(header->hwndFrom); child && child != this) {
        LRESULT result = 0;
        if (child->NotifyReflect(header, result)) return result;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(wParam)));
      break;
    case WM_ERASEBKGND:
      if (!stock_) {
        RECT rc;
        GetClientRect(handle_, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, BackgroundBrush());
        return 1;
      }
      break;
    case WM_SYSCOLORCHANGE:
      // A brush of a system colour holds the old colour: make it again, here and below.
      if (color_ & clSystemColor) brush_.reset();
      Invalidate();
      for (TControl* c : children_)
        if (c->handle_) SendMessageW(c->handle_, msg, wParam, lParam);
      break;
    case WM_SETCURSOR:
      if (Application && Application->CursorOverride()) {
        ::SetCursor(Application->CursorOverride());
        return TRUE;
      }
      break;
    case WM_SIZE:
      Realign();
      if (OnResize) OnResize(this);
      break;
    case WM_SETFOCUS: {
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      if (TForm* form = ParentForm(); form && form != this) form->ControlFocused(this);
      if (OnEnter) OnEnter(this);
      return r;
    }
    case WM_KILLFOCUS: {
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      if (OnExit) OnExit(this);
      return r;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(wParam);
      KeyDown(key, TShiftState::FromKeyboard());
      if (key == 0) return 0;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      // The view handles the release first; the event follows.
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      WORD key = static_cast<WORD>(wParam);
      KeyUp(key, TShiftState::FromKeyboard());
      return r;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      // The view handles the press first; the event follows.
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      const TMouseButton button = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)   ? TMouseButton::mbLeft
                                  : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) ? TMouseButton::mbRight
                                                                                       : TMouseButton::mbMiddle;
      const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
      MouseDown(button, wParam, lParam, dbl);
      return r;
    }
    case WM_CONTEXTMENU:
      if (DoContextPopup(lParam)) return 0;
      break;
    default:
      break;
  }
  return DefaultHandler(msg, wParam, lParam);
}

void TControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TControl::MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, bool dbl) {
  if (!OnMouseDown) return;
  TShiftState s;
  s.Shift = (wParam & MK_SHIFT) != 0;
  s.Ctrl = (wParam & MK_CONTROL) != 0;
  s.Alt = GetKeyState(VK_MENU) < 0;
  s.Left = (wParam & MK_LBUTTON) != 0;
  s.Right = (wParam & MK_RBUTTON) != 0;
  s.Middle = (wParam & MK_MBUTTON) != 0;
  s.Double = dbl;
  OnMouseDown(this, button, s, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

bool TControl::DoContextPopup(LPARAM lParam) {
  if (!popupMenu_ || !popupMenu_->AutoPopup()) return false;
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) {  // from the keyboard: at the control's top-left corner
    pt = {0, 0};
    ClientToScreen(handle_, &pt);
  }
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(pt.x, pt.y);
  return true;
}

HBRUSH TControl::BackgroundBrush() {
  if (!brush_) brush_.reset(CreateSolidBrush(ColorToRGB(color_)));
  return brush_.get();
}

HBRUSH TControl::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(font_.Color));
  SetBkColor(dc, ColorToRGB(color_));
  return BackgroundBrush();
}
