#include "filebrowser/shell/Properties.h"

#include <windows.h>
#include <shellapi.h>

#include "filebrowser/shell/MessageBoxes.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// Fixed English texts by the platform's error code; null for a code without one.
const char* PropertiesFailureText(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND: return "The specified file was not found.";
    case ERROR_PATH_NOT_FOUND: return "The specified path was not found.";
    case ERROR_ACCESS_DENIED: return "Access denied";
    case ERROR_NOT_ENOUGH_MEMORY: return "Not enough memory for this operation";
    case ERROR_SHARING_VIOLATION: return "Sharing violation";
    case ERROR_NO_ASSOCIATION: return "There is no application associated with the given filename extension.";
    case ERROR_DDE_FAIL: return "The DDE transaction failed.";
    case ERROR_DLL_NOT_FOUND: return "DLL not found";
    case ERROR_CANCELLED:
      return "The function prompted the user for the location of the application, but the user cancelled the request.";
    default: return nullptr;
  }
}
}  // namespace

void ShowFileProperties(HWND asker, const std::string& path) {
  if (!Application) return;
  const std::wstring file = Widen(path);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_INVOKEIDLIST;
  info.hwnd = asker;
  info.lpVerb = L"properties";
  info.lpFile = file.c_str();
  if (Application->Modal().ShellExecuteInfo(info)) return;
  if (const char* text = PropertiesFailureText(GetLastError())) PlainMessageBox(asker, text);
}
