#pragma once
// A shown form with a folder tree combo above a linked file list, and a temporary
// folder to walk.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "filebrowser/combo/DirTreeCombo.h"
#include "filebrowser/combo/DirTreeView.h"
#include "filebrowser/combo/DqSpeedButton.h"
#include "filebrowser/filelist/FileListView.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Form.h"

class DirTreeComboTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TDqDirTreeView& Tree() const { return *combo->Tree; }
  // The temporary folder's path plus `relative`.
  std::string Path(const std::string& relative) const { return dir.Path() + relative; }
  std::string SelectedCaption() const { return Tree().Selected().Text(); }
  std::vector<std::string> ChildCaptions(TTreeNode node) const;
  TTreeNode Child(TTreeNode node, const std::string& caption) const;
  bool ListShows(const std::string& caption) const;
  void Press(WORD key);
  // The tree's window rectangle on the screen.
  RECT TreeRect() const;

  TTempDir dir;
  std::unique_ptr<TForm> form;
  TDqDirTreeCombo28* combo = nullptr;
  TDqFilelistView28* list = nullptr;
  std::vector<std::pair<TComponent*, std::string>> pathChanges;
};
