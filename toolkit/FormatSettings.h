#pragma once
// Locale-dependent texts used when dates, times and numbers are shown.
// A default-constructed value holds the English (United States) settings;
// on Windows the toolkit fills one from the user's locale at start.
#include <array>
#include <string>

struct TFormatSettings {
  std::string DateSeparator = "/";
  std::string TimeSeparator = ":";
  char DecimalSeparator = '.';
  std::string ThousandSeparator = ",";
  std::string ShortDateFormat = "M/d/yyyy";
  std::string ShortTimeFormat = "h:mm AMPM";
  std::string LongTimeFormat = "h:mm:ss AMPM";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  // Index 0 is January.
  std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames = {"January", "February", "March",     "April",
                                                "May",     "June",     "July",      "August",
                                                "September", "October", "November", "December"};
  // Index 0 is Sunday.
  std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
};
