#include "app/IniText.h"

#include <algorithm>

#include "toolkit/AsciiText.h"

namespace {
constexpr std::string_view kPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};
constexpr std::string_view kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char u = UpperAscii(c);
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}
}  // namespace

std::string TrimValue(std::string_view text) { return std::string(TrimBlanks(text)); }

std::string QuoteValue(std::string_view text) {
  const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
  if (!quoted) return std::string(text);
  return '"' + std::string(text) + '"';
}

bool SameName(std::string_view a, std::string_view b) { return SameTextAscii(a, b); }

std::string IntegerText(std::int32_t value) { return std::to_string(value); }

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool hex = !text.empty() && text.front() == '$';
  if (hex) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  // Wide enough to see an overflow before it happens.
  std::int64_t value = 0;
  for (char c : text) {
    const int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + digit;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  if (hex) {
    // Eight hexadecimal digits are the 32 bits of the value, sign bit included.
    const auto bits = static_cast<std::uint32_t>(value);
    const auto signedValue = static_cast<std::int32_t>(bits);
    return negative ? static_cast<std::int32_t>(0u - bits) : signedValue;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t IntegerValue(std::string_view text) { return ParseInteger(text).value_or(0); }

std::string BooleanText(bool value) { return value ? "True" : "False"; }

std::optional<bool> ParseBoolean(std::string_view text) {
  static constexpr std::string_view kNames[] = {"False", "True"};
  const std::optional<int> member = ParseMember(text, kNames);
  if (!member) return std::nullopt;
  return *member == 1;
}

std::optional<int> ParseMember(std::string_view text, std::span<const std::string_view> names) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (SameName(text, names[i])) return static_cast<int>(i);
  return std::nullopt;
}

std::string SetText(unsigned mask, std::span<const std::string_view> names) {
  std::string text = "[";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!(mask & (1u << i))) continue;
    if (text.size() > 1) text += ',';
    text += names[i];
  }
  return text + "]";
}

unsigned ParseSet(std::string_view text, std::span<const std::string_view> names) {
  unsigned mask = 0;
  for (const std::string_view word : SplitWords(text, " ,[]"))
    if (const std::optional<int> member = ParseMember(word, names)) mask |= 1u << *member;
  return mask;
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    if (end > start) words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::string JoinFour(const std::int32_t (&values)[4]) {
  return IntegerText(values[0]) + ',' + IntegerText(values[1]) + ',' + IntegerText(values[2]) + ',' +
         IntegerText(values[3]);
}

std::optional<std::pair<std::string, std::string>> SplitEntry(std::string_view entry) {
  const std::size_t dot = entry.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::string component = TrimValue(entry.substr(0, dot));
  std::string property = TrimValue(entry.substr(dot + 1));
  if (component.empty() || property.empty()) return std::nullopt;
  return std::pair{std::move(component), std::move(property)};
}

std::string PitchText(TFontPitch pitch) { return std::string(kPitchNames[static_cast<int>(pitch)]); }

std::optional<TFontPitch> ParsePitch(std::string_view text) {
  const std::optional<int> member = ParseMember(text, kPitchNames);
  if (!member) return std::nullopt;
  return static_cast<TFontPitch>(*member);
}

std::string StylesText(const TFontStyles& s) {
  const unsigned mask =
      (s.Bold ? 1u : 0u) | (s.Italic ? 2u : 0u) | (s.Underline ? 4u : 0u) | (s.StrikeOut ? 8u : 0u);
  return SetText(mask, kStyleNames);
}

TFontStyles ParseStyles(std::string_view text) {
  const unsigned mask = ParseSet(text, kStyleNames);
  return {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
}
