// The date-time formatter over arbitrary patterns and locale texts, and the
// number formatters and reader over arbitrary values and texts.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "toolkit/DateTimeFormat.h"
#include "toolkit/NumberFormat.h"

namespace {
void FuzzDateTime(FuzzedDataProvider& input) {
  TDateTimeParts parts;
  parts.Year = input.ConsumeIntegral<int>();
  // Out-of-range fields too: a broken file time must not read past the name tables.
  parts.Month = input.ConsumeIntegralInRange(-2, 14);
  parts.Day = input.ConsumeIntegralInRange(0, 32);
  parts.DayOfWeek = input.ConsumeIntegralInRange(-1, 8);
  parts.Hour = input.ConsumeIntegralInRange(-1, 25);
  parts.Minute = input.ConsumeIntegralInRange(0, 60);
  parts.Second = input.ConsumeIntegralInRange(0, 60);
  TFormatSettings settings;
  if (input.ConsumeBool()) {
    settings.DateSeparator = input.ConsumeRandomLengthString(4);
    settings.TimeSeparator = input.ConsumeRandomLengthString(4);
    settings.TimeAMString = input.ConsumeRandomLengthString(8);
    settings.TimePMString = input.ConsumeRandomLengthString(8);
    settings.LongMonthNames[0] = input.ConsumeRandomLengthString(16);
  }
  const std::string pattern = input.ConsumeRandomLengthString(128);
  const std::string text = FormatDateTime(pattern, parts, settings);
  // Copied text, numbers and names only: the output stays within a bound of the pattern.
  Check(text.size() <= 16 + pattern.size() * 32);
  // A pattern without letters, quotes or separators is copied as it is.
  if (pattern.find_first_of("'\"/:") == std::string::npos &&
      std::none_of(pattern.begin(), pattern.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }))
    Check(text == pattern);
}

void FuzzNumbers(FuzzedDataProvider& input) {
  const char separator = input.ConsumeBool() ? '.' : ',';
  const double value = input.ConsumeFloatingPoint<double>();
  const std::string text = FormatGeneralFloat(value, separator);
  double back = 0;
  Check(ParseFloat(text, separator, back));
  if (std::isnan(value)) {
    Check(std::isnan(back));
  } else {
    // Fifteen significant digits: near, and written the same again.
    Check(FormatGeneralFloat(back, separator) == text);
    Check(value == back || std::fabs(back - value) <= std::fabs(value) * 1e-14);
  }

  const auto integer = input.ConsumeIntegral<std::int64_t>();
  const std::string grouped = FormatGrouped(integer, separator == '.' ? "," : ".");
  std::string digits = grouped;
  std::erase(digits, separator == '.' ? ',' : '.');
  Check(integer == 0 ? grouped.empty() : digits == std::to_string(integer));

  const std::string any = input.ConsumeRemainingBytesAsString();
  double read = 12.5;
  if (ParseFloat(any, separator, read)) {
    double again = 0;
    Check(std::isnan(read) || (ParseFloat(FormatGeneralFloat(read, separator), separator, again) &&
                               FormatGeneralFloat(again, separator) == FormatGeneralFloat(read, separator)));
  } else {
    Check(read == 12.5);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) FuzzDateTime(input);
  else FuzzNumbers(input);
  return 0;
}
