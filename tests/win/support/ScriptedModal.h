#pragma once
// The modal seam for tests: answers from a script and records what was asked.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/ModalSeam.h"

struct TModalRequest {
  std::string Kind;  // "message", "font", "popup", "form", "fileop", "browse", "shellexecute", "shellexecuteex", "connect", "disconnect"
  std::string Text;
  std::string Caption;
  UINT Flags = 0;
  std::vector<std::string> Items;  // popup: captions of the shown items, with state marks
  HWND Owner = nullptr;            // the window the question was modal to
};

// A file operation as asked: the lists keep every NUL up to the closing pair.
struct TFileOpRecord {
  UINT Code = 0;
  std::string From, To;
  FILEOP_FLAGS Flags = 0;
};

// Runs the shell's file operation for real, without its confirmations and messages.
int RealFileOperation(SHFILEOPSTRUCTW& op);

class TScriptedModal : public TModalSeam {
 public:
  std::vector<TModalRequest> Requests;
  std::vector<TFileOpRecord> FileOps;
  std::vector<POINT> PopupPoints;  // where each popup was asked to open

  // Answers in order; an empty queue gives the default answer of each kind.
  std::deque<int> MessageAnswers;
  // When set, answers every message box instead of the queue; it may first do what a
  // user could do while the box is open.
  std::function<int(const TModalRequest&)> MessageAnswer;
  std::function<bool(CHOOSEFONTW&)> FontAnswer;  // default: cancel
  std::function<UINT(HMENU)> PopupAnswer;        // default: dismissed
  std::function<int(TForm&)> FormAnswer;         // default: cancel
  std::function<int(SHFILEOPSTRUCTW&)> FileOpAnswer;
  std::function<PIDLIST_ABSOLUTE(BROWSEINFOW&)> BrowseAnswer;
  std::function<HINSTANCE(const std::wstring& verb, const std::wstring& file)> ShellExecuteAnswer;
  std::function<BOOL(SHELLEXECUTEINFOW&)> ShellExecuteExAnswer;
  std::function<DWORD(NETRESOURCEW&, DWORD)> ConnectAnswer;
  std::function<DWORD(DWORD)> DisconnectAnswer;

  int Count(const std::string& kind) const;
  const TModalRequest& Last() const { return Requests.back(); }

  UINT TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner) override;
  int ShowModal(TForm& form) override;
  HINSTANCE ShellExecuteVerb(HWND owner, const std::wstring& verb, const std::wstring& file,
                             const std::wstring& parameters, const std::wstring& directory, int show) override;
  DWORD AddConnection(HWND owner, NETRESOURCEW& resource, DWORD flags) override;

 protected:
  int DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
  bool DoChooseFont(CHOOSEFONTW& params) override;
  int DoFileOperation(SHFILEOPSTRUCTW& op) override;
  PIDLIST_ABSOLUTE DoBrowseForFolder(BROWSEINFOW& info) override;
  BOOL DoShellExecuteInfo(SHELLEXECUTEINFOW& info) override;
  DWORD DoDisconnectDialog(HWND owner, DWORD type) override;
};

// The scripted seam the test program installed at start.
TScriptedModal& Scripted();
// Replaces it with a fresh one (between tests).
TScriptedModal& ResetScripted();
