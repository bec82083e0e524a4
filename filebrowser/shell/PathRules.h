#pragma once
// Path and path-list rules shared by the file list and the trees. Paths are UTF-8;
// the separators "\" and ":" are ASCII, so the rules work on bytes.
#include <cstdint>
#include <string>
#include <string_view>

// A non-empty path gets a "\" appended unless it ends in one. An empty path leaves
// `out` as it was. `out` may be the same object as `path`.
void EnsureTrailingBackslash(const std::string& path, std::string& out);
// The same rule as a value: an empty path stays empty.
std::string WithTrailingBackslash(std::string path);
// Without its last character when that is "\" ("C:\" becomes "C:").
std::string StripTrailingBackslash(std::string path);
// `folder` with a trailing "\" ensured, then `name`; when either is empty `out` is left
// as it was. `out` may be the same object as either argument.
void CombinePath(const std::string& folder, const std::string& name, std::string& out);

// Appends one NUL unless the text is empty or already ends in NUL. Texts passed through
// this and concatenated form a path list once the last one's NUL is followed by another.
std::string AppendListTerminator(std::string text);

// True when a character of `text` occurs in `set`. Characters are whole UTF-8 sequences,
// so a multi-byte character never matches by one of its bytes.
bool ContainsAnyChar(std::string_view text, std::string_view set);

// Whole kilobytes and " KB"; sizes from 1 to 1023 bytes count as 1 KB. The kind "dir"
// (any case) gives a single space.
std::string SizeToKBText(std::string_view kind, std::int64_t size);

// The text after the last "\" or ":" (the whole path when it has neither).
std::string ExtractFileName(std::string_view path);
// The text up to and including the last "\" or ":" (empty when it has neither).
std::string ExtractFilePath(std::string_view path);
// The text from the last "." of the file name to its end, dot included; empty when the
// name has no dot.
std::string ExtractFileExt(std::string_view path);
// The file name without its extension: "a.txt.txt" gives "a.txt", ".profile" gives "".
std::string FileNameWithoutExt(std::string_view path);
