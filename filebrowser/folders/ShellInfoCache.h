#pragma once
// What the shell says of a file list entry, asked once per class of entry in a listing.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <string_view>
#include <unordered_map>

#include "toolkit/Handles.h"

// The shell's answer for one path: the icon index into the system image lists, the
// type name and the display name. `Found` is false when the shell gave no answer.
struct TShellFileInfo {
  int IconIndex = 0;
  std::string TypeName;
  std::string DisplayName;
  bool Found = false;
};

// One query on the path itself (SHGetFileInfo with the icon index, type and display name).
TShellFileInfo AskShell(const std::wstring& path);

// A folder named "Name.{CLSID}": the shell shows it as the object the class names, with
// that object's picture and type, not as a plain folder.
template <class Char>
bool IsShellJunctionName(std::basic_string_view<Char> name) {
  constexpr std::size_t kGuid = 38;  // {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}
  if (name.size() < kGuid + 1 || name.back() != Char('}')) return false;
  const std::basic_string_view<Char> guid = name.substr(name.size() - kGuid);
  if (name[name.size() - kGuid - 1] != Char('.') || guid.front() != Char('{')) return false;
  for (std::size_t i = 1; i + 1 < kGuid; ++i) {
    const Char c = guid[i];
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    const bool hex = (c >= Char('0') && c <= Char('9')) || (c >= Char('a') && c <= Char('f')) ||
                     (c >= Char('A') && c <= Char('F'));
    if (dash ? c != Char('-') : !hex) return false;
  }
  return true;
}

// A real query costs scans of the folder under some shells (15-19 ms per file in a folder
// of 10,000), so within one listing the entries of one class share one answer: files with
// the same extension and plain folders, whose icon and type name the shell takes from the
// type alone. Extensions are compared exactly: the type name of an unregistered type is
// made of the extension as written ("TXT file" for A.TXT, "txt file" for a.txt). The first entry of a class is asked about itself;
// the others reuse that answer, unless the shell gave none (the entry went after the
// search, or its path is too long): the next entry of the class is asked in turn. Entries whose icon is their own are asked each time:
// programs, icons, cursors, shortcuts, icon libraries, consoles, types whose registered
// icon is the file itself ("%1") or comes from an icon handler, and folders with the
// read-only or system attribute, which lets a folder name its own icon, folders that
// are reparse points (mount points, junctions, links), which show what they lead to, and
// the shell's junctions named "Name.{CLSID}". A
// type's registration is followed where the shell follows it: the class the extension
// names, that class's current version (CurVer), and the system's own associations of the
// extension (SystemFileAssociations).
// The entry is handed to the shell as an item of the listed folder, which is bound once:
// locating it by its path text would make the shell look the folder up again each time.
class TShellInfoCache {
 public:
  struct TAnswer {
    int IconIndex = 0;
    std::string TypeName;
  };

  // The answer for the entry `name` of `folder` (which ends in "\\"); a copy, so that the
  // next query cannot change it.
  TAnswer Query(const std::wstring& folder, std::wstring_view name, DWORD attributes);
  // How many times the shell itself was asked.
  int ShellQueries() const { return shellQueries_; }

 private:
  // False when the shell gave no answer (`into` then holds icon 0 and no type name).
  bool Ask(const std::wstring& folder, std::wstring_view name, TAnswer& into);
  // The entry's absolute item id; null when the shell cannot name it.
  UniqueItemIdList ItemIdOf(const std::wstring& folder, std::wstring_view name);
  bool IconIsPerFile(const std::wstring& lowerExt);

  std::wstring boundFolder_;
  UniqueItemIdList folderId_;
  ComPtr<IShellFolder> shellFolder_;

  std::unordered_map<std::wstring, TAnswer> files_;  // by extension, "" for none
  std::unordered_map<std::wstring, bool> perFileIcon_;  // by lower-cased extension
  TAnswer folder_;
  bool haveFolder_ = false;
  int shellQueries_ = 0;
};
