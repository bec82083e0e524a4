#include "tests/win/support/DirTree21Fixture.h"

#include "filebrowser/shell/FileOps.h"
#include "tests/win/support/ScriptedModal.h"

void DirTree21Fixture::SetUp() {
  ResetScripted().FileOpAnswer = RealFileOperation;
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(40, 40, 640, 480);
  tree = TComponent::Create<TDqDirTree21>(form.get(), form.get());
  tree->SetAlign(TAlign::alLeft);
  tree->SetWidth(300);
  list = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  list->SetAlign(TAlign::alClient);
  list->SetDirTree(tree);
  BeforeShow();
  form->ShowMain(SW_SHOWNORMAL);
  PumpMessages();
  dir.MakeDir("A");
  dir.MakeDir("B");
}

void DirTree21Fixture::TearDown() {
  form.reset();
  PumpMessages();
}

TTreeNode DirTree21Fixture::Show(const std::string& relative) {
  tree->ShowPath(Path(relative));
  return tree->Selected();
}

POINT DirTree21Fixture::LabelPoint(TTreeNode node) const {
  // Other folders of the temporary folder may push the node out of view.
  TreeView_EnsureVisible(tree->Handle(), node.ItemId());
  RECT rc{};
  TreeView_GetItemRect(tree->Handle(), node.ItemId(), &rc, TRUE);
  return {rc.left + 3, (rc.top + rc.bottom) / 2};
}

void DirTree21Fixture::ClickLabel(TTreeNode node) {
  const POINT pt = LabelPoint(node);
  SendMessageW(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  SendMessageW(tree->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}
