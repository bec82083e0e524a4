#pragma once
// The sub-folders one search of a folder met, kept for a folder tree that lists the same
// folder right after: a large folder is then read once, not twice. It is trusted only
// while the folder's last-write time (which any change of its entries moves) is still
// the one taken before that search, and only when that time lay well before the search:
// a change within one step of the file system's clock would otherwise go unseen. Some
// file systems (FAT, exFAT) leave a folder's time as it was when entries come and go:
// on those, and where the volume does not say, no reading is kept.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFolderReading {
  struct TEntry {
    std::wstring Name;
    std::uint32_t Attributes = 0;
  };
  std::string Folder;  // ending in "\"
  std::uint64_t LastWrite = 0;
  // Every directory entry the search returned ("." and ".." too), in its order.
  std::vector<TEntry> SubFolders;
};

// True for the file systems known to move a folder's last-write time when its entries
// change (by the name the volume gives, compared without case).
bool FileSystemMovesFolderTimes(std::string_view fileSystem);
// Asks the volume that holds `folder` for its file system; false when it cannot be asked.
bool VolumeMovesFolderTimes(const std::string& folder);
// Takes the folder's time for a reading about to be made; false when the time cannot be
// had, is too recent to tell a later change by, or tells nothing on the folder's volume.
bool BeginFolderReading(TFolderReading& reading, const std::string& folder);
// True when the reading is of `folder` (compared without case) and the folder is unchanged.
bool FolderReadingHolds(const TFolderReading& reading, const std::string& folder);
