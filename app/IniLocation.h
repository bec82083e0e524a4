#pragma once
// Where the settings file lives. The Windows directory's copy is used when this
// user may write it; otherwise the user's application-data folder holds it, and a
// first run there restores from the Windows directory's copy so settings carry over.
#include <string>

struct TIniPlace {
  std::wstring ReadPath;        // restored from
  std::wstring WritePath;       // saved to
  std::wstring FolderToCreate;  // made before saving; empty when none is needed
};

class TIniLocation {
 public:
  virtual ~TIniLocation() = default;

  // Decided from what is on disk now; nothing is changed by the decision.
  TIniPlace Locate(const std::string& fileName) const;

  virtual std::wstring WindowsDirectory() const;
  virtual std::wstring AppDataDirectory() const;
  // True when the file can be written, or, when it does not exist, created in its
  // folder. Asks for write access without writing.
  virtual bool CanWrite(const std::wstring& path) const;
};
