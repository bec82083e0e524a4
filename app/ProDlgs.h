#pragma once
// Dialog components that build their window when executed: a common base with
// the interface language and an optional sound, and the picture dialog that
// shows exactly its picture in a fixed-size window.
#include <string>

#include "app/ProCtrls.h"
#include "toolkit/Component.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Picture.h"

enum TDialogLanguage {
  dlEnglish, dlRussian, dlUkranian, dlFrench, dlPortuguese, dlSpanish, dlGerman, dlDanish,
  dlItalian, dlSwedish, dlDutch, dlPolish, dlHungarian, dlTurkish, dlSlovak, dlKorean
};

enum class TSoundType { stNoSound, stStandart, stAsterisk, stExclamation, stSystemHand, stQuestion, stDefault };

// The string table holds each dialog's default caption once per language, 30 numbers apart.
constexpr int kLanguageStringStep = 30;
constexpr int kImageViewCaptionId = 30516;

class TProCommonDialog : public TComponent {
 public:
  explicit TProCommonDialog(TComponent* owner) : TComponent(owner) {}

  TDialogLanguage Language() const { return language_; }
  void SetLanguage(TDialogLanguage language) { language_ = language; }
  TSoundType SoundType() const { return soundType_; }
  void SetSoundType(TSoundType sound) { soundType_ = sound; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int context) { helpContext_ = context; }

 protected:
  void PlaySound() const;
  // The program's string `baseId` in the dialog's language; empty when missing.
  std::string LanguageString(int baseId) const;

 private:
  TDialogLanguage language_ = dlEnglish;
  TSoundType soundType_ = TSoundType::stNoSound;
  int helpContext_ = 0;
};

// A window that a dialog component builds in code: fixed size with a close
// button only, centred on the screen, and freed after it closes.
class TCommonDialogForm : public TForm {
 public:
  explicit TCommonDialogForm(TComponent* owner);

  void CenterOnScreen();
  // Frees the window once the message that closed it is done.
  void Release();

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TProImageViewDialog;

class TImageViewForm : public TCommonDialogForm {
 public:
  TImageViewForm(TComponent* owner, TProImageViewDialog* dialog);
  ~TImageViewForm() override;

  TProPanel* Panel;
  TImage* Image;

  void FormClose(TComponent* sender);
  void FormDestroy(TComponent* sender);
  void PictureChanged(TComponent* sender);

 private:
  TProImageViewDialog* dialog_;
};

enum class TImageBorderStyle { bsNone, bsSingle };

class TProImageViewDialog : public TProCommonDialog {
 public:
  explicit TProImageViewDialog(TComponent* owner);
  ~TProImageViewDialog() override;

  TImageBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TImageBorderStyle style) { borderStyle_ = style; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool Modal() const { return modal_; }
  void SetModal(bool modal) { modal_ = modal; }
  TPicture& Picture() { return picture_; }
  // Copies the picture; the dialog owns its copy.
  void SetPicture(const TPicture& picture) { picture_.Assign(picture); }

  // Shows the picture window; returns when a modal one has closed, at once otherwise.
  void Execute();
  // The window now open (null when none).
  TImageViewForm* ViewForm() const { return form_; }

 private:
  friend class TImageViewForm;
  TImageBorderStyle borderStyle_ = TImageBorderStyle::bsNone;
  std::string caption_;
  bool modal_ = true;
  TPicture picture_;
  TImageViewForm* form_ = nullptr;
};
