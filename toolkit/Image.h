#pragma once
// The picture control: draws its picture at its natural size from the
// top-left corner; what the picture does not cover shows the control's colour.
#include "toolkit/Control.h"
#include "toolkit/Picture.h"

class TImage : public TControl {
 public:
  TImage(TComponent* owner, TControl* parent);

  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }

  // After the picture changed (the control has repainted itself by then).
  TNotifyEvent OnChange;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  TPicture picture_;
};
