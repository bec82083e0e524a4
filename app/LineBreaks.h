#pragma once
// Line-break normalisation of the reader: every line ends in CR LF.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Lead bytes of a double-byte code page; all false for a single-byte one.
using TLeadByteTable = std::array<bool, 256>;

// Counts the CR bytes not followed by LF and the LF bytes not preceded by CR.
// After a lead byte the next byte is part of the same character and never a break.
std::size_t CountLoneBreaks(std::string_view text, const TLeadByteTable& lead);

// A text read in pieces: how much of a piece can be taken now, and its lone breaks.
// Unless the piece is the last, a CR at its end waits for the LF that may open the
// next piece, and a lead byte at its end for its trail byte.
struct TPieceScan {
  std::size_t complete = 0;  // bytes from the start that can be taken
  std::size_t lone = 0;      // lone CR and LF bytes among them
};
TPieceScan ScanPiece(std::string_view piece, const TLeadByteTable& lead, bool last);

// Copies text from `from` on into `out` (room for `room` bytes, at least 2) with every
// lone CR and lone LF made CR LF, until the text or the room ends; advances `from` and
// returns the bytes written. A text with breaks to mend is copied once, in blocks.
std::size_t NormalizeInto(std::string_view text, std::size_t& from, const TLeadByteTable& lead, char* out,
                          std::size_t room);

// Turns every lone CR and every lone LF into CR LF. Costs one counting pass, and
// one copying pass only when there is something to change. Returns true when it changed the text.
bool NormalizeLineBreaks(std::string& text, const TLeadByteTable& lead);

// The reader shows what comes before the first zero byte; cuts the text there.
void CutAtFirstZero(std::string& text);
