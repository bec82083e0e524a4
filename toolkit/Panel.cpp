#include "toolkit/Panel.h"

TPanel::TPanel(TComponent* owner, TControl* parent) : TControl(owner) {
  SetParent(parent);
  SetParentColor(true);
  SetBounds(0, 0, 185, 41);
  CreateHandle();
}
