#include "app/LineBreaks.h"

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
}  // namespace

TPieceScan ScanPiece(std::string_view piece, const TLeadByteTable& lead, bool last) {
  TPieceScan scan;
  const std::size_t n = piece.size();
  std::size_t i = 0;
  for (; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(piece[i]);
    if (lead[c]) {
      if (i + 1 == n && !last) break;  // the trail byte is in the next piece
      ++i;  // the trail byte belongs to this character
      continue;
    }
    if (c == CR) {
      if (i + 1 < n) {
        if (piece[i + 1] == LF) ++i;
        else ++scan.lone;
      } else if (last) {
        ++scan.lone;
      } else {
        break;  // an LF may follow in the next piece
      }
    } else if (c == LF) {
      ++scan.lone;
    }
  }
  scan.complete = i < n ? i : n;
  return scan;
}

std::size_t CountLoneBreaks(std::string_view text, const TLeadByteTable& lead) {
  return ScanPiece(text, lead, true).lone;
}

std::size_t NormalizeInto(std::string_view text, std::size_t& from, const TLeadByteTable& lead, char* out,
                          std::size_t room) {
  const std::size_t n = text.size();
  std::size_t i = from, w = 0;
  while (i < n) {
    const char c = text[i];
    if (lead[static_cast<unsigned char>(c)]) {
      const std::size_t len = i + 1 < n ? 2 : 1;
      if (room - w < len) break;
      out[w++] = c;
      if (len == 2) out[w++] = text[i + 1];
      i += len;
    } else if (c == CR || c == LF) {
      if (room - w < 2) break;
      out[w++] = CR;
      out[w++] = LF;
      i += (c == CR && i + 1 < n && text[i + 1] == LF) ? 2 : 1;
    } else {
      if (w == room) break;
      out[w++] = c;
      ++i;
    }
  }
  from = i;
  return w;
}

bool NormalizeLineBreaks(std::string& text, const TLeadByteTable& lead) {
  const std::size_t lone = CountLoneBreaks(text, lead);
  if (lone == 0) return false;
  std::string out(text.size() + lone, '\0');
  std::size_t from = 0;
  const std::size_t written = NormalizeInto(text, from, lead, out.data(), out.size());
  out.resize(written);
  text.swap(out);
  return true;
}

void CutAtFirstZero(std::string& text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
}
