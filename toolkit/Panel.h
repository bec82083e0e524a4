#pragma once
// A flat container: no bevels, no caption, its parent's colour.
#include "toolkit/Control.h"

class TPanel : public TControl {
 public:
  TPanel(TComponent* owner, TControl* parent);
};
