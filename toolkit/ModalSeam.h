#pragma once
// Every place where the program would wait on a modal window or start another
// program goes through this one interface. The program uses the platform's;
// tests put in one that answers from a script and records what was asked.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <winnetwk.h>

#include <string>

class TForm;

// The window a question is modal to: the top-level window of the window that asks
// (any window of the asking control; null when nothing asks). The platform's modal
// dialogs disable that window while they are open, so it takes no clicks or keys.
HWND ModalOwnerOf(HWND asker);

class TModalSeam {
 public:
  virtual ~TModalSeam() = default;

  // The questions. Each takes the asking window (a parameter, or the owner field of
  // the platform's structure) and hands the platform its top-level window as owner.
  // Text and caption in UTF-8; type as for MessageBox. Returns the button id.
  int ShowMessageBox(HWND asker, const std::string& text, const std::string& caption, UINT type);
  bool ChooseFontDialog(CHOOSEFONTW& params);
  int FileOperation(SHFILEOPSTRUCTW& op);
  PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& info);
  // The property sheet and the other verbs run through the shell's invoke list.
  BOOL ShellExecuteInfo(SHELLEXECUTEINFOW& info);
  DWORD DisconnectDialog(HWND asker, DWORD type);

  // Returns the chosen command id, 0 when the menu was dismissed.
  virtual UINT TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner);
  // A form built in code, shown modally; returns its modal result.
  virtual int ShowModal(TForm& form);
  virtual HINSTANCE ShellExecuteVerb(HWND owner, const std::wstring& verb, const std::wstring& file,
                                 const std::wstring& parameters, const std::wstring& directory, int show);
  virtual DWORD AddConnection(HWND owner, NETRESOURCEW& resource, DWORD flags);

 protected:
  // The platform's side of each question; the owner is already the top-level window.
  virtual int DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
  virtual bool DoChooseFont(CHOOSEFONTW& params);
  virtual int DoFileOperation(SHFILEOPSTRUCTW& op);
  virtual PIDLIST_ABSOLUTE DoBrowseForFolder(BROWSEINFOW& info);
  virtual BOOL DoShellExecuteInfo(SHELLEXECUTEINFOW& info);
  virtual DWORD DoDisconnectDialog(HWND owner, DWORD type);
};
