#include "tests/win/support/DirTreeComboFixture.h"

#include "tests/win/support/Keys.h"

void DirTreeComboTest::SetUp() {
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(40, 40, 400, 500);
  combo = TComponent::Create<TDqDirTreeCombo28>(form.get(), form.get());
  combo->SetAlign(TAlign::alTop);
  combo->OnPathChange = [this](TComponent* sender, const std::string& path) { pathChanges.emplace_back(sender, path); };
  list = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  list->SetAlign(TAlign::alClient);
  list->SetDirTreeCombo(combo);
  form->ShowMain(SW_SHOWNORMAL);
  SetForegroundWindow(form->Handle());
  combo->SetFocus();
  PumpMessages();
}

void DirTreeComboTest::TearDown() {
  form.reset();
  PumpMessages();
}

std::vector<std::string> DirTreeComboTest::ChildCaptions(TTreeNode node) const {
  std::vector<std::string> out;
  for (TTreeNode c = node.getFirstChild(); c; c = c.getNextSibling()) out.push_back(c.Text());
  return out;
}

TTreeNode DirTreeComboTest::Child(TTreeNode node, const std::string& caption) const {
  for (TTreeNode c = node.getFirstChild(); c; c = c.getNextSibling())
    if (c.Text() == caption) return c;
  return {};
}

bool DirTreeComboTest::ListShows(const std::string& caption) const {
  for (const TListItem& item : list->Items())
    if (item.Caption == caption) return true;
  return false;
}

void DirTreeComboTest::Press(WORD key) { PressKey(combo->Handle(), key); }

RECT DirTreeComboTest::TreeRect() const {
  RECT rc{};
  GetWindowRect(Tree().Handle(), &rc);
  return rc;
}
