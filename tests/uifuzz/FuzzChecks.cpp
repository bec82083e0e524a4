// The invariants the restless user checks after every action.
#include "tests/uifuzz/FuzzSession.h"

#include <algorithm>
#include <set>

#include "app/Unit1.h"
#include "filebrowser/combo/DirTreeView.h"
#include "filebrowser/folders/FolderNodes.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
bool Within(const std::string& path, const std::vector<std::string>& folders) {
  return std::any_of(folders.begin(), folders.end(), [&](const std::string& f) { return PathWithin(path, f); });
}

bool SamePath(std::string a, std::string b) {
  while (a.size() > 3 && a.back() == '\\') a.pop_back();
  while (b.size() > 3 && b.back() == '\\') b.pop_back();
  return LowerPath(a) == LowerPath(b);
}

std::string LastName(std::string path) {
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path.substr(path.rfind('\\') + 1);
}

std::string FileName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }
}  // namespace

// ---- the invariants ------------------------------------------------------------------------

void TFuzzSession::BeforeFileClick() {
  const std::string path = form_->BrowseFiles->SelectedItem();
  const DWORD attrs = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Widen(path).c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES || (attrs & FILE_ATTRIBUTE_DIRECTORY)) {
    readerExpected_.clear();
    return;
  }
  ++stats_.FileClicks;
  // Opened as the reader opens it: another program's writer keeps it out.
  UniqueFile f(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) {
    expectedErrors_.push_back(TApplication::ErrorBoxText("Cannot open file " + path));
    return;
  }
  LARGE_INTEGER size{};
  GetFileSizeEx(f.get(), &size);
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!bytes.empty()) ReadFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  bytes.resize(got);
  readerExpected_ = ReaderBytes(bytes);
}

void TFuzzSession::CheckNothingLost() {
  const TSnapshot after = world_.Snapshot();
  std::set<std::uint64_t> hashes;
  for (const auto& [key, state] : after) hashes.insert(state.Hash);
  for (const auto& [key, state] : baseline_) {
    const auto it = after.find(key);
    if (it != after.end() && it->second.Hash == state.Hash) continue;
    const std::string& p = state.Path;
    if (Within(p, otherWork_) || Within(p, deleted_) || Within(p, overwritten_)) continue;
    if (std::find_if(deletedNames_.begin(), deletedNames_.end(), [&](const std::string& n) {
          return LowerPath(n) == LowerPath(FileName(p));
        }) != deletedNames_.end())
      continue;
    if (Within(p, moved_)) {
      if (hashes.count(state.Hash)) continue;
      Violate(1, "the bytes of " + p + " were lost in a move");
      continue;
    }
    if (it != after.end()) {
      Violate(1, p + " changed without a confirmed command");
    } else if (hashes.count(state.Hash)) {
      Violate(1, p + " was moved without a confirmed command");
    } else {
      Violate(1, p + " vanished without a confirmed command");
    }
  }
  baseline_ = after;
}

void TFuzzSession::CheckViewsAgree() {
  TDqFilelistView28* list = form_->BrowseFiles;
  TDqDirTreeCombo28* combo = form_->BrowseDrives;
  if (combo->DroppedDown()) return;  // the open drop-down follows the mouse
  const std::string& folder = list->Directory();
  if (!SamePath(combo->SelectedPath(), folder))
    Violate(2, "the box holds " + combo->SelectedPath() + " while the list holds " + folder);
  else if (world_.Contains(folder) && LowerPath(combo->Text()) != LowerPath(LastName(folder)))
    Violate(2, "the box reads \"" + combo->Text() + "\" while the list holds " + folder);
  // A listed folder that went stays the list's folder, and no node can stand for it.
  const bool gone = !list->IsDrivesView() && GetFileAttributesW(Widen(folder).c_str()) == INVALID_FILE_ATTRIBUTES;
  if (combo->Tree->NodesMade() && !gone) {
    const TTreeNode node = combo->SelectedNode();
    const std::string nodePath = node ? NodePathOf(node) : std::string("(none)");
    if (SamePath(nodePath, folder))
      comboMovedClosed_ = false;
    else if (!comboMovedClosed_)
      Violate(2, "the drop-down's selected node is " + nodePath + " while the list holds " + folder);
  }
}

void TFuzzSession::CheckListedFiles() {
  TDqFilelistView28* list = form_->BrowseFiles;
  static const std::set<std::string> kMasked = {"txt", "ini", "sys", "bat", "inf", "htm", "html", "xml", "css", "js",
                                                "pas", "dpr", "dpk", "inc", "rc",  "bpr", "bpk",  "hpp", "cpp", "h",
                                                "c",   "ffp", "nfo", "diz", "upl", "log", "csv",  "1st", "lst"};
  std::set<std::string> listed, onDisk;
  for (int i = 0; i < list->Count(); ++i)
    if (list->EntryKind(i) == "file") listed.insert(LowerPath(list->EntryPath(i)));
  WIN32_FIND_DATAW fd;
  UniqueFind find(FindFirstFileW(Widen(list->Directory() + "*").c_str(), &fd));
  if (find) {
    do {
      if (fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
      const std::string name = Narrow(fd.cFileName);
      const std::size_t dot = name.rfind('.');
      if (dot == std::string::npos || !kMasked.count(LowerPath(name.substr(dot + 1)))) continue;
      onDisk.insert(LowerPath(list->Directory() + name));
    } while (FindNextFileW(find.get(), &fd));
  }
  if (listed == onDisk) return;
  std::string missing, extra;
  for (const std::string& p : onDisk)
    if (!listed.count(p)) missing += " " + FileName(p);
  for (const std::string& p : listed)
    if (!onDisk.count(p)) extra += " " + FileName(p);
  Violate(2, "after F5 the list misses [" + missing + " ] and shows gone [" + extra + " ] in " + list->Directory());
}

void TFuzzSession::CheckReader() {
  const std::string shown = form_->ReadText->Bytes();
  if (shown != readerExpected_) {
    std::size_t at = 0;
    while (at < shown.size() && at < readerExpected_.size() && shown[at] == readerExpected_[at]) ++at;
    Violate(3, "the reader shows " + std::to_string(shown.size()) + " bytes, expected " +
                   std::to_string(readerExpected_.size()) + ", first difference at " + std::to_string(at));
  }
  for (const std::string& expected : expectedErrors_)
    if (std::find(errorBoxes_.begin(), errorBoxes_.end(), expected) == errorBoxes_.end())
      Violate(3, "no error box \"" + expected + "\" after a click on a file held open for writing");
}
