#include <gtest/gtest.h>

#include <string>

#include "toolkit/DateTimeFormat.h"
#include "toolkit/FormatSettings.h"

namespace {

// Tuesday, 5 March 2024, 14:07:09.
TDateTimeParts Afternoon() {
  TDateTimeParts t;
  t.Year = 2024;
  t.Month = 3;
  t.Day = 5;
  t.DayOfWeek = 2;
  t.Hour = 14;
  t.Minute = 7;
  t.Second = 9;
  return t;
}

TDateTimeParts At(int hour, int minute) {
  TDateTimeParts t = Afternoon();
  t.Hour = hour;
  t.Minute = minute;
  return t;
}

TFormatSettings German() {
  TFormatSettings s;
  s.DateSeparator = ".";
  s.ShortDateFormat = "dd.MM.yyyy";
  s.TimeAMString = "";
  s.TimePMString = "";
  s.LongMonthNames[2] = "M\xC3\xA4rz";
  s.ShortMonthNames[2] = "M\xC3\xA4r";
  s.LongDayNames[2] = "Dienstag";
  s.ShortDayNames[2] = "Di";
  return s;
}

// A locale that writes the marker before the time, with designators that are not ASCII.
TFormatSettings MarkerFirst() {
  TFormatSettings s;
  s.DateSeparator = "-";
  s.TimeAMString = "\xEC\x98\xA4\xEC\xA0\x84";  // "ojeon"
  s.TimePMString = "\xEC\x98\xA4\xED\x9B\x84";  // "ohu"
  return s;
}

TEST(FormatDateTimeUs, ShortDateAndTimeOnTheTwelveHourClock) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("M/d/yyyy h:mm AMPM", Afternoon(), us), "3/5/2024 2:07 PM");
  EXPECT_EQ(FormatDateTime("MM/dd/yy hh:mm:ss AMPM", Afternoon(), us), "03/05/24 02:07:09 PM");
}

TEST(FormatDateTimeUs, MidnightAndNoonShowAsTwelve) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("h:mm AMPM", At(0, 5), us), "12:05 AM");
  EXPECT_EQ(FormatDateTime("hh:mm AMPM", At(0, 5), us), "12:05 AM");
  EXPECT_EQ(FormatDateTime("h:mm AMPM", At(12, 0), us), "12:00 PM");
  EXPECT_EQ(FormatDateTime("h:mm AMPM", At(11, 59), us), "11:59 AM");
  EXPECT_EQ(FormatDateTime("h:mm AMPM", At(23, 1), us), "11:01 PM");
}

TEST(FormatDateTimeUs, WithoutMarkerTheHourStaysOnTheDayClock) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("h:mm", At(0, 5), us), "0:05");
  EXPECT_EQ(FormatDateTime("hh:mm", At(14, 5), us), "14:05");
}

TEST(FormatDateTimeUs, AmPmLettersFollowThePatternsCase) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("h:mm:ss AM/PM", Afternoon(), us), "2:07:09 PM");
  EXPECT_EQ(FormatDateTime("h:mm am/pm", Afternoon(), us), "2:07 pm");
  EXPECT_EQ(FormatDateTime("h:mm am/pm", At(9, 30), us), "9:30 am");
  EXPECT_EQ(FormatDateTime("h:mm Am/Pm", At(9, 30), us), "9:30 Am");
  // The customised US pattern: two blanks stay two blanks.
  EXPECT_EQ(FormatDateTime("h:mm:ss  AM/PM", At(0, 0), us), "12:00:09  AM");
  // AMPM is the locale's designator, in any case of the pattern.
  EXPECT_EQ(FormatDateTime("h:mm ampm", Afternoon(), us), "2:07 PM");
}

TEST(FormatDateTimeUs, NamesOfMonthsAndDays) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("ddd, MMM d", Afternoon(), us), "Tue, Mar 5");
  EXPECT_EQ(FormatDateTime("dddd, MMMM dd, yyyy", Afternoon(), us), "Tuesday, March 05, 2024");
}

TEST(FormatDateTimeGerman, DayMonthYearAndDayClock) {
  const TFormatSettings de = German();
  EXPECT_EQ(FormatDateTime("d.M.yyyy HH:mm:ss", Afternoon(), de), "5.3.2024 14:07:09");
  EXPECT_EQ(FormatDateTime("d.M.yyyy HH:mm:ss", At(0, 5), de), "5.3.2024 00:05:09");
  // "/" is the locale's date separator, so a US-style pattern shows German dots.
  EXPECT_EQ(FormatDateTime("dd/MM/yy", Afternoon(), de), "05.03.24");
  EXPECT_EQ(FormatDateTime("dddd, d. MMMM yyyy", Afternoon(), de),
            "Dienstag, 5. M\xC3\xA4rz 2024");
  EXPECT_EQ(FormatDateTime("ddd d. MMM", Afternoon(), de), "Di 5. M\xC3\xA4r");
}

TEST(FormatDateTimeMarkerFirst, MarkerBeforeTheHourStillSelectsTheTwelveHourClock) {
  const TFormatSettings ko = MarkerFirst();
  EXPECT_EQ(FormatDateTime("AMPM h:mm", Afternoon(), ko), "\xEC\x98\xA4\xED\x9B\x84 2:07");
  EXPECT_EQ(FormatDateTime("AMPM h:mm:ss", At(0, 30), ko),
            "\xEC\x98\xA4\xEC\xA0\x84 12:30:09");
  EXPECT_EQ(FormatDateTime("yyyy/MM/dd", Afternoon(), ko), "2024-03-05");
}

TEST(FormatDateTimeSeparators, SlashAndColonAreTheLocalesSeparators) {
  TFormatSettings s;
  s.DateSeparator = "-";
  s.TimeSeparator = ".";
  EXPECT_EQ(FormatDateTime("yyyy/MM/dd hh:mm:ss", Afternoon(), s), "2024-03-05 14.07.09");
  s.DateSeparator = "";
  EXPECT_EQ(FormatDateTime("yyyy/MM/dd", Afternoon(), s), "20240305");
}

TEST(FormatDateTimeLetters, MinutesOnlyAfterAnHourWithNonLettersBetween) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("m/d/yy", Afternoon(), us), "3/5/24");
  EXPECT_EQ(FormatDateTime("mm:ss", Afternoon(), us), "03:09");
  EXPECT_EQ(FormatDateTime("hh mm", Afternoon(), us), "14 07");
  EXPECT_EQ(FormatDateTime("hh.-.m", Afternoon(), us), "14.-.7");
  // A letter between ends the hour's reach; quoted text does not.
  EXPECT_EQ(FormatDateTime("hh x mm", Afternoon(), us), "14 x 03");
  EXPECT_EQ(FormatDateTime("HH 'h' mm", Afternoon(), us), "14 h 07");
  // Text of other scripts counts as non-letters.
  EXPECT_EQ(FormatDateTime("H\xE6\x99\x82mm\xE5\x88\x86", Afternoon(), us),
            "14\xE6\x99\x82" "07\xE5\x88\x86");
}

TEST(FormatDateTimeLetters, RecognisedWithoutRegardToCase) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("YYYY-MM-DD HH:MM:SS", Afternoon(), us), "2024-03-05 14:07:09");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", Afternoon(), us), "2024-03-05");
  EXPECT_EQ(FormatDateTime("DDDD MMMM", Afternoon(), us), "Tuesday March");
}

TEST(FormatDateTimeLetters, YearWidths) {
  const TFormatSettings us;
  TDateTimeParts t = Afternoon();
  t.Year = 2009;
  EXPECT_EQ(FormatDateTime("yy", t, us), "09");
  EXPECT_EQ(FormatDateTime("yyyy", t, us), "2009");
  t.Year = 987;
  EXPECT_EQ(FormatDateTime("yyyy", t, us), "0987");
  t.Year = 1601;
  EXPECT_EQ(FormatDateTime("yy", t, us), "01");
}

TEST(FormatDateTimeText, QuotedAndOtherTextIsCopied) {
  const TFormatSettings us;
  EXPECT_EQ(FormatDateTime("'yyyy' yyyy", Afternoon(), us), "yyyy 2024");
  EXPECT_EQ(FormatDateTime("\"at\" h:mm AMPM", Afternoon(), us), "at 2:07 PM");
  EXPECT_EQ(FormatDateTime("[yyyy] #q", Afternoon(), us), "[2024] #q");
  EXPECT_EQ(FormatDateTime("yyyy\xE5\xB9\xB4M\xE6\x9C\x88" "d\xE6\x97\xA5", Afternoon(), us),
            "2024\xE5\xB9\xB4" "3\xE6\x9C\x88" "5\xE6\x97\xA5");
  // An unclosed quote runs to the end of the pattern.
  EXPECT_EQ(FormatDateTime("yyyy 'h:mm", Afternoon(), us), "2024 h:mm");
  EXPECT_EQ(FormatDateTime("''yyyy", Afternoon(), us), "2024");
  EXPECT_EQ(FormatDateTime("", Afternoon(), us), "");
  // A quoted marker does not switch the clock.
  EXPECT_EQ(FormatDateTime("hh 'AMPM'", Afternoon(), us), "14 AMPM");
  // A lone "a" is an ordinary letter.
  EXPECT_EQ(FormatDateTime("a h", Afternoon(), us), "a 14");
}

TEST(FormatDateTimeText, FieldsOutOfRangeGiveNoName) {
  const TFormatSettings us;
  TDateTimeParts t = Afternoon();
  t.Month = 13;
  t.DayOfWeek = 7;
  EXPECT_EQ(FormatDateTime("<MMM><dddd>", t, us), "<><>");
}

TEST(DeriveTimePatterns, FromTheLocaleFlags) {
  std::string shortPattern;
  std::string longPattern;
  DeriveTimePatterns(false, true, false, shortPattern, longPattern);
  EXPECT_EQ(shortPattern, "h:mm AMPM");
  EXPECT_EQ(longPattern, "h:mm:ss AMPM");
  DeriveTimePatterns(true, false, false, shortPattern, longPattern);
  EXPECT_EQ(shortPattern, "hh:mm");
  EXPECT_EQ(longPattern, "hh:mm:ss");
  DeriveTimePatterns(false, false, true, shortPattern, longPattern);
  EXPECT_EQ(shortPattern, "h:mm");
  EXPECT_EQ(longPattern, "h:mm:ss");
  DeriveTimePatterns(true, true, true, shortPattern, longPattern);
  EXPECT_EQ(shortPattern, "AMPM hh:mm");
  EXPECT_EQ(longPattern, "AMPM hh:mm:ss");
}

TEST(DeriveTimePatterns, DefaultsMatchTheUsLocale) {
  std::string shortPattern;
  std::string longPattern;
  DeriveTimePatterns(false, true, false, shortPattern, longPattern);
  const TFormatSettings us;
  EXPECT_EQ(us.ShortTimeFormat, shortPattern);
  EXPECT_EQ(us.LongTimeFormat, longPattern);
}

}  // namespace
