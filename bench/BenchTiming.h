#pragma once
// What every benchmark measures with: a stopwatch, the median of its runs, what the
// platform alone costs to search a folder, and the window a started program shows.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace bench {
constexpr int kRuns = 5;

using Clock = std::chrono::steady_clock;

template <class F>
double Seconds(F&& f) {
  const auto start = Clock::now();
  f();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// One search over the whole folder (ending in a backslash); the entries it found.
inline int BareSearch(const std::wstring& folder) {
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do ++n;
  while (FindNextFileW(find, &fd));
  FindClose(find);
  return n;
}

// A visible top-level window of the process, null while it has none.
inline HWND VisibleWindowOf(DWORD processId) {
  struct TSearch {
    DWORD Id;
    HWND Found;
  } search{processId, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->Id || !IsWindowVisible(hwnd)) return TRUE;
        s->Found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}
}  // namespace bench
