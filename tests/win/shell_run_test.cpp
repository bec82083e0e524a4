// Shell verbs, the property sheet and the three message boxes.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "filebrowser/lang/Language.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/MessageBoxes.h"
#include "filebrowser/shell/Properties.h"
#include "filebrowser/shell/ShellRun.h"
#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {

HINSTANCE ShellResult(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

class ShellRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListLanguage = lnEnglish;
    LoadFileListMessages();
  }
};

TEST_F(ShellRunTest, FailureShowsTheCantMessage) {
  Scripted().ShellExecuteAnswer = [](const std::wstring&, const std::wstring&) { return ShellResult(2); };
  EXPECT_EQ(ShellExecuteWithMessage("Open", "readme.txt", "", "", SW_SHOW), 2);
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "ERROR - Can't Open file readme.txt");
  EXPECT_EQ(Scripted().Last().Caption, "Error");
  EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
}

TEST_F(ShellRunTest, ThirtyTwoIsStillAFailure) {
  Scripted().ShellExecuteAnswer = [](const std::wstring&, const std::wstring&) { return ShellResult(32); };
  EXPECT_EQ(ShellExecuteWithMessage("Find", "C:\\", "", "", SW_SHOWNORMAL), 32);
  EXPECT_EQ(Scripted().Count("message"), 1);
}

TEST_F(ShellRunTest, SuccessPassesEverythingAndShowsNothing) {
  EXPECT_EQ(ShellExecuteWithMessage("Open", "C:\\notes\\a b.txt", "/p", "C:\\notes", SW_SHOW), 33);
  EXPECT_EQ(Scripted().Count("message"), 0);
  ASSERT_EQ(Scripted().Count("shellexecute"), 1);
  const auto& r = Scripted().Last();
  EXPECT_EQ(r.Caption, "Open");
  EXPECT_EQ(r.Text, "C:\\notes\\a b.txt");
  EXPECT_EQ(r.Items, (std::vector<std::string>{"/p", "C:\\notes"}));
  EXPECT_EQ(r.Flags, static_cast<UINT>(SW_SHOW));
}

TEST_F(ShellRunTest, LongTextsArePassedWhole) {
  const std::string file = "C:\\" + std::string(300, 'f') + ".txt";
  const std::string parameters(120, 'p');
  ShellExecuteWithMessage("Open", file, parameters, "", SW_SHOW);
  EXPECT_EQ(Scripted().Last().Text, file);
  EXPECT_EQ(Scripted().Last().Items.at(0), parameters);
}

class PropertiesTest : public ShellRunTest {};

TEST_F(PropertiesTest, AsksForThePropertySheetWithoutOwner) {
  SHELLEXECUTEINFOW seen{};
  std::wstring verb, file;
  Scripted().ShellExecuteExAnswer = [&](SHELLEXECUTEINFOW& info) {
    seen = info;
    verb = info.lpVerb ? info.lpVerb : L"";
    file = info.lpFile ? info.lpFile : L"";
    return TRUE;
  };
  ShowFileProperties(nullptr, "C:\\data\\\xC3\xA9t\xC3\xA9.txt");
  EXPECT_EQ(seen.cbSize, sizeof(SHELLEXECUTEINFOW));
  EXPECT_EQ(seen.fMask, static_cast<ULONG>(SEE_MASK_INVOKEIDLIST));
  EXPECT_EQ(seen.hwnd, nullptr);
  EXPECT_EQ(verb, L"properties");
  EXPECT_EQ(Narrow(file), "C:\\data\\\xC3\xA9t\xC3\xA9.txt");
  EXPECT_EQ(Scripted().Count("message"), 0);
}

TEST_F(PropertiesTest, FailureShowsThePlainBoxOfTheErrorCode) {
  const struct {
    DWORD Code;
    const char* Text;
  } table[] = {
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "Access denied"},
      {8, "Not enough memory for this operation"},
      {32, "Sharing violation"},
      {1155, "There is no application associated with the given filename extension."},
      {1156, "The DDE transaction failed."},
      {1157, "DLL not found"},
      {1223, "The function prompted the user for the location of the application, but the user cancelled the request."},
  };
  for (const auto& row : table) {
    ResetScripted();
    const DWORD code = row.Code;
    Scripted().ShellExecuteExAnswer = [code](SHELLEXECUTEINFOW&) {
      SetLastError(code);
      return FALSE;
    };
    ShowFileProperties(nullptr, "C:\\x.txt");
    ASSERT_EQ(Scripted().Count("message"), 1) << code;
    EXPECT_EQ(Scripted().Last().Text, row.Text);
    EXPECT_EQ(Scripted().Last().Caption, "Scrivlet");
    EXPECT_EQ(Scripted().Last().Flags, static_cast<UINT>(MB_OK));
  }
}

TEST_F(PropertiesTest, OtherFailuresShowNothing) {
  for (DWORD code : {0ul, 87ul, 1222ul}) {
    ResetScripted();
    Scripted().ShellExecuteExAnswer = [code](SHELLEXECUTEINFOW&) {
      SetLastError(code);
      return FALSE;
    };
    ShowFileProperties(nullptr, "C:\\x.txt");
    EXPECT_EQ(Scripted().Count("message"), 0) << code;
  }
}

TEST(MessageBoxes, CaptionsIconsAndButtons) {
  ErrorBox(nullptr, "e");
  WarningBox(nullptr, "w");
  PlainMessageBox(nullptr, "p");
  const auto& r = Scripted().Requests;
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].Caption, "Error");
  EXPECT_EQ(r[0].Flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(r[1].Caption, "Warning");
  EXPECT_EQ(r[1].Flags, static_cast<UINT>(MB_ICONWARNING | MB_OK));
  EXPECT_EQ(r[2].Text, "p");
  EXPECT_EQ(r[2].Caption, Application->Title());
  EXPECT_EQ(r[2].Flags, static_cast<UINT>(MB_OK));
}

}  // namespace
