#include "filebrowser/folders/DirTreeRules.h"

#include "toolkit/AsciiText.h"

bool IsDrivesToken(std::string_view path) { return SameTextAscii(path, kDrivesToken); }

std::string DriveSegment(std::string_view caption) {
  if (caption.size() < 4) return "\\";
  return std::string(caption.substr(2, 2)) + "\\";
}

std::string NodePath(const std::vector<std::string>& captions) {
  std::string path;
  for (std::size_t level = 1; level < captions.size(); ++level) {
    if (level == 1) {
      path = DriveSegment(captions[level]);
      continue;
    }
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += captions[level];
  }
  return path.empty() ? kDrivesToken : path;
}

bool SplitFirstSegment(std::string& rest, std::string& segment) {
  const std::size_t slash = rest.find('\\');
  if (slash == std::string::npos) return false;
  segment = rest.substr(0, slash + 1);
  rest.erase(0, slash + 1);
  return true;
}

std::string DriveCaption(char letter, std::string_view displayName) {
  const std::size_t paren = displayName.find('(');
  std::string caption = " (";
  caption += letter;
  caption += ":)  ";
  if (paren != std::string_view::npos) caption.append(displayName.substr(0, paren));
  return caption;
}
