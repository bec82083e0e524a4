#include "toolkit/DateTimeFormat.h"

#include <cstddef>

#include "toolkit/AsciiText.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// True when `word` (upper case) stands at `pos`, letters compared without regard to case.
bool WordAt(std::string_view text, std::size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (UpperAscii(text[pos + k]) != word[k]) return false;
  }
  return true;
}

// Number of letters equal to the one at `pos` (without regard to case) in a row.
std::size_t RunLength(std::string_view text, std::size_t pos) {
  const char letter = UpperAscii(text[pos]);
  std::size_t end = pos + 1;
  while (end < text.size() && UpperAscii(text[end]) == letter) ++end;
  return end - pos;
}

void AppendNumber(std::string& out, long long value, std::size_t minDigits) {
  if (value < 0) {
    out += '-';
    value = -value;
  }
  const std::string digits = std::to_string(value);
  if (digits.size() < minDigits) out.append(minDigits - digits.size(), '0');
  out += digits;
}

// Out-of-range fields give an empty name rather than reading past the tables.
template <class Names>
void AppendName(std::string& out, const Names& names, int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < names.size()) {
    out += names[static_cast<std::size_t>(index)];
  }
}

// Position after the quoted text that starts at `pos`; an unclosed quote runs to the end.
std::size_t QuoteEnd(std::string_view pattern, std::size_t pos) {
  const std::size_t close = pattern.find(pattern[pos], pos + 1);
  return close == std::string_view::npos ? pattern.size() : close + 1;
}

// A marker anywhere outside quotes switches the hours to the 12-hour clock, also
// when it stands before the hour (locales that put the marker first).
bool UsesTwelveHourClock(std::string_view pattern) {
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'' || c == '"') {
      i = QuoteEnd(pattern, i);
    } else if (WordAt(pattern, i, "AM/PM") || WordAt(pattern, i, "AMPM")) {
      return true;
    } else {
      ++i;
    }
  }
  return false;
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const TDateTimeParts& parts,
                           const TFormatSettings& settings) {
  const bool twelveHour = UsesTwelveHourClock(pattern);
  const bool afternoon = parts.Hour >= 12;
  std::string out;
  out.reserve(pattern.size() + 16);
  // Set right after the hour letters and kept over non-letters, so that "m" then means minutes.
  // Only ASCII letters count as letters: an hour sign of another script keeps it set.
  bool afterHour = false;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'' || c == '"') {
      const std::size_t close = pattern.find(c, i + 1);
      if (close == std::string_view::npos) {
        out.append(pattern.substr(i + 1));
        break;
      }
      out.append(pattern.substr(i + 1, close - i - 1));
      i = close + 1;
      continue;
    }
    if (c == '/') {
      out += settings.DateSeparator;
      ++i;
      continue;
    }
    if (c == ':') {
      out += settings.TimeSeparator;
      ++i;
      continue;
    }
    if (!IsAsciiLetter(c)) {
      out += c;
      ++i;
      continue;
    }
    const char letter = UpperAscii(c);
    if (letter == 'A') {
      if (WordAt(pattern, i, "AM/PM")) {
        // The two letters are taken from the pattern itself, so "am/pm" writes "am" or "pm".
        out.append(pattern.substr(afternoon ? i + 3 : i, 2));
        i += 5;
      } else if (WordAt(pattern, i, "AMPM")) {
        out += afternoon ? settings.TimePMString : settings.TimeAMString;
        i += 4;
      } else {
        out += c;
        ++i;
      }
      afterHour = false;
      continue;
    }
    const std::size_t count = RunLength(pattern, i);
    switch (letter) {
      case 'Y':
        if (count <= 2) {
          AppendNumber(out, ((parts.Year % 100) + 100) % 100, 2);
        } else {
          AppendNumber(out, parts.Year, 4);
        }
        break;
      case 'M':
        if (afterHour) {
          AppendNumber(out, parts.Minute, count == 1 ? 1 : 2);
        } else if (count <= 2) {
          AppendNumber(out, parts.Month, count);
        } else {
          AppendName(out, count == 3 ? settings.ShortMonthNames : settings.LongMonthNames,
                     parts.Month - 1);
        }
        break;
      case 'D':
        if (count <= 2) {
          AppendNumber(out, parts.Day, count);
        } else {
          AppendName(out, count == 3 ? settings.ShortDayNames : settings.LongDayNames,
                     parts.DayOfWeek);
        }
        break;
      case 'H': {
        int hour = parts.Hour;
        if (twelveHour) {
          hour = ((hour % 12) + 12) % 12;
          if (hour == 0) hour = 12;
        }
        AppendNumber(out, hour, count == 1 ? 1 : 2);
        break;
      }
      case 'S':
        AppendNumber(out, parts.Second, count == 1 ? 1 : 2);
        break;
      default:
        out.append(pattern.substr(i, count));
        break;
    }
    afterHour = letter == 'H';
    i += count;
  }
  return out;
}

void DeriveTimePatterns(bool leadingZeroHour, bool twelveHour, bool markerFirst,
                        std::string& shortPattern, std::string& longPattern) {
  const std::string hour = leadingZeroHour ? "hh" : "h";
  shortPattern = hour + ":mm";
  longPattern = hour + ":mm:ss";
  if (twelveHour) {
    if (markerFirst) {
      shortPattern.insert(0, "AMPM ");
      longPattern.insert(0, "AMPM ");
    } else {
      shortPattern += " AMPM";
      longPattern += " AMPM";
    }
  }
}
