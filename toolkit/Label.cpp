#include "toolkit/Label.h"

#include "toolkit/Utf.h"

TLabel::TLabel(TComponent* owner, TControl* parent) : TControl(owner) {
  SetParent(parent);
  SetParentColor(true);
  SetBounds(0, 0, 65, 13);
  CreateHandle();
}

void TLabel::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = L"STATIC";
  params.Style |= wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
  params.Caption = Widen(caption_);
}

void TLabel::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (Handle()) SetWindowTextW(Handle(), Widen(caption_).c_str());
}

void TLabel::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  RecreateWnd();
}

void TLabel::AdjustSizeToText() {
  if (!Handle()) return;
  HDC dc = GetDC(Handle());
  if (!dc) return;
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  const std::wstring text = Widen(caption_);
  RECT extent{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  SetBounds(Left(), Top(), extent.right, extent.bottom);
}
