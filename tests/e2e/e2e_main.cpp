// The end-to-end tests start the real Blinkward.exe under Wine's shell desktop
// and drive it from this separate process, as the shell and other programs
// would. CTest runs each test in its own process (cmake/windows-tests.cmake).
#include <gtest/gtest.h>

#include "fixture.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Before any test switches the screen-saver flag "as another program".
  if (!GTEST_FLAG_GET(list_tests)) e2e::ConnectToDisplay();
  return RUN_ALL_TESTS();
}
