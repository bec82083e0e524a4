#include "filebrowser/filelist/FolderScan.h"

#include "filebrowser/filelist/FileListRules.h"
#include "toolkit/Handles.h"

TFolderScan::TFolderScan(const std::vector<TMaskPattern>& parts, std::uint32_t fileAllowance, bool folders)
    : fileAllowance_(fileAllowance), wantFolders_(folders), passes_(parts.size()) {
  for (std::size_t k = 0; k < parts.size(); ++k) {
    passes_[k].Pattern = &parts[k];
    passes_[k].Decided = parts[k].Decided();
  }
}

bool TFolderScan::Run(const std::wstring& folder) {
  WIN32_FIND_DATAW fd;
  UniqueFind find(FindFirstFileW((folder + L"*.*").c_str(), &fd));
  if (!find) {
    // The parts' own searches would have failed alike.
    for (TPass& pass : passes_) pass.Entries.clear();
    subFolders_.clear();
    return false;
  }
  const std::uint32_t folderAllowance = fileAllowance_ | kAttrDirectory;
  do {
    const std::wstring_view name(fd.cFileName, wcsnlen(fd.cFileName, MAX_PATH));
    const std::wstring_view shortName(fd.cAlternateFileName, wcsnlen(fd.cAlternateFileName, 14));
    if (keepSubFolders_ && (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      subFolders_.push_back({std::wstring(name), fd.dwFileAttributes});
    // Each pass admits by the attributes first: most names of a large folder are then
    // never compared at all.
    const bool asFolder = wantFolders_ && AdmitAttributes(fd.dwFileAttributes, folderAllowance);
    const bool asFile = AdmitAttributes(fd.dwFileAttributes, fileAllowance_);
    if (!asFolder && !asFile) continue;
    const std::size_t index = entries_.size();
    bool kept = asFolder;
    if (asFolder) folders_.push_back(index);
    if (asFile) {
      for (TPass& pass : passes_) {
        if (!pass.Decided) continue;
        const TNameMatch match = pass.Pattern->Match(name, shortName);
        if (match == TNameMatch::Yes) {
          pass.Entries.push_back(index);
          kept = true;
        } else if (match == TNameMatch::Unsure) {
          // The part is searched on its own after all.
          pass.Decided = false;
          pass.Entries.clear();
        }
      }
    }
    if (!kept) continue;
    TScannedEntry entry;
    entry.NameAt = static_cast<std::uint32_t>(names_.size());
    entry.NameLength = static_cast<std::uint16_t>(name.size());
    entry.Attributes = fd.dwFileAttributes;
    entry.Size = static_cast<std::int64_t>((static_cast<std::uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow);
    entry.LastWrite = fd.ftLastWriteTime;
    names_.append(name);
    entries_.push_back(entry);
  } while (FindNextFileW(find.get(), &fd));
  return true;
}
