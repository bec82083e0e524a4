#pragma once
// The pictures of the folder trees' folder nodes. Asking the shell costs a scan of the
// folder's parent under some shells (15-19 ms a call in a folder of 10,000 entries), and
// plain folders all look alike: they share one answer, once the shell has given one (a
// folder that went after the search gets none, and the next plain folder is asked in
// turn). Only folders that can look different are asked one by one: those the system or
// read-only attribute lets name their own picture in a desktop.ini, reparse points
// (mount points, junctions, links), which show what they lead to, the shell's junctions
// named "Name.{CLSID}", and the shell's special folders.
#include <windows.h>

#include <string>
#include <vector>

class TFolderIconCache {
 public:
  struct TIcons {
    int Normal = 0;  // index into the system's small icons
    int Open = 0;    // the opened-folder picture
  };

  // The pictures of the folder `base` + `name` (`base` ends in "\"), found with `attributes`.
  TIcons IconsOf(const std::string& base, const std::string& name, DWORD attributes);
  // The normal picture of the one folder `base` + `name`, for a box that shows it before
  // any listing: what IconsOf gives it, though a plain folder's comes from the shell's
  // picture of any folder instead of from reading this one.
  int PictureOf(const std::string& base, const std::string& name, DWORD attributes);
  // How many times the shell itself was asked.
  int ShellQueries() const { return shellQueries_; }

 private:
  bool LooksOwn(const std::string& base, const std::string& name, DWORD attributes);
  // False when the shell gave no picture.
  bool Ask(const std::string& path, TIcons& into);

  TIcons plain_;
  bool havePlain_ = false;
  // The special folders, without trailing "\", looked up at the first folder that needs them.
  std::vector<std::wstring> special_;
  bool haveSpecial_ = false;
  // The names of the special folders in `specialBase_`: a listing compares each folder's
  // name with these few, not its path with every special folder.
  std::string specialBase_;
  std::vector<std::wstring> specialHere_;
  int shellQueries_ = 0;
};
