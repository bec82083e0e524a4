#pragma once
// Components: named objects with an owner that frees them. When one is freed,
// the owner tells its other components so that they drop references to it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  virtual ~TComponent();

  // The owner (never null) takes the new component and frees it with itself.
  template <class T, class... Args>
  static T* Create(TComponent* owner, Args&&... args) {
    auto made = std::make_unique<T>(owner, std::forward<Args>(args)...);
    T* raw = made.get();
    owner->Adopt(std::move(made));
    return raw;
  }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Component(int i) const { return components_[static_cast<size_t>(i)].get(); }

  // Frees an owned component now (the removal notification goes out first).
  void FreeComponent(TComponent* c);

  // Tells the component that another one of the same owner comes or goes.
  virtual void Notification(TComponent* component, TOperation operation);

  // While a window lays out its components, setters store values without acting on them.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  void EndLoading() {
    loading_ = false;
    Loaded();
  }

 protected:
  // Called when loading ends.
  virtual void Loaded() {}
  // Frees owned components, last created first.
  void DestroyComponents();

 private:
  void Adopt(std::unique_ptr<TComponent> c);
  void NotifyRemoval(TComponent* c);

  TComponent* owner_;
  std::string name_;
  std::vector<std::unique_ptr<TComponent>> components_;
  bool destroying_ = false;
  bool loading_ = false;
};
