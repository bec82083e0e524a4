#include "toolkit/HintWindow.h"

#include <commctrl.h>

#include "toolkit/Control.h"
#include "toolkit/Utf.h"

THintWindow::THintWindow(const TControl& control) : owner_(control.Handle()) {
  tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0,
                             0, 0, owner_, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!tip_) return;
  TOOLINFOW tool = Tool();
  SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // Lines are broken where the text says, not by width.
  SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, 2000);
  Apply(THintSettings{});
}

TOOLINFOW THintWindow::Tool() {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(owner_);
  tool.lpszText = wide_.data();
  return tool;
}

void THintWindow::SetText(const std::string& text) {
  text_ = text;
  wide_ = Widen(text);
  if (!tip_) return;
  TOOLINFOW tool = Tool();
  SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintWindow::SetActive(bool active) {
  active_ = active;
  if (tip_) SendMessageW(tip_.get(), TTM_ACTIVATE, active, 0);
}

void THintWindow::Apply(const THintSettings& settings) {
  if (!tip_) return;
  SendMessageW(tip_.get(), TTM_SETTIPBKCOLOR, settings.Color, 0);
  SendMessageW(tip_.get(), TTM_SETDELAYTIME, TTDT_INITIAL, settings.HintPause);
  SendMessageW(tip_.get(), TTM_SETDELAYTIME, TTDT_RESHOW, settings.HintShortPause);
  SendMessageW(tip_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, settings.HintHidePause);
}
