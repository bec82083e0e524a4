#include "app/IniFile.h"

#include <windows.h>

#include "toolkit/Exception.h"
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

void TIniFile::WriteString(const std::string& key, const std::string& value) const {
  if (!WritePrivateProfileStringW(section_.c_str(), Widen(key).c_str(), Widen(value).c_str(), path_.c_str()))
    throw Exception("Unable to write to " + displayName_);
}
