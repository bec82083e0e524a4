#include "toolkit/Picture.h"

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (OnChange) OnChange();
}

void TPicture::Assign(const TPicture& other) {
  if (&other == this) return;
  SetGraphic(other.graphic_ ? other.graphic_->Clone() : nullptr);
}
