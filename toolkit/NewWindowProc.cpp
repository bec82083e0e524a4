#include "toolkit/NewWindowProc.h"

#include <commctrl.h>

#include "toolkit/Application.h"
#include "toolkit/Control.h"

TNewWindowProc::TNewWindowProc(const TControl& control, THandler handler)
    : TNewWindowProc(control.Handle(), std::move(handler)) {}

TNewWindowProc::TNewWindowProc(HWND hwnd, THandler handler) : hwnd_(hwnd), handler_(std::move(handler)) {
  if (hwnd_ && !SetWindowSubclass(hwnd_, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
    hwnd_ = nullptr;
}

TNewWindowProc::~TNewWindowProc() {
  if (hwnd_) RemoveWindowSubclass(hwnd_, Proc, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK TNewWindowProc::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<TNewWindowProc*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, Proc, id);
    self->hwnd_ = nullptr;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if (self->handler_ && self->handler_(msg, wParam, lParam, result)) return result;
  } catch (const std::exception& e) {
    // Nothing may cross the platform's callback.
    if (Application) Application->HandleException(e);
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}
