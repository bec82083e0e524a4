#include "filebrowser/lang/SharedMessages.h"

#include <array>
#include <span>

namespace {

constexpr std::size_t kSharedMessageCount = static_cast<std::size_t>(TStringKey::MsgAndAllSubFolders) + 1;

using TMessageSet = std::array<std::string, kSharedMessageCount>;

// Function-local so that a loader called during static initialisation of
// another unit still finds the set constructed.
TMessageSet& Messages() {
  static TMessageSet messages;
  return messages;
}

constexpr TStringKey kComboKeys[] = {
    TStringKey::MsgDrive,
    TStringKey::MsgFolderQuote,
    TStringKey::MsgErrorPrefix,
    TStringKey::MsgFileWord,
    TStringKey::MsgFrom,
    TStringKey::MsgTo,
    TStringKey::MsgCantPrefix,
    TStringKey::MsgSpecifyDirectory,
    TStringKey::MsgInvalidDriveId,
    TStringKey::MsgDriveNotReady,
    TStringKey::MsgAlreadyExists,
    TStringKey::MsgInvalidDirName,
    TStringKey::MsgRenameFolderQuery,
    TStringKey::MsgCantAddDrives,
    TStringKey::MsgNewFolder,
    TStringKey::MsgInvalidFolderChars,
    TStringKey::MsgNotFound,
    TStringKey::MsgFileOpFailed,
    TStringKey::MsgTreeSize,
    TStringKey::MsgAndAllSubFolders,
};

constexpr TStringKey kFileListKeys[] = {
    TStringKey::MsgErrorPrefix,     TStringKey::MsgFileWord,        TStringKey::MsgCancel,
    TStringKey::MsgBrowse,          TStringKey::MsgCantPrefix,      TStringKey::MsgSpecifyDirectory,
    TStringKey::MsgInvalidDriveId,  TStringKey::MsgDriveNotReady,   TStringKey::MsgAlreadyExists,
    TStringKey::MsgNewFolder,       TStringKey::MsgReadOnly,        TStringKey::MsgNoFileSelected,
    TStringKey::MsgSendToAnyFolder, TStringKey::MsgEnterSendToPath, TStringKey::MsgShortcutSaveFailed,
};

constexpr bool AllShared(std::span<const TStringKey> keys) {
  for (TStringKey key : keys) {
    if (static_cast<std::size_t>(key) >= kSharedMessageCount) return false;
  }
  return true;
}

static_assert(AllShared(kComboKeys) && AllShared(kFileListKeys), "loaders write shared messages only");

// Without a concrete language (lnSysDefault) nothing is written.
void LoadMessages(std::span<const TStringKey> keys, TLanguage lang) {
  if (!IsConcreteLanguage(lang)) return;
  TMessageSet& messages = Messages();
  for (TStringKey key : keys) messages[static_cast<std::size_t>(key)] = LanguageText(key, lang);
}

}  // namespace

const std::string& SharedMessage(TStringKey key) {
  static const std::string empty;
  const auto index = static_cast<std::size_t>(key);
  if (index >= kSharedMessageCount) return empty;
  return Messages()[index];
}

void LoadComboMessages() { LoadMessages(kComboKeys, TreeLanguage); }

void LoadStandaloneTreeMessages() {
  // The stand-alone tree has no Chinese messages of its own: what another
  // control loaded stays.
  if (TreeLanguage == lnChinese_Tra || TreeLanguage == lnChinese_Sim) return;
  LoadMessages(kComboKeys, TreeLanguage);
}

void LoadFileListMessages() { LoadMessages(kFileListKeys, ListLanguage); }

void ClearSharedMessages() {
  for (std::string& message : Messages()) message.clear();
}
