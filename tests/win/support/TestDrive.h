#pragma once
// A drive letter of the given type that Wine's mount manager maps for the life of the
// object, pointing at a Unix path that does not exist: a drive without a medium.
#include <windows.h>

class TTestDrive {
 public:
  explicit TTestDrive(UINT type);
  TTestDrive(const TTestDrive&) = delete;
  TTestDrive& operator=(const TTestDrive&) = delete;
  ~TTestDrive();

  // 0 when the drive could not be made.
  char Letter() const { return letter_; }

 private:
  bool Define(char letter, UINT type, const char* unixPath);
  char letter_ = 0;
};
