// The shell's file operation: copy, move, rename and delete to the recycle bin.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "filebrowser/shell/FileOps.h"
#include "filebrowser/shell/PathRules.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Utf.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// What the program handed to the shell.
struct TRecordedOp {
  UINT Function = 0;
  FILEOP_FLAGS Flags = 0;
  std::vector<std::string> From;
  std::vector<std::string> To;
  bool EmptyProgressTitle = false;
};

// The entries of a double-NUL list.
std::vector<std::string> ReadList(const wchar_t* list) {
  std::vector<std::string> entries;
  if (!list) return entries;
  while (*list) {
    const std::wstring entry(list);
    entries.push_back(Narrow(entry));
    list += entry.size() + 1;
  }
  return entries;
}

// The Unix home as a Windows path: Wine names it in WINEHOMEDIR ("\\??\\Z:\\...").
std::wstring UnixHomeFolder() {
  wchar_t buf[1024] = {};
  if (GetEnvironmentVariableW(L"WINEHOMEDIR", buf, 1024)) {
    std::wstring dir = buf;
    if (dir.rfind(L"\\??\\", 0) == 0) dir.erase(0, 4);
    return dir;
  }
  if (GetEnvironmentVariableW(L"HOME", buf, 1024) && buf[0] == L'/') {
    std::wstring dir = L"Z:" + std::wstring(buf);
    for (auto& c : dir)
      if (c == L'/') c = L'\\';
    return dir;
  }
  return {};
}

class FileOpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Record, then run the real operation without the shell's questions.
    Scripted().FileOpAnswer = [this](SHFILEOPSTRUCTW& op) {
      recorded.Function = op.wFunc;
      recorded.Flags = op.fFlags;
      recorded.From = ReadList(op.pFrom);
      recorded.To = ReadList(op.pTo);
      recorded.EmptyProgressTitle = op.lpszProgressTitle && *op.lpszProgressTitle == L'\0';
      SHFILEOPSTRUCTW real = op;
      real.fFlags |= FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
      const int result = SHFileOperationW(&real);
      op.fAnyOperationsAborted = real.fAnyOperationsAborted;
      return result;
    };
  }

  TTempDir dir;
  TRecordedOp recorded;
};

TEST_F(FileOpTest, OperationTable) {
  EXPECT_EQ(FileOpCodes[0], static_cast<UINT>(FO_COPY));
  EXPECT_EQ(FileOpCodes[1], static_cast<UINT>(FO_DELETE));
  EXPECT_EQ(FileOpCodes[2], static_cast<UINT>(FO_MOVE));
  EXPECT_EQ(FileOpCodes[3], static_cast<UINT>(FO_RENAME));
}

TEST_F(FileOpTest, CopiesAListOfFilesIntoAFolder) {
  const std::string a = dir.Write("a.txt", "alpha");
  const std::string b = dir.Write("b.txt", "beta");
  const std::string target = dir.MakeDir("target");
  const std::string list = AppendListTerminator(a) + AppendListTerminator(b);

  EXPECT_TRUE(RunFileOperation(nullptr, FileOpCodes[0], list, target));
  EXPECT_EQ(recorded.Function, static_cast<UINT>(FO_COPY));
  EXPECT_EQ(recorded.Flags, static_cast<FILEOP_FLAGS>(FOF_ALLOWUNDO));
  EXPECT_EQ(recorded.From, (std::vector<std::string>{a, b}));
  EXPECT_EQ(recorded.To, (std::vector<std::string>{target}));
  EXPECT_TRUE(recorded.EmptyProgressTitle);
  EXPECT_TRUE(Exists(target + "\\a.txt"));
  EXPECT_TRUE(Exists(target + "\\b.txt"));
  EXPECT_TRUE(Exists(a));
}

TEST_F(FileOpTest, MovesAndRenames) {
  const std::string a = dir.Write("a.txt", "alpha");
  const std::string target = dir.MakeDir("target");
  EXPECT_TRUE(RunFileOperation(nullptr, FileOpCodes[2], a, target));
  EXPECT_EQ(recorded.Function, static_cast<UINT>(FO_MOVE));
  EXPECT_EQ(recorded.From, (std::vector<std::string>{a}));
  EXPECT_FALSE(Exists(a));
  const std::string moved = target + "\\a.txt";
  ASSERT_TRUE(Exists(moved));

  const std::string renamed = target + "\\renamed.txt";
  EXPECT_TRUE(RunFileOperation(nullptr, FileOpCodes[3], moved, renamed));
  EXPECT_EQ(recorded.Function, static_cast<UINT>(FO_RENAME));
  EXPECT_EQ(recorded.To, (std::vector<std::string>{renamed}));
  EXPECT_FALSE(Exists(moved));
  EXPECT_TRUE(Exists(renamed));
}

TEST_F(FileOpTest, NonAsciiNamesReachTheShellIntact) {
  const std::string a = dir.Write("Z\xC3\xBCrich \xE2\x9C\x93.txt", "x");
  const std::string renamed = dir.File("\xE6\x97\xA5\xE8\xA8\x98.txt");
  EXPECT_TRUE(RunFileOperation(nullptr, FileOpCodes[3], a, renamed));
  EXPECT_EQ(recorded.From, (std::vector<std::string>{a}));
  EXPECT_TRUE(Exists(renamed));
}

TEST_F(FileOpTest, DeleteGoesToTheRecycleBin) {
  const std::string name = "trash-me-" + std::to_string(GetCurrentProcessId()) + ".txt";
  // Wine keeps the recycle bin in the (sandboxed) Unix home's trash.
  const std::wstring home = UnixHomeFolder();
  const std::wstring trash = home + L"\\.local\\share\\Trash\\";
  const std::wstring trashed = trash + L"files\\" + Widen(name);
  const std::wstring trashInfo = trash + L"info\\" + Widen(name) + L".trashinfo";
  // A leftover of the same name would make the trash pick another one.
  DeleteFileW(trashed.c_str());
  DeleteFileW(trashInfo.c_str());

  const std::string file = dir.Write(name, "bye");
  EXPECT_TRUE(RunFileOperation(nullptr, FileOpCodes[1], AppendListTerminator(file), ""));
  EXPECT_EQ(recorded.Function, static_cast<UINT>(FO_DELETE));
  EXPECT_NE(recorded.Flags & FOF_ALLOWUNDO, 0);
  EXPECT_TRUE(recorded.To.empty());
  EXPECT_FALSE(Exists(file));

  if (home.empty()) GTEST_SKIP() << "no Unix home to find the trash in";
  EXPECT_TRUE(Exists(Narrow(trashed)));
  DeleteFileW(trashed.c_str());
  DeleteFileW(trashInfo.c_str());
}

TEST_F(FileOpTest, FailureOrAbortGivesFalse) {
  Scripted().FileOpAnswer = [](SHFILEOPSTRUCTW&) { return 0x402; };
  EXPECT_FALSE(RunFileOperation(nullptr, FileOpCodes[0], dir.File("missing.txt"), dir.Path()));
  Scripted().FileOpAnswer = [](SHFILEOPSTRUCTW& op) {
    op.fAnyOperationsAborted = TRUE;
    return 0;
  };
  EXPECT_FALSE(RunFileOperation(nullptr, FileOpCodes[1], dir.File("x.txt"), ""));
  EXPECT_EQ(Scripted().Count("message"), 0);
}

}  // namespace
