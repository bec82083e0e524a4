#include "toolkit/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::Adopt(std::unique_ptr<TComponent> c) {
  TComponent* raw = c.get();
  components_.push_back(std::move(c));
  for (auto& other : components_)
    if (other.get() != raw) other->Notification(raw, TOperation::opInsert);
}

void TComponent::NotifyRemoval(TComponent* c) {
  Notification(c, TOperation::opRemove);
  for (auto& other : components_)
    if (other.get() != c) other->Notification(c, TOperation::opRemove);
}

void TComponent::FreeComponent(TComponent* c) {
  auto it = std::find_if(components_.begin(), components_.end(), [c](auto& p) { return p.get() == c; });
  if (it == components_.end()) return;
  std::unique_ptr<TComponent> doomed = std::move(*it);
  components_.erase(it);
  NotifyRemoval(c);
  doomed.reset();
}

void TComponent::DestroyComponents() {
  if (destroying_) return;
  destroying_ = true;
  while (!components_.empty()) {
    std::unique_ptr<TComponent> doomed = std::move(components_.back());
    components_.pop_back();
    NotifyRemoval(doomed.get());
    doomed.reset();
  }
}

void TComponent::Notification(TComponent*, TOperation) {}
