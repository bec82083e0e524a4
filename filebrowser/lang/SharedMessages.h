#pragma once

#include <string>

#include "filebrowser/lang/DqConsts.h"

// The process-wide shared messages (the Msg… keys). They start empty; each
// loader overwrites its own subset, so the loader that ran last decides the
// language of each message.

// Current text of a shared message; empty for a key that is not a Msg… key.
const std::string& SharedMessage(TStringKey key);

// The combo's subset, in TreeLanguage.
void LoadComboMessages();
// The stand-alone tree's subset (the combo's keys), in TreeLanguage; writes
// nothing for the two Chinese languages.
void LoadStandaloneTreeMessages();
// The file list's subset, in ListLanguage.
void LoadFileListMessages();

// Empties every shared message.
void ClearSharedMessages();
