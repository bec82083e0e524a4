#pragma once
// A shown main window for each test, destroyed after it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/Unit1.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads bytes into the reader through a temporary file.
  void LoadText(std::string_view bytes, std::string_view name = "sample.txt");
  std::string ClipboardText();
  // The clipboard's text as UTF-16, as other programs read it.
  std::wstring ClipboardUnicode();
  // How many change notifications the reader raises while `action` runs.
  int CountReaderChanges(const std::function<void()>& action);
  void SetClipboardText(const std::string& text);
  LONG ReaderStyle() const;

  std::unique_ptr<TForm1> form;
  TTempDir dir;
};
