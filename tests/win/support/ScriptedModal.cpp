#include "tests/win/support/ScriptedModal.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Utf.h"

int TScriptedModal::Count(const std::string& kind) const {
  int n = 0;
  for (const auto& r : Requests) n += r.Kind == kind;
  return n;
}

int TScriptedModal::DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  Requests.push_back({"message", text, caption, type, {}, owner});
  if (MessageAnswer) return MessageAnswer(Requests.back());
  if (MessageAnswers.empty()) return IDOK;
  const int answer = MessageAnswers.front();
  MessageAnswers.pop_front();
  return answer;
}

bool TScriptedModal::DoChooseFont(CHOOSEFONTW& params) {
  Requests.push_back({"font", Narrow(params.lpLogFont->lfFaceName), "", params.Flags, {}, params.hwndOwner});
  return FontAnswer ? FontAnswer(params) : false;
}

UINT TScriptedModal::TrackPopup(HMENU menu, UINT flags, int x, int y, HWND) {
  TModalRequest r{"popup", "", "", flags, {}};
  PopupPoints.push_back({x, y});
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t buf[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    info.dwTypeData = buf;
    info.cch = 255;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      r.Items.push_back("-");
      continue;
    }
    std::string item = Narrow(buf);
    if (info.fState & MFS_CHECKED) item += " [checked]";
    if (info.fState & MFS_DISABLED) item += " [disabled]";
    r.Items.push_back(item);
  }
  Requests.push_back(r);
  return PopupAnswer ? PopupAnswer(menu) : 0;
}

int TScriptedModal::ShowModal(TForm& form) {
  Requests.push_back({"form", form.Caption(), form.Caption(), 0, {}});
  return FormAnswer ? FormAnswer(form) : IDCANCEL;
}

namespace {
// A double-NUL-closed list as one string, its separating NULs kept.
std::string ListText(const wchar_t* list) {
  if (!list) return {};
  std::size_t n = 0;
  while (list[n] || list[n + 1]) ++n;
  return Narrow(std::wstring_view(list, n + 1));
}
}  // namespace

int RealFileOperation(SHFILEOPSTRUCTW& op) {
  op.fFlags |= FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return SHFileOperationW(&op);
}

int TScriptedModal::DoFileOperation(SHFILEOPSTRUCTW& op) {
  Requests.push_back({"fileop", "", "", op.fFlags, {}, op.hwnd});
  FileOps.push_back({op.wFunc, ListText(op.pFrom), ListText(op.pTo), op.fFlags});
  return FileOpAnswer ? FileOpAnswer(op) : 0;
}

PIDLIST_ABSOLUTE TScriptedModal::DoBrowseForFolder(BROWSEINFOW& info) {
  Requests.push_back({"browse", info.lpszTitle ? Narrow(info.lpszTitle) : "", "", info.ulFlags, {}, info.hwndOwner});
  return BrowseAnswer ? BrowseAnswer(info) : nullptr;
}

HINSTANCE TScriptedModal::ShellExecuteVerb(HWND, const std::wstring& verb, const std::wstring& file,
                                           const std::wstring& parameters, const std::wstring& directory, int show) {
  Requests.push_back({"shellexecute", Narrow(file), Narrow(verb), static_cast<UINT>(show),
                      {Narrow(parameters), Narrow(directory)}});
  return ShellExecuteAnswer ? ShellExecuteAnswer(verb, file) : reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

BOOL TScriptedModal::DoShellExecuteInfo(SHELLEXECUTEINFOW& info) {
  Requests.push_back({"shellexecuteex", info.lpFile ? Narrow(info.lpFile) : "", info.lpVerb ? Narrow(info.lpVerb) : "",
                      info.fMask, {}, info.hwnd});
  return ShellExecuteExAnswer ? ShellExecuteExAnswer(info) : TRUE;
}

DWORD TScriptedModal::AddConnection(HWND, NETRESOURCEW& resource, DWORD flags) {
  Requests.push_back({"connect", resource.lpRemoteName ? Narrow(resource.lpRemoteName) : "",
                      resource.lpLocalName ? Narrow(resource.lpLocalName) : "", flags, {}});
  return ConnectAnswer ? ConnectAnswer(resource, flags) : NO_ERROR;
}

DWORD TScriptedModal::DoDisconnectDialog(HWND owner, DWORD type) {
  Requests.push_back({"disconnect", "", "", type, {}, owner});
  return DisconnectAnswer ? DisconnectAnswer(type) : NO_ERROR;
}

namespace {
TScriptedModal* current = nullptr;
}

TScriptedModal& Scripted() { return *current; }

TScriptedModal& ResetScripted() {
  auto seam = std::make_unique<TScriptedModal>();
  current = seam.get();
  Application->SetModalSeam(std::move(seam));
  return *current;
}
