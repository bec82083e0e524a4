#pragma once
// Temporary folders and files for tests, removed again at the end.
#include <windows.h>

#include <string>
#include <string_view>

class TTempDir {
 public:
  TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  ~TTempDir();

  // Full path with a trailing backslash.
  const std::string& Path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + std::string(name); }
  // Writes the bytes exactly as given; returns the full path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  std::string MakeDir(std::string_view name) const;

 private:
  std::string path_;
};

// Removes the folder `dir` (with a trailing backslash) and everything in it; a link or
// junction inside goes itself and is never entered.
void RemoveTree(const std::wstring& dir);

// Makes `link` a symbolic link to the folder `target`; false when the platform made
// none that reads as a link (Wine answers success and makes nothing).
bool MakeFolderLink(const std::string& link, const std::string& target);
// Why MakeFolderLink may make none, for a skipped test to say.
inline constexpr const char* kNoLinkReason =
    "Wine answers success and makes no link; Windows refuses without the right to make links";

// The UTC file time whose local time is the given calendar time.
FILETIME UtcOfLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second = 0);

// Pumps the message queue until it is empty.
void PumpMessages();
