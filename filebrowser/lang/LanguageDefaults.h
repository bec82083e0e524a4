#pragma once

#ifdef _WIN32

#include "filebrowser/lang/Language.h"

// Resolve lnSysDefault from the user's default language (combo, stand-alone tree).
TLanguage ResolveUserLanguage(TLanguage value);
// Resolve lnSysDefault from the system's default language (file list).
TLanguage ResolveSystemLanguage(TLanguage value);

#endif
