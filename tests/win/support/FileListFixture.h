#pragma once
// A file list on a form for each test, and a temporary folder to list.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "filebrowser/filelist/FileListView.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Form.h"

class FileListTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Captions in list order.
  std::vector<std::string> Captions() const;
  // The entry with that caption; fails the test when there is none.
  TListItem Entry(const std::string& caption) const;
  int IndexOf(const std::string& caption) const;
  // A file of that many bytes in the temporary folder.
  std::string WriteSized(std::string_view name, std::size_t bytes) const;
  // Points the list at the temporary folder (which lists it).
  void ListTempDir();

  static void SetWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute);
  static void SetAttributes(const std::string& path, DWORD attributes);

  TTempDir dir;
  std::unique_ptr<TForm> form;
  TDqFilelistView28* view = nullptr;
};

// The text the window itself shows for an item and column.
std::string ShownText(const TListView& list, int item, int column);
