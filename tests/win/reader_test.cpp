// The reader pane: loading a file, the unchanged-file rule, failures, and the Copy enabling rule.
#include <Scintilla.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>

#include "tests/win/support/Keys.h"
#include "tests/win/support/MainWindowFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

// Allocations of this size or more fail once `largeToSkip` of them have succeeded, as
// they would in a process whose memory is exhausted.
namespace {
std::size_t failFrom = 0;
int largeToSkip = 0;
}  // namespace

// GCC takes the malloc below for a mismatch once it inlines these into a delete.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  if (failFrom && size >= failFrom && largeToSkip-- == 0) {
    failFrom = 0;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {
using ReaderTest = MainWindowTest;

// A view that refuses any new text while `refuse` is set.
class TRefusingReader : public TReader {
 public:
  using TReader::TReader;
  bool refuse = false;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (refuse && msg == SCI_CREATELOADER) return 0;
    return TReader::WndProc(msg, wParam, lParam);
  }
};

// Pixels of the selection's colour in the top rows of a window, as drawn now.
int HighlightPixels(HWND hwnd) {
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  int count = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 120; x += 2) count += GetPixel(dc, x, y) == highlight;
  ReleaseDC(hwnd, dc);
  return count;
}

std::wstring Shown(TForm1& form) { return form.ReadText->TextW(); }


std::string LoadFailure(TForm1& form, const std::string& path) {
  try {
    form.ReadText->LoadFromFile(path);
  } catch (const Exception& e) {
    return e.what();
  }
  return "";
}
}  // namespace

TEST_F(ReaderTest, LineEndsOfEveryKindBecomeCrLf) {
  LoadText("cr\rlf\ncrlf\r\nlast");
  EXPECT_EQ(Shown(*form), L"cr\r\nlf\r\ncrlf\r\nlast");
  EXPECT_EQ(SendMessageW(form->ReadText->Handle(), EM_GETLINECOUNT, 0, 0), 4);
  LoadText("a\r\r\nb", "two.txt");
  EXPECT_EQ(Shown(*form), L"a\r\n\r\nb");
  LoadText("a\n\rb", "three.txt");
  EXPECT_EQ(Shown(*form), L"a\r\n\r\nb");
}

TEST_F(ReaderTest, TextEndsAtTheFirstZeroByte) {
  LoadText(std::string("visible\0hidden", 14));
  EXPECT_EQ(Shown(*form), L"visible");
}

TEST_F(ReaderTest, SixteenBitTextShowsOnlyWhatPrecedesItsFirstZeroByte) {
  LoadText(std::string("\xFF\xFE" "a\0b\0", 6), "le.txt");
  EXPECT_EQ(Shown(*form), AnsiToWide("\xFF\xFE" "a"));
  LoadText(std::string("\0a\0b", 4), "be.txt");
  EXPECT_EQ(Shown(*form), L"");
}

TEST_F(ReaderTest, Utf8BytesShowAsSystemCodePageCharacters) {
  const std::string bytes = "\xEF\xBB\xBF" "caf\xC3\xA9";
  LoadText(bytes);
  EXPECT_EQ(Shown(*form), AnsiToWide(bytes));
  EXPECT_EQ(form->ReadText->TextLength(), static_cast<int>(AnsiToWide(bytes).size()));
}

TEST_F(ReaderTest, UnchangedFileKeepsCaretSelectionAndScrollPosition) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i) + "\r\n";
  const std::string path = dir.Write("long.txt", text);
  form->ReadText->LoadFromFile(path);
  SendMessageW(form->ReadText->Handle(), EM_SETSEL, 2000, 2010);
  SendMessageW(form->ReadText->Handle(), EM_SCROLLCARET, 0, 0);
  const LRESULT top = SendMessageW(form->ReadText->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
  ASSERT_GT(top, 0);
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(path); }), 0);
  EXPECT_EQ(form->ReadText->SelStart(), 2000);
  EXPECT_EQ(form->ReadText->SelLength(), 10);
  EXPECT_EQ(SendMessageW(form->ReadText->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), top);

  // Changed in between: shown again from the top, nothing selected.
  dir.Write("long.txt", text + "more\r\n");
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(path); }), 1);
  EXPECT_EQ(form->ReadText->SelStart(), 0);
  EXPECT_EQ(form->ReadText->SelLength(), 0);
  EXPECT_EQ(SendMessageW(form->ReadText->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);

  // With a zero byte, what is shown counts: the same again, or other bytes after it.
  const std::string cut = dir.Write("cut.txt", text + std::string("\0tail", 5));
  form->ReadText->LoadFromFile(cut);
  SendMessageW(form->ReadText->Handle(), EM_SETSEL, 2000, 2010);
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(cut); }), 0);
  dir.Write("cut.txt", text + std::string("\0other tail", 11));
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(cut); }), 0);
  EXPECT_EQ(form->ReadText->SelStart(), 2000);
  EXPECT_EQ(form->ReadText->SelLength(), 10);
}

TEST_F(ReaderTest, EmptyFileAfterTextEmptiesTheReaderAndDisablesCopy) {
  LoadText("some text");
  form->SelectAllMenuClick(nullptr);
  ASSERT_TRUE(form->CopyMenu->Enabled());
  const std::string empty = dir.Write("empty.txt", "");
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(empty); }), 1);
  EXPECT_EQ(form->ReadText->TextLength(), 0);
  EXPECT_FALSE(form->CopyMenu->Enabled());
  // Empty again: nothing changes, no notification.
  EXPECT_EQ(CountReaderChanges([&] { form->ReadText->LoadFromFile(empty); }), 0);
}

TEST_F(ReaderTest, FileHeldOpenForWritingCannotBeOpenedAndThePreviousTextStays) {
  LoadText("previous");
  const std::string log = dir.Write("app.log", "log line");
  UniqueFile writer(CreateFileW(Widen(log).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  EXPECT_EQ(LoadFailure(*form, log), "Cannot open file " + log);
  EXPECT_EQ(Shown(*form), L"previous");
  EXPECT_EQ(LoadFailure(*form, dir.File("missing.txt")), "Cannot open file " + dir.File("missing.txt"));
  EXPECT_EQ(Shown(*form), L"previous");
}

TEST_F(ReaderTest, AFailureInAHandlerReachesTheStandardErrorBox) {
  const std::string missing = dir.File("gone.txt");
  form->CopyMenu->OnClick = [&](TComponent*) { form->ReadText->LoadFromFile(missing); };
  // Through a window message, as a user's command would arrive.
  form->ReadText->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) {
    if (key == VK_F2) form->CopyMenu->Click();
  };
  SendMessageW(form->ReadText->Handle(), WM_KEYDOWN, VK_F2, 0);
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "Cannot open file " + missing + ".");
  EXPECT_EQ(Scripted().Last().Caption, "Scrivlet");
  EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
  // The program goes on.
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(ReaderTest, RunningOutOfMemoryWhileLoadingIsReportedAsTooMuchText) {
  LoadText("previous");
  // Lone line feeds make the load copy the text once more after reading it.
  const std::string path = dir.Write("big.txt", std::string(1 << 20, '\n'));
  failFrom = 1 << 19;
  largeToSkip = 1;  // the read succeeds, the copy fails
  EXPECT_EQ(LoadFailure(*form, path), "Text exceeds memo capacity");
  failFrom = 0;
  EXPECT_EQ(Shown(*form), L"previous");
}

TEST_F(ReaderTest, MoreBytesThanThePlatformConvertsAreRefusedNotCut) {
  // Address space only: the conversion must refuse before reading past the first bytes.
  constexpr SIZE_T kReserved = (SIZE_T{1} << 32) + 4096;
  char* base = static_cast<char*>(VirtualAlloc(nullptr, kReserved, MEM_RESERVE, PAGE_NOACCESS));
  ASSERT_NE(base, nullptr);
  ASSERT_NE(VirtualAlloc(base, 4096, MEM_COMMIT, PAGE_READWRITE), nullptr);
  memcpy(base, "abc", 3);
  for (std::size_t size : {(std::size_t{1} << 31) + 3, (std::size_t{1} << 32) + 3})
    EXPECT_THROW(AnsiToWide(std::string_view(base, size)), std::length_error) << size;
  VirtualFree(base, 0, MEM_RELEASE);
}

TEST_F(ReaderTest, ARefusedTextKeepsThePreviousOneWithItsPlaceAndSelection) {
  TForm host(nullptr);
  host.SetBounds(0, 0, 400, 300);
  auto* reader = TComponent::Create<TRefusingReader>(&host, &host);
  reader->SetAlign(TAlign::alClient);
  host.Show();
  HWND view = reader->Handle();
  // Long lines, each wrapped onto many rows.
  std::string text;
  for (int i = 0; i < 400; ++i) {
    text += "line " + std::to_string(i);
    for (int w = 0; w < 150; ++w) text += " word";
    text += "\r\n";
  }
  reader->LoadFromFile(dir.Write("shown.txt", text));
  // Until the view has wrapped every line.
  const auto wrapped = [&] {
    LRESULT rows = -1;
    for (int i = 0, still = 0; i < 500 && still < 10; ++i) {
      UpdateWindow(view);
      Application->ProcessMessages();
      Sleep(5);
      const LRESULT now = SendMessageW(view, SCI_VISIBLEFROMDOCLINE, 400, 0);
      still = now == rows ? still + 1 : 0;
      rows = now;
    }
  };
  wrapped();
  const auto line297 = static_cast<std::int64_t>(SendMessageW(view, SCI_POSITIONFROMLINE, 297, 0));
  reader->SetSel(line297 + 2, 5);
  SendMessageW(view, SCI_SETFIRSTVISIBLELINE, SendMessageW(view, SCI_VISIBLEFROMDOCLINE, 297, 0), 0);
  const auto topLine = [&] { return SendMessageW(view, SCI_DOCLINEFROMVISIBLE, SendMessageW(view, SCI_GETFIRSTVISIBLELINE, 0, 0), 0); };
  ASSERT_EQ(topLine(), 297);
  ASSERT_GT(SendMessageW(view, SCI_GETFIRSTVISIBLELINE, 0, 0), 297 * 3);
  reader->refuse = true;
  try {
    reader->LoadFromFile(dir.Write("other.txt", "other text"));
    ADD_FAILURE() << "the refused text was taken";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Text exceeds memo capacity");
  }
  EXPECT_EQ(reader->Bytes(), text);
  EXPECT_EQ(reader->SelStart(), line297 + 2);
  EXPECT_EQ(reader->SelLength(), 5);
  EXPECT_EQ(SendMessageW(view, SCI_GETLINECOUNT, 0, 0), 401);
  // The same document line stays on top once the lines are wrapped again, the caret on the screen.
  wrapped();
  EXPECT_EQ(topLine(), 297);
  const auto y = static_cast<int>(SendMessageW(view, SCI_POINTYFROMPOSITION, 0, reader->SelStart()));
  EXPECT_GE(y, 0);
  EXPECT_LT(y, reader->ClientHeight());
  reader->refuse = false;
  reader->LoadFromFile(dir.File("other.txt"));
  EXPECT_EQ(reader->TextW(), L"other text");
}

TEST_F(ReaderTest, StrikeOutAndColourFromTheFontDialogCoverEveryText) {
  Scripted().FontAnswer = [](CHOOSEFONTW& cf) {
    cf.lpLogFont->lfStrikeOut = TRUE;
    cf.rgbColors = RGB(200, 0, 0);
    return true;
  };
  LoadText("struck through");
  form->FontMenuClick(nullptr);
  ASSERT_EQ(Scripted().Count("font"), 1);
  HWND view = form->ReadText->Handle();
  auto struck = [&](int pos) { return (SendMessageW(view, SCI_INDICATORALLONFOR, pos, 0) & (1 << INDICATOR_CONTAINER)) != 0; };
  EXPECT_EQ(SendMessageW(view, SCI_STYLEGETFORE, 0, 0), RGB(200, 0, 0));
  EXPECT_TRUE(struck(0));
  EXPECT_TRUE(struck(13));
  // A text loaded afterwards is struck through as well.
  LoadText("another text", "another.txt");
  EXPECT_TRUE(struck(0));
  EXPECT_TRUE(struck(11));
  EXPECT_EQ(SendMessageW(view, SCI_STYLEGETFORE, 0, 0), RGB(200, 0, 0));
}

TEST_F(ReaderTest, SelectionShowsOnlyWhileTheReaderHasTheFocus) {
  LoadText("selected text selected text selected text");
  form->SelectAllMenuClick(nullptr);
  ASSERT_EQ(FocusedWindow(), form->ReadText->Handle());
  EXPECT_GT(HighlightPixels(form->ReadText->Handle()), 10);
  form->BrowseFiles->SetFocus();
  EXPECT_EQ(HighlightPixels(form->ReadText->Handle()), 0);
  EXPECT_GT(form->ReadText->SelLength(), 0);
}

TEST_F(ReaderTest, TheMenuKeyOpensTheReaderMenu) {
  LoadText("text");
  form->ReadText->SetFocus();
  PressKey(form->ReadText->Handle(), VK_APPS);
  ASSERT_EQ(Scripted().Count("popup"), 1);
  EXPECT_EQ(Scripted().Last().Items.front(), "Copy To Clipboard [disabled]");
}

TEST_F(ReaderTest, CtrlEndRightAfterOpeningAWrappedTextShowsItsEnd) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += std::string(30, 'w') + " line " + std::to_string(i) + std::string(160, 'x') + "\r\n";
  text += "last line";
  LoadText(text);
  ASSERT_TRUE(form->ReadText->WordWrap());
  HWND view = form->ReadText->Handle();
  form->ReadText->SetFocus();
  PressKey(view, VK_END, {.Ctrl = true});
  const int caret = form->ReadText->SelStart();
  EXPECT_EQ(caret, form->ReadText->TextLength());
  // The caret's row is on the screen, though the lines before it may not be wrapped yet.
  const auto y = static_cast<int>(SendMessageW(view, SCI_POINTYFROMPOSITION, 0, caret));
  EXPECT_GE(y, 0);
  EXPECT_LT(y, form->ReadText->ClientHeight());
  PressKey(view, VK_UP);
  EXPECT_LT(form->ReadText->SelStart(), caret);
  PressKey(view, VK_HOME, {.Ctrl = true});
  EXPECT_EQ(SendMessageW(view, SCI_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(ReaderTest, CopyRuleFollowsMousePressesNotTheKeyboard) {
  LoadText("first word and more");
  EXPECT_FALSE(form->CopyMenu->Enabled());
  HWND edit = form->ReadText->Handle();
  // A double click selects a word: Copy becomes enabled.
  for (int press = 0; press < 2; ++press) {
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 5));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(8, 5));
  }
  ASSERT_GT(form->ReadText->SelLength(), 0);
  EXPECT_TRUE(form->CopyMenu->Enabled());
  // A right press keeps the selection, so the menu shows Copy enabled.
  SendMessageW(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(8, 5));
  SendMessageW(edit, WM_RBUTTONUP, 0, MAKELPARAM(8, 5));
  EXPECT_TRUE(form->CopyMenu->Enabled());
  // A new left press starts an empty selection: disabled.
  SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 5));
  SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 5));
  EXPECT_FALSE(form->CopyMenu->Enabled());
  // Shift+arrow selects without re-evaluating the rule.
  form->ReadText->SetFocus();
  PressKey(edit, VK_RIGHT, {.Shift = true});
  EXPECT_GT(form->ReadText->SelLength(), 0);
  EXPECT_FALSE(form->CopyMenu->Enabled());
}

TEST_F(ReaderTest, ClearingKeepsTheCopyState) {
  LoadText("text");
  form->SelectAllMenuClick(nullptr);
  form->ReadText->Clear();
  EXPECT_EQ(form->ReadText->TextLength(), 0);
  EXPECT_TRUE(form->CopyMenu->Enabled());
  SetClipboardText("kept");
  form->CopyMenuClick(nullptr);
  EXPECT_EQ(ClipboardText(), "kept");
}

TEST_F(ReaderTest, ReaderRefusesTyping) {
  LoadText("fixed");
  form->ReadText->SetFocus();
  SendMessageW(form->ReadText->Handle(), WM_CHAR, 'x', 0);
  SendMessageW(form->ReadText->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(Shown(*form), L"fixed");
}
