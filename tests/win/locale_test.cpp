// The toolkit's formats as read from a locale, and dates formatted with them.
#include <gtest/gtest.h>

#include "toolkit/DateTimeFormat.h"
#include "toolkit/Locale.h"

namespace {
const LCID kUnitedStates = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
const LCID kGermany = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);

TDateTimeParts Afternoon() {
  TDateTimeParts p;
  p.Year = 2026;
  p.Month = 3;
  p.Day = 7;
  p.DayOfWeek = 6;
  p.Hour = 15;
  p.Minute = 4;
  p.Second = 9;
  return p;
}
}  // namespace

TEST(Locale, UnitedStatesUsesTheTwelveHourClock) {
  const TFormatSettings fs = ReadFormatSettings(kUnitedStates);
  EXPECT_EQ(fs.ShortTimeFormat, "h:mm AMPM");
  EXPECT_EQ(fs.LongTimeFormat, "h:mm:ss AMPM");
  EXPECT_EQ(fs.DateSeparator, "/");
  EXPECT_EQ(fs.TimeAMString, "AM");
  EXPECT_EQ(fs.LongMonthNames[2], "March");
  EXPECT_EQ(fs.ShortDayNames[6], "Sat");
  EXPECT_EQ(FormatDateTime(fs.ShortDateFormat + " " + fs.ShortTimeFormat, Afternoon(), fs), "3/7/2026 3:04 PM");
}

TEST(Locale, GermanyUsesTheTwentyFourHourClockWithItsSeparators) {
  const TFormatSettings fs = ReadFormatSettings(kGermany);
  EXPECT_EQ(fs.DateSeparator, ".");
  EXPECT_EQ(fs.DecimalSeparator, ',');
  EXPECT_EQ(fs.ShortTimeFormat.find("AMPM"), std::string::npos);
  EXPECT_EQ(fs.LongMonthNames[2], "M\xC3\xA4rz");
  EXPECT_EQ(FormatDateTime("dd/MM/yyyy hh:mm:ss", Afternoon(), fs), "07.03.2026 15:04:09");
  EXPECT_EQ(FormatDateTime("dddd, d. MMMM yyyy", Afternoon(), fs), "Samstag, 7. M\xC3\xA4rz 2026");
}
