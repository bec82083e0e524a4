// Times the viewer's start in a folder until its window has painted the file list,
// against its start in an empty folder, and prints the ratio of the medians.
// Usage: bench_start <scrivlet.exe> <empty folder> <label>=<folder> ...; the last line
// reads "start_<label>=<ratio> ...".
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/Utf.h"

namespace {
constexpr int kRuns = 5;
constexpr DWORD kPatience = 600'000;  // ms: a start that takes longer has failed

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct TFound {
  DWORD ProcessId = 0;
  HWND Main = nullptr;
  HWND List = nullptr;
};

BOOL CALLBACK FindList(HWND child, LPARAM param) {
  wchar_t cls[64] = {};
  GetClassNameW(child, cls, 64);
  if (std::wstring(cls) != WC_LISTVIEWW) return TRUE;
  reinterpret_cast<TFound*>(param)->List = child;
  return FALSE;
}

BOOL CALLBACK FindMain(HWND top, LPARAM param) {
  auto* found = reinterpret_cast<TFound*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(top, &pid);
  if (pid != found->ProcessId || !IsWindowVisible(top)) return TRUE;
  found->List = nullptr;
  EnumChildWindows(top, FindList, param);
  if (!found->List) return TRUE;
  found->Main = top;
  return FALSE;
}

bool Painted(HWND window) { return !GetUpdateRect(window, nullptr, FALSE); }

// Starts the viewer in `folder` and returns the seconds until its visible main window
// and file list have no part left to paint; the listed count goes to `count`.
double TimeStart(const std::wstring& exe, const std::wstring& folder, int& count) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring commandLine = L"\"" + exe + L"\"";
  const auto start = Clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                      &pi)) {
    std::fprintf(stderr, "bench_start: cannot start %s (%lu)\n", Narrow(exe).c_str(), GetLastError());
    std::exit(2);
  }
  TFound found;
  found.ProcessId = pi.dwProcessId;
  double seconds = -1;
  while (std::chrono::duration<double>(Clock::now() - start).count() * 1000 < kPatience) {
    found.Main = nullptr;
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&found));
    if (found.Main) {
      // Answered only once the window's thread is back in its message loop.
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(found.Main, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored);
      if (Painted(found.Main) && Painted(found.List)) {
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        count = static_cast<int>(SendMessageW(found.List, LVM_GETITEMCOUNT, 0, 0));
        break;
      }
    }
    Sleep(2);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (seconds < 0) {
    std::fprintf(stderr, "bench_start: no painted window in %s\n", Narrow(folder).c_str());
    std::exit(2);
  }
  return seconds;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_start <scrivlet.exe> <empty folder> <label>=<folder> ...\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring empty = argv[2];
  std::string summary;
  for (int a = 3; a < argc; ++a) {
    const std::wstring arg = argv[a];
    const std::size_t eq = arg.find(L'=');
    if (eq == std::wstring::npos) return 2;
    const std::string label = Narrow(arg.substr(0, eq));
    const std::wstring folder = arg.substr(eq + 1);
    int emptyCount = 0, count = 0;
    // Warm-up: the program's file, the file system's caches and the shell's first use.
    TimeStart(exe, empty, emptyCount);
    TimeStart(exe, folder, count);
    std::vector<double> bare, full;
    for (int r = 0; r < kRuns; ++r) {
      bare.push_back(TimeStart(exe, empty, emptyCount));
      full.push_back(TimeStart(exe, folder, count));
    }
    std::printf("%s: %d entries listed; empty folder %.3f s, folder %.3f s (medians of %d)\n", label.c_str(), count,
                Median(bare), Median(full), kRuns);
    char part[64];
    std::snprintf(part, sizeof part, "start_%s=%.2f ", label.c_str(), Median(full) / Median(bare));
    summary += part;
  }
  if (!summary.empty()) summary.pop_back();
  std::printf("%s\n", summary.c_str());
  return 0;
}
