// The picture dialog: the window Execute builds, modal and not, its caption,
// its frame, the About command, and failures while building or drawing.
#include <gtest/gtest.h>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

#include "app/JpegImage.h"
#include "tests/win/support/MainWindowFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
struct Shown {
  HWND hwnd = nullptr;
  std::string caption;
  int clientWidth = 0, clientHeight = 0;
  bool centred = false;
};

// Answers the modal window with a close, after noting what it showed.
std::function<int(TForm&)> Note(Shown& shown) {
  return [&shown](TForm& form) {
    shown.hwnd = form.Handle();
    wchar_t text[64] = {};
    GetWindowTextW(form.Handle(), text, 64);
    shown.caption = Narrow(text);
    RECT rc;
    GetClientRect(form.Handle(), &rc);
    shown.clientWidth = rc.right;
    shown.clientHeight = rc.bottom;
    shown.centred = std::abs(2 * form.Left() + form.Width() - GetSystemMetrics(SM_CXSCREEN)) <= 1 &&
                    std::abs(2 * form.Top() + form.Height() - GetSystemMetrics(SM_CYSCREEN)) <= 1;
    return mrCancel;
  };
}

int ViewFormsAlive() {
  int n = 0;
  for (int i = 0; i < Application->ComponentCount(); ++i) n += dynamic_cast<TImageViewForm*>(Application->Component(i)) != nullptr;
  return n;
}

class ImageViewTest : public MainWindowTest {
 protected:
  TProImageViewDialog* Dialog() {
    auto* d = TComponent::Create<TProImageViewDialog>(form.get());
    d->SetPicture(form->AboutImage->Picture());
    return d;
  }
};
}  // namespace

TEST_F(ImageViewTest, AboutCommandShowsThePictureModallyEachTimeInANewWindow) {
  Shown first, second;
  Scripted().FormAnswer = Note(first);
  form->About1->Click();
  Scripted().FormAnswer = Note(second);
  form->About1->Click();
  EXPECT_EQ(Scripted().Count("form"), 2);
  for (const Shown& s : {first, second}) {
    EXPECT_EQ(s.caption, "About ...");
    EXPECT_EQ(s.clientWidth, 250);
    EXPECT_EQ(s.clientHeight, 298);
    EXPECT_TRUE(s.centred);
    EXPECT_FALSE(IsWindow(s.hwnd));  // destroyed before Execute returned
  }
  EXPECT_EQ(form->AboutImage->ViewForm(), nullptr);
  EXPECT_EQ(ViewFormsAlive(), 0);
}

TEST_F(ImageViewTest, NonModalExecuteAgainOnlyFocusesTheOpenWindow) {
  TProImageViewDialog* d = Dialog();
  d->SetModal(false);
  d->Execute();
  TImageViewForm* open = d->ViewForm();
  ASSERT_NE(open, nullptr);
  EXPECT_TRUE(IsWindowVisible(open->Handle()));
  SetForegroundWindow(form->Handle());
  d->Execute();
  EXPECT_EQ(d->ViewForm(), open);
  EXPECT_EQ(ViewFormsAlive(), 1);
  EXPECT_EQ(GetForegroundWindow(), open->Handle());
  EXPECT_EQ(Scripted().Count("form"), 0);

  // Closing lets go of the window at once and frees it soon after; the next Execute builds another.
  const HWND closed = open->Handle();
  open->Close();
  EXPECT_EQ(d->ViewForm(), nullptr);
  PumpMessages();
  EXPECT_FALSE(IsWindow(closed));
  d->Execute();
  ASSERT_NE(d->ViewForm(), nullptr);
  EXPECT_NE(d->ViewForm()->Handle(), closed);
}

TEST_F(ImageViewTest, CaptionComesFromTheLanguageUnlessOneIsSet) {
  struct Case {
    TDialogLanguage language;
    const char* caption;
    const char* shown;
  } cases[] = {
      {dlEnglish, "", "Image View"},
      {dlPolish, "", "Podgl\xc4\x85" "d obrazu"},
      {dlKorean, "", "\xea\xb7\xb8\xeb\xa6\xbc \xeb\xb3\xb4\xea\xb8\xb0"},
      {dlGerman, "Mine", "Mine"},
  };
  TProImageViewDialog* d = Dialog();
  for (const Case& c : cases) {
    Shown shown;
    Scripted().FormAnswer = Note(shown);
    d->SetLanguage(c.language);
    d->SetCaption(c.caption);
    d->Execute();
    EXPECT_EQ(shown.caption, c.shown) << c.language;
  }
}

TEST_F(ImageViewTest, SingleBorderAddsTheTwoPixelBevelOnEachSide) {
  TProImageViewDialog* d = Dialog();
  for (auto [style, size] : {std::pair{TImageBorderStyle::bsSingle, 4}, {TImageBorderStyle::bsNone, 0}}) {
    Shown shown;
    Scripted().FormAnswer = [&](TForm& f) {
      auto& view = static_cast<TImageViewForm&>(f);
      // The picture control fills the panel's inside, at the bevel's width.
      EXPECT_EQ(view.Image->Width(), 250);
      EXPECT_EQ(view.Image->Height(), 298);
      POINT origin{0, 0};
      MapWindowPoints(view.Image->Handle(), view.Handle(), &origin, 1);
      EXPECT_EQ(origin.x, size / 2);
      return Note(shown)(f);
    };
    d->SetBorderStyle(style);
    d->Execute();
    EXPECT_EQ(shown.clientWidth, 250 + size);
    EXPECT_EQ(shown.clientHeight, 298 + size);
  }
}

TEST_F(ImageViewTest, AFailureWhileBuildingLeavesNoWindowAndNoReference) {
  TProImageViewDialog* d = Dialog();
  HWND built = nullptr;
  Scripted().FormAnswer = [&](TForm& f) -> int {
    built = f.Handle();
    throw Exception("Out of system resources");
  };
  EXPECT_THROW(d->Execute(), Exception);
  EXPECT_NE(built, nullptr);
  EXPECT_FALSE(IsWindow(built));
  EXPECT_EQ(d->ViewForm(), nullptr);
  EXPECT_EQ(ViewFormsAlive(), 0);
}

TEST_F(ImageViewTest, APictureThatCannotBeDecodedReachesTheErrorBoxOnce) {
  // A bogus quantization table after the image data fails the decode at its end.
  auto* jpeg = static_cast<TJPEGImage*>(form->AboutImage->Picture().Graphic());
  std::vector<std::uint8_t> stream(jpeg->Stream().begin(), jpeg->Stream().end());
  std::vector<std::uint8_t> dqt = {0xFF, 0xDB, 0x00, 0x43, 0x07};
  dqt.resize(dqt.size() + 64, 1);
  stream.insert(stream.end() - 2, dqt.begin(), dqt.end());
  auto bad = std::make_unique<TJPEGImage>();
  bad->LoadFromStream(stream);
  TProImageViewDialog* d = Dialog();
  d->Picture().SetGraphic(std::move(bad));
  d->SetModal(false);
  d->Execute();
  PumpMessages();
  d->ViewForm()->Image->Invalidate();
  PumpMessages();
  EXPECT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "JPEG error #" + std::to_string(JERR_DQT_INDEX) + ".");
}
