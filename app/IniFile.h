#pragma once
// One section of a settings file, through the platform's profile functions: they
// find a bare name in the Windows directory, keep other keys and sections, and
// write text in the system code page with CR LF line ends.
#include <string>

class TIniFile {
 public:
  // `path` is what the profile functions are given; `displayName` names the file in messages.
  TIniFile(std::wstring path, std::string section, std::string displayName);

  // The value without surrounding blanks and one pair of enclosing quotes; at most
  // 2047 characters of it are seen. A missing key gives `fallback`.
  std::string ReadString(const std::string& key, const std::string& fallback) const;
  // False when the file is there but cannot be read (another program holds it
  // exclusively, or access is refused): its reads would give the fallbacks. A missing
  // file reads as an empty one.
  bool CanRead() const;
  // Replaces the key's line, or appends it to the section. Raises "Unable to write to %s".
  void WriteString(const std::string& key, const std::string& value) const;

 private:
  std::wstring path_;
  std::wstring section_;
  std::string displayName_;
};
