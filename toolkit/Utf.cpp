#include "toolkit/Utf.h"

#include <climits>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

void PutUnit(std::wstring& out, char32_t unit) { out.push_back(static_cast<wchar_t>(unit)); }

// One code point as UTF-16 units (a lone surrogate stays one unit).
void PutCodePoint(std::wstring& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    PutUnit(out, 0xD800 + (cp >> 10));
    PutUnit(out, 0xDC00 + (cp & 0x3FF));
  } else {
    PutUnit(out, cp);
  }
}

// The range the second byte of a sequence may take after `lead`; surrogates (ED A0..BF)
// are admitted so that what Narrow wrote comes back.
bool SecondByteFits(unsigned char lead, unsigned char b) {
  switch (lead) {
    case 0xE0: return b >= 0xA0 && b <= 0xBF;
    case 0xF0: return b >= 0x90 && b <= 0xBF;
    case 0xF4: return b >= 0x80 && b <= 0x8F;
    default: return IsContinuation(b);
  }
}

void PutUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}
}  // namespace

std::wstring Widen(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  AppendWiden(utf8, out);
  return out;
}

void AppendWiden(std::string_view utf8, std::wstring& out, std::size_t limit) {
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n && out.size() < limit) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      PutUnit(out, lead);
      ++i;
      continue;
    }
    const int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                                   : 0;
    // An invalid byte, or the longest valid start of a cut sequence, stands for one U+FFFD.
    std::size_t taken = 1;
    bool complete = length > 0 && i + 1 < n && SecondByteFits(lead, static_cast<unsigned char>(utf8[i + 1]));
    if (complete) {
      taken = 2;
      while (taken < static_cast<std::size_t>(length) && i + taken < n &&
             IsContinuation(static_cast<unsigned char>(utf8[i + taken])))
        ++taken;
      complete = taken == static_cast<std::size_t>(length);
    }
    if (!complete) {
      PutUnit(out, kReplacement);
      i += taken;
      continue;
    }
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t k = 1; k < taken; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    PutCodePoint(out, cp);
    i += taken;
  }
}

void AppendNarrow(std::wstring_view wide, std::string& out) {
  const std::size_t n = wide.size();
  for (std::size_t i = 0; i < n; ++i) {
    char32_t unit = static_cast<char32_t>(wide[i]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < n) {
      const char32_t next = static_cast<char32_t>(wide[i + 1]);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
        ++i;
      }
    }
    if (unit > 0x10FFFF) unit = kReplacement;  // a 32-bit wchar_t holding no code point
    PutUtf8(out, unit);
  }
}

std::string Narrow(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  AppendNarrow(wide, out);
  return out;
}

#ifdef _WIN32
std::wstring AnsiToWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) throw std::length_error("Text too long to convert");
  const int size = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (n <= 0) throw std::range_error("Text cannot be converted");
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, out.data(), n) != n)
    throw std::range_error("Text cannot be converted");
  return out;
}
#endif
