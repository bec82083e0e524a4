#pragma once
// The settings store: the window's placement plus chosen published properties of
// the window's components, each named "Component.Property" in StoredProps.
#include <string>
#include <vector>

#include "app/FormPlacement.h"

class TFormStorage : public TFormPlacement {
 public:
  explicit TFormStorage(TComponent* owner);

  const std::vector<std::string>& StoredProps() const { return storedProps_; }
  void SetStoredProps(std::vector<std::string> entries);

  // Drops entries without a "." or with an empty half or an unknown component, and
  // rewrites the others with the component's current name.
  void ResolveStoredProps();

 protected:
  void Loaded() override;
  void RestoreProperties(const TIniFile& file) override;
  void SaveProperties(const TIniFile& file) override;

 private:
  struct TStoredEntry {
    TComponent* Component;
    std::string Property;
  };
  std::vector<TStoredEntry> ResolveEntries();

  std::vector<std::string> storedProps_;
};
