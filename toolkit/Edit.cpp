#include "toolkit/Edit.h"

#include "toolkit/Utf.h"

namespace {
std::wstring WindowText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(static_cast<size_t>(got));
  return text;
}
}  // namespace

TEdit::TEdit(TComponent* owner, TControl* parent) : TControl(owner) {
  Setup(parent);
  CreateHandle();
}

TEdit::TEdit(TComponent* owner, TControl* parent, TDeferHandle) : TControl(owner) { Setup(parent); }

void TEdit::Setup(TControl* parent) {
  SetTabStop(true);
  SetParent(parent);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | WS_TABSTOP;
  if (readOnly_) params.Style |= ES_READONLY;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::HandleCreated() {
  if (!savedText_.empty()) SetWindowTextW(Handle(), savedText_.c_str());
  savedText_.clear();
}

void TEdit::HandleDestroying() { savedText_ = WindowText(Handle()); }

std::string TEdit::Text() const { return Narrow(Handle() ? WindowText(Handle()) : savedText_); }

void TEdit::SetText(const std::string& text) {
  if (Handle()) SetWindowTextW(Handle(), Widen(text).c_str());
  else savedText_ = Widen(text);
}

bool TEdit::CommandNotify(WORD code) {
  if (code != EN_CHANGE) return false;
  if (OnChange) OnChange(this);
  return true;
}

void TEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TEdit::SetFormattingRectNP(const RECT& rect) {
  if (Handle()) SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}
