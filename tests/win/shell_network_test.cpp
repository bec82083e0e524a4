// The Map Network Drive dialog and connecting a drive.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <winnetwk.h>

#include <string>
#include <vector>

#include "filebrowser/lang/Language.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/NetworkDrive.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Utf.h"

namespace {

template <class T>
std::vector<T*> ControlsOf(TForm& form) {
  std::vector<T*> out;
  for (TControl* c : form.Controls())
    if (auto* t = dynamic_cast<T*>(c)) out.push_back(t);
  return out;
}

TButton* ButtonCaptioned(TForm& form, const std::string& caption) {
  for (TButton* b : ControlsOf<TButton>(form))
    if (b->Caption() == caption) return b;
  return nullptr;
}

// Presses the named button the way the user would and reports the result.
int Press(TForm& form, const std::string& caption) {
  TButton* b = ButtonCaptioned(form, caption);
  if (!b) return -1;
  b->Click();
  return form.ModalResult();
}

// A key press on a control of the shown form, through the application's key
// handling as the modal loop passes it.
void PressKey(TControl& focused, WORD key) {
  if (TForm* form = focused.ParentForm()) form->Show();
  MSG msg{};
  msg.hwnd = focused.Handle();
  msg.message = WM_KEYDOWN;
  msg.wParam = key;
  Application->PreProcessMessage(msg);
}

struct TBounds {
  int Left, Top, Width, Height;
  bool operator==(const TBounds&) const = default;
};
TBounds BoundsOf(const TControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

class MapDriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListLanguage = lnEnglish;
    LoadFileListMessages();
  }
  std::string drive = "Q:";
  std::string path = "\\\\server\\share";
  bool reconnect = false;
};

TEST_F(MapDriveTest, LayoutTextsAndTabOrder) {
  Scripted().FormAnswer = [](TForm& f) {
    EXPECT_EQ(f.Caption(), "Map Network Drive");
    EXPECT_EQ(f.BorderStyle(), TFormBorderStyle::bsDialog);
    EXPECT_EQ(f.Position(), TPosition::poScreenCenter);
    EXPECT_EQ(f.ClientWidth(), 355);
    EXPECT_EQ(f.ClientHeight(), 208);
    EXPECT_EQ(f.Color(), clBtnFace);
    EXPECT_EQ(f.Font().Name, "MS Sans Serif");
    EXPECT_EQ(f.Font().Size(), 8);

    const auto labels = ControlsOf<TLabel>(f);
    EXPECT_EQ(labels.size(), 3u);
    if (labels.size() == 3) {
      EXPECT_EQ(labels[0]->Caption(),
                "Specify the Drive Letter for the connection and Network \rpath that you want to connect to");
      EXPECT_TRUE(labels[0]->WordWrap());
      EXPECT_EQ(BoundsOf(*labels[0]), (TBounds{44, 8, 285, 30}));
      EXPECT_EQ(labels[1]->Caption(), "Drive Letter in your computer (e.g. Z: )");
      EXPECT_EQ(BoundsOf(*labels[1]), (TBounds{44, 44, 210, 13}));
      EXPECT_EQ(labels[2]->Caption(), "Network Path (e.g.  \\\\NetComputer_2\\C )");
      EXPECT_EQ(BoundsOf(*labels[2]), (TBounds{44, 88, 210, 13}));
    }
    const auto edits = ControlsOf<TEdit>(f);
    EXPECT_EQ(edits.size(), 2u);
    if (edits.size() == 2) {
      EXPECT_EQ(edits[0]->Text(), "Q:");
      EXPECT_EQ(BoundsOf(*edits[0]), (TBounds{44, 60, 217, 21}));
      EXPECT_EQ(edits[0]->TabOrder(), 0);
      EXPECT_EQ(edits[1]->Text(), "\\\\server\\share");
      EXPECT_EQ(BoundsOf(*edits[1]), (TBounds{44, 104, 217, 21}));
      EXPECT_EQ(edits[1]->TabOrder(), 1);
    }
    TButton* ok = ButtonCaptioned(f, "OK");
    TButton* cancel = ButtonCaptioned(f, "Cancel");
    TButton* browse = ButtonCaptioned(f, "Browse");
    EXPECT_TRUE(ok && cancel && browse);
    if (ok && cancel && browse) {
      EXPECT_EQ(BoundsOf(*ok), (TBounds{88, 164, 75, 25}));
      EXPECT_EQ(ok->ModalResult(), mrOk);
      EXPECT_TRUE(ok->Default());
      EXPECT_EQ(ok->TabOrder(), 2);
      EXPECT_EQ(BoundsOf(*cancel), (TBounds{188, 164, 75, 25}));
      EXPECT_EQ(cancel->ModalResult(), mrCancel);
      EXPECT_TRUE(cancel->Cancel());
      EXPECT_EQ(cancel->TabOrder(), 3);
      EXPECT_EQ(BoundsOf(*browse), (TBounds{264, 104, 45, 23}));
      EXPECT_EQ(browse->ModalResult(), 10);
      EXPECT_FALSE(browse->Cancel());
      EXPECT_FALSE(browse->Default());
      EXPECT_EQ(browse->TabOrder(), 4);
    }
    const auto boxes = ControlsOf<TCheckBox>(f);
    EXPECT_EQ(boxes.size(), 1u);
    if (boxes.size() == 1) {
      EXPECT_EQ(boxes[0]->Caption(), "Reconnect at logon");
      EXPECT_TRUE(boxes[0]->Checked());
      EXPECT_EQ(BoundsOf(*boxes[0]), (TBounds{44, 132, 141, 21}));
    }
    return mrCancel;
  };
  EXPECT_FALSE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(Scripted().Count("form"), 1);
}

TEST_F(MapDriveTest, EscapeClosesAsNotConfirmed) {
  Scripted().FormAnswer = [](TForm& f) {
    const auto edits = ControlsOf<TEdit>(f);
    edits.at(0)->SetText("X:");
    PressKey(*edits.at(0), VK_ESCAPE);
    EXPECT_EQ(f.ModalResult(), mrCancel);
    return f.ModalResult();
  };
  EXPECT_FALSE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(drive, "Q:");
  EXPECT_EQ(path, "\\\\server\\share");
  EXPECT_FALSE(reconnect);
}

TEST_F(MapDriveTest, EnterConfirmsWithTheEditedValues) {
  Scripted().FormAnswer = [](TForm& f) {
    const auto edits = ControlsOf<TEdit>(f);
    edits.at(0)->SetText("X:");
    edits.at(1)->SetText("\\\\host\\\xC3\xA9t\xC3\xA9");
    PressKey(*edits.at(1), VK_RETURN);
    EXPECT_EQ(f.ModalResult(), mrOk);
    return f.ModalResult();
  };
  EXPECT_TRUE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(drive, "X:");
  EXPECT_EQ(path, "\\\\host\\\xC3\xA9t\xC3\xA9");
  EXPECT_TRUE(reconnect);
}

TEST_F(MapDriveTest, OkReturnsEmptyEditsAndTheBoxState) {
  Scripted().FormAnswer = [](TForm& f) {
    for (TEdit* e : ControlsOf<TEdit>(f)) e->SetText("");
    ControlsOf<TCheckBox>(f).at(0)->SetChecked(false);
    return Press(f, "OK");
  };
  reconnect = true;
  EXPECT_TRUE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(drive, "");
  EXPECT_EQ(path, "");
  EXPECT_FALSE(reconnect);
}

TEST_F(MapDriveTest, BrowseTwiceReturnsFalse) {
  Scripted().FormAnswer = [](TForm& f) { return Press(f, "Browse"); };
  EXPECT_FALSE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(Scripted().Count("form"), 2);
  EXPECT_EQ(Scripted().Count("browse"), 1);
  EXPECT_EQ(drive, "Q:");
  EXPECT_EQ(path, "\\\\server\\share");
}

TEST_F(MapDriveTest, BrowsedFolderFillsThePathWithoutBackslash) {
  TTempDir dir;
  const std::string folder = dir.MakeDir("share");
  Scripted().BrowseAnswer = [&](BROWSEINFOW& info) {
    EXPECT_NE(info.pidlRoot, nullptr);  // the network neighbourhood
    return ILCreateFromPathW(Widen(folder).c_str());
  };
  int shown = 0;
  std::string seenInEdit;
  Scripted().FormAnswer = [&](TForm& f) {
    if (++shown == 1) return Press(f, "Browse");
    seenInEdit = ControlsOf<TEdit>(f).at(1)->Text();
    return Press(f, "OK");
  };
  EXPECT_TRUE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(seenInEdit, folder);
  EXPECT_EQ(path, folder);
  EXPECT_EQ(drive, "Q:");
  EXPECT_TRUE(reconnect);
}

TEST_F(MapDriveTest, CancelAfterBrowseKeepsTheBrowsedPathOnly) {
  TTempDir dir;
  const std::string folder = dir.MakeDir("share");
  Scripted().BrowseAnswer = [&](BROWSEINFOW&) { return ILCreateFromPathW(Widen(folder).c_str()); };
  int shown = 0;
  Scripted().FormAnswer = [&](TForm& f) {
    if (++shown == 1) return Press(f, "Browse");
    ControlsOf<TEdit>(f).at(0)->SetText("X:");
    return Press(f, "Cancel");
  };
  EXPECT_FALSE(MapNetworkDriveDialog(drive, path, reconnect));
  EXPECT_EQ(path, folder);
  EXPECT_EQ(drive, "Q:");
  EXPECT_FALSE(reconnect);
}

std::string SystemText(DWORD code) {
  wchar_t buf[512] = {};
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buf,
                                 512, nullptr);
  std::wstring text(buf, n);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return Narrow(text);
}

TEST(ConnectNetworkDrive, PassesTheResourceAndPersistsOnlyWithReconnect) {
  DWORD type = 0;
  Scripted().ConnectAnswer = [&](NETRESOURCEW& r, DWORD) {
    type = r.dwType;
    return static_cast<DWORD>(NO_ERROR);
  };
  EXPECT_EQ(ConnectNetworkDrive("Z:", "\\\\host\\c", true, true), 0u);
  EXPECT_EQ(type, static_cast<DWORD>(RESOURCETYPE_DISK));
  EXPECT_EQ(Scripted().Last().Caption, "Z:");
  EXPECT_EQ(Scripted().Last().Text, "\\\\host\\c");
  EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(CONNECT_UPDATE_PROFILE));
  EXPECT_EQ(ConnectNetworkDrive("Z:", "\\\\host\\c", true, false), 0u);
  EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(CONNECT_INTERACTIVE));
  EXPECT_EQ(Scripted().Count("message"), 0);
}

TEST(ConnectNetworkDrive, FailureShowsTheSystemTextOfTheLastError) {
  Scripted().ConnectAnswer = [](NETRESOURCEW&, DWORD) {
    SetLastError(ERROR_BAD_NET_NAME);
    return static_cast<DWORD>(ERROR_BAD_NET_NAME);
  };
  EXPECT_EQ(ConnectNetworkDrive("Z:", "\\\\nohost\\c", true, true), static_cast<std::uint32_t>(ERROR_BAD_NET_NAME));
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Caption, "Error while connecting!");
  EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(MB_OK));
  EXPECT_FALSE(SystemText(ERROR_BAD_NET_NAME).empty());
  EXPECT_EQ(Scripted().Last().Text, "An error occured while connecting:\r\n" + SystemText(ERROR_BAD_NET_NAME));
}

TEST(ConnectNetworkDrive, ResultCodeIsUsedWhenNoLastErrorIsSet) {
  Scripted().ConnectAnswer = [](NETRESOURCEW&, DWORD) {
    SetLastError(0);
    return static_cast<DWORD>(ERROR_NO_NETWORK);
  };
  ConnectNetworkDrive("Z:", "\\\\nohost\\c", true, false);
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "An error occured while connecting:\r\n" + SystemText(ERROR_NO_NETWORK));
}

TEST(ConnectNetworkDrive, TheReturnedCodeNamesTheFailureWhateverTheLastError) {
  Scripted().ConnectAnswer = [](NETRESOURCEW&, DWORD) {
    SetLastError(ERROR_ACCESS_DENIED);  // left over from some other call
    return static_cast<DWORD>(ERROR_BAD_NET_NAME);
  };
  ConnectNetworkDrive("Z:", "\\\\nohost\\c", true, false);
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "An error occured while connecting:\r\n" + SystemText(ERROR_BAD_NET_NAME));
}

TEST(ConnectNetworkDrive, FailureIsSilentWhenNotAsked) {
  Scripted().ConnectAnswer = [](NETRESOURCEW&, DWORD) { return static_cast<DWORD>(ERROR_NO_NETWORK); };
  EXPECT_EQ(ConnectNetworkDrive("Z:", "\\\\h\\c", false, true), static_cast<std::uint32_t>(ERROR_NO_NETWORK));
  EXPECT_EQ(Scripted().Count("message"), 0);
}

}  // namespace
