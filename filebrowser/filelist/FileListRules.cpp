#include "filebrowser/filelist/FileListRules.h"

#include "filebrowser/shell/PathRules.h"
#include "toolkit/NumberFormat.h"

std::string NextMaskPart(std::string& mask) {
  const std::size_t semicolon = mask.find(';');
  std::string part = mask.substr(0, semicolon);
  mask.erase(0, semicolon == std::string::npos ? mask.size() : semicolon + 1);
  return part;
}

std::string TrimMaskBlanks(std::string_view mask) {
  const std::size_t first = mask.find_first_not_of(' ');
  if (first == std::string_view::npos) return "*.*";
  const std::size_t last = mask.find_last_not_of(' ');
  return std::string(mask.substr(first, last - first + 1));
}

std::string AttributeLetters(std::uint32_t attrs) {
  std::string letters;
  if (attrs & kAttrArchive) letters += 'A';
  if (attrs & kAttrReadOnly) letters += 'R';
  if (attrs & kAttrHidden) letters += 'H';
  if (attrs & kAttrSystem) letters += 'S';
  return letters;
}

bool AdmitAttributes(std::uint32_t attrs, std::uint32_t allowance) {
  if ((attrs & kAttrDirectory) != (allowance & kAttrDirectory)) return false;
  const std::uint32_t tested = kAttrReadOnly | kAttrHidden | kAttrSystem;
  return (attrs & tested & ~allowance) == 0;
}

std::uint32_t AttributeAllowance(TFileType type) {
  std::uint32_t allowance = 0;
  if (type.Contains(ftReadOnly)) allowance |= kAttrReadOnly;
  if (type.Contains(ftHidden)) allowance |= kAttrHidden;
  if (type.Contains(ftSystem)) allowance |= kAttrSystem;
  if (type.Contains(ftArchive)) allowance |= kAttrArchive;
  if (type.Contains(ftNormal)) allowance |= kAttrNormal;
  return allowance;
}

std::string EntrySizeText(TFileSize unit, std::string_view kind, std::int64_t size) {
  if (unit == fsKB) return SizeToKBText(kind, size);
  if (kind == "dir") return " ";
  return std::to_string(size);
}

std::string CaptionFor(std::string_view name, bool hideFileExt) {
  if (!hideFileExt) return std::string(name);
  const std::size_t dot = name.rfind('.');
  return std::string(name.substr(0, dot));
}

std::string DatePatternFor(TDtFormat format, std::string_view localeShortDate) {
  switch (format) {
    case df_MMddyyyy: return "MM/dd/yyyy";
    case df_MMddyy: return "MM/dd/yy";
    case df_ddMMyyyy: return "dd/MM/yyyy";
    case df_ddMMyy_GB: return "dd/MM/yy";
    case df_ddMMyy_DE: return "dd.MM.yy";
    case df_ddMMyy_IT: return "dd-MM-yy";
    case df_yyyyMMdd: return "yyyy-MM-dd";
    case df_yyMMdd: return "yy-MM-dd";
    case df_Customize: break;
  }
  return std::string(localeShortDate);
}

std::string TimePatternFor(TTmFormat format, const TFormatSettings& settings,
                           std::string_view localeTimeFormat) {
  if (format == tfLongFormat) return settings.LongTimeFormat;
  if (format == tfShortFormat) return settings.ShortTimeFormat;
  std::string pattern(localeTimeFormat);
  const std::size_t marker = pattern.find('t');
  if (marker != std::string::npos) {
    const std::size_t hour = pattern.find_first_of("hH");
    if (hour != std::string::npos && hour > marker) {
      // The marker stands before the time ("tt h:mm:ss"): cutting from it would leave no
      // time at all, so only the marker and the blanks after it go.
      std::size_t end = pattern.find_first_not_of('t', marker);
      end = pattern.find_first_not_of(' ', end);
      pattern.erase(marker, end - marker);
    } else {
      pattern.erase(marker);
    }
  }
  pattern += " AM/PM";
  return pattern;
}

std::string DriveSizeText(std::int64_t kb, std::string_view thousandSep) {
  const std::int64_t mb = kb / 1000;
  // Below 1000 KB the grouped pattern alone would print no digit at all.
  if (mb <= 0) return "0 Mb";
  return FormatGrouped(mb, thousandSep) + " Mb";
}
