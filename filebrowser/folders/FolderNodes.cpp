#include "filebrowser/folders/FolderNodes.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cwchar>
#include <vector>

#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/folders/FolderIconCache.h"
#include "filebrowser/folders/FolderReading.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/ShellIcons.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
bool IsSubFolder(const wchar_t* name, DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) && wcscmp(name, L".") != 0 && wcscmp(name, L"..") != 0;
}

// A search for folders that asks for no short names and fetches many entries a call;
// folders only is a hint that some file systems ignore, so the caller still tests the
// directory bit. Falls back to a plain search where the platform refuses the options.
UniqueFind FindFolders(const std::string& base, WIN32_FIND_DATAW& found) {
  const std::wstring pattern = Widen(base + "*.*");
  HANDLE h = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories, nullptr,
                              FIND_FIRST_EX_LARGE_FETCH);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
    h = FindFirstFileW(pattern.c_str(), &found);
  return UniqueFind(h);
}
}  // namespace

bool SameTextNoCase(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a), wb = Widen(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                        static_cast<int>(wb.size())) == CSTR_EQUAL;
}

bool IsExistingFolder(const std::string& path) {
  if (path.empty() || IsDrivesToken(StripTrailingBackslash(path))) return false;
  const DWORD attrs = GetFileAttributesW(Widen(path).c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ComputerFolderLook(HWND owner, std::string& caption, int& image) {
  LPITEMIDLIST raw = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, &raw))) return false;
  UniqueItemIdList computer(raw);
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(computer.get()), 0, &info, sizeof info,
                      SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
    return false;
  caption = Narrow(info.szDisplayName);
  image = info.iIcon;
  return true;
}

TTreeNode AddComputerNode(TCustomTreeView& tree) {
  std::string caption;
  int image = 0;
  if (!ComputerFolderLook(tree.Handle(), caption, image)) return {};
  TTreeNode root = tree.AddChild({}, caption);
  root.SetImageIndex(image);
  root.SetSelectedIndex(image);
  return root;
}

namespace {
std::string DriveNodeCaption(char letter) {
  SHFILEINFOW info{};
  // A drive whose name cannot be had gets an empty label, never another drive's.
  if (!SHGetFileInfoW(Widen(std::string(1, letter) + ":\\").c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME))
    info.szDisplayName[0] = 0;
  return DriveCaption(letter, Narrow(info.szDisplayName));
}
}  // namespace

void AddDriveNodes(TCustomTreeView& tree, TTreeNode root, const std::function<void(char)>& eachDrive) {
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    const char letter = static_cast<char>('A' + i);
    const std::string rootPath = std::string(1, letter) + ":\\";
    TTreeNode node = tree.AddChild(root, DriveNodeCaption(letter));
    node.SetHasChildren(true);
    node.SetImageIndex(SmallIconIndex(rootPath));
    node.SetSelectedIndex(SmallOpenIconIndex(rootPath));
    if (eachDrive) eachDrive(letter);
  }
}

bool LocatedNodeLook(const std::string& path, TFolderIconCache& icons, std::string& caption, int& image) {
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\' || path.back() != '\\') return false;
  if (path.find_first_of("/*?") != std::string::npos) return false;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
  if (letter < 'A' || letter > 'Z' || !(GetLogicalDrives() & (1u << (letter - 'A')))) return false;
  std::string base = std::string(1, letter) + ":\\", rest = path.substr(3), segment;
  if (rest.empty()) {
    caption = DriveNodeCaption(letter);
    image = SmallIconIndex(base);
    return true;
  }
  std::string parent;
  DWORD attributes = 0;
  // Each level is found as a listing finds it, under the same name: a short name, a
  // "." or ".." or a doubled "\\" would not match a node, and only a listing tells then.
  while (SplitFirstSegment(rest, segment)) {
    segment.pop_back();
    if (segment.empty() || segment == "." || segment == "..") return false;
    WIN32_FIND_DATAW found;
    const UniqueFind search(FindFirstFileW(Widen(base + segment).c_str(), &found));
    if (!search || !IsSubFolder(found.cFileName, found.dwFileAttributes)) return false;
    caption = Narrow(found.cFileName);
    if (!SameTextNoCase(caption, segment)) return false;
    parent = base;
    attributes = found.dwFileAttributes;
    base += caption + "\\";
  }
  image = icons.PictureOf(parent, caption, attributes);
  return true;
}

bool ListSubFolders(const std::string& path, TFolderIconCache& icons, std::vector<TCustomTreeView::TNewNode>& folders,
                    const TFolderReading* read) {
  const std::string base = WithTrailingBackslash(path);
  struct TFound {
    std::string Key;
    TCustomTreeView::TNewNode Node;
  };
  std::vector<TFound> listed;
  const auto consider = [&](const wchar_t* foundName, DWORD attributes) {
    if (!IsSubFolder(foundName, attributes)) return;
    std::string name = Narrow(foundName);
    const TFolderIconCache::TIcons pictures = icons.IconsOf(base, name, attributes);
    listed.push_back({CaptionSortKey(foundName), {std::move(name), pictures.Normal, pictures.Open}});
  };
  if (read) {
    for (const TFolderReading::TEntry& entry : read->SubFolders) consider(entry.Name.c_str(), entry.Attributes);
  } else {
    WIN32_FIND_DATAW found;
    UniqueFind search = FindFolders(base, found);
    if (!search) return false;
    do consider(found.cFileName, found.dwFileAttributes);
    while (FindNextFileW(search.get(), &found));
  }
  // Added in caption order: a sort of the nodes afterwards would read every caption back
  // from the control.
  std::stable_sort(listed.begin(), listed.end(), [](const TFound& a, const TFound& b) { return a.Key < b.Key; });
  folders.clear();
  folders.reserve(listed.size());
  for (TFound& folder : listed) folders.push_back(std::move(folder.Node));
  return true;
}

bool AddSubFolderNodes(TCustomTreeView& tree, const std::string& path, TTreeNode node, TFolderIconCache& icons,
                       bool decideWhenShown, const TFolderReading* read) {
  std::vector<TCustomTreeView::TNewNode> folders;
  if (!ListSubFolders(path, icons, folders, read)) return false;
  tree.AddChildren(node, folders, decideWhenShown ? TCustomTreeView::TChildren::WhenShown
                                                  : TCustomTreeView::TChildren::Some);
  if (!folders.empty()) node.SetHasChildren(true);
  return true;
}

bool FolderHasSubFolders(const std::string& path) {
  WIN32_FIND_DATAW found;
  UniqueFind search = FindFolders(WithTrailingBackslash(path), found);
  if (!search) return false;
  int read = 0;
  do {
    if (IsSubFolder(found.cFileName, found.dwFileAttributes)) return true;
    if (++read >= kProbeEntryLimit) return true;
  } while (FindNextFileW(search.get(), &found));
  return false;
}

std::string NodePathOf(TTreeNode node) {
  std::vector<std::string> captions;
  for (TTreeNode n = node; n; n = n.Parent()) captions.push_back(n.Text());
  std::reverse(captions.begin(), captions.end());
  return NodePath(captions);
}

bool LocateNodes(TCustomTreeView& tree, const std::string& path) {
  TTreeViewUpdate update(tree);
  TTreeNode current = tree.GetFirstNode();
  if (!current) return false;
  if (current.Expanded()) current.Collapse(true);
  std::string rest = path, segment;
  int level = 1;
  while (SplitFirstSegment(rest, segment)) {
    TTreeNode match;
    for (TTreeNode child = current.getFirstChild(); child && !match; child = child.getNextSibling()) {
      const std::string caption = child.Text();
      const std::string key = level == 1 ? DriveSegment(caption) : caption + "\\";
      if (SameTextNoCase(key, segment)) match = child;
    }
    if (!match) return false;
    tree.SetSelected(match);
    match.Expand(false);
    current = match;
    ++level;
  }
  return true;
}

TTreeNode FindPathNode(const TCustomTreeView& tree, const std::string& path) {
  TTreeNode current = tree.GetFirstNode();
  std::string rest = path, segment;
  int level = 1;
  while (current && SplitFirstSegment(rest, segment)) {
    TTreeNode match;
    for (TTreeNode child = current.getFirstChild(); child && !match; child = child.getNextSibling()) {
      const std::string caption = child.Text();
      const std::string key = level == 1 ? DriveSegment(caption) : caption + "\\";
      if (SameTextNoCase(key, segment)) match = child;
    }
    current = match;
    ++level;
  }
  return current;
}
