#include "toolkit/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "toolkit/AsciiText.h"

namespace {

constexpr int kSignificantDigits = 15;

bool IsBlank(char c) { return c == ' '; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatGeneralFloat(double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";

  // Correctly rounded to 15 significant digits, independent of the C locale: "-d.dddde+XX".
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
  const std::size_t ePos = text.find('e');
  const bool negative = text.front() == '-';
  std::string digits;
  for (char c : text.substr(0, ePos)) {
    if (IsDigit(c)) digits += c;
  }
  const int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
  // Near the largest double the rounding may go past it, and such a text would not read
  // back: the digits are then taken one unit of the last lower.
  double check = 0;
  if (exponent == std::numeric_limits<double>::max_exponent10 &&
      std::from_chars(text.data(), text.data() + text.size(), check).ec == std::errc::result_out_of_range) {
    std::size_t k = digits.size();
    while (k > 0 && digits[k - 1] == '0') digits[--k] = '9';
    if (k > 0) --digits[k - 1];
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= kSignificantDigits || exponent < -4) {
    out += digits.front();
    if (digits.size() > 1) {
      out += decimalSeparator;
      out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    out += std::to_string(exponent);
  } else if (exponent >= 0) {
    const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out += digits;
      out.append(intDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, intDigits);
      out += decimalSeparator;
      out.append(digits, intDigits, std::string::npos);
    }
  } else {
    out += '0';
    out += decimalSeparator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  }
  return out;
}

bool ParseFloat(std::string_view text, char decimalSeparator, double& out) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (SameTextAscii(text, "NAN")) {
    out = std::nan("");
    return true;
  }
  if (SameTextAscii(text, "INF")) {
    out = negative ? -HUGE_VAL : HUGE_VAL;
    return true;
  }

  // Rewritten with "." so that the conversion does not depend on any locale.
  std::string plain;
  std::size_t k = 0;
  bool anyDigit = false;
  while (k < text.size() && IsDigit(text[k])) {
    plain += text[k++];
    anyDigit = true;
  }
  if (k < text.size() && text[k] == decimalSeparator) {
    plain += '.';
    ++k;
    while (k < text.size() && IsDigit(text[k])) {
      plain += text[k++];
      anyDigit = true;
    }
  }
  if (!anyDigit) return false;
  if (k < text.size() && (text[k] == 'E' || text[k] == 'e')) {
    plain += 'e';
    ++k;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) plain += text[k++];
    const std::size_t expStart = k;
    while (k < text.size() && IsDigit(text[k])) plain += text[k++];
    if (k == expStart) return false;
  }
  if (k != text.size()) return false;

  double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return false;
  out = negative ? -value : value;
  return true;
}

std::string FormatGrouped(std::int64_t value, std::string_view thousandSep) {
  if (value == 0) return {};
  // The magnitude as unsigned, so that the most negative value has one too.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                      : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  std::string out = value < 0 ? "-" : "";
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) out += thousandSep;
    out += digits[k];
  }
  return out;
}
