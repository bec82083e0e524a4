#include "toolkit/Button.h"

#include "toolkit/Form.h"
#include "toolkit/Utf.h"

TButton::TButton(TComponent* owner, TControl* parent) : TControl(owner) {
  SetTabStop(true);
  SetParent(parent);
  SetBounds(0, 0, 75, 25);
  CreateHandle();
}

void TButton::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  params.Caption = Widen(caption_);
}

void TButton::HandleCreated() {
  TControl::HandleCreated();
  if (glyph_) SendMessageW(Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_));
}

void TButton::SetGlyph(HBITMAP glyph) {
  glyph_ = glyph;
  if (Handle()) SendMessageW(Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_));
}

void TButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (Handle()) SetWindowTextW(Handle(), Widen(caption_).c_str());
}

void TButton::SetDefault(bool v) {
  default_ = v;
  if (Handle()) SendMessageW(Handle(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (OnClick) OnClick(this);
  if (modalResult_ != 0)
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
}

bool TButton::CommandNotify(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}
