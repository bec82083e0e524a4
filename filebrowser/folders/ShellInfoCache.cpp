#include "filebrowser/folders/ShellInfoCache.h"

#include <shellapi.h>

#include <array>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {

std::wstring RegistryDefaultText(const std::wstring& subKey) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return {};
  UniqueRegKey key(raw);
  wchar_t buf[520] = {};
  DWORD type = 0, size = sizeof buf - sizeof(wchar_t);
  if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS)
    return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  return std::wstring(buf, wcsnlen(buf, size / sizeof(wchar_t)));
}

bool RegistryKeyExists(const std::wstring& subKey) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return false;
  UniqueRegKey key(raw);
  return true;
}

// A registered class whose icon is taken from each file.
bool ClassIconIsPerFile(const std::wstring& classKey) {
  return RegistryDefaultText(classKey + L"\\DefaultIcon").find(L"%1") != std::wstring::npos ||
         RegistryKeyExists(classKey + L"\\shellex\\IconHandler");
}

// The class an extension names, or the current version that class points to.
bool ProgIdIconIsPerFile(const std::wstring& progId) {
  if (progId.empty()) return false;
  if (ClassIconIsPerFile(progId)) return true;
  const std::wstring current = RegistryDefaultText(progId + L"\\CurVer");
  return !current.empty() && current != progId && ClassIconIsPerFile(current);
}

std::wstring Extension(std::wstring_view name) {
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(name.substr(dot));
}

std::wstring Lowered(std::wstring text) {
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

constexpr UINT kInfoFlags = SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME;

TShellFileInfo InfoFrom(const SHFILEINFOW& sfi, bool found) {
  TShellFileInfo info;
  info.Found = found;
  if (!found) return info;
  info.IconIndex = sfi.iIcon;
  info.TypeName = Narrow(std::wstring_view(sfi.szTypeName, wcsnlen(sfi.szTypeName, std::size(sfi.szTypeName))));
  info.DisplayName =
      Narrow(std::wstring_view(sfi.szDisplayName, wcsnlen(sfi.szDisplayName, std::size(sfi.szDisplayName))));
  return info;
}

}  // namespace

TShellFileInfo AskShell(const std::wstring& path) {
  SHFILEINFOW sfi{};
  const bool found = SHGetFileInfoW(path.c_str(), 0, &sfi, sizeof sfi, kInfoFlags) != 0;
  return InfoFrom(sfi, found);
}

UniqueItemIdList TShellInfoCache::ItemIdOf(const std::wstring& folder, std::wstring_view name) {
  if (folder != boundFolder_) {
    boundFolder_ = folder;
    shellFolder_.reset();
    folderId_.reset();
    PIDLIST_ABSOLUTE id = nullptr;
    if (FAILED(SHParseDisplayName(folder.c_str(), nullptr, &id, 0, nullptr))) return {};
    folderId_.reset(id);
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.put()))) return {};
    void* bound = nullptr;
    if (FAILED(desktop->BindToObject(folderId_.get(), nullptr, IID_IShellFolder, &bound))) return {};
    *shellFolder_.put() = static_cast<IShellFolder*>(bound);
  }
  if (!shellFolder_) return {};
  std::wstring text(name);
  ULONG eaten = 0;
  PIDLIST_RELATIVE child = nullptr;
  if (FAILED(shellFolder_->ParseDisplayName(nullptr, nullptr, text.data(), &eaten, &child, nullptr))) return {};
  UniqueItemIdList childId(child);
  return UniqueItemIdList(ILCombine(folderId_.get(), childId.get()));
}

bool TShellInfoCache::Ask(const std::wstring& folder, std::wstring_view name, TAnswer& into) {
  ++shellQueries_;
  SHFILEINFOW sfi{};
  bool found = false;
  if (UniqueItemIdList id = ItemIdOf(folder, name)) {
    found = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(id.get()), 0, &sfi, sizeof sfi, SHGFI_PIDL | kInfoFlags) != 0;
  } else {
    std::wstring path = folder;
    path += name;
    found = SHGetFileInfoW(path.c_str(), 0, &sfi, sizeof sfi, kInfoFlags) != 0;
  }
  TShellFileInfo info = InfoFrom(sfi, found);
  into.IconIndex = info.IconIndex;
  into.TypeName = std::move(info.TypeName);
  return found;
}

TShellInfoCache::TAnswer TShellInfoCache::Query(const std::wstring& folder, std::wstring_view name,
                                                DWORD attributes) {
  TAnswer own;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT)) ||
        IsShellJunctionName(name)) {
      Ask(folder, name, own);
      return own;
    }
    if (haveFolder_) return folder_;
    // A failed answer is this folder's alone.
    if (!Ask(folder, name, own)) return own;
    folder_ = own;
    haveFolder_ = true;
    return folder_;
  }
  std::wstring ext = Extension(name);
  if (auto it = files_.find(ext); it != files_.end()) return it->second;
  if (!Ask(folder, name, own) || IconIsPerFile(Lowered(ext))) return own;
  return files_.emplace(std::move(ext), std::move(own)).first->second;
}

bool TShellInfoCache::IconIsPerFile(const std::wstring& lowerExt) {
  static const std::array<std::wstring_view, 7> kOwnIcon = {L".exe", L".ico", L".lnk", L".cur",
                                                            L".ani", L".icl", L".msc"};
  for (std::wstring_view e : kOwnIcon)
    if (lowerExt == e) return true;
  if (lowerExt.empty() || lowerExt == L".") return false;
  if (auto it = perFileIcon_.find(lowerExt); it != perFileIcon_.end()) return it->second;
  const bool perFile = ClassIconIsPerFile(lowerExt) || ProgIdIconIsPerFile(RegistryDefaultText(lowerExt)) ||
                       ClassIconIsPerFile(L"SystemFileAssociations\\" + lowerExt);
  perFileIcon_.emplace(lowerExt, perFile);
  return perFile;
}
