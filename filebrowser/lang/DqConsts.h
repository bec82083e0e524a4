#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "filebrowser/lang/Language.h"

// One member per localized text of the file-browser controls. The Msg… keys
// come first (they form the shared message set), then the two menus, the
// column titles and the drive type names in drive type order.
enum class TStringKey : std::uint8_t {
  MsgDrive,
  MsgFolderQuote,
  MsgErrorPrefix,
  MsgFileWord,
  MsgFrom,
  MsgTo,
  MsgCancel,
  MsgBrowse,
  MsgCantPrefix,
  MsgSpecifyDirectory,
  MsgInvalidDriveId,
  MsgDriveNotReady,
  MsgAlreadyExists,
  MsgInvalidDirName,
  MsgRenameFolderQuery,
  MsgCantAddDrives,
  MsgNewFolder,
  MsgInvalidFolderChars,
  MsgNotFound,
  MsgFileOpFailed,
  MsgReadOnly,
  MsgNoFileSelected,
  MsgSendToAnyFolder,
  MsgEnterSendToPath,
  MsgShortcutSaveFailed,
  MsgTreeSize,
  MsgAndAllSubFolders,
  MnuTreeNewFolder,
  MnuTreeRenameFolder,
  MnuTreeDeleteFolder,
  MnuTreeCut,
  MnuTreeCopy,
  MnuTreePaste,
  MnuTreeTreeSize,
  MnuTreeFolderContents,
  MnuTreeMapDrive,
  MnuTreeDisconnectDrive,
  MnuTreeProperty,
  MnuListOpen,
  MnuListView,
  MnuListSendTo,
  MnuListCut,
  MnuListCopy,
  MnuListPaste,
  MnuListRename,
  MnuListDelete,
  MnuListProperties,
  MnuListNewFolder,
  MnuListAnyFolder,
  MnuListClipboardContents,
  MnuListClipboardFileName,
  MnuListDesktopShortcut,
  sColName,
  sColSize,
  sColType,
  sColModified,
  sColAttr,
  sColDiskSize,
  sColFreeSpace,
  sDrvUnknown,
  sDrvNotExist,
  sDrvRemovable,
  sDrvFixed,
  sDrvNetwork,
  sDrvCdRom,
  sDrvRamDisk,
};

inline constexpr std::size_t kStringKeyCount = static_cast<std::size_t>(TStringKey::sDrvRamDisk) + 1;

// The key's text in `lang`, UTF-8. Empty for lnSysDefault and for a language or
// key outside the enums.
std::string_view LanguageText(TStringKey key, TLanguage lang) noexcept;

// Name of a platform drive type (0 unknown .. 6 RAM disk) in `lang`; empty
// when `driveType` is outside 0..6.
std::string_view DriveTypeName(TLanguage lang, int driveType) noexcept;
