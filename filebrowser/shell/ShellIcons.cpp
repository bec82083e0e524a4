#include "filebrowser/shell/ShellIcons.h"

#include <windows.h>
#include <shellapi.h>

#include "toolkit/Utf.h"

namespace {
// `found` (if any) tells whether the shell answered.
int IconIndex(const std::wstring& path, UINT flags, bool* found = nullptr, DWORD attributes = 0) {
  SHFILEINFOW info{};
  // The index is in the structure; the call's own result is the image list, none when
  // the shell has no answer.
  const bool answered = SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, flags) != 0;
  if (found) *found = answered;
  return info.iIcon;
}
}  // namespace

int SmallIconIndex(const std::string& path) { return IconIndex(Widen(path), SHGFI_SYSICONINDEX | SHGFI_SMALLICON); }

int SmallOpenIconIndex(const std::string& path) {
  return IconIndex(Widen(path), SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON);
}

bool SmallIconIndexes(const std::string& path, int& normal, int& open) {
  const std::wstring wide = Widen(path);
  bool normalFound = false, openFound = false;
  normal = IconIndex(wide, SHGFI_SYSICONINDEX | SHGFI_SMALLICON, &normalFound);
  open = IconIndex(wide, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON, &openFound);
  return normalFound && openFound;
}

int PlainFolderIconIndex() {
  return IconIndex(L"folder", SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES, nullptr,
                   FILE_ATTRIBUTE_DIRECTORY);
}
