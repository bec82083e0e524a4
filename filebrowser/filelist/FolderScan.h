#pragma once
// One search of a whole folder, sorted into the passes of a listing: the folders' pass
// and one pass per mask part that can be decided from the entries' names. A search
// reads the whole folder whatever its pattern, so one scan in place of one search per
// part makes a large folder open in the time of one read.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "filebrowser/folders/FolderReading.h"
#include "filebrowser/filelist/MaskPattern.h"

// Every entry of a large folder is held until the listing ends: the fields are packed.
struct TScannedEntry {
  std::int64_t Size = 0;
  FILETIME LastWrite{};
  std::uint32_t NameAt = 0;  // in wide characters: the names would fill 8 GB before it overflowed
  DWORD Attributes = 0;
  std::uint16_t NameLength = 0;  // at most MAX_PATH
};

class TFolderScan {
 public:
  // `fileAllowance` admits the matches of the mask parts; the folders' pass, when
  // `folders` is set, admits with that allowance and the directory bit.
  TFolderScan(const std::vector<TMaskPattern>& parts, std::uint32_t fileAllowance, bool folders);

  // Searches `folder` (ending in "\") for "*.*" once; false when the search fails.
  bool Run(const std::wstring& folder);

  // Keeps every directory entry met, whatever the passes admit, for a folder tree that
  // lists the same folder next (SubFolders).
  void KeepSubFolders(bool keep) { keepSubFolders_ = keep; }
  std::vector<TFolderReading::TEntry>& SubFolders() { return subFolders_; }

  // The entries of the folders' pass, in the order the search returned them.
  const std::vector<std::size_t>& Folders() const { return folders_; }
  // True when the part's entries are known from the scan; false when only its own
  // search can tell (its pattern is not decided here, or a name could not be decided).
  bool Decided(std::size_t part) const { return passes_[part].Decided; }
  // The entries the part's own search would admit, in the order it would return them.
  const std::vector<std::size_t>& PartEntries(std::size_t part) const { return passes_[part].Entries; }
  const TScannedEntry& Entry(std::size_t index) const { return entries_[index]; }
  // The characters of every kept name together.
  std::size_t NameChars() const { return names_.size(); }
  std::wstring_view Name(const TScannedEntry& entry) const {
    return std::wstring_view(names_).substr(entry.NameAt, entry.NameLength);
  }

 private:
  struct TPass {
    const TMaskPattern* Pattern = nullptr;
    bool Decided = false;
    std::vector<std::size_t> Entries;
  };

  std::uint32_t fileAllowance_;
  bool wantFolders_;
  bool keepSubFolders_ = false;
  std::vector<TFolderReading::TEntry> subFolders_;
  std::vector<TPass> passes_;
  std::vector<std::size_t> folders_;
  std::vector<TScannedEntry> entries_;
  std::wstring names_;  // every kept name, one after the other
};
