#include "filebrowser/shell/FileTimeText.h"

#include "toolkit/DateTimeFormat.h"
#include "toolkit/Locale.h"

std::string FileTimeToText(const FILETIME& utc, const std::string& datePattern, const std::string& timePattern) {
  FILETIME local{};
  SYSTEMTIME st{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return {};
  TDateTimeParts parts;
  parts.Year = st.wYear;
  parts.Month = st.wMonth;
  parts.Day = st.wDay;
  parts.DayOfWeek = st.wDayOfWeek;
  parts.Hour = st.wHour;
  parts.Minute = st.wMinute;
  parts.Second = st.wSecond;
  parts.Millisecond = st.wMilliseconds;
  return FormatDateTime(datePattern + " " + timePattern, parts, FormatSettings);
}
