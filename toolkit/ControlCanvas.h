#pragma once
// Drawing on a control's window outside its paint message.
#include <windows.h>

class TControl;

class TControlCanvas {
 public:
  explicit TControlCanvas(const TControl& control) : control_(control) {}
  TControlCanvas(const TControlCanvas&) = delete;
  TControlCanvas& operator=(const TControlCanvas&) = delete;

  // Runs `draw` with the control's device context, released again afterwards.
  template <class F>
  void Paint(F&& draw) const {
    HWND hwnd = Window();
    if (!hwnd) return;
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    struct Release {
      HWND w;
      HDC d;
      ~Release() { ReleaseDC(w, d); }
    } release{hwnd, dc};
    draw(dc);
  }

 private:
  HWND Window() const;
  const TControl& control_;
};
