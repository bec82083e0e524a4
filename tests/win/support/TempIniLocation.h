#pragma once
// The settings file's places inside a test folder: "windows\" stands for the
// Windows directory, "appdata\" for the user's application-data folder.
#include "app/IniLocation.h"
#include "toolkit/Utf.h"

class TTempIniLocation : public TIniLocation {
 public:
  // `windowsWritable` false answers "not writable" for the Windows directory's file.
  explicit TTempIniLocation(const std::string& root, bool windowsWritable = true)
      : root_(Widen(root)), windowsWritable_(windowsWritable) {
    CreateDirectoryW((root_ + L"windows").c_str(), nullptr);
    CreateDirectoryW((root_ + L"appdata").c_str(), nullptr);
  }
  std::wstring WindowsDirectory() const override { return root_ + L"windows"; }
  std::wstring AppDataDirectory() const override { return root_ + L"appdata"; }
  bool CanWrite(const std::wstring& path) const override {
    if (!windowsWritable_ && path.rfind(WindowsDirectory(), 0) == 0) return false;
    return TIniLocation::CanWrite(path);
  }

 private:
  std::wstring root_;
  bool windowsWritable_;
};
