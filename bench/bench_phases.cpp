// Where the viewer's start goes, phase by phase, measured inside real starts: the viewer
// is started with SCRIVLET_START_TRACE naming a file and notes there when each phase
// ended (milliseconds after its process was created), up to its first idle moment.
// Beside it, from outside: the same start, Wine's Notepad, an empty window program and a
// window that only lists the folder with the shell's icons (beside the empty window's
// program), started in turns until visible and idle, which shows what any start costs
// here. The phases after "first idle" are the work the start put off until the window was
// shown and painted.
// Usage: bench_phases <scrivlet.exe> <notepad.exe> <bare window.exe> <trace file>
// <label>=<folder> ...; prints a table of the phases' medians, one column per folder.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "toolkit/Utf.h"

namespace {
constexpr DWORD kPatience = 600'000;  // ms

struct TRun {
  std::vector<std::pair<std::string, double>> Marks;  // phase, ms after creation
  double Outside = 0;                                  // s from CreateProcess until idle and traced
};

std::vector<std::pair<std::string, double>> ReadTrace(const std::wstring& file) {
  std::ifstream in(Narrow(file));
  std::vector<std::pair<std::string, double>> marks;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string::npos) continue;
    marks.emplace_back(line.substr(0, space), std::atof(line.c_str() + space + 1));
  }
  return marks;
}

// Started in `folder` until a window of it is visible, the process waits for input and,
// when `trace` is given, it has written its phases there.
TRun Start(const std::wstring& exe, const std::wstring& folder, const std::wstring& trace) {
  if (!trace.empty()) DeleteFileW(trace.c_str());
  SetEnvironmentVariableW(L"SCRIVLET_START_TRACE", trace.empty() ? nullptr : trace.c_str());
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe + L"\"";
  TRun run;
  const auto start = bench::Clock::now();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    std::fprintf(stderr, "bench_phases: cannot start %s\n", Narrow(exe).c_str());
    std::exit(2);
  }
  WaitForInputIdle(pi.hProcess, kPatience);
  HWND shown = nullptr;
  while (!shown && WaitForSingleObject(pi.hProcess, 2) == WAIT_TIMEOUT) shown = bench::VisibleWindowOf(pi.dwProcessId);
  if (shown) UpdateWindow(shown);
  run.Outside = std::chrono::duration<double>(bench::Clock::now() - start).count();
  // The trace is written at the first idle moment, which may come just after the above.
  while (!trace.empty() && WaitForSingleObject(pi.hProcess, 2) == WAIT_TIMEOUT) {
    run.Marks = ReadTrace(trace);
    if (!run.Marks.empty() && run.Marks.back().first == "idle") break;
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  SetEnvironmentVariableW(L"SCRIVLET_START_TRACE", nullptr);
  return run;
}

// The medians of kRuns starts of each program after a warm-up, seconds from outside; the
// programs take turns, so a busy moment weighs on all of them alike.
std::vector<double> MedianStarts(const std::vector<std::wstring>& exes, const std::wstring& folder) {
  std::vector<std::vector<double>> runs(exes.size());
  for (int r = 0; r <= bench::kRuns; ++r)
    for (std::size_t e = 0; e < exes.size(); ++e) {
      const double seconds = Start(exes[e], folder, {}).Outside;
      if (r > 0) runs[e].push_back(seconds);
    }
  std::vector<double> medians;
  for (const std::vector<double>& v : runs) medians.push_back(bench::Median(v));
  return medians;
}

struct TColumn {
  std::string Label;
  std::map<std::string, double> Phase;  // median ms of each phase's own time
  double Total = 0;                      // median ms until idle, inside
  double FirstIdle = 0;                  // median ms until the loop was first idle: the work put off for it follows
  double Fastest = 0;                    // the least ms until idle, inside: the start least disturbed
  double Outside = 0;                    // median ms until idle, outside
  double Search = 0;                     // median ms of a bare search of the folder
};

TColumn TracePhases(const std::wstring& exe, const std::wstring& folder, const std::wstring& trace,
                    std::vector<std::string>& order) {
  // Warm-up: the program's file, the file system's caches and the shell's first use.
  for (int r = 0; r < 2; ++r) Start(exe, folder, trace);
  std::map<std::string, std::vector<double>> own;
  std::vector<double> totals, outside, firstIdle;
  for (int r = 0; r < bench::kRuns; ++r) {
    const TRun run = Start(exe, folder, trace);
    // A phase noted more than once in a start counts with the sum of its times.
    std::map<std::string, double> sums;
    double before = 0;
    for (const auto& [phase, ms] : run.Marks) {
      if (std::find(order.begin(), order.end(), phase) == order.end()) order.push_back(phase);
      if (phase == "first idle") firstIdle.push_back(ms);
      sums[phase] += ms - before;
      before = ms;
    }
    for (const auto& [phase, ms] : sums) own[phase].push_back(ms);
    totals.push_back(before);
    outside.push_back(run.Outside * 1000);
  }
  TColumn column;
  for (auto& [phase, v] : own) column.Phase[phase] = bench::Median(v);
  column.Total = bench::Median(totals);
  if (!firstIdle.empty()) column.FirstIdle = bench::Median(firstIdle);
  column.Fastest = *std::min_element(totals.begin(), totals.end());
  column.Outside = bench::Median(outside);
  std::wstring pattern = folder;
  if (pattern.back() != L'\\') pattern += L'\\';
  std::vector<double> searches;
  for (int r = 0; r < 3; ++r) searches.push_back(bench::Seconds([&] { bench::BareSearch(pattern); }) * 1000);
  column.Search = bench::Median(searches);
  return column;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: bench_phases <scrivlet.exe> <notepad.exe> <bare window.exe> <trace file> "
                         "<label>=<folder> ...\n");
    return 2;
  }
  const std::wstring scrivlet = argv[1], notepad = argv[2], bare = argv[3], trace = argv[4];
  std::vector<std::string> order;
  std::vector<TColumn> columns;
  for (int a = 5; a < argc; ++a) {
    const std::wstring arg = argv[a];
    const std::size_t eq = arg.find(L'=');
    if (eq == std::wstring::npos) return 2;
    TColumn column = TracePhases(scrivlet, arg.substr(eq + 1), trace, order);
    column.Label = Narrow(arg.substr(0, eq));
    columns.push_back(std::move(column));
  }
  std::printf("start phases, ms (each phase's own time, medians of %d starts):\n", bench::kRuns);
  std::printf("  %-20s", "phase");
  for (const TColumn& c : columns) std::printf(" %12s", c.Label.c_str());
  std::printf("\n");
  for (const std::string& phase : order) {
    std::printf("  %-20s", phase.c_str());
    for (const TColumn& c : columns) {
      const auto it = c.Phase.find(phase);
      if (it == c.Phase.end()) std::printf(" %12s", "-");
      else std::printf(" %12.1f", it->second);
    }
    std::printf("\n");
  }
  std::printf("  %-20s", "until first idle");
  for (const TColumn& c : columns) std::printf(" %12.1f", c.FirstIdle);
  std::printf("\n  %-20s", "until idle, inside");
  for (const TColumn& c : columns) std::printf(" %12.1f", c.Total);
  std::printf("\n  %-20s", "fastest, inside");
  for (const TColumn& c : columns) std::printf(" %12.1f", c.Fastest);
  std::printf("\n  %-20s", "until idle, outside");
  for (const TColumn& c : columns) std::printf(" %12.1f", c.Outside);
  std::printf("\n  %-20s", "bare folder search");
  for (const TColumn& c : columns) std::printf(" %12.1f", c.Search);
  std::printf("\n");
  // What any start costs here, from outside, in the first folder.
  const std::wstring first = std::wstring(argv[5]).substr(std::wstring(argv[5]).find(L'=') + 1);
  // Beside the empty window: the list window, a window that shows the folder's names with
  // the shell's icons and nothing more.
  const std::wstring list = bare.substr(0, bare.find_last_of(L"\\/") + 1) + L"bench_list_window.exe";
  const std::vector<double> m = MedianStarts({bare, list, notepad, scrivlet}, first);
  std::printf("starts until idle: empty window %.3f s, list window %.3f s, notepad %.3f s, scrivlet %.3f s "
              "(medians of %d, in turns)\n",
              m[0], m[1], m[2], m[3], bench::kRuns);
  return 0;
}
