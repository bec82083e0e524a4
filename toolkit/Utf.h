#pragma once
// Conversions at the platform boundary: UTF-8 inside the program, UTF-16 for
// every W call, and the system code page where bytes are shown as 8-bit text.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Bytes of the system code page (CP_ACP) as UTF-16, byte for byte as the platform maps them.
std::wstring AnsiToWide(std::string_view bytes);
