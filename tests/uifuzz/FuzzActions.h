#pragma once
// The restless user's actions as data: drawn from a seed, printed as one line each,
// read back from that line, so a failing sequence can be shortened and kept as a test.
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TFuzzRandom;

enum class TActKind {
  Click,        // A: list entry (modulo the count; -1 below the last), B: 0 left, 1 double, 2 right
  Reader,       // A: where, B: 0 left, 1 double, 2 right, 3 drag-select
  Key,          // A: key (TFuzzKey), B: key's argument, C: 0 focused control, 1 the list, 2 the reader,
                // 3 the list after a click on entry B
  DropDown,     // A: steps down, B: 0 Enter, 1 click the node, 2 click its button, 3 Escape, 4 left open
  Resize,       // A: width step, B: height step, C: 0 normal, 1 maximised, 2 minimised and back
  Disk,         // another program: A: TDiskOp, B: target, C: bit 0 notify the shell, bit 1 keep the time
  Notify,       // a shell change notification: A: folder, B: event
  Burst,        // input queued while the list works: A: first key, B: entry clicked after
};

enum class TFuzzKey {
  Up, Down, Home, End, Enter, Backspace, F2, F4, F5, Delete, ShiftDelete, CtrlX, CtrlC, CtrlV, CtrlA, Tab,
  MenuKey, ShiftDown, Left, Right, CtrlW, CtrlF, CtrlB, CtrlAltB, CtrlAltR, CtrlAltF, CtrlAltD, Count
};

// What F2 types (the key's argument).
enum class TFuzzName { Fresh, Invalid, Existing, OtherCase, Blank, NonAscii, NoExtension, Escape, Count };

enum class TDiskOp {
  CreateFile, DeleteFile, RenameFile, CreateFolder, DeleteFolder, RenameFolder, RewriteSameLength,
  RewriteOtherLength, HoldOpen, Release, Count
};

// How every question during the action is answered; "then" runs the inner action
// while the first question is open.
enum class TAnswer { Yes, No, Cancel, ThenYes, ThenNo };

struct TAction {
  TActKind Kind = TActKind::Click;
  int A = 0, B = 0, C = 0;
  TAnswer Answer = TAnswer::Yes;
  std::shared_ptr<TAction> Inner;
};

TAction DrawAction(TFuzzRandom& rng, bool inner = false);
std::vector<TAction> DrawSequence(TFuzzRandom& rng, int length);

// "key 6 2 0 yes", with " / <inner action>" after a "then" answer.
std::string ActionText(const TAction& action);
std::optional<TAction> ParseAction(const std::string& text);
// A reader's gloss: "key F2 (types an existing name), answers yes".
std::string Describe(const TAction& action);
const char* KeyName(TFuzzKey key);
