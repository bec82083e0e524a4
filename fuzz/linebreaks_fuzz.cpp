// The reader's load path over raw file bytes: line-break normalisation with a
// single-byte or a double-byte lead table, then the cut at the first zero byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/LineBreaks.h"
#include "fuzz/FuzzCheck.h"

namespace {
TLeadByteTable LeadTable(FuzzedDataProvider& input) {
  TLeadByteTable lead{};
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: break;  // a single-byte code page
    case 1:         // the ranges of a Japanese double-byte code page
      for (int b = 0x81; b <= 0x9F; ++b) lead[b] = true;
      for (int b = 0xE0; b <= 0xFC; ++b) lead[b] = true;
      break;
    default: {  // any choice of the upper half, as other double-byte code pages have
      const std::uint64_t bits[2] = {input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>()};
      for (int b = 0; b < 128; ++b) lead[0x80 + b] = (bits[b / 64] >> (b % 64)) & 1;
    }
  }
  return lead;
}

// Every CR is followed by LF and every LF preceded by CR, trail bytes apart.
bool OnlyPairs(const std::string& text, const TLeadByteTable& lead) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (lead[c]) {
      ++i;
    } else if (c == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') return false;
      ++i;
    } else if (c == '\n') {
      return false;
    }
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const TLeadByteTable lead = LeadTable(input);
  const std::size_t cut = input.ConsumeIntegral<std::uint16_t>();
  const std::size_t room = input.ConsumeIntegralInRange<std::size_t>(2, 64);
  const std::string original = input.ConsumeRemainingBytesAsString();

  std::string text = original;
  const char* const storage = text.data();
  const std::size_t lone = CountLoneBreaks(text, lead);
  const bool changed = NormalizeLineBreaks(text, lead);
  Check(changed == (lone > 0));
  if (!changed) Check(text == original && text.data() == storage);
  else Check(text.size() == original.size() + lone && text != original);
  Check(OnlyPairs(text, lead) && CountLoneBreaks(text, lead) == 0);

  // Only breaks were added: without CR and LF both sides hold the same bytes.
  std::string bare = original, normalizedBare = text;
  std::erase_if(bare, [](char c) { return c == '\r' || c == '\n'; });
  std::erase_if(normalizedBare, [](char c) { return c == '\r' || c == '\n'; });
  Check(bare == normalizedBare);

  // Read in two pieces and mended through a small block, the text comes out the same.
  std::string pieces, carried;
  for (const bool last : {false, true}) {
    const std::string_view all(original);
    const std::size_t at = std::min(cut, all.size());
    const std::string piece = carried + std::string(last ? all.substr(at) : all.substr(0, at));
    const TPieceScan scan = ScanPiece(piece, lead, last);
    const std::string_view complete = std::string_view(piece).substr(0, scan.complete);
    Check(scan.lone == CountLoneBreaks(complete, lead));
    std::string block(room, '\0');
    for (std::size_t from = 0; from < complete.size();) pieces.append(block.data(), NormalizeInto(complete, from, lead, block.data(), room));
    carried = piece.substr(scan.complete);
  }
  Check(pieces == text && carried.empty());

  std::string again = text;
  Check(!NormalizeLineBreaks(again, lead) && again == text);

  std::string shown = text;
  CutAtFirstZero(shown);
  Check(shown.find('\0') == std::string::npos && text.compare(0, shown.size(), shown) == 0);
  Check(shown.size() == text.size() || text[shown.size()] == '\0');
  return 0;
}
