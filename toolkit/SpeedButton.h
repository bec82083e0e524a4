#pragma once
// A flat push button that shows a bitmap glyph and never takes the focus. It clicks
// when the left button is released over it.
#include <windows.h>

#include "toolkit/Control.h"
#include "toolkit/Handles.h"

class TSpeedButton : public TControl {
 public:
  TSpeedButton(TComponent* owner, TControl* parent);

  // The button keeps its own copy; an empty bitmap leaves the glyph as it is.
  HBITMAP Glyph() const { return glyph_.get(); }
  void SetGlyph(HBITMAP bitmap);
  // Images side by side in the glyph bitmap; the first is drawn.
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  // Drawn pressed while true.
  bool Down() const { return down_; }
  void SetDown(bool down);

  void Click();

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  bool PointInside(LPARAM lParam) const;

  UniqueBitmap glyph_;
  int numGlyphs_ = 1;
  bool down_ = false;
  bool tracking_ = false;
  bool pressed_ = false;
};
