#include "filebrowser/shell/ShellRun.h"

#include <windows.h>

#include <climits>

#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Utf.h"

namespace {
constexpr INT_PTR kLastFailure = 32;

// The platform's result as an int without turning a success into a failure.
int ResultCode(INT_PTR result) {
  if (result > kLastFailure && result > INT_MAX) return INT_MAX;
  return static_cast<int>(result);
}
}  // namespace

int ShellExecuteWithMessage(const std::string& verb, const std::string& file, const std::string& parameters,
                            const std::string& directory, int showCommand) {
  if (!Application) return 0;
  HWND owner = Application->MainForm() ? Application->MainForm()->Handle() : nullptr;
  const HINSTANCE instance =
      Application->Modal().ShellExecuteVerb(owner, Widen(verb), Widen(file), Widen(parameters), Widen(directory), showCommand);
  const INT_PTR result = reinterpret_cast<INT_PTR>(instance);
  if (result <= kLastFailure)
    ErrorBox(owner, SharedMessage(TStringKey::MsgCantPrefix) + verb + SharedMessage(TStringKey::MsgFileWord) + file);
  return ResultCode(result);
}
