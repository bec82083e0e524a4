#include "filebrowser/filelist/FileListClipboard.h"

#include <oleidl.h>
#include <shlobj.h>

#include <cstring>

#include "filebrowser/filelist/DropFilesBlock.h"
#include "toolkit/Utf.h"

namespace {
std::u16string ToU16(const std::wstring& wide) { return std::u16string(wide.begin(), wide.end()); }

// Hands a movable block with the bytes to the clipboard; the clipboard owns it then.
bool SetClipboardBytes(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return false;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(block);
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}

UINT PreferredDropEffectFormat() { return RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT); }
}  // namespace

TClipboardScope::TClipboardScope(HWND owner) : opened_(OpenClipboard(owner) != FALSE) {}

TClipboardScope::~TClipboardScope() {
  if (opened_) CloseClipboard();
}

bool PutFilesOnClipboard(HWND owner, const std::vector<std::string>& paths, bool cut) {
  std::vector<std::u16string> names;
  for (const std::string& path : paths) {
    const std::string name = path.substr(0, path.find('\0'));
    if (!name.empty()) names.push_back(ToU16(Widen(name)));
  }
  const std::vector<unsigned char> block = MakeDropFilesBlock(names);
  TClipboardScope clipboard(owner);
  if (!clipboard.Opened()) return false;
  EmptyClipboard();
  const DWORD effect = cut ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  return SetClipboardBytes(CF_HDROP, block.data(), block.size()) &&
         SetClipboardBytes(PreferredDropEffectFormat(), &effect, sizeof effect);
}

namespace {
// The open clipboard's preferred drop effect asks to move, and not to copy.
bool AsksMove() {
  const UINT format = PreferredDropEffectFormat();
  HGLOBAL block = format ? GetClipboardData(format) : nullptr;
  if (!block || GlobalSize(block) < sizeof(DWORD)) return false;
  const auto* effect = static_cast<const DWORD*>(GlobalLock(block));
  if (!effect) return false;
  const DWORD value = *effect;
  GlobalUnlock(block);
  return (value & DROPEFFECT_MOVE) && !(value & DROPEFFECT_COPY);
}

std::vector<std::string> NamesOfDropBlock() {
  std::vector<std::string> out;
  HGLOBAL block = GetClipboardData(CF_HDROP);
  if (!block) return out;
  const std::size_t size = GlobalSize(block);
  const auto* bytes = static_cast<const unsigned char*>(GlobalLock(block));
  if (!bytes) return out;
  // The block's own size bounds every read, whatever its header claims.
  const std::vector<std::u16string> names = ReadDropFilesBlock(bytes, size, [](std::string_view ansi) {
    const std::wstring wide = AnsiToWide(ansi);
    return std::u16string(wide.begin(), wide.end());
  });
  GlobalUnlock(block);
  for (const std::u16string& name : names) out.push_back(Narrow(std::wstring(name.begin(), name.end())));
  return out;
}
}  // namespace

TClipboardFiles ReadFilesFromClipboard(HWND owner) {
  TClipboardFiles files;
  if (!IsClipboardFormatAvailable(CF_HDROP)) return files;
  TClipboardScope clipboard(owner);
  if (!clipboard.Opened()) return files;
  files.Names = NamesOfDropBlock();
  if (!files.Names.empty()) files.Move = AsksMove();
  return files;
}

bool PutTextOnClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = Widen(text);
  TClipboardScope clipboard(owner);
  if (!clipboard.Opened()) return false;
  EmptyClipboard();
  return SetClipboardBytes(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}
