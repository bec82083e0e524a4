// Window tests run inside one application object with the scripted modal seam.
#include <gtest/gtest.h>

#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Application.h"

namespace {
// Every test starts with a fresh script and no leftover failures in the seam.
class FreshSeam : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { ResetScripted(); }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  TApplication app;
  app.Initialize();
  app.SetTitle("Scrivlet");
  ResetScripted();
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSeam);  // gtest owns listeners
  return RUN_ALL_TESTS();
}
