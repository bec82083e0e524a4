#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filebrowser/filelist/DropFilesBlock.h"

namespace {

std::vector<std::u16string> Read(const std::vector<unsigned char>& block) {
  return ReadDropFilesBlock(block.data(), block.size(), nullptr);
}

TEST(DropFilesBlock, WideBlockRoundTripsAnyName) {
  const std::vector<std::u16string> paths{u"C:\\T\\a.txt", u"C:\\T\\\u0436\u4e2d \u00e9.txt",
                                          u"C:\\T\\" + std::u16string(1000, u'x'), u"C:\\T\\\xD800lone"};
  const std::vector<unsigned char> block = MakeDropFilesBlock(paths);
  EXPECT_EQ(block[0], 20);
  EXPECT_EQ(block[16], 1);  // wide
  EXPECT_EQ(Read(block), paths);
  // Empty names (which would end the list) are not written.
  EXPECT_EQ(Read(MakeDropFilesBlock({u"a", u"", u"b"})), (std::vector<std::u16string>{u"a", u"b"}));
  EXPECT_TRUE(Read(MakeDropFilesBlock({})).empty());
}

TEST(DropFilesBlock, AnsiBlockGoesThroughTheConverter) {
  std::vector<unsigned char> block(20, 0);
  block[0] = 20;
  for (char c : std::string("C:\\a\xE9.txt\0D:\\b\0\0", 16)) block.push_back(static_cast<unsigned char>(c));
  EXPECT_EQ(Read(block), (std::vector<std::u16string>{u"C:\\a\u00e9.txt", u"D:\\b"}));
  int calls = 0;
  const auto names = ReadDropFilesBlock(block.data(), block.size(), [&calls](std::string_view s) {
    ++calls;
    return std::u16string(s.size(), u'?');
  });
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(names[1], u"????");
}

TEST(DropFilesBlock, MalformedBlocksGiveOnlyCompleteNames) {
  std::vector<unsigned char> good = MakeDropFilesBlock({u"C:\\one", u"C:\\two"});
  // Too short for the header, offset past the end, offset at the very end.
  EXPECT_TRUE(Read(std::vector<unsigned char>(good.begin(), good.begin() + 19)).empty());
  std::vector<unsigned char> beyond = good;
  beyond[0] = 0xFF;
  beyond[1] = 0xFF;
  EXPECT_TRUE(Read(beyond).empty());
  std::vector<unsigned char> atEnd = good;
  atEnd[0] = static_cast<unsigned char>(good.size());
  EXPECT_TRUE(Read(atEnd).empty());
  // No closing NULs: the cut name is left out; an odd last byte is never read as a unit.
  std::vector<unsigned char> cut(good.begin(), good.end() - 4);
  EXPECT_EQ(Read(cut), (std::vector<std::u16string>{u"C:\\one"}));
  cut.push_back('z');
  EXPECT_EQ(Read(cut), (std::vector<std::u16string>{u"C:\\one"}));
  EXPECT_TRUE(ReadDropFilesBlock(nullptr, 40, nullptr).empty());
}

}  // namespace
