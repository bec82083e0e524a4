#include "filebrowser/folders/FolderIconCache.h"

#include <shlobj.h>

#include "filebrowser/folders/ShellInfoCache.h"
#include "filebrowser/shell/ShellIcons.h"
#include "toolkit/Utf.h"

namespace {
// Folders the shell draws with pictures of their own.
constexpr int kSpecialFolders[] = {
    CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL,   CSIDL_MYMUSIC,      CSIDL_MYPICTURES,     CSIDL_MYVIDEO,
    CSIDL_FAVORITES,        CSIDL_FONTS,      CSIDL_RECENT,       CSIDL_SENDTO,         CSIDL_STARTMENU,
    CSIDL_PROGRAMS,         CSIDL_STARTUP,    CSIDL_TEMPLATES,    CSIDL_NETHOOD,        CSIDL_PRINTHOOD,
    CSIDL_PROFILE,          CSIDL_WINDOWS,    CSIDL_SYSTEM,       CSIDL_PROGRAM_FILES,  CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_COMMON_DOCUMENTS, CSIDL_COMMON_MUSIC, CSIDL_COMMON_PICTURES, CSIDL_COMMON_VIDEO, CSIDL_HISTORY,
    CSIDL_INTERNET_CACHE,   CSIDL_COOKIES,    CSIDL_ADMINTOOLS,   CSIDL_COMMON_STARTMENU, CSIDL_COMMON_PROGRAMS,
};

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}
}  // namespace

TFolderIconCache::TIcons TFolderIconCache::IconsOf(const std::string& base, const std::string& name,
                                                   DWORD attributes) {
  const bool looksOwn = LooksOwn(base, name, attributes);
  if (!looksOwn && havePlain_) return plain_;
  TIcons icons;
  // A failed answer is this folder's alone.
  if (Ask(base + name, icons) && !looksOwn) {
    plain_ = icons;
    havePlain_ = true;
  }
  return icons;
}

int TFolderIconCache::PictureOf(const std::string& base, const std::string& name, DWORD attributes) {
  if (LooksOwn(base, name, attributes)) return SmallIconIndex(base + name);
  if (havePlain_) return plain_.Normal;
  return PlainFolderIconIndex();
}

bool TFolderIconCache::Ask(const std::string& path, TIcons& into) {
  shellQueries_ += 2;
  return SmallIconIndexes(path, into.Normal, into.Open);
}

bool TFolderIconCache::LooksOwn(const std::string& base, const std::string& name, DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || IsShellJunctionName(std::string_view(name))) return true;
  // A desktop.ini counts only on a folder with one of these attributes.
  if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) &&
      GetFileAttributesW(Widen(base + name + "\\desktop.ini").c_str()) != INVALID_FILE_ATTRIBUTES)
    return true;
  if (!haveSpecial_) {
    haveSpecial_ = true;
    for (int csidl : kSpecialFolders) {
      wchar_t folder[MAX_PATH] = {};
      if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder) == S_OK && folder[0])
        special_.emplace_back(folder);
    }
  }
  if (base != specialBase_) {
    specialBase_ = base;
    specialHere_.clear();
    const std::wstring wideBase = Widen(base);
    for (const std::wstring& special : special_) {
      const std::size_t slash = special.find_last_of(L'\\');
      if (slash != std::wstring::npos && SamePath(special.substr(0, slash + 1), wideBase))
        specialHere_.push_back(special.substr(slash + 1));
    }
  }
  // Most folders hold no special folder: the name is converted only where one lies.
  if (specialHere_.empty()) return false;
  const std::wstring wideName = Widen(name);
  for (const std::wstring& special : specialHere_)
    if (SamePath(special, wideName)) return true;
  return false;
}
