// The file list's mask: split into parts, and each part the one-scan listing
// decides matched against names, in agreement with a plain, slow wildcard
// matcher written from the same rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/MaskPattern.h"
#include "fuzz/FuzzCheck.h"

namespace {
TNameMatch Either(TNameMatch a, TNameMatch b) {
  if (a == TNameMatch::Yes || b == TNameMatch::Yes) return TNameMatch::Yes;
  return a == TNameMatch::Unsure || b == TNameMatch::Unsure ? TNameMatch::Unsure : TNameMatch::No;
}

TNameMatch AndThen(TNameMatch a, TNameMatch b) {
  if (a == TNameMatch::No || b == TNameMatch::No) return TNameMatch::No;
  return a == TNameMatch::Unsure || b == TNameMatch::Unsure ? TNameMatch::Unsure : TNameMatch::Yes;
}

// A letter against a pattern letter: ASCII without regard to case; the three letters
// outside ASCII whose case partner is an ASCII letter are not certain.
TNameMatch Letter(wchar_t n, char p) {
  const auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; };
  if (fold(n) == fold(static_cast<unsigned char>(p))) return TNameMatch::Yes;
  const wchar_t up = fold(static_cast<unsigned char>(p));
  if ((n == 0x0131 && up == L'I') || (n == 0x017F && up == L'S') || (n == 0x212A && up == L'K'))
    return TNameMatch::Unsure;
  return TNameMatch::No;
}

// "*" stands for any run of characters, every other character for itself; every way
// of matching is tried.
TNameMatch Glob(std::string_view pattern, std::wstring_view name) {
  if (pattern.empty()) return name.empty() ? TNameMatch::Yes : TNameMatch::No;
  if (pattern.front() == '*') {
    TNameMatch any = TNameMatch::No;
    for (std::size_t k = 0; k <= name.size(); ++k) any = Either(any, Glob(pattern.substr(1), name.substr(k)));
    return any;
  }
  if (name.empty()) return TNameMatch::No;
  return AndThen(Letter(name.front(), pattern.front()), Glob(pattern.substr(1), name.substr(1)));
}

TNameMatch Reference(std::string_view part, std::wstring_view name) {
  if (part.empty()) return TNameMatch::No;
  if (part == "*" || part == "*.*") return TNameMatch::Yes;
  return Glob(part, name);
}

std::wstring Name(FuzzedDataProvider& input) {
  std::wstring name;
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 24);
  // Mostly ASCII, with the letters whose case partner is ASCII now and then.
  static constexpr wchar_t kOdd[] = {0x0131, 0x017F, 0x212A, 0x00E9, 0x0130};
  for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
    const auto byte = input.ConsumeIntegral<std::uint8_t>();
    name.push_back(byte >= 0xF0 ? kOdd[byte % 5] : static_cast<wchar_t>(byte & 0x7F));
  }
  return name;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string mask = input.ConsumeRandomLengthString(64);
  const std::wstring longName = Name(input);
  const std::wstring shortName = Name(input);

  // The parts, joined again with ";", are the trimmed mask.
  std::string rest = TrimMaskBlanks(mask);
  const std::string trimmed = rest;
  Check(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
  std::string joined;
  bool first = true;
  while (true) {
    const std::string part = NextMaskPart(rest);
    Check(part.find(';') == std::string::npos);
    joined += (first ? "" : ";") + part;
    first = false;

    const TMaskPattern pattern(part);
    if (pattern.Decided()) {
      Check(part == "*.*" || (std::count(part.begin(), part.end(), '*') <= 1 && part.find('?') == std::string::npos));
      const TNameMatch expected = shortName.empty()
                                      ? Reference(part, longName)
                                      : Either(Reference(part, longName), Reference(part, shortName));
      Check(pattern.Match(longName, shortName) == expected);
    }
    if (rest.empty()) break;
  }
  Check(joined == trimmed || joined + ";" == trimmed);
  return 0;
}
