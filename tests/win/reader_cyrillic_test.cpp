// The reader under a Cyrillic system code page: what it shows is what it copies and
// what its window text reads.
#include <gtest/gtest.h>

#include "tests/win/support/Keys.h"
#include "tests/win/support/MainWindowFixture.h"

namespace {
using ReaderCyrillicTest = MainWindowTest;

constexpr char kBytes[] = "\xCF\xF0\xE8\xE2\xE5\xF2";
constexpr wchar_t kShown[] = L"\x041F\x0440\x0438\x0432\x0435\x0442";  // "Privet" in Cyrillic letters
}  // namespace

TEST_F(ReaderCyrillicTest, WhatIsShownIsWhatIsCopiedAndRead) {
  ASSERT_EQ(GetACP(), 1251u);
  LoadText(kBytes);
  HWND view = form->ReadText->Handle();
  EXPECT_EQ(form->ReadText->TextW(), kShown);
  // The window text, as a screen reader asks for it, whole and cut short.
  wchar_t text[16] = {};
  EXPECT_EQ(GetWindowTextLengthW(view), 6);
  EXPECT_EQ(GetWindowTextW(view, text, 16), 6);
  EXPECT_STREQ(text, kShown);
  EXPECT_EQ(GetWindowTextW(view, text, 4), 3);
  EXPECT_EQ(std::wstring(text), std::wstring(kShown, 3));

  // Select All and Copy from the keyboard, and the view's own copy message.
  for (const bool message : {false, true}) {
    SetClipboardText("other");
    form->ReadText->SetFocus();
    PressKey(view, 'A', {.Ctrl = true});
    if (message) SendMessageW(view, WM_COPY, 0, 0);
    else PressKey(view, 'C', {.Ctrl = true});
    EXPECT_EQ(ClipboardText(), kBytes) << message;
    EXPECT_EQ(ClipboardUnicode(), kShown) << message;
  }
}
