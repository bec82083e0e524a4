#pragma once
// Date and time text from a pattern of letters (yyyy, MM, dd, hh, mm, ss, AMPM ...).
#include <string>
#include <string_view>

#include "toolkit/FormatSettings.h"

struct TDateTimeParts {
  int Year = 0;
  int Month = 1;      // 1..12
  int Day = 1;        // 1..31
  int DayOfWeek = 0;  // 0 = Sunday
  int Hour = 0;       // 0..23
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// Pattern letters are recognised without regard to case:
//   y / yy       last two digits of the year; yyy and more: the full year (at least four digits)
//   M, MM        month without / with leading zero; MMM short name; MMMM (and more) long name
//   d, dd        day likewise; ddd short day name; dddd (and more) long day name
//   h, hh        hour without / with leading zero
//   m, mm        minutes when hour letters came before with only non-letters between,
//                otherwise the month as M / MM
//   s, ss        seconds
//   AMPM         the locale's AM or PM designator
//   AM/PM        the letters AM or PM, in the case written in the pattern
//   /  :         the locale's date and time separators
//   '...' "..."  copied without the quotes
// Either marker anywhere in the pattern puts the hours on the 12-hour clock (0 shown as 12).
// Everything else is copied as it is.
std::string FormatDateTime(std::string_view pattern, const TDateTimeParts& parts,
                           const TFormatSettings& settings);

// The toolkit's short and long time patterns as the locale's flags ask for them:
// the hour with or without a leading zero, ":mm" or ":mm:ss", and on the 12-hour
// clock the marker "AMPM" before (markerFirst) or after the time.
void DeriveTimePatterns(bool leadingZeroHour, bool twelveHour, bool markerFirst,
                        std::string& shortPattern, std::string& longPattern);
