#pragma once
// The texts of the stand-alone tree's folder rules that need no window: the tree-size
// report and the folder-name check.
#include <cstdint>
#include <string>
#include <string_view>

// The 14 characters a folder name may not hold.
inline constexpr char kForbiddenFolderChars[] = "\\*?/=\"<>|:,;+^";
bool HasForbiddenFolderChar(std::string_view name);

// `value` with `decimals` decimals (rounded), digits grouped by three: "1,234.50".
std::string FormatNumberN(double value, int decimals, std::string_view thousandSep, char decimalSep);

struct TTreeSizeTexts {
  std::string TreeSize;           // the report's title
  std::string AndAllSubFolders;
  std::string ThousandSep = ",";
  char DecimalSep = '.';
};
// The report for `total` bytes of the folder named by `header` (already made of the
// drive or folder words).
std::string TreeSizeReport(const std::string& header, std::uint64_t total, const TTreeSizeTexts& texts);
