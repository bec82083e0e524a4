// Every question belongs to the top-level window of the control that asks it, whatever
// kind of question it is, and that window takes no input while the question is open.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "filebrowser/filelist/FileListView.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/FontDialog.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

namespace {
class ModalOwnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScripted();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(40, 40, 480, 360);
    // The list sits in a panel: the question's owner is the window, not the list's parent.
    auto* panel = TComponent::Create<TPanel>(form.get(), form.get());
    panel->SetAlign(TAlign::alClient);
    list = TComponent::Create<TDqFilelistView28>(form.get(), panel);
    list->SetAlign(TAlign::alClient);
    form->ShowMain(SW_SHOWNORMAL);
    dir.Write("a.txt", "a");
  }
  void TearDown() override {
    form.reset();
    PumpMessages();
  }
  void SelectTheFile() {
    list->SetDirectory(dir.Path());
    for (int i = 0; i < list->Count(); ++i) list->SetSelected(i, list->Item(i).Caption == "a.txt");
  }

  TTempDir dir;
  std::unique_ptr<TForm> form;
  TDqFilelistView28* list = nullptr;
};

TEST_F(ModalOwnerTest, EveryKindOfQuestionBelongsToTheAskersWindow) {
  const std::pair<const char*, std::function<void()>> kinds[] = {
      {"message", [&] { list->DeleteSelectedPermanently(); }},
      {"fileop", [&] { list->DeleteSelected(); }},
      {"browse",
       [&] {
         Scripted().FormAnswer = [](TForm&) { return 10; };  // Browse
         list->SendTo(0);
       }},
      {"shellexecuteex", [&] { list->ShowSelectedProperties(); }},
      {"font", [&] { TFontDialog(nullptr).Execute(list->Handle()); }},
  };
  for (const auto& [kind, ask] : kinds) {
    SelectTheFile();
    Scripted().Requests.clear();
    ask();
    ASSERT_EQ(Scripted().Count(kind), 1) << kind;
    for (const TModalRequest& r : Scripted().Requests) {
      if (r.Kind != kind) continue;
      EXPECT_EQ(r.Owner, form->Handle()) << kind;
    }
  }
}

// The platform's own box, answered from inside its loop.
struct TOpenBox {
  HWND Window = nullptr;
  HWND Owner = nullptr;
  bool OwnerEnabled = true;
};
TOpenBox openBox;

BOOL CALLBACK FindBox(HWND hwnd, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(hwnd, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
  openBox.Window = hwnd;
  return FALSE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), FindBox, 0);
  if (!openBox.Window) return;
  KillTimer(nullptr, id);
  openBox.Owner = GetWindow(openBox.Window, GW_OWNER);
  openBox.OwnerEnabled = IsWindowEnabled(GetAncestor(openBox.Owner ? openBox.Owner : openBox.Window, GA_ROOT));
  PostMessageW(openBox.Window, WM_COMMAND, IDOK, 0);
}

TEST_F(ModalOwnerTest, ThePlatformsBoxDisablesTheAskersWindowWhileOpen) {
  TModalSeam platform;
  SetTimer(nullptr, 0, 50, AnswerBox);
  EXPECT_EQ(platform.ShowMessageBox(list->Handle(), "Question?", "Confirm", MB_OK), IDOK);
  EXPECT_EQ(openBox.Owner, form->Handle());
  EXPECT_FALSE(openBox.OwnerEnabled);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}
}  // namespace
