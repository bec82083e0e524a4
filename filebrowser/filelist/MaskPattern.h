#pragma once
// One part of a file list mask, matched against the entries of a single scan of the
// folder in place of a search of its own.
//
// The platform's folder search matches a pattern against an entry's long name and,
// where the file system keeps one, its short (8.3) name, without regard to case; its
// `*` and `?` treat "." in ways that differ between patterns. Only the shapes whose
// outcome is certain are decided here:
//   ""          nothing (the search of the bare folder finds no entry);
//   "*", "*.*"  every entry;
//   "L*"        names beginning with L;
//   "L*.E"      names beginning with L and ending in "." followed by E,
// where L and E are plain ASCII without dots, wildcards, separators or the platform's
// other wildcard characters, and E has no blank. Every other part (a "?", a dot before
// the star, a trailing blank or dot, a name without wildcards, any non-ASCII character)
// is left to the platform's own search.
#include <string>
#include <string_view>

enum class TNameMatch { No, Yes, Unsure };

class TMaskPattern {
 public:
  // `part` is one mask part as the listing takes it (UTF-8, not trimmed).
  explicit TMaskPattern(std::string_view part);

  // False when only the platform's search can tell which entries the part finds.
  bool Decided() const { return shape_ != TShape::Undecided; }
  // For a decided part: whether the search finds the entry with these names (the short
  // name empty when the entry has none). Unsure when a letter of the name might equal
  // the pattern's only by a case rule of the platform's that is not known here.
  TNameMatch Match(std::wstring_view longName, std::wstring_view shortName) const;

 private:
  enum class TShape { Undecided, Nothing, Everything, Prefix, PrefixExtension };
  TNameMatch MatchOne(std::wstring_view name) const;

  TShape shape_ = TShape::Undecided;
  std::string head_;  // L
  std::string tail_;  // "." followed by E, for PrefixExtension
};
