#pragma once
// The hint (tooltip) a control shows while the mouse pointer rests on it. The pauses
// and the colour are the application-wide hint settings.
#include <windows.h>

#include <string>

#include "toolkit/Handles.h"

class TControl;

struct THintSettings {
  COLORREF Color = GetSysColor(COLOR_INFOBK);
  int HintPause = 500;        // ms before a hint appears
  int HintShortPause = 25;    // ms before the next control's hint appears
  int HintHidePause = 10000;  // ms a hint stays
};

class THintWindow {
 public:
  explicit THintWindow(const TControl& control);
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  // "\r" or "\n" breaks the text into lines.
  void SetText(const std::string& text);
  const std::string& Text() const { return text_; }
  void SetActive(bool active);
  bool Active() const { return active_; }
  void Apply(const THintSettings& settings);
  HWND Handle() const { return tip_.get(); }

 private:
  TOOLINFOW Tool();

  HWND owner_;
  UniqueWindow tip_;
  std::string text_;
  std::wstring wide_;
  bool active_ = true;
};
