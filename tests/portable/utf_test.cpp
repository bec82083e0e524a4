// Text conversions at the platform boundary: every wide string comes back unchanged.
#include <gtest/gtest.h>

#include "toolkit/Utf.h"

TEST(Utf, EveryWideStringRoundTripsLoneSurrogatesIncluded) {
  const std::wstring names[] = {
      L"",
      L"notes.txt",
      L"caf\u00e9 \u65e5\u672c.txt",
      std::wstring{L'a', static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00), L'b'},  // a valid pair
      std::wstring{L'x', static_cast<wchar_t>(0xD800), L'.', L't'},                           // lone high
      std::wstring{static_cast<wchar_t>(0xDC00), L'y'},                                       // lone low
      std::wstring{static_cast<wchar_t>(0xDC00), static_cast<wchar_t>(0xD800)},             // reversed pair
      std::wstring{L'z', static_cast<wchar_t>(0xDBFF)},                                       // high at the end
      std::wstring{static_cast<wchar_t>(0xFFFF), static_cast<wchar_t>(0xFFFD)},
  };
  for (const std::wstring& name : names) {
    const std::string narrow = Narrow(name);
    EXPECT_EQ(Widen(narrow), name) << narrow;
    std::string appended = "C:\\";
    AppendNarrow(name, appended);
    EXPECT_EQ(appended, "C:\\" + narrow);
  }
  // Two different lone surrogates never meet in one narrow text.
  EXPECT_NE(Narrow(std::wstring(1, static_cast<wchar_t>(0xD800))),
            Narrow(std::wstring(1, static_cast<wchar_t>(0xD801))));
}

TEST(Utf, ValidTextIsUtf8AndBrokenBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Narrow(L"caf\u00e9"), "caf\xC3\xA9");
  EXPECT_EQ(Narrow(std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)}), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Widen("\xE2\x82\xAC"), L"\u20ac");
  const std::wstring bad(1, static_cast<wchar_t>(0xFFFD));
  EXPECT_EQ(Widen("a\xFF" "b"), L"a" + bad + L"b");
  EXPECT_EQ(Widen("\xC0\xAF"), bad + bad);      // an overlong form
  EXPECT_EQ(Widen("\xE2\x82"), bad);            // a cut sequence counts once
  EXPECT_EQ(Widen("\xF4\x90\x80\x80"), bad + bad + bad + bad);  // beyond U+10FFFF
}
