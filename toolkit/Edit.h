#pragma once
// Single-line text entry.
#include <string>

#include "toolkit/Control.h"

class TEdit : public TControl {
 public:
  TEdit(TComponent* owner, TControl* parent);

  std::string Text() const;
  void SetText(const std::string& text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // The rectangle the text is laid out in (multi-line edits only), set without a repaint.
  void SetFormattingRectNP(const RECT& rect);

  TNotifyEvent OnChange;

 protected:
  // For classes that finish their own set-up before the window is made: they call
  // CreateHandle themselves.
  struct TDeferHandle {};
  TEdit(TComponent* owner, TControl* parent, TDeferHandle);

  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void HandleDestroying() override;
  bool CommandNotify(WORD code) override;

 private:
  void Setup(TControl* parent);

  bool readOnly_ = false;
  std::wstring savedText_;  // the text while the window is being rebuilt
};
