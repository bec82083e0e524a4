#include "filebrowser/shell/FileOps.h"

#include <shellapi.h>

#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

const UINT FileOpCodes[4] = {FO_COPY, FO_DELETE, FO_MOVE, FO_RENAME};
std::int32_t DragDropOp = 0;

namespace {
// The UTF-8 list (NULs kept) as a wide list closed by a second NUL.
std::wstring WidePathList(const std::string& list) {
  std::wstring wide = Widen(AppendListTerminator(list));
  wide.push_back(L'\0');
  return wide;
}
}  // namespace

bool RunFileOperation(HWND asker, UINT code, const std::string& source, const std::string& destination) {
  if (!Application) return false;
  const std::wstring from = WidePathList(source);
  const std::wstring to = WidePathList(destination);
  SHFILEOPSTRUCTW op{};
  op.hwnd = asker;
  op.wFunc = code;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_ALLOWUNDO;
  op.fAnyOperationsAborted = FALSE;
  op.hNameMappings = nullptr;
  op.lpszProgressTitle = L"";
  const int result = Application->Modal().FileOperation(op);
  return result == 0 && !op.fAnyOperationsAborted;
}
