// Files longer than one read of the reader (16 MiB): what lies on the boundary between
// two reads, the unchanged-file check across them, and a zero byte in a later one.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "tests/win/support/MainWindowFixture.h"
#include "tests/win/support/ReaderPieces.h"

namespace {
using ReaderPiecesTest = MainWindowTest;
}  // namespace

TEST_F(ReaderPiecesTest, WhatStraddlesTwoReadsIsMendedAsOne) {
  const struct {
    const char* before;  // the last bytes of the first read
    const char* after;   // the first bytes of the second
    const char* shown;
  } cases[] = {{"a\r", "\nb", "a\r\nb"}, {"a\r", "b", "a\r\nb"}, {"a\n", "\rb", "a\r\n\r\nb"}, {"a", "\nb", "a\r\nb"}};
  for (const auto& c : cases) {
    const std::string text = StraddlingText(c.before, c.after);
    form->ReadText->LoadFromFile(dir.Write("straddling.txt", text));
    const std::size_t from = kReadPiece - std::strlen(c.before), length = std::strlen(c.shown);
    EXPECT_EQ(form->ReadText->BytesAt(from, length), c.shown) << c.before << "|" << c.after;
    EXPECT_EQ(form->ReadText->TextLength(), static_cast<std::int64_t>(from + length)) << c.before << "|" << c.after;
  }
}

TEST_F(ReaderPiecesTest, NothingAfterAZeroByteInALaterReadIsShown) {
  // The zero byte lies in the second read; a third one follows.
  std::string text = FillerLines(2 * kReadPiece - 16) + std::string("seen\0hidden", 11);
  text += FillerLines(2 * kReadPiece - text.size()) + "third read";
  form->ReadText->LoadFromFile(dir.Write("zero.txt", text));
  const std::int64_t length = form->ReadText->TextLength();
  ASSERT_EQ(length, static_cast<std::int64_t>(2 * kReadPiece - 16 + 4));
  EXPECT_EQ(form->ReadText->BytesAt(length - 4, 4), "seen");
  // Ranges that hold nothing give nothing, whatever the caller asked for.
  for (const auto& [start, count] : {std::pair<std::int64_t, std::int64_t>{length, 4}, {0, 0}, {4, -8}})
    EXPECT_TRUE(form->ReadText->BytesAt(start, count).empty()) << start << "+" << count;
}

TEST_F(ReaderPiecesTest, TheUnchangedCheckSpansEveryRead) {
  std::string text = StraddlingText("a\r", "\nb") + FillerLines(4096);
  const std::string path = dir.Write("long.txt", text);
  form->ReadText->LoadFromFile(path);
  form->ReadText->SetSel(kReadPiece + 10, 7);
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(path); }), 0);
  EXPECT_EQ(form->ReadText->SelStart(), static_cast<std::int64_t>(kReadPiece + 10));
  EXPECT_EQ(form->ReadText->SelLength(), 7);
  // One byte differs, a digit in the second read.
  constexpr std::size_t kChanged = kReadPiece + 2 + 2048 + 1;
  ASSERT_EQ(text[kChanged], '1');
  text[kChanged] = '!';
  dir.Write("long.txt", text);
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(path); }), 1);
  EXPECT_EQ(form->ReadText->SelLength(), 0);
  EXPECT_EQ(form->ReadText->BytesAt(kChanged, 1), "!");
}
