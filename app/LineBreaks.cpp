#include "app/LineBreaks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';

bool HasLeadBytes(const TLeadByteTable& lead) {
  return std::any_of(lead.begin(), lead.end(), [](bool b) { return b; });
}

// The first CR or LF from p on, or end. Eight bytes at a time: most of a text has none.
const char* FindBreak(const char* p, const char* end) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  while (end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    const std::uint64_t cr = word ^ (kOnes * 0x0D), lf = word ^ (kOnes * 0x0A);
    // A byte of zero in either means a CR or an LF in this word.
    if ((((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighs) break;
    p += 8;
  }
  while (p < end && *p != CR && *p != LF) ++p;
  return p;
}

// Single-byte code pages: the breaks are found a word at a time.
TPieceScan ScanSingleByte(std::string_view piece, bool last) {
  TPieceScan scan;
  const char* const begin = piece.data();
  const char* const end = begin + piece.size();
  for (const char* p = FindBreak(begin, end); p < end; p = FindBreak(p, end)) {
    if (*p == CR) {
      if (p + 1 < end) {
        if (p[1] == LF) ++p;
        else ++scan.lone;
      } else if (last) {
        ++scan.lone;
      } else {
        scan.complete = static_cast<std::size_t>(p - begin);  // an LF may follow in the next piece
        return scan;
      }
    } else {
      ++scan.lone;
    }
    ++p;
  }
  scan.complete = piece.size();
  return scan;
}

std::size_t NormalizeSingleByte(std::string_view text, std::size_t& from, char* out, std::size_t room) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin + from;
  std::size_t w = 0;
  while (p < end) {
    const char* brk = FindBreak(p, end);
    const std::size_t run = std::min(static_cast<std::size_t>(brk - p), room - w);
    std::memcpy(out + w, p, run);
    w += run;
    p += run;
    if (p != brk || p == end || room - w < 2) break;
    out[w++] = CR;
    out[w++] = LF;
    p += (*p == CR && p + 1 < end && p[1] == LF) ? 2 : 1;
  }
  from = static_cast<std::size_t>(p - begin);
  return w;
}
}  // namespace

TPieceScan ScanPiece(std::string_view piece, const TLeadByteTable& lead, bool last) {
  if (!HasLeadBytes(lead)) return ScanSingleByte(piece, last);
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
  if (!HasLeadBytes(lead)) return NormalizeSingleByte(text, from, out, room);
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
