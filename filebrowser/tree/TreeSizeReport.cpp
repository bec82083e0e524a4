#include "filebrowser/tree/TreeSizeReport.h"

#include <cmath>

#include "filebrowser/shell/PathRules.h"

bool HasForbiddenFolderChar(std::string_view name) { return ContainsAnyChar(name, kForbiddenFolderChars); }

std::string FormatNumberN(double value, int decimals, std::string_view thousandSep, char decimalSep) {
  const bool negative = value < 0;
  double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const auto scaled = static_cast<std::uint64_t>(std::llround(std::fabs(value) * scale));
  const std::uint64_t whole = scaled / static_cast<std::uint64_t>(scale);
  std::uint64_t fraction = scaled % static_cast<std::uint64_t>(scale);
  std::string digits = std::to_string(whole);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += thousandSep;
    out += digits[i];
  }
  if (decimals > 0) {
    std::string tail(static_cast<std::size_t>(decimals), '0');
    for (int i = decimals - 1; i >= 0; --i, fraction /= 10) tail[static_cast<std::size_t>(i)] = static_cast<char>('0' + fraction % 10);
    out += decimalSep;
    out += tail;
  }
  return negative && scaled != 0 ? "-" + out : out;
}

std::string TreeSizeReport(const std::string& header, std::uint64_t total, const TTreeSizeTexts& texts) {
  const std::string bytes = FormatNumberN(static_cast<double>(total), 0, texts.ThousandSep, texts.DecimalSep) + " Bytes";
  const double kb = (total > 0 && total < 1024) ? 1.0 : static_cast<double>(total) / 1024.0;
  const std::string size = kb > 99999 ? FormatNumberN(kb / 1024.0, 2, texts.ThousandSep, texts.DecimalSep) + " MB"
                                      : FormatNumberN(kb, 2, texts.ThousandSep, texts.DecimalSep) + " KB";
  return "===== " + texts.TreeSize + " =====\r\n\r\n" + header + "\r\n" + texts.AndAllSubFolders + "\r\n =  " + bytes +
         "\r\n     (i.e. " + size + " )";
}
