#include "toolkit/MessageWindow.h"

TMessageWindow::TMessageWindow(TComponent* owner, THandler handler) : TControl(owner), handler_(std::move(handler)) {
  SetVisible(false);
  CreateHandle();
}

void TMessageWindow::CreateParams(TCreateParams& params) {
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
}

LRESULT TMessageWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (handler_ && handler_(msg, wParam, lParam, result)) return result;
  return DefWindowProcW(Handle(), msg, wParam, lParam);
}
