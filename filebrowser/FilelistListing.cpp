// Listing a folder or the drives into the file list.
#include <string_view>
#include <vector>

#include "filebrowser/FileListRules.h"
#include "filebrowser/FilelistPopup.h"
#include "filebrowser/FilelistView.h"
#include "filebrowser/FolderScan.h"
#include "filebrowser/MaskPattern.h"
#include "filebrowser/ShellInfoCache.h"
#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/FileTimeText.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/Locale.h"
#include "toolkit/NumberFormat.h"
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
  std::string Folder;
  std::wstring FolderW;
  // The date text of the last entry: files written in the same second share it.
  std::uint64_t DateSecond = ~std::uint64_t{0};
  std::string DateText;
  // The texts of the entry being added, before they are packed into it.
  std::string Path;

  const std::string& DateTextOf(const FILETIME& time, const std::string& datePattern,
                                const std::string& timePattern);
};

const std::string& TDqFilelistView28::TListingScratch::DateTextOf(const FILETIME& time,
                                                                   const std::string& datePattern,
                                                                   const std::string& timePattern) {
  // The patterns show nothing finer than seconds.
  const std::uint64_t second =
      ((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10'000'000;
  if (second != DateSecond) {
    DateText = FileTimeToText(time, datePattern, timePattern);
    DateSecond = second;
  }
  return DateText;
}

namespace {
std::int64_t FoundSize(DWORD high, DWORD low) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
}

// The date sort key: the file time's 100 ns ticks as a float text.
std::string DateKeyText(const FILETIME& time) {
  const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return FormatGeneralFloat(static_cast<double>(ticks), FormatSettings.DecimalSeparator);
}

// Appends the text in UTF-8, reusing the string's storage.
void AppendUtf8(std::wstring_view wide, std::string& out) { AppendNarrow(wide, out); }
}  // namespace

void TDqFilelistView28::UpdateFileList() {
  {
    TListViewUpdate batch(*this);
    Clear();
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
  ++folderSearches_;
  scan.Run(PrepareScratch(scratch));
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

const std::wstring& TDqFilelistView28::PrepareScratch(TListingScratch& scratch) const {
  const std::string folder = WithTrailingBackslash(directory_);
  if (scratch.Folder != folder) {
    scratch.Folder = folder;
    scratch.FolderW = Widen(folder);
  }
  return scratch.FolderW;
}

bool TDqFilelistView28::AddEntries(const std::string& pattern, std::uint32_t allowance) {
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
  const bool isDir = (found.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const char* kind = isDir ? "dir" : "file";

  TListItem item;
  std::string& path = scratch.Path;
  path.assign(scratch.Folder);
  AppendUtf8(found.Name, path);
  const std::string_view name = std::string_view(path).substr(scratch.Folder.size());
  std::string_view texts[7];
  texts[kSubPath] = path;
  texts[kSubKind] = kind;
  const std::string dateKey = DateKeyText(found.LastWrite);
  texts[kSubDateKey] = dateKey;
  std::string sizeText, attributes;
  if (parent) {
    item.Caption.assign(parentDirCaption_);
    item.ImageIndex = parentImageIndex_;
    for (int k = kSubSize; k <= kSubAttr; ++k) texts[k] = " ";
  } else {
    const TShellInfoCache::TAnswer& shell = scratch.Shell.Query(scratch.FolderW, found.Name, found.Attributes);
    if (hideFileExt_) item.Caption.assign(CaptionFor(name, true));
    else item.Caption.assign(name);
    item.ImageIndex = shell.IconIndex;
    sizeText = EntrySizeText(fileSize_, kind, found.Size);
    texts[kSubSize] = sizeText;
    texts[kSubType] = shell.TypeName;
    texts[kSubDate] = scratch.DateTextOf(found.LastWrite, datePattern_, timePattern_);
    attributes = AttributeLetters(found.Attributes);
    texts[kSubAttr] = attributes;
  }
  item.SubItems.Assign(texts, 7);
  AddItem(std::move(item));
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
