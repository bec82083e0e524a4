#pragma once
// Static text on a form; "&" marks an access key as in menus.
#include <string>

#include "toolkit/Control.h"

class TLabel : public TControl {
 public:
  TLabel(TComponent* owner, TControl* parent);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Breaks lines at word boundaries to fit the width (else one line, cut at the edge).
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  // Makes the label as wide and high as its caption on one line, in its font.
  void AdjustSizeToText();

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::string caption_;
  bool wordWrap_ = false;
};
