#pragma once
// Multi-line text control. Changing WordWrap or ScrollBars rebuilds the
// window; the text stays and the caret returns to the start.
#include <string>

#include "toolkit/Control.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TControl {
 public:
  TMemo(TComponent* owner, TControl* parent);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool HideSelection() const { return hideSelection_; }
  bool WantsTab() const override { return false; }

  std::wstring TextW() const;
  // False when the control refuses the text because it cannot hold it; its text is then unchanged.
  bool SetTextW(const std::wstring& text);
  // The most characters the control holds.
  static constexpr std::size_t kMaxTextLength = 0x7FFFFFFE;
  int TextLength() const;
  virtual void Clear();

  int SelStart() const;
  int SelLength() const;
  void SetSelLength(int length);  // keeps the start, scrolls the caret into view
  void SelectAll();
  void CopyToClipboard();
  void SetLockDrawing(bool locked);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void HandleDestroying() override;
  void Change();
  // The window re-created for a new WordWrap or ScrollBars could not take the text back.
  // The text is gone; by default the standard error box says so.
  virtual void TextLost();

 private:
  bool readOnly_ = false;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool hideSelection_ = true;
  std::wstring savedText_;
};
