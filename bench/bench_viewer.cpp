// Times the viewer's own work under the platform, as ratios of medians in one run:
// - open_1mb, open_10mb, open_100mb (open_1gb when that file exists): a click on a text
//   file in the file list until the reader has painted it, against a plain ReadFile of the
//   same file; the steps of a load (read, normalise, hand to the view) are printed beside;
// - end_10mb_wrap, end_100mb_wrap: Ctrl+End in the reader right after such a click, word
//   wrap on, until painted, in milliseconds;
// - open_10kb: a click on a 10 KB file until painted, in milliseconds, with where one such
//   load goes (read, mend, hand to the view, first paint);
// - step_small: Down in the file list through 200 files of 2-20 KB, each shown and painted,
//   in milliseconds per step;
// - start: the viewer started in a folder of 1,000 text files until its window is visible
//   and painted, against the platform's Notepad started and measured the same way.
// Usage: bench_viewer <open folder> <scrivlet.exe> <start folder> <notepad.exe> <steps folder>;
// the last line reads "open_1mb=<r> open_10mb=<r> open_100mb=<r> open_10kb=<ms> step_small=<ms>
// end_10mb_wrap=<ms> end_100mb_wrap=<ms> start=<r>".
// bench_viewer --peak <open folder> <file> opens one file in a fresh window, clicks it again
// unchanged, then once more after a line was added to it (the line is taken away after),
// and prints "peak_mb=<MB after the first click> empty_mb=<MB before it> unchanged_mb=<MB>
// changed_mb=<MB>", peak working sets all.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/LineBreaks.h"
#include "bench/BenchTiming.h"
#include "app/Unit1.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
using namespace bench;

// The median of kRuns timings after one warm-up run.
double MedianOf(const std::function<void()>& f) {
  f();
  std::vector<double> v;
  for (int r = 0; r < kRuns; ++r) v.push_back(Seconds(f));
  return Median(std::move(v));
}

std::string ReadAll(const std::wstring& path) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  GetFileSizeEx(file.get(), &size);
  std::string buffer(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr);
  return buffer;
}

void ClickEntry(TDqFilelistView28& list, const std::string& caption) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Item(i).Caption != caption) continue;
    RECT rc{};
    ListView_EnsureVisible(list.Handle(), i, FALSE);
    ListView_GetItemRect(list.Handle(), i, &rc, LVIR_LABEL);
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
    return;
  }
  std::fprintf(stderr, "bench_viewer: no entry %s\n", caption.c_str());
}

// A click on the file until the reader has painted it, the median of `runs` after a
// warm-up. Each follows a click on a small file, so the reader really shows it anew.
double MedianClick(TForm1& form, const std::string& name, int runs) {
  std::vector<double> v;
  for (int r = 0; r <= runs; ++r) {
    ClickEntry(*form.BrowseFiles, "small.txt");
    const double t = Seconds([&] {
      ClickEntry(*form.BrowseFiles, name);
      UpdateWindow(form.ReadText->Handle());
    });
    if (r > 0) v.push_back(t);
  }
  ClickEntry(*form.BrowseFiles, "small.txt");
  return Median(std::move(v));
}

// Returns "open_<label>=<ratio> ".
std::string TimeOpen(TForm1& form, const std::string& folder, const std::string& name, const char* label, int runs) {
  const std::wstring path = Widen(folder + name);
  std::vector<double> plainRuns;
  for (int r = 0; r <= runs; ++r) {
    const double t = Seconds([&] { ReadAll(path); });
    if (r > 0) plainRuns.push_back(t);
  }
  std::sort(plainRuns.begin(), plainRuns.end());
  const double plain = plainRuns[plainRuns.size() / 2];
  const double click = MedianClick(form, name, runs);

  // Where the time goes: the load's steps one by one (small files only: these hold copies).
  if (runs > 1 && name.find("100mb") == std::string::npos) {
    std::string text;
    const TLeadByteTable lead{};
    const double read = MedianOf([&] { text = ReadAll(path); });
    const double normalise = MedianOf([&] {
      std::string copy = text;
      NormalizeLineBreaks(copy, lead);
    });
    NormalizeLineBreaks(text, lead);
    const double view = Seconds([&] {
      form.ReadText->Clear();
      form.ReadText->SetText(text);
    });
    form.ReadText->Clear();
    std::printf("%s: click %.3f s, ReadFile %.4f s; steps: read %.4f, normalise %.4f (copy included), view %.4f s\n",
                label, click, plain, read, normalise, view);
  } else {
    std::printf("%s: click %.3f s, ReadFile %.4f s\n", label, click, plain);
  }
  char part[64];
  std::snprintf(part, sizeof part, "open_%s=%.2f ", label, click / plain);
  return part;
}

// A click on a small file until painted, in ms, and where one such load goes; returns
// "open_<label>=<ms> ".
std::string TimeSmallOpen(TForm1& form, const std::string& folder, const std::string& name, const char* label) {
  constexpr int kSmallRuns = 21;
  const double click = MedianClick(form, name, kSmallRuns);

  const std::wstring path = Widen(folder + name);
  const TLeadByteTable lead{};
  std::string text;
  std::vector<double> read, mend, view, paint;
  HWND reader = form.ReadText->Handle();
  for (int r = 0; r <= kSmallRuns; ++r) {
    form.ReadText->Clear();
    UpdateWindow(reader);
    const double a = Seconds([&] { text = ReadAll(path); });
    const double b = Seconds([&] { NormalizeLineBreaks(text, lead); });
    const double c = Seconds([&] { form.ReadText->SetText(text); });
    InvalidateRect(reader, nullptr, TRUE);
    const double d = Seconds([&] { UpdateWindow(reader); });
    if (r == 0) continue;
    read.push_back(a);
    mend.push_back(b);
    view.push_back(c);
    paint.push_back(d);
  }
  form.ReadText->Clear();
  std::printf("%s: click until painted %.2f ms; one load: read %.3f, mend %.3f, hand to the view %.3f, first paint "
              "%.3f ms (medians of %d)\n",
              label, click * 1000, Median(read) * 1000, Median(mend) * 1000, Median(view) * 1000, Median(paint) * 1000,
              kSmallRuns);
  char part[64];
  std::snprintf(part, sizeof part, "open_%s=%.1f ", label, click * 1000);
  return part;
}

// Down in the file list through every file of a folder, each shown and painted; returns
// "step_small=<ms per step> ".
std::string TimeSteps(TForm1& form, const std::string& folder) {
  TDqFilelistView28& list = *form.BrowseFiles;
  list.SetDirectory(folder);
  UpdateWindow(form.Handle());
  if (list.Count() < 2) {
    std::fprintf(stderr, "bench_viewer: no files to step through in %s\n", folder.c_str());
    return "";
  }
  ClickEntry(list, list.Item(0).Caption);
  list.SetFocus();
  // A step's parts: the list moves its selection (key press), shows the file (the release
  // raises the click that loads it), then list and reader paint.
  std::vector<double> parts[4];
  const auto step = [&](WORD key) {
    const double times[4] = {Seconds([&] { SendMessageW(list.Handle(), WM_KEYDOWN, key, 1); }),
                             Seconds([&] { SendMessageW(list.Handle(), WM_KEYUP, key, 0xC0000001); }),
                             Seconds([&] { UpdateWindow(list.Handle()); }),
                             Seconds([&] { UpdateWindow(form.ReadText->Handle()); })};
    for (int p = 0; p < 4; ++p) parts[p].push_back(times[p]);
  };
  // Once down and up again unmeasured: the files are read once before.
  for (int i = 1; i < list.Count(); ++i) step(VK_DOWN);
  for (int i = 1; i < list.Count(); ++i) step(VK_UP);
  for (std::vector<double>& part : parts) part.clear();
  std::vector<double> steps;
  for (int i = 1; i < list.Count(); ++i) steps.push_back(Seconds([&] { step(VK_DOWN); }));
  double total = 0;
  for (double s : steps) total += s;
  const double mean = total / static_cast<double>(steps.size());
  std::printf("step_small: %zu steps, %.2f ms per step (median %.2f, slowest %.2f ms); medians of its parts: list "
              "moves %.2f, file shown %.2f, list paints %.2f, reader paints %.2f ms\n",
              steps.size(), mean * 1000, Median(steps) * 1000, *std::max_element(steps.begin(), steps.end()) * 1000,
              Median(parts[0]) * 1000, Median(parts[1]) * 1000, Median(parts[2]) * 1000, Median(parts[3]) * 1000);
  char part[64];
  std::snprintf(part, sizeof part, "step_small=%.1f ", mean * 1000);
  return part;
}

// Ctrl+End right after the click, word wrap on; returns "end_<label>_wrap=<ms> ".
std::string TimeEnd(TForm1& form, const std::string& name, const char* label, int runs) {
  std::vector<double> v;
  HWND view = form.ReadText->Handle();
  for (int r = 0; r < runs; ++r) {
    ClickEntry(*form.BrowseFiles, "small.txt");
    ClickEntry(*form.BrowseFiles, name);
    UpdateWindow(view);
    form.ReadText->SetFocus();
    BYTE saved[256], state[256];
    GetKeyboardState(saved);
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    v.push_back(Seconds([&] {
      SendMessageW(view, WM_KEYDOWN, VK_END, 1);
      UpdateWindow(view);
    }));
    SetKeyboardState(saved);
  }
  std::sort(v.begin(), v.end());
  const double ms = v[v.size() / 2] * 1000;
  std::printf("%s: Ctrl+End after the click, wrapped, %.0f ms (caret at %lld of %lld)\n", label, ms,
              static_cast<long long>(form.ReadText->SelStart()), static_cast<long long>(form.ReadText->TextLength()));
  ClickEntry(*form.BrowseFiles, "small.txt");
  char part[64];
  std::snprintf(part, sizeof part, "end_%s_wrap=%.0f ", label, ms);
  return part;
}

std::size_t PeakMb() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return pmc.PeakWorkingSetSize >> 20;
}

bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Started in `folder` until its first window is visible and the process waits for input.
double StartUntilIdle(const std::wstring& exe, const std::wstring& folder) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe + L"\"";
  const auto start = Clock::now();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    std::fprintf(stderr, "bench_viewer: cannot start %s\n", Narrow(exe).c_str());
    return 0;
  }
  WaitForInputIdle(pi.hProcess, 60000);
  // Until a window of the process is visible and has painted (its own and its children).
  HWND shown = nullptr;
  while (!shown && WaitForSingleObject(pi.hProcess, 2) == WAIT_TIMEOUT) shown = VisibleWindowOf(pi.dwProcessId);
  if (shown) UpdateWindow(shown);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return seconds;
}

std::string TimeStart(const std::wstring& scrivlet, const std::wstring& folder, const std::wstring& notepad) {
  std::vector<double> ours, theirs;
  for (int r = 0; r <= kRuns; ++r) {
    const double a = StartUntilIdle(scrivlet, folder);
    const double b = StartUntilIdle(notepad, folder);
    if (r == 0) continue;  // warm-up
    ours.push_back(a);
    theirs.push_back(b);
  }
  std::sort(ours.begin(), ours.end());
  std::sort(theirs.begin(), theirs.end());
  const double a = ours[ours.size() / 2], b = theirs[theirs.size() / 2];
  std::printf("start: scrivlet %.3f s, notepad %.3f s (medians of %d)\n", a, b, kRuns);
  char part[64];
  std::snprintf(part, sizeof part, "start=%.2f", a / b);
  return part;
}
}  // namespace

// A fresh window that opens one file: the process's peak is the click's. Then the same
// file clicked again, unchanged, and once more with a line added to it.
int PeakOfOpening(const std::string& folder, const std::string& name) {
  TApplication app;
  app.Initialize();
  SetCurrentDirectoryW(Widen(folder).c_str());
  TForm1* form = app.CreateForm<TForm1>();
  form->ShowMain(SW_SHOWNORMAL);
  form->BrowseFiles->SetDirectory(folder);
  app.ProcessMessages();
  const std::size_t empty = PeakMb();
  const auto click = [&] {
    ClickEntry(*form->BrowseFiles, name);
    UpdateWindow(form->ReadText->Handle());
    return PeakMb();
  };
  const std::size_t first = click();
  const std::size_t unchanged = click();
  const std::wstring path = Widen(folder + name);
  LARGE_INTEGER size{};
  {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    GetFileSizeEx(file.get(), &size);
    SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN);
    DWORD written = 0;
    WriteFile(file.get(), "one line more\r\n", 15, &written, nullptr);
  }
  const std::size_t changed = click();
  {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN);
    SetEndOfFile(file.get());
  }
  std::printf("peak_mb=%zu empty_mb=%zu unchanged_mb=%zu changed_mb=%zu\n", first, empty, unchanged, changed);
  return 0;
}

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wstring(argv[1]) == L"--peak") {
    std::string folder = Narrow(argv[2]);
    if (folder.back() != '\\') folder += '\\';
    return PeakOfOpening(folder, Narrow(argv[3]));
  }
  if (argc != 6) {
    std::fprintf(stderr, "usage: bench_viewer <open folder> <scrivlet.exe> <start folder> <notepad.exe> <steps folder>\n");
    return 2;
  }
  std::string folder = Narrow(argv[1]);
  if (folder.back() != '\\') folder += '\\';
  TApplication app;
  app.Initialize();
  app.SetTitle("Scrivlet");
  SetCurrentDirectoryW(Widen(folder).c_str());
  {
    // Where a start goes, part by part (the first part also pays for the shell's first use).
    TForm* bare = app.CreateForm<TForm>();
    TDqFilelistView28* list = nullptr;
    TDqDirTreeCombo28* combo = nullptr;
    const double listMade = Seconds([&] { list = TComponent::Create<TDqFilelistView28>(bare, bare); });
    const double comboMade = Seconds([&] { combo = TComponent::Create<TDqDirTreeCombo28>(bare, bare); });
    const double listed = Seconds([&] { list->SetDirectory(folder); });
    const double opened = Seconds([&] { combo->OpenPath(folder); });
    std::printf("start parts: file list made %.3f s, combo made %.3f s, folder listed %.3f s, combo opened at "
                "it %.3f s\n",
                listMade, comboMade, listed, opened);
    app.FreeComponent(bare);
  }
  TForm1* form = nullptr;
  const double created = Seconds([&] { form = app.CreateForm<TForm1>(); });
  const double shown = Seconds([&] { form->ShowMain(SW_SHOWNORMAL); });
  std::printf("window in a folder of 3 files: created %.3f s, shown and painted %.3f s\n", created, shown);
  form->BrowseFiles->SetDirectory(folder);
  app.ProcessMessages();

  std::string summary = TimeOpen(*form, folder, "open-1mb.txt", "1mb", kRuns);
  summary += TimeOpen(*form, folder, "open-10mb.txt", "10mb", kRuns);
  summary += TimeOpen(*form, folder, "open-100mb.txt", "100mb", 3);
  if (Exists(folder + "open-1gb.txt")) summary += TimeOpen(*form, folder, "open-1gb.txt", "1gb", 1);
  summary += TimeSmallOpen(*form, folder, "open-10kb.txt", "10kb");
  std::string steps = Narrow(argv[5]);
  if (steps.back() != '\\') steps += '\\';
  summary += TimeSteps(*form, steps);
  form->BrowseFiles->SetDirectory(folder);
  form->ReadText->SetWordWrap(true);
  summary += TimeEnd(*form, "open-10mb.txt", "10mb", 3);
  summary += TimeEnd(*form, "open-100mb.txt", "100mb", 1);
  summary += TimeStart(argv[2], argv[3], argv[4]);
  std::printf("%s\n", summary.c_str());
  return 0;
}
