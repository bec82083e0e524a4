// Listing a folder or the drives into the file list.
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/FileListPopup.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/folders/FolderNodes.h"
#include "filebrowser/filelist/FolderScan.h"
#include "filebrowser/filelist/MaskPattern.h"
#include "filebrowser/folders/ShellInfoCache.h"
#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

struct TDqFilelistView28::TFound {
  std::wstring_view Name;
  DWORD Attributes;
  std::int64_t Size;
  FILETIME LastWrite;
};

// What the searches of one listing share.
struct TDqFilelistView28::TListingScratch {
  TShellInfoCache Shell;
  std::wstring FolderW;
};

namespace {
std::int64_t FoundSize(DWORD high, DWORD low) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
}
}  // namespace

TEntryTextRules TDqFilelistView28::EntryTextRules() const {
  TEntryTextRules rules;
  rules.Folder = WithTrailingBackslash(directory_);
  rules.Unit = fileSize_;
  rules.DatePattern = datePattern_;
  rules.TimePattern = timePattern_;
  rules.HideFileExt = hideFileExt_;
  rules.ParentCaption = parentDirCaption_;
  rules.DecimalSeparator = FormatSettings.DecimalSeparator;
  return rules;
}

void TDqFilelistView28::UpdateFileList() {
  {
    TListViewUpdate batch(*this);
    Clear();
    folderReading_.reset();  // a listing's reading lasts until the next one
    THourglass hourglass;
    try {
      if (IsDrivesView()) {
        CreateDriveColumns();
        AddDrives();
        if (builtInMenu_) builtInMenu_->SetAutoPopup(false);
      } else {
        ListFolder();
      }
    } catch (...) {
      SortAfterListing();
      throw;
    }
    SortAfterListing();
  }
  if (Count() > 0 && SelCount() == 0) SetItemFocused(0);
  if (Application) Application->ProcessMessages();
}

void TDqFilelistView28::ListFolder() {
  if (builtInMenu_) builtInMenu_->SetAutoPopup(true);
  if (!folderColumnsInPlace_) CreateFileColumns();
  const std::uint32_t allowance = AttributeAllowance(fileType_);
  const std::string folder = WithTrailingBackslash(directory_);
  std::string mask = TrimMaskBlanks(mask_);
  std::vector<std::string> parts;
  while (!mask.empty()) parts.push_back(NextMaskPart(mask));
  std::vector<TMaskPattern> patterns;
  patterns.reserve(parts.size());
  bool anyDecided = false;
  for (const std::string& part : parts) {
    patterns.emplace_back(part);
    anyDecided = anyDecided || patterns.back().Decided();
  }

  entries_->Begin(EntryTextRules());
  TListingScratch scratch;
  folderSearches_ = 0;
  sort_.Sortable = true;
  if (!showFolders_ && !anyDecided) {
    for (const std::string& part : parts) Search(scratch, folder + part, allowance);
    return;
  }
  // Every search reads the whole folder, so one scan serves the folders' pass and each
  // part it can decide; the others are searched on their own, in their turn. The
  // entries are added pass by pass in the order their own searches would add them.
  TFolderScan scan(patterns, allowance, showFolders_);
  TFolderReading reading;
  const bool keep = dirTreeCombo_ && BeginFolderReading(reading, folder);
  scan.KeepSubFolders(keep);
  ++folderSearches_;
  if (scan.Run(PrepareScratch(scratch)) && keep) {
    reading.SubFolders = std::move(scan.SubFolders());
    folderReading_ = std::move(reading);
  }
  std::size_t found = scan.Folders().size();
  for (std::size_t k = 0; k < parts.size(); ++k) found += scan.PartEntries(k).size();
  // Plain ASCII names take one byte a character.
  entries_->Reserve(found, scan.NameChars());
  const auto addAll = [&](const std::vector<std::size_t>& entries, std::uint32_t admit) {
    bool added = false;
    for (std::size_t index : entries) {
      const TScannedEntry& e = scan.Entry(index);
      AddFound(scratch, TFound{scan.Name(e), e.Attributes, e.Size, e.LastWrite}, admit, added);
    }
  };
  addAll(scan.Folders(), allowance | kAttrDirectory);
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (scan.Decided(k)) addAll(scan.PartEntries(k), allowance);
    else Search(scratch, folder + parts[k], allowance);
  }
}

std::optional<TFolderReading> TDqFilelistView28::TakeFolderReading(const std::string& folder) {
  // Asked for another folder (a node on the way there), the reading waits for its own.
  if (!folderReading_ || !SameTextNoCase(folderReading_->Folder, WithTrailingBackslash(folder))) return {};
  std::optional<TFolderReading> taken = std::move(folderReading_);
  folderReading_.reset();
  if (!FolderReadingHolds(*taken, folder)) return {};
  return taken;
}

const std::wstring& TDqFilelistView28::PrepareScratch(TListingScratch& scratch) const {
  if (scratch.FolderW.empty()) scratch.FolderW = Widen(entries_->Rules().Folder);
  return scratch.FolderW;
}

bool TDqFilelistView28::AddEntries(const std::string& pattern, std::uint32_t allowance) {
  // The entries added to a listing are made with its settings.
  if (Count() == 0) entries_->Begin(EntryTextRules());
  TListingScratch scratch;
  return Search(scratch, pattern, allowance);
}

bool TDqFilelistView28::Search(TListingScratch& scratch, const std::string& pattern, std::uint32_t allowance) {
  sort_.Sortable = true;
  PrepareScratch(scratch);
  ++folderSearches_;
  WIN32_FIND_DATAW fd;
  UniqueFind find(FindFirstFileW(Widen(pattern).c_str(), &fd));
  if (!find) return false;
  bool added = false;
  do {
    const TFound found{fd.cFileName, fd.dwFileAttributes, FoundSize(fd.nFileSizeHigh, fd.nFileSizeLow),
                       fd.ftLastWriteTime};
    AddFound(scratch, found, allowance, added);
  } while (FindNextFileW(find.get(), &fd));
  return added;
}

void TDqFilelistView28::AddFound(TListingScratch& scratch, const TFound& found, std::uint32_t allowance,
                                 bool& added) {
  if (!AdmitAttributes(found.Attributes, allowance)) return;
  if (found.Name == L".") return;
  const bool parent = found.Name == L"..";
  if (parent && !parentDirEnabled_) return;
  if (parent) {
    entries_->AddFound(found.Name, found.Attributes, found.Size, found.LastWrite, parentImageIndex_, {}, true);
  } else {
    const TShellInfoCache::TAnswer& shell = scratch.Shell.Query(scratch.FolderW, found.Name, found.Attributes);
    entries_->AddFound(found.Name, found.Attributes, found.Size, found.LastWrite, shell.IconIndex, shell.TypeName,
                       false);
  }
  ItemsAdded();
  added = true;
}

void TDqFilelistView28::AddDrives() {
  sort_.Sortable = false;
  const DWORD present = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if (!(present & (1u << bit))) continue;
    const char letter = static_cast<char>('A' + bit);
    const std::string root{letter, ':', '\\'};
    // A drive whose entry cannot be completed is left out; the others are listed.
    try {
      const TShellFileInfo shell = AskShell(Widen(root));
      if (!shell.Found) continue;
      TListItem item;
      if (SmallImages()) item.ImageIndex = shell.IconIndex;
      item.Caption = DriveCaption(letter, shell.DisplayName);
      const std::string typeText = DriveTypeText(root);
      // Removable and CD drives are never asked: the medium would spin up or be waited for.
      std::int64_t totalKB = 0, freeKB = 0;
      const UINT type = GetDriveTypeW(Widen(root).c_str());
      if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM) {
        totalKB = DiskSizeKB(root);
        freeKB = DiskFreeKB(root);
      }
      item.SubItems = {typeText, DriveSizeText(totalKB, FormatSettings.ThousandSeparator),
                       DriveSizeText(freeKB, FormatSettings.ThousandSeparator), "", root, "drv"};
      AddItem(std::move(item));
    } catch (const std::exception&) {
      continue;
    }
  }
}

std::string TDqFilelistView28::DriveTypeText(const std::string& root) {
  for (int type = 0; type < static_cast<int>(driveTypeNames_.size()); ++type)
    driveTypeNames_[static_cast<std::size_t>(type)] = std::string(DriveTypeName(ListLanguage, type));
  const UINT type = GetDriveTypeW(Widen(root).c_str());
  return type < driveTypeNames_.size() ? driveTypeNames_[type] : std::string();
}
