// Drive readiness and drive sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include "filebrowser/lang/Language.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/DiskSpace.h"
#include "tests/win/support/ScriptedModal.h"

namespace {

class DriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListLanguage = lnEnglish;
    LoadFileListMessages();
  }
};

// A letter the process has no drive for (the prefix maps only a few).
char UnusedDriveLetter() {
  const DWORD mask = GetLogicalDrives();
  for (char c = 'Y'; c >= 'D'; --c)
    if (!(mask & (1u << (c - 'A')))) return c;
  return 0;
}

UINT CurrentErrorMode() {
  const UINT mode = SetErrorMode(0);
  SetErrorMode(mode);
  return mode;
}

TEST_F(DriveTest, LowerCaseLetterChecksTheDriveWithoutMessages) {
  EXPECT_TRUE(CheckDriveReady(nullptr, 'c', 1));
  EXPECT_TRUE(CheckDriveReady(nullptr, 'C', 1));
  EXPECT_EQ(Scripted().Count("message"), 0);
}

TEST_F(DriveTest, DigitShowsInvalidIdThenNotReadyAndFails) {
  EXPECT_FALSE(CheckDriveReady(nullptr, '1', 1));
  const auto& r = Scripted().Requests;
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].Kind, "message");
  EXPECT_EQ(r[0].Text, "Not a valid Drive ID");
  EXPECT_EQ(r[0].Caption, "Error");
  EXPECT_EQ(r[0].Flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(r[1].Kind, "message");
  EXPECT_EQ(r[1].Text, "There is no disk in Drive or Drive is not ready");
  EXPECT_EQ(r[1].Caption, "Warning");
  EXPECT_EQ(r[1].Flags, static_cast<UINT>(MB_ICONWARNING | MB_OK));
}

TEST_F(DriveTest, InvalidLetterIsReportedEvenWhenMessagesAreOff) {
  // Only the not-ready warning depends on the flag.
  EXPECT_FALSE(CheckDriveReady(nullptr, '#', 0));
  ASSERT_EQ(Scripted().Requests.size(), 1u);
  EXPECT_EQ(Scripted().Last().Text, "Not a valid Drive ID");
}

TEST_F(DriveTest, MissingDriveWarnsOnlyWhenAsked) {
  const char letter = UnusedDriveLetter();
  ASSERT_NE(letter, 0);
  EXPECT_FALSE(CheckDriveReady(nullptr, letter, 1));
  ASSERT_EQ(Scripted().Requests.size(), 1u);
  EXPECT_EQ(Scripted().Last().Caption, "Warning");
  EXPECT_EQ(Scripted().Last().Text, "There is no disk in Drive or Drive is not ready");

  ResetScripted();
  EXPECT_FALSE(CheckDriveReady(nullptr, letter, 0));
  EXPECT_EQ(Scripted().Count("message"), 0);
}

TEST_F(DriveTest, ErrorModeIsRestoredOnEveryPath) {
  const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  CheckDriveReady(nullptr, 'C', 1);
  EXPECT_EQ(CurrentErrorMode(), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
  CheckDriveReady(nullptr, '1', 1);
  EXPECT_EQ(CurrentErrorMode(), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
  SetErrorMode(before);
}

TEST_F(DriveTest, SizesAreWholeKilobytesOfTheFirstLetter) {
  ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
  ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", &freeToCaller, &total, &totalFree));
  const std::int64_t kb = DiskSizeKB("c:\\some\\folder");
  EXPECT_EQ(kb, static_cast<std::int64_t>(total.QuadPart / 1024));
  EXPECT_EQ(DiskSizeKB("C:"), kb);
  const std::int64_t freeKb = DiskFreeKB("c:");
  EXPECT_GT(freeKb, 0);
  EXPECT_LE(freeKb, kb);
}

// A disk with a quota: the user may fill less than the disk has free.
BOOL WINAPI QuotaQuery(LPCWSTR, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total, PULARGE_INTEGER totalFree) {
  total->QuadPart = 100ull << 30;
  totalFree->QuadPart = 40ull << 30;
  freeToCaller->QuadPart = 3ull << 20;
  return TRUE;
}

TEST_F(DriveTest, FreeSpaceIsWhatTheUserMayFill) {
  const TDiskSpaceQuery platform = SetDiskSpaceQuery(QuotaQuery);
  const std::int64_t freeKb = DiskFreeKB("C:\\");
  const std::int64_t sizeKb = DiskSizeKB("C:\\");
  SetDiskSpaceQuery(platform);
  EXPECT_EQ(freeKb, 3 * 1024);
  EXPECT_EQ(sizeKb, 100 * 1024 * 1024);
}

TEST_F(DriveTest, UnreadableDriveGivesZero) {
  const char letter = UnusedDriveLetter();
  ASSERT_NE(letter, 0);
  const std::string path(1, letter);
  EXPECT_EQ(DiskSizeKB(path + ":\\"), 0);
  EXPECT_EQ(DiskFreeKB(path + ":\\"), 0);
  EXPECT_EQ(DiskSizeKB(""), 0);
  EXPECT_EQ(DiskSizeKB("1:\\"), 0);
}

}  // namespace
