#ifdef _WIN32

#include "filebrowser/lang/LanguageDefaults.h"

#include <windows.h>

TLanguage ResolveUserLanguage(TLanguage value) {
  if (value != lnSysDefault) return value;
  return ResolveLanguage(value, GetUserDefaultLangID());
}

TLanguage ResolveSystemLanguage(TLanguage value) {
  if (value != lnSysDefault) return value;
  return ResolveLanguage(value, GetSystemDefaultLangID());
}

#endif
