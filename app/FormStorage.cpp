#include "app/FormStorage.h"

#include "app/IniText.h"
#include "app/PropsStorage.h"

TFormStorage::TFormStorage(TComponent* owner) : TFormPlacement(owner) {}

void TFormStorage::SetStoredProps(std::vector<std::string> entries) {
  storedProps_ = std::move(entries);
  if (!Loading()) ResolveStoredProps();
}

void TFormStorage::Loaded() {
  TFormPlacement::Loaded();
  ResolveStoredProps();
}

std::vector<TFormStorage::TStoredEntry> TFormStorage::ResolveEntries() {
  std::vector<TStoredEntry> entries;
  const TComponent* root = Owner();
  for (const std::string& entry : storedProps_) {
    const auto halves = SplitEntry(entry);
    if (!halves || !root) continue;
    for (int i = 0; i < root->ComponentCount(); ++i) {
      TComponent* c = root->Component(i);
      if (SameName(c->Name(), halves->first)) {
        entries.push_back({c, halves->second});
        break;
      }
    }
  }
  storedProps_.clear();
  for (const TStoredEntry& e : entries) storedProps_.push_back(e.Component->Name() + "." + e.Property);
  return entries;
}

void TFormStorage::ResolveStoredProps() { ResolveEntries(); }

void TFormStorage::RestoreProperties(const TIniFile& file) {
  const TPropsStorage storage(file);
  for (const TStoredEntry& e : ResolveEntries()) {
    try {
      storage.LoadProperty(*e.Component, e.Property);
    } catch (const std::exception&) {
      // This property keeps its value; the next one follows.
    }
  }
}

void TFormStorage::SaveProperties(const TIniFile& file) {
  const TPropsStorage storage(file);
  for (const TStoredEntry& e : ResolveEntries()) storage.StoreProperty(*e.Component, e.Property);
}
