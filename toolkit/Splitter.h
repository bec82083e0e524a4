#pragma once
// Drags the size of the control it borders. A hatched line follows the mouse;
// the size is applied when the button is released; Escape cancels.
#include "toolkit/Control.h"

class TSplitter : public TControl {
 public:
  TSplitter(TComponent* owner, TControl* parent);

  int MinSize() const { return minSize_; }
  void SetMinSize(int v) { minSize_ = v; }
  bool Dragging() const { return dragging_; }

  TNotifyEvent OnMoved;

 protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  TControl* FindResizedControl() const;
  int ClampSize(int size) const;
  int SizeAt(int mouseX) const;
  void DrawLine();
  void EndDrag(bool apply);

  int minSize_ = 30;
  bool dragging_ = false;
  TControl* resized_ = nullptr;
  int downX_ = 0;
  int startSize_ = 0;
  int newSize_ = 0;
  int lineX_ = 0;
  bool lineVisible_ = false;
  HWND previousFocus_ = nullptr;
};
