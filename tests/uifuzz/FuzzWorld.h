#pragma once
// The restless user's disk: a temporary folder tree of files with known bytes, another
// program that works in it, and snapshots of every file's bytes.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/win/support/TestFiles.h"
#include "toolkit/Handles.h"

struct TFileState {
  std::string Path;  // as the disk spells it
  std::uint64_t Hash = 0;
  std::uint64_t Size = 0;
};
// Keyed by the lower-case path: the file system does not tell case apart.
using TSnapshot = std::map<std::string, TFileState>;

std::string LowerPath(const std::string& path);
// True when `path` is `folder` or lies inside it (either may end in a backslash).
bool PathWithin(const std::string& path, const std::string& folder);
std::uint64_t HashBytes(const std::string& bytes);
// The bytes as the reader shows them: every line ending CR LF, cut at the first zero byte.
std::string ReaderBytes(const std::string& fileBytes);

class TFuzzWorld {
 public:
  TFuzzWorld();
  ~TFuzzWorld();
  TFuzzWorld(const TFuzzWorld&) = delete;
  TFuzzWorld& operator=(const TFuzzWorld&) = delete;

  // The tree's root, with a trailing backslash.
  const std::string& Root() const { return dir_.Path(); }
  bool Contains(const std::string& path) const { return PathWithin(path, Root()); }

  TSnapshot Snapshot() const;
  std::vector<std::string> Folders() const;  // the root first
  std::vector<std::string> Files() const;

  // Another program's work. `target` picks among the files or folders; `flags` bit 0
  // tells the shell, bit 1 keeps a rewritten file's time. Returns the paths it changed
  // (empty when it did nothing).
  std::vector<std::string> Work(int op, int target, int flags);
  // Tells the shell about a folder or file, as the platform does after a change.
  void Notify(int folder, int event);
  // Closes every file held open for writing.
  void ReleaseAll() { held_.clear(); }

 private:
  void Make();
  std::string FreshName(const std::string& folder, const std::string& stem, const std::string& ext);

  TTempDir dir_;
  std::vector<UniqueFile> held_;
  int counter_ = 0;
};
