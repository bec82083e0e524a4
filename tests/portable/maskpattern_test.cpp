#include <gtest/gtest.h>

#include "filebrowser/filelist/MaskPattern.h"

namespace {

TEST(MaskPattern, OnlyTheShapesWithACertainOutcomeAreDecided) {
  for (const char* part : {"", "*", "*.*", "*.txt", "*.1st", "n*", " *.txt", "a b*.TXT"})
    EXPECT_TRUE(TMaskPattern(part).Decided()) << '"' << part << '"';
  for (const char* part : {"?.txt", "*.t?t", "a.*", "*.", "*.txt ", "*.txt.", "notes.txt", "*.tx t", "*.a.b",
                           "*.txt*", "*<.txt", "sub\\*.txt", "*.t\xc3\xa4t", "**.txt", "a*b"})
    EXPECT_FALSE(TMaskPattern(part).Decided()) << '"' << part << '"';
}

// The platform's own search is the reference under Wine (filelist_onescan_test); these
// rows hold what it cannot show: names without a short name and letters of uncertain case.
TEST(MaskPattern, MatchesLongOrShortNameWithoutRegardToCase) {
  struct Row {
    const char* part;
    const wchar_t *longName, *shortName;
    TNameMatch expected;
  };
  const Row rows[] = {
      {"*.txt", L"notes.txtx", L"NOTES~1.TXT", TNameMatch::Yes}, {"*.txt", L"notes.txtx", L"", TNameMatch::No},
      {"*.htm", L"page.html", L"PAGE~1.HTM", TNameMatch::Yes},   {"ab*.txt", L"a.txt", L"", TNameMatch::No},
      {"*.ini", L"b.\u0131ni", L"", TNameMatch::Unsure},         {"*.ini", L"b.\u0131nx", L"", TNameMatch::No},
      {"*.sys", L"c.\u017Fys", L"C~1.SYS", TNameMatch::Yes},     {"*.txt", L"\u00e4.TXT", L"", TNameMatch::Yes},
  };
  for (const Row& r : rows)
    EXPECT_EQ(TMaskPattern(r.part).Match(r.longName, r.shortName), r.expected) << "row " << (&r - rows);
}

}  // namespace
