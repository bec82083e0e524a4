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
