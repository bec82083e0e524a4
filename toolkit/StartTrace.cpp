#include "toolkit/StartTrace.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "toolkit/Handles.h"

namespace {
std::wstring TraceFile() {
  const DWORD size = GetEnvironmentVariableW(L"SCRIVLET_START_TRACE", nullptr, 0);
  if (size == 0) return {};
  std::wstring file(size, L'\0');
  file.resize(GetEnvironmentVariableW(L"SCRIVLET_START_TRACE", file.data(), size));
  return file;
}

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

// Milliseconds since the process was created, on the clock the creation time is given in.
double SinceCreation() {
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  return static_cast<double>(Ticks(now) - Ticks(created)) / 1e4;
}
}  // namespace

TStartTrace::TStartTrace() : TStartTrace(TraceFile()) {}

TStartTrace::TStartTrace(std::wstring file) : file_(std::move(file)) {}

void TStartTrace::Note(const char* phase) { marks_.emplace_back(phase, SinceCreation()); }

void TStartTrace::Finish() {
  if (!Pending()) return;
  Note("idle");
  std::string text;
  for (const auto& [phase, ms] : marks_) {
    char line[96];
    std::snprintf(line, sizeof line, "%s %.2f\n", phase, ms);
    text += line;
  }
  // Appended: a reader may collect several starts in one file.
  const UniqueFile file(CreateFileW(file_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  file_.clear();
  marks_.clear();
}
