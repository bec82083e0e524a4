#include <gtest/gtest.h>

#include <string>

#include "filebrowser/MaskPattern.h"

namespace {

TEST(MaskPattern, OnlyTheShapesWithACertainOutcomeAreDecided) {
  for (const char* part : {"", "*", "*.*", "*.txt", "*.1st", "n*", " *.txt", "a b*.TXT", "*.c"})
    EXPECT_TRUE(TMaskPattern(part).Decided()) << '"' << part << '"';
  for (const char* part : {"?.txt", "*.t?t", "a.*", "*.", "*.txt ", "*.txt.", "notes.txt", "*.tx t", "*.a.b",
                           "*.txt*", "*<.txt", "sub\\*.txt", "*.t\xc3\xa4t", "**.txt", "a*b"})
    EXPECT_FALSE(TMaskPattern(part).Decided()) << '"' << part << '"';
}

TEST(MaskPattern, MatchesLongOrShortNameWithoutRegardToCase) {
  struct Row {
    const char* part;
    const wchar_t* longName;
    const wchar_t* shortName;
    TNameMatch expected;
  };
  const Row rows[] = {
      {"*.txt", L"a.TXT", L"", TNameMatch::Yes},        {"*.txt", L"a.b.txt", L"", TNameMatch::Yes},
      {"*.txt", L".txt", L"", TNameMatch::Yes},         {"*.txt", L"txt", L"", TNameMatch::No},
      {"*.txt", L"a.txt.", L"", TNameMatch::No},        {"*.txt", L"a.txt ", L"", TNameMatch::No},
      {"*.txt", L"notes.txtx", L"NOTES~1.TXT", TNameMatch::Yes},
      {"*.txt", L"notes.txtx", L"", TNameMatch::No},    {"*.htm", L"page.html", L"PAGE~1.HTM", TNameMatch::Yes},
      {"N*.TXT", L"n.txt", L"", TNameMatch::Yes},       {"ab*.txt", L"a.txt", L"", TNameMatch::No},
      {" *.txt", L" c.txt", L"C~1.TXT", TNameMatch::Yes}, {" *.txt", L"c.txt", L"", TNameMatch::No},
      {"*", L"..", L"", TNameMatch::Yes},               {"*.*", L"readme", L"", TNameMatch::Yes},
      {"", L"a.txt", L"", TNameMatch::No},              {"re*", L"README", L"", TNameMatch::Yes},
      {"*.ini", L"b.\u0131ni", L"", TNameMatch::Unsure}, {"*.ini", L"b.\u0131nx", L"", TNameMatch::No},
      {"*.sys", L"c.\u017Fys", L"C~1.SYS", TNameMatch::Yes}, {"*.txt", L"\u00e4.txt", L"", TNameMatch::Yes},
  };
  for (const Row& r : rows)
    EXPECT_EQ(TMaskPattern(r.part).Match(r.longName, r.shortName), r.expected)
        << r.part << " against " << std::wstring(r.longName).size() << "-character name #" << (&r - rows);
}

}  // namespace
