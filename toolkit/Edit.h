#pragma once
// Single-line text entry.
#include <string>

#include "toolkit/Control.h"

class TEdit : public TControl {
 public:
  TEdit(TComponent* owner, TControl* parent);

  std::string Text() const;
  void SetText(const std::string& text);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void HandleDestroying() override;
  bool CommandNotify(WORD code) override;

 private:
  std::wstring savedText_;  // the text while the window is being rebuilt
};
