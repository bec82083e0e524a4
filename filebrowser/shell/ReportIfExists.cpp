#include "filebrowser/shell/ReportIfExists.h"

#include <windows.h>

#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

bool ReportIfExists(HWND asker, const std::string& path) {
  const std::string listed = AppendListTerminator(path);
  // The platform reads the name up to its first NUL.
  const std::wstring searched = Widen(listed.substr(0, listed.find('\0')));
  WIN32_FIND_DATAW found{};
  const UniqueFind search(FindFirstFileW(searched.c_str(), &found));
  if (!search) return false;
  std::string name = ExtractFileName(StripTrailingBackslash(path));
  if (!name.empty() && name.back() == '\0') name.pop_back();
  ErrorBox(asker, "\"" + name + "\" " + SharedMessage(TStringKey::MsgAlreadyExists));
  return true;
}
