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
// The clipboard's file-drop block and the effect it asks for, read under one opening so
// that both come from the same cut or copy.
struct TClipboardFiles {
  // The complete names, empty when there is no block.
  std::vector<std::string> Names;
  // True only when the preferred drop effect asks to move and not to copy: files put
  // there without one, or offered for either, are copied.
  bool Move = false;
};
TClipboardFiles ReadFilesFromClipboard(HWND owner);
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
