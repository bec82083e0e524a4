#include "filebrowser/DropFilesBlock.h"

namespace {
void PutUint32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t GetUint32(const unsigned char* data) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | data[i];
  return value;
}
}  // namespace

std::vector<unsigned char> MakeDropFilesBlock(const std::vector<std::u16string>& paths) {
  std::vector<unsigned char> block(kDropFilesHeaderSize, 0);
  PutUint32(block, 0, static_cast<std::uint32_t>(kDropFilesHeaderSize));
  PutUint32(block, 16, 1);
  auto put = [&block](char16_t unit) {
    block.push_back(static_cast<unsigned char>(unit & 0xFF));
    block.push_back(static_cast<unsigned char>(unit >> 8));
  };
  for (const std::u16string& path : paths) {
    // A NUL inside a name would end it early and shift every later name.
    if (path.empty() || path.find(u'\0') != std::u16string::npos) continue;
    for (char16_t unit : path) put(unit);
    put(0);
  }
  put(0);
  return block;
}

std::vector<std::u16string> ReadDropFilesBlock(const unsigned char* data, std::size_t size,
                                               const std::function<std::u16string(std::string_view)>& fromAnsi) {
  std::vector<std::u16string> names;
  if (!data || size < kDropFilesHeaderSize) return names;
  const std::size_t offset = GetUint32(data);
  const bool wide = GetUint32(data + 16) != 0;
  if (offset > size) return names;
  std::size_t at = offset;
  if (wide) {
    std::u16string name;
    while (at + 2 <= size) {
      const char16_t unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
      at += 2;
      if (unit != 0) {
        name.push_back(unit);
        continue;
      }
      if (name.empty()) break;  // the closing NUL
      names.push_back(std::move(name));
      name.clear();
    }
    return names;
  }
  std::string name;
  while (at < size) {
    const char byte = static_cast<char>(data[at++]);
    if (byte != '\0') {
      name.push_back(byte);
      continue;
    }
    if (name.empty()) break;
    if (fromAnsi) {
      names.push_back(fromAnsi(name));
    } else {
      std::u16string latin;
      for (char c : name) latin.push_back(static_cast<unsigned char>(c));
      names.push_back(std::move(latin));
    }
    name.clear();
  }
  return names;
}
