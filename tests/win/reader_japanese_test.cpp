// The reader under a Japanese system code page: a lead byte and its trail byte are one character.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/win/support/Keys.h"
#include "tests/win/support/MainWindowFixture.h"
#include "tests/win/support/ReaderPieces.h"
#include "toolkit/Utf.h"

namespace {
using ReaderJapaneseTest = MainWindowTest;
}  // namespace

TEST_F(ReaderJapaneseTest, LeadAndTrailBytesStayTogether) {
  ASSERT_EQ(GetACP(), 932u);
  // "so" (0x83 0x5C) has a backslash as its trail byte, "a" and "i" (0x82 0xA0, 0x82 0xA2)
  // high ones; 0x81 0x0A is not a character, and its second byte not a line break.
  LoadText("\x83\x5C\x82\xA0\x82\xA2\n\x81\x0Ax");
  EXPECT_EQ(form->ReadText->Bytes(), "\x83\x5C\x82\xA0\x82\xA2\r\n\x81\x0Ax");
  EXPECT_EQ(form->ReadText->TextW().substr(0, 3), L"\x30BD\x3042\x3044");
  form->ReadText->SetFocus();
  PressKey(form->ReadText->Handle(), VK_RIGHT, {.Shift = true});
  EXPECT_EQ(form->ReadText->SelLength(), 2);
  PressKey(form->ReadText->Handle(), VK_RIGHT, {.Shift = true});
  EXPECT_EQ(form->ReadText->SelLength(), 4);
  form->SelectAllMenuClick(nullptr);
  EXPECT_EQ(form->ReadText->SelLength(), 11);
  // Copied as shown.
  form->CopyMenuClick(nullptr);
  EXPECT_EQ(ClipboardUnicode().substr(0, 4), L"\x30BD\x3042\x3044\r");
  // The bytes themselves as 8-bit text, the pair that is no character too: text made
  // back from the UTF-16 form would not hold them.
  EXPECT_EQ(ClipboardText(), form->ReadText->Bytes());
}

TEST_F(ReaderJapaneseTest, ACharacterAcrossTwoReadsStaysOne) {
  const struct {
    const char* before;  // the last bytes of the first read: a lead byte
    const char* after;   // the first bytes of the second: its trail byte
    const char* shown;
  } cases[] = {{"\x81", "\x0Ax", "\x81\x0Ax"}, {"\x82", "\xA0\n", "\x82\xA0\r\n"}};
  for (const auto& c : cases) {
    form->ReadText->LoadFromFile(dir.Write("straddling.txt", StraddlingText(c.before, c.after)));
    EXPECT_EQ(form->ReadText->BytesAt(kReadPiece - 1, 4), std::string_view(c.shown).substr(0, 4)) << c.after;
    EXPECT_EQ(form->ReadText->TextLength(), static_cast<std::int64_t>(kReadPiece - 1 + std::strlen(c.shown)));
  }
}
