#pragma once
// Number texts of the toolkit: the general float form and grouped integers.
#include <cstdint>
#include <string>
#include <string_view>

// The general float text with 15 significant digits: plain digits from 0.0001 up to the
// decimal exponent 14 ("0.0001", "123.5"), else the exponent form "1.32514123456789E17" or
// "1E-5". Trailing zeros are dropped; the exponent has no "+" and no leading zeros.
// Not-a-number and the infinities give "NAN", "INF" and "-INF".
std::string FormatGeneralFloat(double value, char decimalSeparator);

// Reads what FormatGeneralFloat writes, and more: surrounding blanks, a sign, digits with
// at most one decimal separator, an optional exponent (E or e, with a sign), or NAN / INF.
// Leaves `out` unchanged and returns false when the text is not such a number.
bool ParseFloat(std::string_view text, char decimalSeparator, double& out);

// Digits grouped by three with the separator, a "-" before negative numbers, no leading
// zeros: what the pattern "###,###,###" gives. Like that pattern, 0 gives an empty text.
std::string FormatGrouped(std::int64_t value, std::string_view thousandSep);
