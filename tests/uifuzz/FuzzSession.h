#pragma once
// One sequence of the restless user: a fresh folder tree and a fresh main window built
// in-process as the window tests build it, the scripted modal seam answering as the
// actions say, and the invariants checked after every action.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/uifuzz/FuzzActions.h"
#include "tests/uifuzz/FuzzWorld.h"

class TForm1;
class TScriptedModal;

struct TViolation {
  int Invariant = 0;  // 1 nothing lost, 2 views agree, 3 reader, 4 modal, 5 messages, 6 crash or hang
  std::string Text;
  int Action = -1;  // index of the action after which it was seen
};

// What a run did, to tell a quiet run from an idle one.
struct TFuzzStats {
  int Questions = 0, FileOps = 0, ErrorBoxes = 0, FileClicks = 0, Popups = 0, Outside = 0, Dropped = 0;
  TFuzzStats& operator+=(const TFuzzStats& o) {
    Questions += o.Questions, FileOps += o.FileOps, ErrorBoxes += o.ErrorBoxes, FileClicks += o.FileClicks;
    Popups += o.Popups, Outside += o.Outside, Dropped += o.Dropped;
    return *this;
  }
};

class TFuzzSession {
 public:
  TFuzzSession();
  ~TFuzzSession();
  TFuzzSession(const TFuzzSession&) = delete;
  TFuzzSession& operator=(const TFuzzSession&) = delete;

  // Runs the action and checks every invariant; false once one is broken.
  bool Run(const TAction& action);
  const std::optional<TViolation>& Violation() const { return violation_; }
  int ActionsRun() const { return actionsRun_; }
  const TFuzzStats& Stats() const { return stats_; }
  TForm1& Form() { return *form_; }
  TFuzzWorld& World() { return world_; }

 private:
  // Input reaches the window only while it is enabled, as the platform's does.
  bool InputAllowed();
  void Execute(const TAction& action);
  void Click(const TAction& action);
  void ReaderMouse(const TAction& action);
  void Key(const TAction& action);
  void TypeName(TFuzzName name);
  void DropDown(const TAction& action);
  void Resize(const TAction& action);
  void Disk(const TAction& action, bool inner);
  void Burst(const TAction& action);

  // The modal seam's side: every question disables the window while it is open and
  // runs the action's inner action first when the answer says so.
  void InstallSeam();
  int Ask(const std::function<int(TAnswer)>& answer);
  void CheckOwner(HWND owner, const std::string& what);
  int FileOperation(SHFILEOPSTRUCTW& op);
  UINT Pick(HMENU menu);
  void BeforeFileClick();

  void CheckNothingLost();
  void CheckViewsAgree();
  void CheckReader();
  void CheckListedFiles();
  void Violate(int invariant, const std::string& text);

  TTempDir settings_;
  TFuzzWorld world_;
  TScriptedModal* seam_ = nullptr;
  std::unique_ptr<TForm1> form_;

  const TAction* action_ = nullptr;
  bool innerRun_ = false;
  bool startedInside_ = true;
  bool comboMovedClosed_ = false;
  int outsideStreak_ = 0;
  HWND lastKeyTarget_ = nullptr;
  int popupPick_ = 0;
  int fontCounter_ = 0;
  int nameCounter_ = 0;
  int actionsRun_ = 0;
  std::optional<TViolation> violation_;
  TFuzzStats stats_;
  // SCRIVLET_FUZZ_TRACE set: each action and each question is printed.
  const bool trace_;
  std::size_t tracedRequests_ = 0;

  TSnapshot baseline_;
  std::string readerExpected_;
  // What explains a file's change during the action.
  std::vector<std::string> otherWork_, deleted_, moved_, overwritten_, deletedNames_;
  std::vector<std::string> errorBoxes_, expectedErrors_;
};
