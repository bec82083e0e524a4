#pragma once
// The date column's text of a file.
#include <windows.h>

#include <string>

// The file time in local time, formatted with "<datePattern> <timePattern>" and
// the toolkit's format settings. Empty when the time cannot be converted.
std::string FileTimeToText(const FILETIME& utc, const std::string& datePattern, const std::string& timePattern);
