#pragma once
// A hidden top-level window that only receives messages (shell notifications and
// the like). It goes through the toolkit's one window procedure like every control.
#include <functional>

#include "toolkit/Control.h"

class TMessageWindow : public TControl {
 public:
  // True when the message was answered (with `result`); otherwise the platform's
  // default procedure answers it.
  using THandler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  TMessageWindow(TComponent* owner, THandler handler);

 protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  THandler handler_;
};
