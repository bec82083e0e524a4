#include "filebrowser/shell/ShellIcons.h"

#include <windows.h>
#include <shellapi.h>

#include "toolkit/Utf.h"

namespace {
int IconIndex(const std::string& path, UINT flags) {
  SHFILEINFOW info{};
  // The index is in the structure; the call's own result is the image list.
  SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof info, flags);
  return info.iIcon;
}
}  // namespace

int SmallIconIndex(const std::string& path) { return IconIndex(path, SHGFI_SYSICONINDEX | SHGFI_SMALLICON); }

int SmallOpenIconIndex(const std::string& path) {
  return IconIndex(path, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
}
