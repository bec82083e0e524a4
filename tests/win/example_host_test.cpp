// The example host program, started as a user would start it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/win/support/TestFiles.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// The example is built next to the tests: build\examples beside build\tests.
std::wstring ExamplePath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  path.resize(path.rfind(L'\\'));
  return path.substr(0, path.rfind(L'\\')) + L"\\examples\\folder_tree_example.exe";
}

struct TFound {
  DWORD process = 0;
  HWND list = nullptr;
};

// The file list of the example's window, once the window is there.
HWND ListOf(DWORD process) {
  TFound found{process, nullptr};
  EnumWindows(
      [](HWND top, LPARAM param) {
        auto* f = reinterpret_cast<TFound*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(top, &owner);
        if (owner != f->process) return TRUE;
        f->list = FindWindowExW(top, nullptr, WC_LISTVIEWW, nullptr);
        return f->list ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.list;
}

TEST(ExampleHost, ARelativeFolderArgumentIsListed) {
  TTempDir dir;
  dir.MakeDir("docs");
  dir.Write("docs\\read me.txt", "r");
  std::wstring command = L"\"" + ExamplePath() + L"\" docs";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, Widen(dir.Path()).c_str(),
                             &startup, &info))
      << Narrow(ExamplePath());
  UniqueFile process(info.hProcess), thread(info.hThread);
  HWND list = nullptr;
  LRESULT count = 0;
  for (int i = 0; i < 100 && count == 0; ++i) {
    Sleep(100);
    list = ListOf(info.dwProcessId);
    if (list) count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  }
  EXPECT_GT(count, 0);
  if (list) PostMessageW(GetAncestor(list, GA_ROOT), WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
}
}  // namespace
