#pragma once
// A drive letter of the given type that Wine's mount manager maps for the life of the
// object, pointing at a Unix path that does not exist: a drive without a medium. Given a
// folder, the drive holds that folder instead (Wine then answers for the drive's type:
// a CD-ROM drive's volume reports the CD file system).
#include <windows.h>

#include <string>

class TTestDrive {
 public:
  explicit TTestDrive(UINT type);
  TTestDrive(UINT type, const std::string& folder);
  TTestDrive(const TTestDrive&) = delete;
  TTestDrive& operator=(const TTestDrive&) = delete;
  ~TTestDrive();

  // 0 when the drive could not be made.
  char Letter() const { return letter_; }

 private:
  void DefineFree(UINT type, const char* unixPath);
  bool Define(char letter, UINT type, const char* unixPath);
  char letter_ = 0;
};
