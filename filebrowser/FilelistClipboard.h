#pragma once
// The clipboard as the file list uses it: file-drop blocks written by cut and copy and
// read by paste, and plain text.
#include <windows.h>

#include <string>
#include <vector>

// Replaces the clipboard's contents with a wide file-drop block of the paths (UTF-8, a
// trailing NUL on each is ignored) and the shell's preferred drop effect: move for a
// cut, copy otherwise, so other programs paste what was cut as a move. False when the
// clipboard could not be opened.
bool PutFilesOnClipboard(HWND owner, const std::vector<std::string>& paths, bool cut);
// The complete names of the clipboard's file-drop block, empty when it has none.
std::vector<std::string> ReadFilesFromClipboard(HWND owner);
// True only when the clipboard's preferred drop effect asks to move (and not to copy):
// files put there without one are copied.
bool ClipboardAsksMove(HWND owner);
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
