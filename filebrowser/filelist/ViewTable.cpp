#include "filebrowser/filelist/ViewTable.h"

#include "filebrowser/shell/PathRules.h"

namespace {
struct TViewEntry {
  std::string_view ext;
  const char* program;
};

// In this order: the first fourteen are also what can be sent as contents.
constexpr TViewEntry kViewTable[] = {
    {".C", "NotePad.exe"},   {".CPP", "NotePad.exe"}, {".DPK", "NotePad.exe"}, {".DPR", "NotePad.exe"},
    {".H", "NotePad.exe"},   {".INF", "NotePad.exe"}, {".INI", "NotePad.exe"}, {".PAS", "NotePad.exe"},
    {".PRG", "NotePad.exe"}, {".TXT", "NotePad.exe"}, {".DOC", "Write.exe"},   {".RTF", "Write.exe"},
    {".WRI", "Write.exe"},   {".BMP", "PBrush.exe"},  {".GIF", "PBrush.exe"},  {".JPG", "PBrush.exe"},
};
constexpr std::size_t kContentsEntries = 14;
}  // namespace

const char* ViewProgramFor(std::string_view upperExt) {
  for (const TViewEntry& entry : kViewTable)
    if (entry.ext == upperExt) return entry.program;
  return nullptr;
}

bool CanSendContents(std::string_view upperExt) {
  for (std::size_t i = 0; i < kContentsEntries; ++i)
    if (kViewTable[i].ext == upperExt) return true;
  return upperExt == ".RTF" || upperExt == ".WMF";
}

std::string UpperExt(std::string_view path) {
  std::string ext = ExtractFileExt(path);
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return ext;
}
