#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/SubItems.h"

namespace {

std::vector<std::string> Texts(const TSubItems& items) {
  std::vector<std::string> texts;
  for (std::size_t k = 0; k < items.size(); ++k) texts.emplace_back(items[k]);
  return texts;
}

using Strings = std::vector<std::string>;

TEST(SubItemsTest, EachTextReadsBackWhateverItsNeighbours) {
  const TSubItems items{"0 KB", "", "Text Document", std::string(300, 'x'), "", "file"};
  EXPECT_EQ(Texts(items), (Strings{"0 KB", "", "Text Document", std::string(300, 'x'), "", "file"}));
  EXPECT_EQ(items[6], "");  // beyond the last text
  EXPECT_TRUE(TSubItems().empty());
  EXPECT_EQ(TSubItems()[0], "");
}

TEST(SubItemsTest, SetReplacesOneTextAndGrowsTheList) {
  TSubItems items{"a", "bb", "ccc"};
  items.Set(1, "longer text");
  items.Set(0, "");
  EXPECT_EQ(Texts(items), (Strings{"", "longer text", "ccc"}));
  items.Set(5, "f");
  EXPECT_EQ(Texts(items), (Strings{"", "longer text", "ccc", "", "", "f"}));
  TSubItems grown;
  grown.Append("x");
  grown.Append("y");
  EXPECT_EQ(Texts(grown), (Strings{"x", "y"}));
  EXPECT_EQ(grown, (TSubItems{"x", "y"}));
}

TEST(SubItemsTest, CopiesAreIndependentAndTextsMaySelfAssign) {
  TSubItems items{std::string(200, 'p'), "b"};
  TSubItems copy = items;
  items.Set(1, items[0].substr(0, 3));
  EXPECT_EQ(Texts(items), (Strings{std::string(200, 'p'), "ppp"}));
  EXPECT_EQ(Texts(copy), (Strings{std::string(200, 'p'), "b"}));
  items.Assign({items[1], items[1]});
  EXPECT_EQ(Texts(items), (Strings{"ppp", "ppp"}));
  items.Clear();
  EXPECT_TRUE(items.empty());
}

}  // namespace
