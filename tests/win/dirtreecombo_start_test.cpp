// The combo's drop-down nodes are made when first needed: until then the box shows the
// folder from the folder itself, and every answer equals that of a combo whose nodes
// were made at once.
#include "tests/win/support/DirTreeComboFixture.h"

#include <shlobj.h>

#include <functional>

#include "filebrowser/lang/Language.h"
#include "toolkit/Utf.h"

namespace {

// What the user and a host see of a combo: the box, and the drop-down's visible nodes
// (the selected one marked with "*").
struct TLook {
  std::string Text;
  int Image = -1;
  std::string SelectedPath;
  std::vector<std::string> Visible;
  bool operator==(const TLook&) const = default;
};

void PrintTo(const TLook& look, std::ostream* os) {
  *os << look.Text << " #" << look.Image << " " << look.SelectedPath << " " << testing::PrintToString(look.Visible);
}

TLook LookOf(TDqDirTreeCombo28& combo) {
  TLook look{combo.Text(), combo.ShownImageIndex(), combo.SelectedPath(), {}};
  for (TTreeNode n = combo.Tree->GetFirstNode(); n; n = n.GetNextVisible())
    look.Visible.push_back((n == combo.Tree->Selected() ? "*" : "") + n.Text());
  return look;
}

// The nodes in the native control, counted without asking the tree for them.
LRESULT NativeNodes(const TDqDirTreeCombo28& combo) { return SendMessageW(combo.Tree->Handle(), TVM_GETCOUNT, 0, 0); }

TEST_F(DirTreeComboTest, BeforeTheFirstDropDownEveryAnswerIsThatOfATreeMadeAtOnce) {
  const std::string deep = dir.MakeDir("A") + "\\" + "B";
  dir.MakeDir("A\\B");
  dir.MakeDir("A\\B\\C");
  dir.MakeDir("Other");
  // A short name names the folder, yet no node has it as caption.
  wchar_t shortName[MAX_PATH] = {};
  GetShortPathNameW(Widen(dir.MakeDir("A long folder name")).c_str(), shortName, MAX_PATH);
  ASSERT_EQ(std::wstring(shortName).find(L"long folder"), std::wstring::npos);
  const std::string root = dir.Path().substr(0, 3);
  std::string lower = dir.Path() + "a\\b\\";
  for (std::size_t i = 3; i < lower.size(); ++i) lower[i] = static_cast<char>(std::tolower(lower[i]));
  // A folder whose picture is its own.
  wchar_t documents[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents), S_OK);
  // A folder that names its own picture: the shell must be asked about it, not about any folder.
  const std::string dressed = dir.MakeDir("Dressed");
  dir.Write("Dressed\\desktop.ini", "[.ShellClassInfo]\r\nIconFile=C:\\windows\\system32\\shell32.dll\r\nIconIndex=12\r\n");
  SetFileAttributesW(Widen(dressed).c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
  using TStep = std::function<void(TDqDirTreeCombo28&)>;
  const TStep notify = [&](TDqDirTreeCombo28&) {
    // Sent once: both combos hear it.
    SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, Widen(dir.MakeDir("Made")).c_str(), nullptr);
    PumpMessages();
  };
  const struct {
    const char* name;
    std::vector<TStep> steps;
    bool madeBefore;  // whether the steps needed the nodes
  } cases[] = {
      {"start", {}, false},
      {"deep folder", {[&](auto& c) { c.ShowPath(Path("A\\B\\C")); }}, false},
      {"two folders", {[&](auto& c) { c.ShowPath(Path("Other")); }, [&](auto& c) { c.ShowPath(deep); }}, false},
      {"other case", {[&](auto& c) { c.ShowPath(lower); }}, false},
      {"drive root", {[&](auto& c) { c.ShowPath(root); }}, false},
      {"special folder", {[&](auto& c) { c.ShowPath(Narrow(documents)); }}, false},
      {"dressed folder", {[&](auto& c) { c.ShowPath(dressed); }}, false},
      {"rebuilt", {[&](auto& c) { c.ShowPath(deep); }, [](auto& c) { c.ResetTree(); }}, false},
      {"rebuilt then shown", {[](auto& c) { c.ResetTree(); }, [&](auto& c) { c.ShowPath(deep); }}, false},
      {"notification", {[&](auto& c) { c.ShowPath(deep); }, notify}, false},
      {"language", {[](auto& c) { c.SetLanguage(lnGerman); }, [&](auto& c) { c.ShowPath(deep); }}, false},
      {"short name", {[&](auto& c) { c.ShowPath(Narrow(shortName)); }}, true},
      {"computer", {[](auto& c) { c.ShowRoot(); }}, false},
      {"computer after a folder", {[&](auto& c) { c.ShowPath(deep); }, [](auto& c) { c.ShowRoot(); }}, false},
      {"folder after the computer", {[](auto& c) { c.ShowRoot(); }, [&](auto& c) { c.ShowPath(deep); }}, false},
  };
  const TLanguage before = TreeLanguage;
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    auto* lazy = TComponent::Create<TDqDirTreeCombo28>(form.get(), form.get());
    auto* made = TComponent::Create<TDqDirTreeCombo28>(form.get(), form.get());
    made->Tree->MakeNodes();
    for (const TStep& step : test.steps) {
      step(*lazy);
      // A notification reaches both combos at once.
      if (step.target_type() != notify.target_type()) step(*made);
    }
    EXPECT_EQ(lazy->Tree->NodesMade(), test.madeBefore);
    EXPECT_EQ(NativeNodes(*lazy) != 0, test.madeBefore);
    const TLook box{lazy->Text(), lazy->ShownImageIndex(), lazy->SelectedPath(), {}};
    const TLook expected = LookOf(*made);
    // The box showed before any node was made what the made tree's node shows.
    EXPECT_EQ(box, (TLook{expected.Text, expected.Image, expected.SelectedPath, {}}));
    EXPECT_EQ(LookOf(*lazy), expected);
    EXPECT_TRUE(lazy->Tree->NodesMade());
    EXPECT_EQ(lazy->ExpandRoot(), made->ExpandRoot());
    form->FreeComponent(lazy);
    form->FreeComponent(made);
    TreeLanguage = before;
  }
}

TEST_F(DirTreeComboTest, TheFirstDropDownMakesTheNodesOfTheFolderShown) {
  dir.MakeDir("A");
  combo->ShowPath(Path("A"));
  ASSERT_FALSE(combo->Tree->NodesMade());
  for (const WORD key : {WORD{VK_F4}, WORD{VK_ESCAPE}}) Press(key);
  EXPECT_TRUE(combo->Tree->NodesMade());
  EXPECT_EQ(SelectedCaption(), "A");
  EXPECT_EQ(combo->Text(), "A");

}

}  // namespace
