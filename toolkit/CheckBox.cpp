#include "toolkit/CheckBox.h"

#include "toolkit/Utf.h"

TCheckBox::TCheckBox(TComponent* owner, TControl* parent) : TControl(owner) {
  SetTabStop(true);
  SetParent(parent);
  SetParentColor(true);
  SetBounds(0, 0, 97, 17);
  CreateHandle();
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= BS_AUTOCHECKBOX | WS_TABSTOP;
  params.Caption = Widen(caption_);
}

void TCheckBox::HandleCreated() { SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TCheckBox::HandleDestroying() { checked_ = Checked(); }

void TCheckBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (Handle()) SetWindowTextW(Handle(), Widen(caption_).c_str());
}

bool TCheckBox::Checked() const {
  if (!Handle()) return checked_;
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool v) {
  checked_ = v;
  if (Handle()) SendMessageW(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::CommandNotify(WORD code) {
  if (code != BN_CLICKED) return false;
  if (OnClick) OnClick(this);
  return true;
}
