#pragma once
// Case and blank rules that look at ASCII only: what the platform's keywords, format
// letters, drive letters and the "Drives" token need, whatever else a text holds.
#include <string>
#include <string_view>

char UpperAscii(char c);
// a to z become A to Z; every other byte stays.
std::string UpperAscii(std::string_view text);
// Equal when a to z and A to Z are taken as the same.
bool SameTextAscii(std::string_view a, std::string_view b);
// Without blanks and control characters at either end.
std::string_view TrimBlanks(std::string_view text);
