#pragma once
// The locale's formats as read at program start.
#include <windows.h>

#include <string>

#include "toolkit/FormatSettings.h"

// The toolkit's process-wide format settings (English until loaded).
extern TFormatSettings FormatSettings;

// Reads the thread locale's separators, patterns and names into FormatSettings.
void LoadFormatSettings();
TFormatSettings ReadFormatSettings(LCID locale);
std::string LocaleText(LCID locale, LCTYPE type);
int LocaleNumber(LCID locale, LCTYPE type);
