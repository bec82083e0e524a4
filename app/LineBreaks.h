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

// Turns every lone CR and every lone LF into CR LF. Costs one counting pass, and
// one copying pass only when there is something to change. Returns true when it changed the text.
bool NormalizeLineBreaks(std::string& text, const TLeadByteTable& lead);

// The reader shows what comes before the first zero byte; cuts the text there.
void CutAtFirstZero(std::string& text);
