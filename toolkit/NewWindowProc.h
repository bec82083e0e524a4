#pragma once
// Puts a procedure in front of a control's window procedure: it sees every message
// first and passes on what it does not answer itself. Removed again when the object
// goes or the window is destroyed.
#include <windows.h>

#include <functional>

class TControl;

class TNewWindowProc {
 public:
  // True when the message was answered (with `result`); false passes it on.
  using THandler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  TNewWindowProc(const TControl& control, THandler handler);
  // A window the toolkit does not wrap (or that another component owns).
  TNewWindowProc(HWND hwnd, THandler handler);
  TNewWindowProc(const TNewWindowProc&) = delete;
  TNewWindowProc& operator=(const TNewWindowProc&) = delete;
  ~TNewWindowProc();

  bool Installed() const { return hwnd_ != nullptr; }
  HWND Window() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

  HWND hwnd_ = nullptr;
  THandler handler_;
};
