#pragma once
// Push buttons; a form's default button answers Enter and its cancel button Escape.
#include <string>

#include "toolkit/Control.h"

class TButton : public TControl {
 public:
  explicit TButton(TComponent* owner, TControl* parent);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int v) { modalResult_ = v; }
  // A picture left of the caption (borrowed: the button never destroys it).
  HBITMAP Glyph() const { return glyph_; }
  void SetGlyph(HBITMAP glyph);

  // As if the user pressed it: OnClick, then the form's modal result.
  void Click();

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  bool CommandNotify(WORD code) override;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
  HBITMAP glyph_ = nullptr;
};
