#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "toolkit/NumberFormat.h"

namespace {

TEST(FormatGeneralFloat, FileTimesUseTheExponentForm) {
  EXPECT_EQ(FormatGeneralFloat(132514123456789000.0, '.'), "1.32514123456789E17");
  EXPECT_EQ(FormatGeneralFloat(132514123456789000.0, ','), "1,32514123456789E17");
  // The 16th digit rounds the 15th.
  EXPECT_EQ(FormatGeneralFloat(133500000000000480.0, '.'), "1.335E17");
  EXPECT_EQ(FormatGeneralFloat(133500000000000640.0, '.'), "1.33500000000001E17");
  EXPECT_EQ(FormatGeneralFloat(1e17, '.'), "1E17");
}

TEST(FormatGeneralFloat, PlainFormBelowFifteenDigits) {
  EXPECT_EQ(FormatGeneralFloat(0.0, '.'), "0");
  EXPECT_EQ(FormatGeneralFloat(-0.0, '.'), "0");
  EXPECT_EQ(FormatGeneralFloat(1.0, '.'), "1");
  EXPECT_EQ(FormatGeneralFloat(-2.5, '.'), "-2.5");
  EXPECT_EQ(FormatGeneralFloat(12345.678, ','), "12345,678");
  EXPECT_EQ(FormatGeneralFloat(100.0, '.'), "100");
  EXPECT_EQ(FormatGeneralFloat(123456789012345.0, '.'), "123456789012345");
  EXPECT_EQ(FormatGeneralFloat(1.0 / 3.0, '.'), "0.333333333333333");
  EXPECT_EQ(FormatGeneralFloat(2.0 / 3.0, '.'), "0.666666666666667");
  EXPECT_EQ(FormatGeneralFloat(0.1, '.'), "0.1");
  EXPECT_EQ(FormatGeneralFloat(0.0001, '.'), "0.0001");
  EXPECT_EQ(FormatGeneralFloat(0.000123, '.'), "0.000123");
}

TEST(FormatGeneralFloat, ExponentFormAtTheEdges) {
  EXPECT_EQ(FormatGeneralFloat(1e15, '.'), "1E15");
  EXPECT_EQ(FormatGeneralFloat(999999999999999.9, '.'), "1E15");
  EXPECT_EQ(FormatGeneralFloat(-1234567890123456.0, '.'), "-1.23456789012346E15");
  EXPECT_EQ(FormatGeneralFloat(0.00001, '.'), "1E-5");
  EXPECT_EQ(FormatGeneralFloat(0.000099, '.'), "9.9E-5");
  EXPECT_EQ(FormatGeneralFloat(1.5e-7, ','), "1,5E-7");
  EXPECT_EQ(FormatGeneralFloat(1e100, '.'), "1E100");
  EXPECT_EQ(FormatGeneralFloat(1.23e-100, '.'), "1.23E-100");
}

TEST(FormatGeneralFloat, NotANumberAndInfinities) {
  EXPECT_EQ(FormatGeneralFloat(std::nan(""), '.'), "NAN");
  EXPECT_EQ(FormatGeneralFloat(std::numeric_limits<double>::infinity(), '.'), "INF");
  EXPECT_EQ(FormatGeneralFloat(-std::numeric_limits<double>::infinity(), '.'), "-INF");
}

TEST(FormatGeneralFloat, FileTimesRoundTripAndKeepTheirOrder) {
  // From 1601 to far beyond today, in uneven steps.
  double previous = -1;
  for (std::int64_t ticks = 1; ticks < 1000000000000000000LL; ticks = ticks * 3 + 123456789) {
    for (char sep : {'.', ','}) {
      const std::string text = FormatGeneralFloat(static_cast<double>(ticks), sep);
      double back = 0;
      ASSERT_TRUE(ParseFloat(text, sep, back)) << text;
      // 15 significant digits: the error is at most half a unit of the 15th.
      EXPECT_LE(std::fabs(back - static_cast<double>(ticks)), static_cast<double>(ticks) * 6e-15)
          << text;
      // Writing the value read back gives the same text again.
      EXPECT_EQ(FormatGeneralFloat(back, sep), text);
      if (sep == '.') {
        EXPECT_GE(back, previous) << text;
        previous = back;
      }
    }
  }
}

TEST(FormatGeneralFloat, TimesAMillisecondApartStayApart) {
  // A FILETIME tick is 100 ns; today's keys keep 1000 ticks (0.1 ms) of resolution.
  const std::int64_t t = 133500000000000000LL;
  double a = 0;
  double b = 0;
  ASSERT_TRUE(ParseFloat(FormatGeneralFloat(static_cast<double>(t), '.'), '.', a));
  ASSERT_TRUE(ParseFloat(FormatGeneralFloat(static_cast<double>(t + 10000), '.'), '.', b));
  EXPECT_LT(a, b);
}

TEST(ParseFloat, AcceptsWhatTheToolkitWrites) {
  double v = 0;
  ASSERT_TRUE(ParseFloat("1.32514123456789E17", '.', v));
  EXPECT_EQ(v, 1.32514123456789e17);
  ASSERT_TRUE(ParseFloat("1,5E-7", ',', v));
  EXPECT_EQ(v, 1.5e-7);
  ASSERT_TRUE(ParseFloat("  -12.25  ", '.', v));
  EXPECT_EQ(v, -12.25);
  ASSERT_TRUE(ParseFloat("+3", '.', v));
  EXPECT_EQ(v, 3.0);
  ASSERT_TRUE(ParseFloat("5.", '.', v));
  EXPECT_EQ(v, 5.0);
  ASSERT_TRUE(ParseFloat(".5", '.', v));
  EXPECT_EQ(v, 0.5);
  ASSERT_TRUE(ParseFloat("2e+3", '.', v));
  EXPECT_EQ(v, 2000.0);
  ASSERT_TRUE(ParseFloat("-INF", '.', v));
  EXPECT_TRUE(std::isinf(v) && v < 0);
  ASSERT_TRUE(ParseFloat("nan", '.', v));
  EXPECT_TRUE(std::isnan(v));
}

TEST(ParseFloat, ReadsBackTheLargestNumbersWritten) {
  // Rounded to 15 digits these lie past the largest double; the text must still read back.
  for (const double value : {DBL_MAX, -DBL_MAX}) {
    const std::string text = FormatGeneralFloat(value, '.');
    double back = 0;
    ASSERT_TRUE(ParseFloat(text, '.', back)) << text;
    EXPECT_LE(std::fabs(back - value), std::fabs(value) * 1e-14) << text;
  }
  EXPECT_EQ(FormatGeneralFloat(DBL_MAX, '.'), "1.79769313486231E308");
}

TEST(ParseFloat, RejectsOtherTextAndLeavesTheResult) {
  for (const char* bad : {"", " ", "abc", ".", "-", "1e", "1E+", "1.5.2", "1,5", "12 KB", "0x10",
                          "1e400", "1 2"}) {
    double v = 42;
    EXPECT_FALSE(ParseFloat(bad, '.', v)) << bad;
    EXPECT_EQ(v, 42) << bad;
  }
  double v = 42;
  EXPECT_FALSE(ParseFloat("1.5", ',', v));
  EXPECT_EQ(v, 42);
}

TEST(FormatGrouped, GroupsOfThreeWithoutLeadingZeros) {
  EXPECT_EQ(FormatGrouped(1, ","), "1");
  EXPECT_EQ(FormatGrouped(999, ","), "999");
  EXPECT_EQ(FormatGrouped(1000, ","), "1,000");
  EXPECT_EQ(FormatGrouped(1500, ","), "1,500");
  EXPECT_EQ(FormatGrouped(123456, ","), "123,456");
  EXPECT_EQ(FormatGrouped(1234567890, ","), "1,234,567,890");
  EXPECT_EQ(FormatGrouped(-1234, ","), "-1,234");
  EXPECT_EQ(FormatGrouped(-999, ","), "-999");
  EXPECT_EQ(FormatGrouped(std::numeric_limits<std::int64_t>::min(), ","),
            "-9,223,372,036,854,775,808");
}

TEST(FormatGrouped, ZeroHasNoDigitLikeThePattern) { EXPECT_EQ(FormatGrouped(0, ","), ""); }

TEST(FormatGrouped, AnySeparator) {
  EXPECT_EQ(FormatGrouped(1234567, "."), "1.234.567");
  EXPECT_EQ(FormatGrouped(1234567, "\xC2\xA0"), "1\xC2\xA0" "234\xC2\xA0" "567");
  EXPECT_EQ(FormatGrouped(1234567, ""), "1234567");
}

}  // namespace
