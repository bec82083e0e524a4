#include "toolkit/ModalSeam.h"

#include "toolkit/Form.h"
#include "toolkit/Utf.h"

HWND ModalOwnerOf(HWND asker) {
  if (!asker || !IsWindow(asker)) return nullptr;
  HWND root = GetAncestor(asker, GA_ROOT);
  return root ? root : asker;
}

int TModalSeam::ShowMessageBox(HWND asker, const std::string& text, const std::string& caption, UINT type) {
  return DoMessageBox(ModalOwnerOf(asker), text, caption, type);
}

bool TModalSeam::ChooseFontDialog(CHOOSEFONTW& params) {
  params.hwndOwner = ModalOwnerOf(params.hwndOwner);
  return DoChooseFont(params);
}

int TModalSeam::FileOperation(SHFILEOPSTRUCTW& op) {
  op.hwnd = ModalOwnerOf(op.hwnd);
  return DoFileOperation(op);
}

PIDLIST_ABSOLUTE TModalSeam::BrowseForFolder(BROWSEINFOW& info) {
  info.hwndOwner = ModalOwnerOf(info.hwndOwner);
  return DoBrowseForFolder(info);
}

BOOL TModalSeam::ShellExecuteInfo(SHELLEXECUTEINFOW& info) {
  info.hwnd = ModalOwnerOf(info.hwnd);
  return DoShellExecuteInfo(info);
}

DWORD TModalSeam::DisconnectDialog(HWND asker, DWORD type) { return DoDisconnectDialog(ModalOwnerOf(asker), type); }

int TModalSeam::DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), type);
}

bool TModalSeam::DoChooseFont(CHOOSEFONTW& params) { return ::ChooseFontW(&params) != FALSE; }

UINT TModalSeam::TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner) {
  return static_cast<UINT>(TrackPopupMenuEx(menu, flags | TPM_RETURNCMD, x, y, owner, nullptr));
}

int TModalSeam::ShowModal(TForm& form) { return form.RunModal(); }

int TModalSeam::DoFileOperation(SHFILEOPSTRUCTW& op) { return SHFileOperationW(&op); }

PIDLIST_ABSOLUTE TModalSeam::DoBrowseForFolder(BROWSEINFOW& info) { return SHBrowseForFolderW(&info); }

HINSTANCE TModalSeam::ShellExecuteVerb(HWND owner, const std::wstring& verb, const std::wstring& file,
                                       const std::wstring& parameters, const std::wstring& directory, int show) {
  return ShellExecuteW(owner, verb.c_str(), file.c_str(), parameters.c_str(), directory.c_str(), show);
}

BOOL TModalSeam::DoShellExecuteInfo(SHELLEXECUTEINFOW& info) { return ShellExecuteExW(&info); }

DWORD TModalSeam::AddConnection(HWND owner, NETRESOURCEW& resource, DWORD flags) {
  return WNetAddConnection3W(owner, &resource, nullptr, nullptr, flags);
}

DWORD TModalSeam::DoDisconnectDialog(HWND owner, DWORD type) { return WNetDisconnectDialog(owner, type); }
