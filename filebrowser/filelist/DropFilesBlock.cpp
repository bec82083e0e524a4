#include "filebrowser/filelist/DropFilesBlock.h"

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
  const std::size_t unit = wide ? 2 : 1;
  // Each name's closing NUL is found first and the name copied whole; a name with
  // no NUL before the block ends, or an empty one (the list's end), stops the reading.
  for (std::size_t at = offset;;) {
    std::size_t end = at;
    while (end + unit <= size && (data[end] | (wide ? data[end + 1] : 0)) != 0) end += unit;
    if (end + unit > size || end == at) break;
    std::u16string name;
    if (wide) {
      name.resize((end - at) / 2);
      for (std::size_t i = 0; i < name.size(); ++i)
        name[i] = static_cast<char16_t>(data[at + 2 * i] | (data[at + 2 * i + 1] << 8));
    } else if (fromAnsi) {
      name = fromAnsi(std::string_view(reinterpret_cast<const char*>(data + at), end - at));
    } else {
      name.assign(data + at, data + end);  // Latin-1
    }
    names.push_back(std::move(name));
    at = end + unit;
  }
  return names;
}
