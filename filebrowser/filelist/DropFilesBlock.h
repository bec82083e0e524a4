#pragma once
// The clipboard's and the shell's file-drop block: a 20-byte header (offset of the
// names, drop point, non-client flag, wide flag) followed by the names, each closed by
// a NUL, and one more NUL. Read without trusting the header of any block another
// program hands us.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kDropFilesHeaderSize = 20;

// A block with wide (UTF-16) names: every reader of the format takes this form, and
// it spells every name the file system can hold.
std::vector<unsigned char> MakeDropFilesBlock(const std::vector<std::u16string>& paths);

// The names of a block of `size` bytes. Reads nothing outside the block: a header that
// does not fit, or an offset past the end, gives no names, and a last name not closed
// by a NUL inside the block is left out. An 8-bit block's names go through
// `fromAnsi` (the system code page on the platform).
std::vector<std::u16string> ReadDropFilesBlock(const unsigned char* data, std::size_t size,
                                               const std::function<std::u16string(std::string_view)>& fromAnsi);
