// Times the viewer's own work under the platform, as ratios of medians in one run:
// - open_1mb, open_10mb: a click on a 1 MB and a 10 MB text file in the file list until
//   the reader has painted it, against a plain ReadFile of the same file; the steps of a
//   load (read, normalise, convert, hand to the edit control) are printed beside;
// - start: the viewer started in a folder of 1,000 text files until its window is visible
//   and painted, against the platform's Notepad started and measured the same way.
// Usage: bench_viewer <open folder> <scrivlet.exe> <start folder> <notepad.exe>; the last
// line reads "open_1mb=<r> open_10mb=<r> start=<r>".
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/LineBreaks.h"
#include "app/Unit1.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr int kRuns = 5;
using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& f) {
  const auto start = Clock::now();
  f();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The median of kRuns timings after one warm-up run.
double MedianOf(const std::function<void()>& f) {
  f();
  std::vector<double> v;
  for (int r = 0; r < kRuns; ++r) v.push_back(Seconds(f));
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
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

// Returns "open_<label>=<ratio> ".
std::string TimeOpen(TForm1& form, const std::string& folder, const std::string& name, const char* label,
                     bool detail) {
  const std::wstring path = Widen(folder + name);
  const double plain = MedianOf([&] { ReadAll(path); });
  // Each timed click follows a click on a small file, so the reader really shows the big one anew.
  std::vector<double> v;
  for (int r = 0; r <= kRuns; ++r) {
    ClickEntry(*form.BrowseFiles, "small.txt");
    const double t = Seconds([&] {
      ClickEntry(*form.BrowseFiles, name);
      UpdateWindow(form.ReadText->Handle());
    });
    if (r > 0) v.push_back(t);
  }
  std::sort(v.begin(), v.end());
  const double click = v[v.size() / 2];

  // Where the time goes: the load's steps one by one.
  std::string text;
  std::wstring wide;
  const TLeadByteTable lead{};
  const double read = MedianOf([&] { text = ReadAll(path); });
  const double normalise = MedianOf([&] {
    std::string copy = text;
    NormalizeLineBreaks(copy, lead);
  });
  NormalizeLineBreaks(text, lead);
  const double convert = MedianOf([&] { wide = AnsiToWide(text); });
  auto handToEdit = [&] {
    form.ReadText->Clear();
    form.ReadText->SetText(text);
  };
  const double edit = Seconds(handToEdit);
  std::printf("%s: click %.3f s, ReadFile %.4f s; steps: read %.4f, normalise %.4f (copy included), "
              "convert %.4f, edit control %.3f s\n",
              label, click, plain, read, normalise, convert, edit);
  if (!detail) {
    ClickEntry(*form.BrowseFiles, "small.txt");
  } else {
    // What the edit control's time depends on: wrapping, and the font it measures with.
    form.ReadText->SetWordWrap(false);
    const double unwrapped = Seconds(handToEdit);
    form.ReadText->SetWordWrap(true);
    const TFont designed = form.ReadText->Font();
    TFont tahoma = designed;
    tahoma.Name = "Tahoma";
    form.ReadText->SetFont(tahoma);
    const double trueType = Seconds(handToEdit);
    form.ReadText->SetFont(designed);
    ClickEntry(*form.BrowseFiles, "small.txt");
    std::printf("%s: edit control without wrapping %.3f s, with a TrueType font (Tahoma) %.3f s\n", label,
                unwrapped, trueType);
  }
  char part[64];
  std::snprintf(part, sizeof part, "open_%s=%.2f ", label, click / plain);
  return part;
}

HWND VisibleWindowOf(DWORD processId) {
  struct Search {
    DWORD Id;
    HWND Found;
  } search{processId, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->Id || !IsWindowVisible(hwnd)) return TRUE;
        s->Found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

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

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: bench_viewer <open folder> <scrivlet.exe> <start folder> <notepad.exe>\n");
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

  std::string summary = TimeOpen(*form, folder, "open-1mb.txt", "1mb", true);
  summary += TimeOpen(*form, folder, "open-10mb.txt", "10mb", false);
  summary += TimeStart(argv[2], argv[3], argv[4]);
  std::printf("%s\n", summary.c_str());
  return 0;
}
