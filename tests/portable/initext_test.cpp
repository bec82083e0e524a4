#include <gtest/gtest.h>

#include "app/IniText.h"

namespace {
constexpr std::string_view kStyles[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}  // namespace

TEST(IniText, IntegersReadDecimalOrDollarHexAndNothingElse) {
  const struct {
    std::string_view text;
    std::optional<std::int32_t> value;
  } rows[] = {
      {"240", 240},          {"-11", -11},           {"+7", 7},
      {"$FF", 255},          {"$ff", 255},           {"$80000008", -2147483640},
      {"-$10", -16},         {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"2147483648", {}},    {"$100000000", {}},     {"", {}},
      {"$", {}},             {"-", {}},              {"12px", {}},
      {"abc", {}},           {" 5", {}},             {"0x10", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseInteger(row.text), row.value) << row.text;
  EXPECT_EQ(IntegerValue("letters"), 0);
  EXPECT_EQ(IntegerText(static_cast<std::int32_t>(0x80000008u)), "-2147483640");
}

TEST(IniText, StyleSetsWriteInMemberOrderAndReadLeniently) {
  EXPECT_EQ(SetText(0, kStyles), "[]");
  EXPECT_EQ(SetText(0b0011, kStyles), "[fsBold,fsItalic]");
  EXPECT_EQ(SetText(0b1001, kStyles), "[fsBold,fsStrikeOut]");
  EXPECT_EQ(ParseSet("[fsBold, fsItalic]", kStyles), 0b0011u);
  EXPECT_EQ(ParseSet("fsitalic fsBOLD", kStyles), 0b0011u);
  EXPECT_EQ(ParseSet("[fsBold,fsHeavy]", kStyles), 0b0001u);
  EXPECT_EQ(ParseSet("", kStyles), 0u);
  EXPECT_EQ(ParseSet("[[,]]", kStyles), 0u);
  EXPECT_EQ(ParseMember("FSSTRIKEOUT", kStyles), 3);
  EXPECT_EQ(ParseBoolean("TRUE"), true);
}

TEST(IniText, TrimmingAndQuotingKeepTheValueWhole) {
  EXPECT_EQ(TrimValue(" \t C:\\Texts\\ \r\n"), "C:\\Texts\\");
  EXPECT_EQ(TrimValue("\x01\x1f"), "");
  EXPECT_EQ(TrimValue("a b"), "a b");
  EXPECT_EQ(QuoteValue("\"quoted\""), "\"\"quoted\"\"");
  EXPECT_EQ(QuoteValue("'single'"), "\"'single'\"");
  EXPECT_EQ(QuoteValue("\"mixed'"), "\"mixed'");
  EXPECT_EQ(QuoteValue("\""), "\"");
  EXPECT_EQ(QuoteValue("plain"), "plain");
}

TEST(IniText, WordsAndEntriesSplitAsThePlacementAndListNeed) {
  EXPECT_EQ(SplitWords("-1, -1,,-4 -4", " ,"), (std::vector<std::string_view>{"-1", "-1", "-4", "-4"}));
  EXPECT_TRUE(SplitWords(" , ", " ,").empty());
  const std::int32_t four[4] = {241, 191, 841, 591};
  EXPECT_EQ(JoinFour(four), "241,191,841,591");
  // Only the first "." splits; what follows it is the property's name.
  EXPECT_EQ(SplitEntry(" BrowseFiles . Font.Size "), (std::pair<std::string, std::string>{"BrowseFiles", "Font.Size"}));
}
