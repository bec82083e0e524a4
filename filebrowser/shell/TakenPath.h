#pragma once
// A path as a command took it before its first question or dialog, with the identity
// of what it named then, so the command acts only on what the user saw and confirmed.
#include <windows.h>

#include <cstdint>
#include <string>

struct TTakenPath {
  std::string Path;
  bool Existed = false;
  DWORD Volume = 0;
  std::uint64_t Index = 0;
  FILETIME Created{};
};

// Takes the path (a trailing NUL, as in a path list, is ignored) and what it names now.
TTakenPath TakePath(const std::string& path);
// True when the path still names the file or folder it named when taken. A path that
// named nothing then is left for the platform to report; one whose file has gone or
// been replaced since is not.
bool StillNamesTakenFile(const TTakenPath& taken);
