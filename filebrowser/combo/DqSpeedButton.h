#pragma once
// The folder tree combo's drop-down button: like any speed button, but a right-button
// release is answered here, so no context menu appears.
#include "toolkit/SpeedButton.h"

class TDqSpeedButton : public TSpeedButton {
 public:
  using TSpeedButton::TSpeedButton;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_RBUTTONUP) return 1;
    return TSpeedButton::WndProc(msg, wParam, lParam);
  }
};
