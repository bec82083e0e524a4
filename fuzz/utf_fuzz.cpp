// The conversions of file names: every UTF-16 sequence, lone surrogates
// included, comes back from its UTF-8 form; any bytes widen to something that does.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "toolkit/Utf.h"

namespace {
bool IsUtf16(const std::wstring& text) {
  for (const wchar_t unit : text)
    if (static_cast<std::uint32_t>(unit) > 0xFFFF) return false;
  return true;
}

// The three-byte forms ED A0..BF xx, which only a lone surrogate is written as.
bool HasSurrogateForm(std::string_view bytes) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (static_cast<unsigned char>(bytes[i]) == 0xED && static_cast<unsigned char>(bytes[i + 1]) >= 0xA0) return true;
  return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool asWide = input.ConsumeBool();
  const std::size_t limit = input.ConsumeIntegralInRange<std::size_t>(0, 64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  if (asWide) {
    // The bytes as little-endian UTF-16 units, the way a file name reaches us.
    std::wstring wide;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
      wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8));
    const std::string utf8 = Narrow(wide);
    Check(Widen(utf8) == wide);
    std::string appended = "x";
    AppendNarrow(wide, appended);
    Check(appended == "x" + utf8);
    return 0;
  }

  const std::wstring wide = Widen(bytes);
  Check(IsUtf16(wide) && wide.size() <= bytes.size());
  const std::string utf8 = Narrow(wide);
  Check(Widen(utf8) == wide && Narrow(Widen(utf8)) == utf8);
  // Valid UTF-8 converts exactly.
  if (wide.find(L'\xFFFD') == std::wstring::npos && !HasSurrogateForm(bytes)) Check(utf8 == bytes);

  // A limited conversion is the start of the whole one, stopping at the limit
  // (one unit past it when a pair would be cut).
  std::wstring limited;
  AppendWiden(bytes, limited, limit);
  Check(wide.compare(0, limited.size(), limited) == 0);
  Check(limited.size() == wide.size() || limited.size() == limit || limited.size() == limit + 1);
  return 0;
}
