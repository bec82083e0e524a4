#include "filebrowser/shell/MessageBoxes.h"

#include <windows.h>

#include "toolkit/Application.h"

namespace {
void Show(const std::string& text, const std::string& caption, UINT type) {
  if (Application) Application->Modal().ShowMessageBox(nullptr, text, caption, type);
}
}  // namespace

void ErrorBox(const std::string& text) { Show(text, "Error", MB_ICONERROR | MB_OK); }

void WarningBox(const std::string& text) { Show(text, "Warning", MB_ICONWARNING | MB_OK); }

void PlainMessageBox(const std::string& text) {
  if (Application) Show(text, Application->Title(), MB_OK);
}
