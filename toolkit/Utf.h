#pragma once
// Conversions at the platform boundary: UTF-8 inside the program, UTF-16 for
// every W call, and the system code page where bytes are shown as 8-bit text.
//
// Widen and Narrow round-trip every wide string, also one that is not valid UTF-16:
// a file name may hold a surrogate without its partner, and such a file must stay
// reachable. A lone surrogate is written as the three bytes its code point would take
// (never produced by valid text); valid text converts exactly as UTF-8.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
// Widen, appended to `out`; stops once `out` holds `limit` units or more.
void AppendWiden(std::string_view utf8, std::wstring& out, std::size_t limit = std::wstring::npos);
std::string Narrow(std::wstring_view wide);
// Narrow, appended to `out` (reusing its storage).
void AppendNarrow(std::wstring_view wide, std::string& out);
// Bytes of the system code page (CP_ACP) as UTF-16, byte for byte as the platform maps them.
// Raises std::length_error for more bytes than the platform converts in one call, and
// std::range_error when the platform converts non-empty text to nothing.
std::wstring AnsiToWide(std::string_view bytes);
