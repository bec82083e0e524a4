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

class TModalSeam {
 public:
  virtual ~TModalSeam() = default;

  // Text and caption in UTF-8; type as for MessageBox. Returns the button id.
  virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
  virtual bool ChooseFontDialog(CHOOSEFONTW& params);
  // Returns the chosen command id, 0 when the menu was dismissed.
  virtual UINT TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner);
  // A form built in code, shown modally; returns its modal result.
  virtual int ShowModal(TForm& form);

  virtual int FileOperation(SHFILEOPSTRUCTW& op);
  virtual PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& info);
  virtual HINSTANCE ShellExecuteVerb(HWND owner, const std::wstring& verb, const std::wstring& file,
                                 const std::wstring& parameters, const std::wstring& directory, int show);
  virtual BOOL ShellExecuteInfo(SHELLEXECUTEINFOW& info);
  virtual DWORD AddConnection(HWND owner, NETRESOURCEW& resource, DWORD flags);
  virtual DWORD DisconnectDialog(HWND owner, DWORD type);
};
