#pragma once
// Which platform program shows a file of each extension, and which files can be put
// on the clipboard as contents. Extensions are compared exactly, dot included, after
// the caller upper-cased them.
#include <string>
#include <string_view>

// "NotePad.exe", "Write.exe" or "PBrush.exe"; null for any other extension.
const char* ViewProgramFor(std::string_view upperExt);
// Text and rich text the hidden editor can load, or a picture (.BMP, .WMF).
bool CanSendContents(std::string_view upperExt);
// The extension of a path ("" without a dot), ASCII letters upper-cased.
std::string UpperExt(std::string_view path);
