#include "toolkit/Memo.h"

#include "toolkit/Application.h"

TMemo::TMemo(TComponent* owner, TControl* parent) : TControl(owner) {
  SetTabStop(true);
  SetParent(parent);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
  CreateHandle();
}

void TMemo::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = L"EDIT";
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP;
  if (readOnly_) params.Style |= ES_READONLY;
  if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.Style |= WS_HSCROLL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::HandleCreated() {
  // No typing limit of the control's own: the text may be as long as memory allows.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
  if (!savedText_.empty()) {
    std::wstring text;
    text.swap(savedText_);
    if (!SetTextW(text)) {
      SetWindowTextW(Handle(), L"");
      TextLost();
    }
  }
}

void TMemo::TextLost() {
  if (Application) Application->ShowException("Text exceeds memo capacity");
}

void TMemo::HandleDestroying() { savedText_ = TextW(); }

void TMemo::SetReadOnly(bool v) {
  readOnly_ = v;
  if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TMemo::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  RecreateWnd();
}

std::wstring TMemo::TextW() const {
  if (!Handle()) return savedText_;
  const int n = GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(Handle(), text.data(), n + 1);
  text.resize(static_cast<size_t>(got));
  return text;
}

bool TMemo::SetTextW(const std::wstring& text) {
  if (text.size() > kMaxTextLength) return false;
  if (!SendMessageW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))) return false;
  // A control that took only part of the text could not hold it.
  return GetWindowTextLengthW(Handle()) == static_cast<int>(wcsnlen(text.c_str(), text.size()));
}

int TMemo::TextLength() const { return Handle() ? GetWindowTextLengthW(Handle()) : 0; }

void TMemo::Clear() { SetWindowTextW(Handle(), L""); }

int TMemo::SelStart() const {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TMemo::SelLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TMemo::SetSelLength(int length) {
  const int start = SelStart();
  SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
  SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

void TMemo::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TMemo::CopyToClipboard() {
  if (SelLength() > 0) SendMessageW(Handle(), WM_COPY, 0, 0);
}

void TMemo::SetLockDrawing(bool locked) {
  SendMessageW(Handle(), WM_SETREDRAW, locked ? FALSE : TRUE, 0);
  if (!locked) Repaint();
}

void TMemo::Change() {
  if (OnChange) OnChange(this);
}
