#include "app/LineBreaks.h"

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
}  // namespace

std::size_t CountLoneBreaks(std::string_view text, const TLeadByteTable& lead) {
  std::size_t count = 0;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (lead[c]) {
      ++i;  // the trail byte belongs to this character
      continue;
    }
    if (c == CR) {
      if (i + 1 < n && text[i + 1] == LF) ++i;
      else ++count;
    } else if (c == LF) {
      ++count;
    }
  }
  return count;
}

bool NormalizeLineBreaks(std::string& text, const TLeadByteTable& lead) {
  const std::size_t lone = CountLoneBreaks(text, lead);
  if (lone == 0) return false;
  std::string out;
  out.reserve(text.size() + lone);
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (lead[static_cast<unsigned char>(c)]) {
      out += c;
      if (i + 1 < n) out += text[++i];
      continue;
    }
    if (c == CR) {
      out += CR;
      out += LF;
      if (i + 1 < n && text[i + 1] == LF) ++i;
    } else if (c == LF) {
      out += CR;
      out += LF;
    } else {
      out += c;
    }
  }
  text.swap(out);
  return true;
}

void CutAtFirstZero(std::string& text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
}
