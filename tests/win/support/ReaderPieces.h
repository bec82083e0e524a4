#pragma once
// Texts for the reader's reading in pieces: files longer than one read.
#include <cstddef>
#include <string>
#include <string_view>

// The bytes the reader takes in one read.
inline constexpr std::size_t kReadPiece = std::size_t{16} << 20;

// `bytes` bytes of short lines ending in CR LF, the last one cut short without its end.
inline std::string FillerLines(std::size_t bytes) {
  std::string text;
  text.reserve(bytes);
  while (text.size() + 16 <= bytes) text += "0123456789abcd\r\n";
  text.append(bytes - text.size(), '-');
  return text;
}

// Short lines up to the end of the first read, which ends with `before`; `after` opens the second.
inline std::string StraddlingText(std::string_view before, std::string_view after) {
  std::string text = FillerLines(kReadPiece - 16);
  text.append(16 - before.size(), '-');
  text += before;
  text += after;
  return text;
}
