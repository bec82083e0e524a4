#pragma once
// The platform's font chooser, with effects (underline, strike-out, colour) and no size limits.
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

class TFontDialog : public TComponent {
 public:
  explicit TFontDialog(TComponent* owner);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_ = font; }

  // Shows the chooser starting from Font; true and the chosen font in Font when confirmed.
  bool Execute(HWND owner);
  // The owning window moved to another resolution: the font keeps its size in points.
  void ChangeScale(int multiplier, int divisor);

 private:
  TFont font_;
};
