// Labels, single-line edits and check boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win/support/TestFiles.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Utf.h"

namespace {

std::string WindowText(HWND hwnd) {
  wchar_t buf[512] = {};
  GetWindowTextW(hwnd, buf, 512);
  return Narrow(buf);
}

TEST(Edit, TextRoundTripsThroughTheWindow) {
  TForm form(nullptr);
  auto* edit = TComponent::Create<TEdit>(&form, &form);
  const std::string text = "\\\\h\xC3\xB4te\\\xE5\x85\xB1\xE6\x9C\x89";
  edit->SetText(text);
  EXPECT_EQ(edit->Text(), text);
  EXPECT_EQ(WindowText(edit->Handle()), text);
  EXPECT_FALSE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_MULTILINE);
  edit->SetText("");
  EXPECT_EQ(edit->Text(), "");
}

TEST(Edit, ChangeEventFollowsTyping) {
  TForm form(nullptr);
  auto* edit = TComponent::Create<TEdit>(&form, &form);
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  SendMessageW(edit->Handle(), WM_CHAR, L'a', 0);
  PumpMessages();
  EXPECT_EQ(edit->Text(), "a");
  EXPECT_EQ(changes, 1);
}

TEST(CheckBox, StateFollowsClicksAndSetter) {
  TForm form(nullptr);
  auto* box = TComponent::Create<TCheckBox>(&form, &form);
  box->SetCaption("Reconnect");
  EXPECT_EQ(WindowText(box->Handle()), "Reconnect");
  EXPECT_FALSE(box->Checked());
  box->SetChecked(true);
  EXPECT_TRUE(box->Checked());
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST(Label, WordWrapRebuildsTheWindowWithTheCaption) {
  TForm form(nullptr);
  auto* label = TComponent::Create<TLabel>(&form, &form);
  label->SetBounds(10, 20, 100, 30);
  label->SetCaption("first line and more");
  EXPECT_EQ(GetWindowLongW(label->Handle(), GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
  label->SetWordWrap(true);
  EXPECT_EQ(GetWindowLongW(label->Handle(), GWL_STYLE) & SS_TYPEMASK, SS_LEFT);
  EXPECT_EQ(WindowText(label->Handle()), "first line and more");
  RECT rc{};
  GetWindowRect(label->Handle(), &rc);
  EXPECT_EQ(rc.right - rc.left, 100);
  EXPECT_EQ(rc.bottom - rc.top, 30);
  EXPECT_FALSE(label->TabStop());
}

}  // namespace
