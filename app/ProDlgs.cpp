#include "app/ProDlgs.h"

#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// Posted to a dialog window that is to be freed.
constexpr UINT kReleaseMessage = WM_APP + 0x12;
}  // namespace

// ---- the common base --------------------------------------------------------

void TProCommonDialog::PlaySound() const {
  switch (soundType_) {
    case TSoundType::stNoSound: break;
    case TSoundType::stStandart:
    case TSoundType::stDefault: MessageBeep(MB_OK); break;
    case TSoundType::stAsterisk: MessageBeep(MB_ICONASTERISK); break;
    case TSoundType::stExclamation: MessageBeep(MB_ICONEXCLAMATION); break;
    case TSoundType::stSystemHand: MessageBeep(MB_ICONHAND); break;
    case TSoundType::stQuestion: MessageBeep(MB_ICONQUESTION); break;
  }
}

std::string TProCommonDialog::LanguageString(int baseId) const {
  const UINT id = static_cast<UINT>(baseId + kLanguageStringStep * static_cast<int>(language_));
  const wchar_t* text = nullptr;
  // With no buffer the platform hands out the resource's own text, not terminated.
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return {};
  return Narrow(std::wstring_view(text, static_cast<size_t>(length)));
}

// ---- the window base ----------------------------------------------------------

TCommonDialogForm::TCommonDialogForm(TComponent* owner) : TForm(owner) {
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetPosition(TPosition::poScreenCenter);
}

void TCommonDialogForm::CenterOnScreen() {
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  SetBounds((sw - Width()) / 2, (sh - Height()) / 2, Width(), Height());
}

void TCommonDialogForm::Release() { PostMessageW(Handle(), kReleaseMessage, 0, 0); }

LRESULT TCommonDialogForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kReleaseMessage) {
    // Nothing of this object is touched after this: the dispatch only returns.
    Owner()->FreeComponent(this);
    return 0;
  }
  return TForm::WndProc(msg, wParam, lParam);
}

// ---- the picture window -------------------------------------------------------

TImageViewForm::TImageViewForm(TComponent* owner, TProImageViewDialog* dialog)
    : TCommonDialogForm(owner), dialog_(dialog) {
  SetName("ImageViewForm");
  SetCaption("Image View");
  Panel = Create<TProPanel>(this, this);
  Panel->SetName("Panel");
  Panel->SetBevelOuter(TPanelBevel::bvNone);
  Panel->SetAlign(TAlign::alClient);
  Image = Create<TImage>(this, Panel);
  Image->SetName("Image");
  Image->SetAlign(TAlign::alClient);
  Image->OnChange = [this](TComponent* sender) { PictureChanged(sender); };
  OnClose = [this](TComponent* sender) { FormClose(sender); };
}

TImageViewForm::~TImageViewForm() {
  Image->OnChange = nullptr;
  FormDestroy(this);
}

void TImageViewForm::FormClose(TComponent* sender) {
  // The window is on its way out: an Execute before it is freed builds a new one
  // rather than focusing a hidden window.
  FormDestroy(sender);
  Release();
}

void TImageViewForm::FormDestroy(TComponent*) {
  if (dialog_ && dialog_->form_ == this) dialog_->form_ = nullptr;
  dialog_ = nullptr;
}

void TImageViewForm::PictureChanged(TComponent*) {
  const int frame = 2 * Panel->BevelWidth();
  SetClientSize(Image->Picture().Width() + frame, Image->Picture().Height() + frame);
}

// ---- the picture dialog -------------------------------------------------------

TProImageViewDialog::TProImageViewDialog(TComponent* owner) : TProCommonDialog(owner) {}

TProImageViewDialog::~TProImageViewDialog() {
  // A window still open goes with the dialog.
  if (TImageViewForm* form = form_) form->Owner()->FreeComponent(form);
}

void TProImageViewDialog::Execute() {
  if (form_) {
    SetForegroundWindow(form_->Handle());
    ::SetFocus(form_->Handle());
    return;
  }
  TImageViewForm* form = TComponent::Create<TImageViewForm>(Application, this);
  try {
    form_ = form;
    if (Language() != dlEnglish) {
      if (std::string text = LanguageString(kImageViewCaptionId); !text.empty()) form->SetCaption(text);
    }
    if (!caption_.empty()) form->SetCaption(caption_);
    if (borderStyle_ == TImageBorderStyle::bsSingle) {
      form->Panel->SetBevelOuter(TPanelBevel::bvLowered);
      form->Panel->SetBevelCtl3D(true);
    }
    form->Image->Picture().Assign(picture_);
    form->CenterOnScreen();
    PlaySound();
    if (modal_) {
      form->ShowModal();
      if (form_ == form) Application->FreeComponent(form);
    } else {
      if (TForm* main = Application->MainForm(); main && main != form)
        SetWindowLongPtrW(form->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(main->Handle()));
      form->Show();
      ShowWindow(form->Handle(), SW_SHOW);
      SetForegroundWindow(form->Handle());
    }
  } catch (...) {
    if (form_ == form) Application->FreeComponent(form);
    throw;
  }
}
