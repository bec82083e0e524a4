// The start's phase notes: written only when asked, once, at the first idle moment of
// the message loop, in the order the main window's start passes them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "filebrowser/combo/DirTreeCombo.h"
#include "filebrowser/combo/DirTreeView.h"
#include "tests/win/support/TempIniLocation.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/AsciiText.h"
#include "toolkit/StartTrace.h"
#include "toolkit/Utf.h"

namespace {
struct TNote {
  std::string Phase;
  double Ms;
};

std::vector<TNote> ReadNotes(const std::string& file) {
  std::vector<TNote> notes;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t space = line.rfind(' ');
    notes.push_back({line.substr(0, space), std::stod(line.substr(space + 1))});
  }
  return notes;
}

std::vector<std::string> Phases(const std::vector<TNote>& notes) {
  std::vector<std::string> phases;
  for (const TNote& n : notes) phases.push_back(n.Phase);
  return phases;
}
}  // namespace

TEST(StartTrace, WritesItsMarksOnceAndOnlyWhenAsked) {
  TTempDir dir;
  const std::string file = dir.File("trace.txt");
  SetEnvironmentVariableW(L"SCRIVLET_START_TRACE", nullptr);
  TStartTrace silent;
  silent.Mark("a");
  EXPECT_FALSE(silent.Pending());

  SetEnvironmentVariableW(L"SCRIVLET_START_TRACE", Widen(file).c_str());
  TStartTrace asked;
  SetEnvironmentVariableW(L"SCRIVLET_START_TRACE", nullptr);
  ASSERT_TRUE(asked.Pending());
  asked.Mark("first");
  Sleep(5);
  asked.Mark("second");
  asked.Finish();
  EXPECT_FALSE(asked.Pending());
  asked.Mark("late");
  asked.Finish();

  // A second start appends to the same file.
  TStartTrace again(Widen(file));
  again.Finish();
  const std::vector<TNote> notes = ReadNotes(file);
  EXPECT_EQ(Phases(notes), (std::vector<std::string>{"first", "second", "idle", "idle"}));
  ASSERT_EQ(notes.size(), 4u);
  EXPECT_GT(notes[0].Ms, 0);
  EXPECT_GE(notes[1].Ms - notes[0].Ms, 4);
  EXPECT_GE(notes[2].Ms, notes[1].Ms);
}

TEST(StartTrace, TheMainWindowsStartNotesItsPhasesUntilIdle) {
  TTempDir dir;
  dir.Write("a.txt", "text");
  const std::string file = dir.File("trace.txt");
  const std::wstring before = [] {
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    return std::wstring(cwd);
  }();
  SetCurrentDirectoryW(Widen(dir.Path()).c_str());
  Application->StartTrace() = TStartTrace(Widen(file));
  {
    TForm1 form(nullptr);
    form.FormStorage1->SetLocation(std::make_unique<TTempIniLocation>(dir.Path()));
    Application->SetMainForm(&form);
    // The drop-down's nodes wait: the box shows the start folder from the folder itself.
    const HWND tree = form.BrowseDrives->Tree->Handle();
    EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 0);
    const std::string caption = form.BrowseDrives->Text();
    const int image = form.BrowseDrives->ShownImageIndex();
    // The loop ends on a timer, long after it was first idle.
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      Application->Terminate();
      PostQuitMessage(0);
    });
    Application->Run(SW_SHOWNORMAL);
    Application->SetMainForm(nullptr);
    // The notes change nothing: the start folder is listed and located as ever.
    EXPECT_TRUE(SameTextAscii(form.BrowseFiles->Directory(), dir.Path()));
    EXPECT_TRUE(SameTextAscii(form.BrowseDrives->SelectedPath(), dir.Path()));
    // The first idle moment made them, unasked, with the start folder selected.
    EXPECT_GT(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 0);
    const TTreeNode selected = form.BrowseDrives->Tree->Selected();
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected.Text(), caption);
    EXPECT_EQ(selected.ImageIndex(), image);
    EXPECT_EQ(form.BrowseDrives->Text(), caption);
  }
  SetCurrentDirectoryW(before.c_str());

  const std::vector<std::string> phases = Phases(ReadNotes(file));
  const std::vector<std::string> start = {"main window", "listing",    "tree locate", "settings read",        "shown",
                                          "first paint", "first idle", "idle: drop-down tree", "idle"};
  std::size_t next = 0;
  for (const std::string& phase : phases)
    if (next < start.size() && phase == start[next]) ++next;
  EXPECT_EQ(next, start.size()) << "phases seen: " << testing::PrintToString(phases);
  EXPECT_EQ(phases.back(), "idle");
}
