#include "filebrowser/filelist/MaskPattern.h"

namespace {

// A character that stands for itself in every search: printable ASCII other than the
// wildcards, the dot (whose meaning next to a star varies), the characters the platform
// reads as wildcards of its own and the path separators.
bool Plain(char c) {
  if (c < 0x20 || c > 0x7E) return false;
  for (char special : std::string_view("*?.<>\"\\/:|"))
    if (c == special) return false;
  return true;
}

bool AllPlain(std::string_view text, bool blanks) {
  for (char c : text)
    if (!Plain(c) || (!blanks && c == ' ')) return false;
  return true;
}

char UpperAscii(wchar_t c) {
  return static_cast<char>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c);
}

// One character of a name against one of the pattern, without regard to case.
TNameMatch SameLetter(wchar_t n, char p) {
  const char up = UpperAscii(static_cast<wchar_t>(p));
  if (n < 0x80) return UpperAscii(n) == up ? TNameMatch::Yes : TNameMatch::No;
  // Letters outside ASCII whose case partner is an ASCII letter (dotless i, long s,
  // Kelvin sign): whether the platform's case table pairs them is not certain.
  if ((n == 0x0131 && up == 'I') || (n == 0x017F && up == 'S') || (n == 0x212A && up == 'K'))
    return TNameMatch::Unsure;
  return TNameMatch::No;
}

TNameMatch SameText(std::wstring_view name, std::string_view pattern) {
  TNameMatch result = TNameMatch::Yes;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const TNameMatch one = SameLetter(name[i], pattern[i]);
    if (one == TNameMatch::No) return TNameMatch::No;
    if (one == TNameMatch::Unsure) result = TNameMatch::Unsure;
  }
  return result;
}

TNameMatch Both(TNameMatch a, TNameMatch b) {
  if (a == TNameMatch::No || b == TNameMatch::No) return TNameMatch::No;
  return a == TNameMatch::Unsure || b == TNameMatch::Unsure ? TNameMatch::Unsure : TNameMatch::Yes;
}

}  // namespace

TMaskPattern::TMaskPattern(std::string_view part) {
  if (part.empty()) {
    shape_ = TShape::Nothing;
    return;
  }
  if (part == "*" || part == "*.*") {
    shape_ = TShape::Everything;
    return;
  }
  const std::size_t star = part.find('*');
  if (star == std::string_view::npos) return;
  const std::string_view head = part.substr(0, star);
  const std::string_view rest = part.substr(star + 1);
  if (!AllPlain(head, true)) return;
  if (rest.empty()) {
    shape_ = TShape::Prefix;
  } else if (rest.size() > 1 && rest[0] == '.' && AllPlain(rest.substr(1), false)) {
    shape_ = TShape::PrefixExtension;
    tail_ = std::string(rest);
  } else {
    return;
  }
  head_ = std::string(head);
}

TNameMatch TMaskPattern::MatchOne(std::wstring_view name) const {
  switch (shape_) {
    case TShape::Undecided:
    case TShape::Nothing: return TNameMatch::No;
    case TShape::Everything: return TNameMatch::Yes;
    case TShape::Prefix:
      if (name.size() < head_.size()) return TNameMatch::No;
      return SameText(name, head_);
    case TShape::PrefixExtension:
      if (name.size() < head_.size() + tail_.size()) return TNameMatch::No;
      return Both(SameText(name.substr(name.size() - tail_.size()), tail_), SameText(name, head_));
  }
  return TNameMatch::No;
}

TNameMatch TMaskPattern::Match(std::wstring_view longName, std::wstring_view shortName) const {
  const TNameMatch byLong = MatchOne(longName);
  if (byLong == TNameMatch::Yes || shortName.empty()) return byLong;
  const TNameMatch byShort = MatchOne(shortName);
  if (byShort == TNameMatch::Yes) return TNameMatch::Yes;
  return byLong == TNameMatch::Unsure || byShort == TNameMatch::Unsure ? TNameMatch::Unsure : TNameMatch::No;
}
