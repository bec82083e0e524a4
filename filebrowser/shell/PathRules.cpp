#include "filebrowser/shell/PathRules.h"

#include <utility>

#include "toolkit/AsciiText.h"

namespace {

bool EndsWithBackslash(const std::string& path) { return !path.empty() && path.back() == '\\'; }

std::size_t NameStart(std::string_view path) {
  const std::size_t sep = path.find_last_of("\\:");
  return sep == std::string_view::npos ? 0 : sep + 1;
}

// Length of the UTF-8 sequence at `pos`; a stray or cut byte counts as one character.
std::size_t CharLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t expected = 1;
  if ((lead & 0xE0) == 0xC0) {
    expected = 2;
  } else if ((lead & 0xF0) == 0xE0) {
    expected = 3;
  } else if ((lead & 0xF8) == 0xF0) {
    expected = 4;
  }
  std::size_t len = 1;
  while (len < expected && pos + len < text.size() &&
         (static_cast<unsigned char>(text[pos + len]) & 0xC0) == 0x80) {
    ++len;
  }
  return len;
}

bool SetHasChar(std::string_view set, std::string_view ch) {
  for (std::size_t k = 0; k < set.size();) {
    const std::size_t len = CharLength(set, k);
    if (set.substr(k, len) == ch) return true;
    k += len;
  }
  return false;
}

}  // namespace

void EnsureTrailingBackslash(const std::string& path, std::string& out) {
  if (path.empty()) return;
  std::string result = path;
  if (!EndsWithBackslash(result)) result += '\\';
  out = std::move(result);
}

std::string WithTrailingBackslash(std::string path) {
  if (!path.empty() && !EndsWithBackslash(path)) path += '\\';
  return path;
}

std::string StripTrailingBackslash(std::string path) {
  if (EndsWithBackslash(path)) path.pop_back();
  return path;
}

void CombinePath(const std::string& folder, const std::string& name, std::string& out) {
  if (folder.empty() || name.empty()) return;
  std::string result = WithTrailingBackslash(folder);
  result += name;
  out = std::move(result);
}

std::string AppendListTerminator(std::string text) {
  if (!text.empty() && text.back() != '\0') text += '\0';
  return text;
}

bool ContainsAnyChar(std::string_view text, std::string_view set) {
  for (std::size_t k = 0; k < text.size();) {
    const std::size_t len = CharLength(text, k);
    if (SetHasChar(set, text.substr(k, len))) return true;
    k += len;
  }
  return false;
}

std::string SizeToKBText(std::string_view kind, std::int64_t size) {
  if (SameTextAscii(kind, "DIR")) return " ";
  // Every non-empty file shows at least 1 KB; an empty one 0 KB.
  if (size > 0 && size < 1024) size = 1024;
  return std::to_string(size / 1024) + " KB";
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(NameStart(path)));
}

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, NameStart(path)));
}

std::string ExtractFileExt(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string FileNameWithoutExt(std::string_view path) {
  std::string name = ExtractFileName(path);
  // The extension is cut where it stands, at the end: "x.gz.tar.gz" gives "x.gz.tar".
  name.resize(name.size() - ExtractFileExt(name).size());
  return name;
}
