// The file-drop block another program puts on the clipboard or drops on the
// window, ANSI or wide: whatever its header says, the reader stays inside the
// block and gives only names closed inside it.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "filebrowser/filelist/DropFilesBlock.h"
#include "fuzz/FuzzCheck.h"

namespace {
std::u16string Latin(std::string_view bytes) {
  std::u16string out;
  for (const char c : bytes) out.push_back(static_cast<unsigned char>(c));
  return out;
}

// The names a block holds, read the plain way: from the offset, NUL-closed
// names up to the first empty one or the end of the block.
std::vector<std::u16string> ReferenceNames(const std::vector<unsigned char>& block) {
  std::vector<std::u16string> names;
  if (block.size() < kDropFilesHeaderSize) return names;
  const std::uint32_t offset = block[0] | block[1] << 8 | block[2] << 16 | static_cast<std::uint32_t>(block[3]) << 24;
  const bool wide = (block[16] | block[17] | block[18] | block[19]) != 0;
  const std::size_t unit = wide ? 2 : 1;
  std::u16string name;
  for (std::size_t at = offset; at + unit <= block.size(); at += unit) {
    const char16_t c = wide ? static_cast<char16_t>(block[at] | block[at + 1] << 8) : block[at];
    if (c != 0) {
      name.push_back(c);
    } else if (name.empty()) {
      break;
    } else {
      names.push_back(name);
      name.clear();
    }
  }
  return names;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly the block's size, so that any read past it is caught.
  const std::vector<unsigned char> block(data, data + size);
  const std::vector<std::u16string> names = ReadDropFilesBlock(block.data(), block.size(), Latin);
  Check(names == ReferenceNames(block));
  for (const std::u16string& name : names) Check(!name.empty() && name.find(u'\0') == std::u16string::npos);

  // Without the 8-bit conversion the bytes are taken as Latin-1 all the same.
  Check(ReadDropFilesBlock(block.data(), block.size(), nullptr) == names);

  // What we write reads back whole, also cut anywhere: then only the names closed before the cut.
  const std::vector<unsigned char> made = MakeDropFilesBlock(names);
  Check(ReadDropFilesBlock(made.data(), made.size(), nullptr) == names);
  if (!made.empty()) {
    const std::size_t cut = size % made.size();
    const std::vector<unsigned char> shorter(made.begin(), made.begin() + static_cast<std::ptrdiff_t>(cut));
    const std::vector<std::u16string> some = ReadDropFilesBlock(shorter.data(), shorter.size(), nullptr);
    Check(some.size() <= names.size() && std::equal(some.begin(), some.end(), names.begin()));
  }
  return 0;
}
