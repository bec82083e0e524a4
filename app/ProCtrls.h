#pragma once
// Panels with a choice of bevel: which sides get it, one or two pixels wide,
// a border colour, a caption aligned top, centre or bottom, and mouse enter
// and leave events.
#include <string>

#include "toolkit/Panel.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TVerticalAlignment { vaTop, vaCenter, vaBottom };

struct TBevelSides {
  bool Left = true, Top = true, Right = true, Bottom = true;
  bool operator==(const TBevelSides&) const = default;
};

class TProCustomPanel : public TPanel {
 public:
  TProCustomPanel(TComponent* owner, TControl* parent);

  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  // false: the bevel is 1 pixel wide; true: 2 pixels.
  bool BevelCtl3D() const { return bevelCtl3D_; }
  void SetBevelCtl3D(bool value);
  TBevelSides BevelSides() const { return bevelSides_; }
  void SetBevelSides(TBevelSides sides);
  // Fills the frame on the sides that have no bevel.
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor color);
  TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TVerticalAlignment value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Width of the frame the bevel takes on every side (0 without a bevel);
  // the client area lies inside it.
  int BevelWidth() const;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void FrameChanged();
  void PaintFrame();
  void PaintClient(HDC dc);

  TPanelBevel bevelOuter_ = TPanelBevel::bvNone;
  bool bevelCtl3D_ = false;
  TBevelSides bevelSides_;
  TColor borderColor_ = clBtnFace;
  TVerticalAlignment verticalAlignment_ = TVerticalAlignment::vaCenter;
  std::string caption_;
  bool mouseInside_ = false;
};

class TProPanel : public TProCustomPanel {
 public:
  using TProCustomPanel::TProCustomPanel;
};
