#include "app/IniFile.h"

#include <windows.h>

#include "toolkit/Exception.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr DWORD kReadBufferSize = 2048;
}  // namespace

TIniFile::TIniFile(std::wstring path, std::string section, std::string displayName)
    : path_(std::move(path)), section_(Widen(section)), displayName_(std::move(displayName)) {}

std::string TIniFile::ReadString(const std::string& key, const std::string& fallback) const {
  wchar_t buffer[kReadBufferSize];
  const DWORD length = GetPrivateProfileStringW(section_.c_str(), Widen(key).c_str(), Widen(fallback).c_str(),
                                                buffer, kReadBufferSize, path_.c_str());
  return Narrow(std::wstring_view(buffer, length));
}

bool TIniFile::CanRead() const {
  const UniqueFile file(CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

void TIniFile::WriteString(const std::string& key, const std::string& value) const {
  if (!WritePrivateProfileStringW(section_.c_str(), Widen(key).c_str(), Widen(value).c_str(), path_.c_str()))
    throw Exception("Unable to write to " + displayName_);
}
