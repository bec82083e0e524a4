#include "toolkit/ModalSeam.h"

#include "toolkit/Form.h"
#include "toolkit/Utf.h"

int TModalSeam::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), type);
}

bool TModalSeam::ChooseFontDialog(CHOOSEFONTW& params) { return ::ChooseFontW(&params) != FALSE; }

UINT TModalSeam::TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner) {
  return static_cast<UINT>(TrackPopupMenuEx(menu, flags | TPM_RETURNCMD, x, y, owner, nullptr));
}

int TModalSeam::ShowModal(TForm& form) { return form.RunModal(); }

int TModalSeam::FileOperation(SHFILEOPSTRUCTW& op) { return SHFileOperationW(&op); }

PIDLIST_ABSOLUTE TModalSeam::BrowseForFolder(BROWSEINFOW& info) { return SHBrowseForFolderW(&info); }

HINSTANCE TModalSeam::ShellExecuteVerb(HWND owner, const std::wstring& verb, const std::wstring& file,
                                       const std::wstring& parameters, const std::wstring& directory, int show) {
  return ShellExecuteW(owner, verb.c_str(), file.c_str(), parameters.c_str(), directory.c_str(), show);
}

BOOL TModalSeam::ShellExecuteInfo(SHELLEXECUTEINFOW& info) { return ShellExecuteExW(&info); }

DWORD TModalSeam::AddConnection(HWND owner, NETRESOURCEW& resource, DWORD flags) {
  return WNetAddConnection3W(owner, &resource, nullptr, nullptr, flags);
}

DWORD TModalSeam::DisconnectDialog(HWND owner, DWORD type) { return WNetDisconnectDialog(owner, type); }
