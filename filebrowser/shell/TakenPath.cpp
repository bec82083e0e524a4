#include "filebrowser/shell/TakenPath.h"

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// The file's identity on its volume; the creation time tells a new file apart from
// an old one whose number the file system gave out again.
bool IdentityOf(const std::string& path, TTakenPath& out) {
  const UniqueFile file(CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file.get(), &info)) return false;
  out.Volume = info.dwVolumeSerialNumber;
  out.Index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  out.Created = info.ftCreationTime;
  return true;
}
}  // namespace

TTakenPath TakePath(const std::string& path) {
  TTakenPath taken;
  taken.Path = path.substr(0, path.find('\0'));
  taken.Existed = !taken.Path.empty() && IdentityOf(taken.Path, taken);
  return taken;
}

bool StillNamesTakenFile(const TTakenPath& taken) {
  if (!taken.Existed) return true;
  TTakenPath now;
  return IdentityOf(taken.Path, now) && now.Volume == taken.Volume && now.Index == taken.Index &&
         CompareFileTime(&now.Created, &taken.Created) == 0;
}
