#include "filebrowser/shell/NetworkDrive.h"

#include <windows.h>
#include <winnetwk.h>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Utf.h"

namespace {
// The system's text for an error code, without the line break it ends with.
std::string SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  return Narrow(text);
}

// What went wrong: the code the call returned, or the network provider's own text.
std::string ConnectErrorText(DWORD result) {
  if (result == ERROR_EXTENDED_ERROR) {
    DWORD providerCode = 0;
    wchar_t description[512] = {};
    wchar_t provider[256] = {};
    if (WNetGetLastErrorW(&providerCode, description, 512, provider, 256) == NO_ERROR && description[0])
      return Narrow(description);
  }
  return SystemErrorText(result);
}
}  // namespace

std::uint32_t ConnectNetworkDrive(const std::string& drive, const std::string& networkPath, bool showError,
                                  bool reconnect) {
  if (!Application) return ERROR_INVALID_FUNCTION;
  std::wstring localName = Widen(drive);
  std::wstring remoteName = Widen(networkPath);
  NETRESOURCEW resource{};
  resource.dwType = RESOURCETYPE_DISK;
  resource.lpLocalName = localName.data();
  resource.lpRemoteName = remoteName.data();
  // Only an updated profile makes the platform restore the mapping at logon.
  const DWORD flags = reconnect ? CONNECT_UPDATE_PROFILE : CONNECT_INTERACTIVE;
  HWND owner = Application->MainForm() ? Application->MainForm()->Handle() : nullptr;
  const DWORD result = Application->Modal().AddConnection(owner, resource, flags);
  if (result != NO_ERROR && showError) {
    const std::string text = ConnectErrorText(result);
    Application->Modal().ShowMessageBox(owner, "An error occured while connecting:\r\n" + text,
                                        "Error while connecting!", MB_OK);
  }
  return result;
}
