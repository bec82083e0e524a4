#pragma once
// The shell's file operation and its operation indexes.
#include <windows.h>

#include <cstdint>
#include <string>

// Platform operation codes by operation index: 0 copy, 1 delete, 2 move, 3 rename.
extern const UINT FileOpCodes[4];
// What a drop on the stand-alone tree does (0 copy with Ctrl held, else 2 move).
extern std::int32_t DragDropOp;

// Runs `code` (one of FileOpCodes) on the path list `source` (paths each followed
// by a NUL; a single path may come without one) towards `destination` (a folder,
// a new name or a list; empty for a delete). The shell asks its own questions,
// shows its own progress and failures, and deletes to the recycle bin; its dialogs are
// modal to `asker`'s window. True when the call succeeded and nothing was aborted.
bool RunFileOperation(HWND asker, UINT code, const std::string& source, const std::string& destination);
