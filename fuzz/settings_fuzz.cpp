// The settings store's value texts: every value the program holds comes back
// from its text, and no text read from a changed file does harm.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdint>
#include <string>

#include "app/IniText.h"
#include "fuzz/FuzzCheck.h"

namespace {
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// What the profile reader does with a value line: blanks around it go, and one
// pair of equal quotes around the rest.
std::string ProfileRead(std::string_view line) {
  std::string value = TrimValue(line);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

// A text written to the file and read back as the store does.
std::string Stored(std::string_view text) { return TrimValue(ProfileRead(QuoteValue(TrimValue(text)))); }

// The decimal reading of a reference: digits only, an optional sign, 32 bits.
std::optional<std::int32_t> ReferenceDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);

  const auto number = input.ConsumeIntegral<std::int32_t>();
  Check(ParseInteger(Stored(IntegerText(number))) == number);
  const bool flag = input.ConsumeBool();
  Check(ParseBoolean(Stored(BooleanText(flag))) == flag);
  const auto pitch = static_cast<TFontPitch>(input.ConsumeIntegralInRange(0, 2));
  Check(ParsePitch(Stored(PitchText(pitch))) == pitch);
  const auto styleBits = input.ConsumeIntegralInRange(0, 15);
  const TFontStyles styles{(styleBits & 1) != 0, (styleBits & 2) != 0, (styleBits & 4) != 0, (styleBits & 8) != 0};
  Check(ParseStyles(Stored(StylesText(styles))) == styles);

  // A string the program holds is kept trimmed; the file holds no line breaks or zero bytes.
  const std::string held = TrimValue(input.ConsumeRandomLengthString(256));
  if (held.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos) Check(Stored(held) == held);

  // Any text of a changed file: the readers give only what the writers would write.
  const std::string text = input.ConsumeRemainingBytesAsString();
  const std::string trimmed = TrimValue(text);
  Check(TrimValue(trimmed) == trimmed && text.find(trimmed) != std::string::npos);
  Check(trimmed.empty() || (!IsBlankOrControl(trimmed.front()) && !IsBlankOrControl(trimmed.back())));
  if (const std::optional<std::int32_t> value = ParseInteger(text)) {
    Check(ParseInteger(IntegerText(*value)) == value && IntegerValue(text) == *value);
    if (text.find('$') == std::string::npos) Check(ReferenceDecimal(text) == value);
  } else {
    Check(IntegerValue(text) == 0);
    Check(text.find('$') != std::string::npos || !ReferenceDecimal(text));
  }
  if (const std::optional<bool> value = ParseBoolean(text)) Check(SameName(BooleanText(*value), text));
  if (const std::optional<TFontPitch> value = ParsePitch(text)) Check(SameName(PitchText(*value), text));
  const TFontStyles read = ParseStyles(text);
  Check(ParseStyles(StylesText(read)) == read);
  // Every word is a piece of the text itself, with no separator in it.
  for (const std::string_view word : SplitWords(text, " ,[]"))
    Check(!word.empty() && word.find_first_of(" ,[]") == std::string::npos && word.data() >= text.data() &&
          word.data() + word.size() <= text.data() + text.size());
  if (const auto entry = SplitEntry(text)) {
    Check(!entry->first.empty() && !entry->second.empty() && entry->first.find('.') == std::string::npos);
    Check(TrimValue(entry->first) == entry->first && TrimValue(entry->second) == entry->second);
  }
  return 0;
}
