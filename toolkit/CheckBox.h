#pragma once
// A check box with its caption to the right.
#include <string>

#include "toolkit/Control.h"

class TCheckBox : public TControl {
 public:
  TCheckBox(TComponent* owner, TControl* parent);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Checked() const;
  void SetChecked(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void HandleDestroying() override;
  bool CommandNotify(WORD code) override;

 private:
  std::string caption_;
  bool checked_ = false;  // the state while the window does not exist
};
