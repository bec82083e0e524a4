#pragma once
// The stand-alone folder tree beside a linked file list on a form, as a host places
// them, and a temporary folder holding the folders A and B.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/filelist/FileListView.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Form.h"

class DirTree21Fixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Runs after the tree and the list are made and linked, before the form shows.
  virtual void BeforeShow() {}

  std::string Path(const std::string& relative) const { return dir.Path() + relative; }
  // Shows a folder of the temporary folder and returns its node.
  TTreeNode Show(const std::string& relative);
  // A point on the node's caption, scrolled into view, and a left click there.
  POINT LabelPoint(TTreeNode node) const;
  void ClickLabel(TTreeNode node);

  TTempDir dir;
  std::unique_ptr<TForm> form;
  TDqDirTree21* tree = nullptr;
  TDqFilelistView28* list = nullptr;
};
