#pragma once
// The clipboard as the file list uses it: file-drop blocks written by cut and copy and
// read by paste, and plain text.
#include <windows.h>

#include <string>
#include <vector>

// Replaces the clipboard's contents with a wide file-drop block of the paths (UTF-8, a
// trailing NUL on each is ignored). False when the clipboard could not be opened.
bool PutFilesOnClipboard(HWND owner, const std::vector<std::string>& paths);
// The complete names of the clipboard's file-drop block, empty when it has none.
std::vector<std::string> ReadFilesFromClipboard(HWND owner);
// Replaces the clipboard's contents with the text.
bool PutTextOnClipboard(HWND owner, const std::string& text);

// The clipboard, open for the scope when Opened().
class TClipboardScope {
 public:
  explicit TClipboardScope(HWND owner);
  TClipboardScope(const TClipboardScope&) = delete;
  TClipboardScope& operator=(const TClipboardScope&) = delete;
  ~TClipboardScope();
  bool Opened() const { return opened_; }

 private:
  bool opened_;
};
