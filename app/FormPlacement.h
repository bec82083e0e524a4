#pragma once
// Keeps a window's placement in a settings file: restored when the window is first
// shown, saved when it is allowed to close (or, failing that, when it is destroyed).
// It hooks the window's show, close-query and destroy events and calls the window's
// own handlers as before: show after the restore, close query before the save,
// destroy after.
#include <functional>
#include <memory>
#include <string>

#include "app/IniFile.h"
#include "app/IniLocation.h"
#include "toolkit/Form.h"

struct TPlacementOptions {
  bool Position = true;  // restore the normal-state rectangle; the window state is never restored
};

class TFormPlacement : public TComponent {
 public:
  explicit TFormPlacement(TComponent* owner);  // the owner is the window
  ~TFormPlacement() override;

  const std::string& IniFileName() const { return iniFileName_; }
  void SetIniFileName(std::string name) { iniFileName_ = std::move(name); }
  const std::string& IniSection() const { return iniSection_; }
  void SetIniSection(std::string section) { iniSection_ = std::move(section); }
  const TPlacementOptions& Options() const { return options_; }
  void SetOptions(const TPlacementOptions& options) { options_ = options; }
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  int Version() const { return version_; }
  void SetVersion(int version) { version_ = version; }

  bool Restored() const { return restored_; }
  bool Saved() const { return saved_; }
  bool Destroying() const { return destroying_; }

  // Where the file lives is decided at the first restore; tests put in their own rule.
  void SetLocation(std::unique_ptr<TIniLocation> location) { location_ = std::move(location); }
  const TIniPlace& Place();

  void RestoreFormPlacement();
  void SaveFormPlacement();

 protected:
  void Loaded() override;
  // The stored properties' halves, for the store built on this component.
  virtual void RestoreProperties(const TIniFile&) {}
  virtual void SaveProperties(const TIniFile&) {}

 private:
  void FormShow(TComponent* sender);
  void FormCloseQuery(TComponent* sender, bool& canClose);
  void FormDestroy(TComponent* sender);
  void RestorePosition(const TIniFile& file);
  void SavePosition(const TIniFile& file);
  void ResetMaximisedPosition();
  static void Report(const std::exception& e);

  TForm* form_;
  std::string iniFileName_;
  std::string iniSection_;
  TPlacementOptions options_;
  bool active_ = true;
  int version_ = 0;
  bool restored_ = false;
  bool saved_ = false;
  bool destroying_ = false;

  std::unique_ptr<TIniLocation> location_;
  std::unique_ptr<TIniPlace> place_;

  bool hooked_ = false;
  bool formDestroyed_ = false;
  TNotifyEvent formShow_;
  std::function<void(TComponent*, bool&)> formCloseQuery_;
  TNotifyEvent formDestroy_;
};
