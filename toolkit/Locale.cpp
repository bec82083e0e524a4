#include "toolkit/Locale.h"

#include <cstdlib>

#include "toolkit/DateTimeFormat.h"
#include "toolkit/Utf.h"

TFormatSettings FormatSettings;

std::string LocaleText(LCID locale, LCTYPE type) {
  wchar_t buf[256];
  const int n = GetLocaleInfoW(locale, type, buf, 256);
  return n > 0 ? Narrow(std::wstring_view(buf, static_cast<size_t>(n - 1))) : std::string();
}

int LocaleNumber(LCID locale, LCTYPE type) { return std::atoi(LocaleText(locale, type).c_str()); }

TFormatSettings ReadFormatSettings(LCID locale) {
  TFormatSettings fs;
  auto text = [locale](LCTYPE type, const std::string& fallback) {
    std::string v = LocaleText(locale, type);
    return v.empty() ? fallback : v;
  };
  fs.DateSeparator = text(LOCALE_SDATE, fs.DateSeparator);
  fs.TimeSeparator = text(LOCALE_STIME, fs.TimeSeparator);
  const std::string dec = text(LOCALE_SDECIMAL, ".");
  fs.DecimalSeparator = dec.size() == 1 ? dec[0] : '.';
  fs.ThousandSeparator = LocaleText(locale, LOCALE_STHOUSAND);
  fs.ShortDateFormat = text(LOCALE_SSHORTDATE, fs.ShortDateFormat);
  fs.TimeAMString = LocaleText(locale, LOCALE_S1159);
  fs.TimePMString = LocaleText(locale, LOCALE_S2359);
  for (int i = 0; i < 12; ++i) {
    fs.ShortMonthNames[static_cast<size_t>(i)] = text(LOCALE_SABBREVMONTHNAME1 + static_cast<LCTYPE>(i), fs.ShortMonthNames[static_cast<size_t>(i)]);
    fs.LongMonthNames[static_cast<size_t>(i)] = text(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(i), fs.LongMonthNames[static_cast<size_t>(i)]);
  }
  // The platform counts days from Monday; the table starts on Sunday.
  for (int i = 0; i < 7; ++i) {
    const LCTYPE day = static_cast<LCTYPE>((i + 6) % 7);
    fs.ShortDayNames[static_cast<size_t>(i)] = text(LOCALE_SABBREVDAYNAME1 + day, fs.ShortDayNames[static_cast<size_t>(i)]);
    fs.LongDayNames[static_cast<size_t>(i)] = text(LOCALE_SDAYNAME1 + day, fs.LongDayNames[static_cast<size_t>(i)]);
  }
  DeriveTimePatterns(LocaleNumber(locale, LOCALE_ITLZERO) != 0, LocaleNumber(locale, LOCALE_ITIME) == 0,
                     LocaleNumber(locale, LOCALE_ITIMEMARKPOSN) != 0, fs.ShortTimeFormat, fs.LongTimeFormat);
  return fs;
}

void LoadFormatSettings() { FormatSettings = ReadFormatSettings(GetThreadLocale()); }
