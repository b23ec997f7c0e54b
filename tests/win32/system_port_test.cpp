// The system port against the real system: the screen-saver flag, the program's
// paths and process launch.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/system_win.h"
#include "win32_test_support.h"

namespace bw::win32 {
namespace {

TEST(SystemPort, ScreenSaverFlagFollowsEachSwitchAndIsRestored) {
  SystemWin system;
  const std::uint32_t before = system.QueryScreenSaveActive();
  // "On" is passed as all bits set, as the program does; the flag reads back as 1.
  struct Step {
    std::uint32_t uiParam;
    bool active;
  };
  for (const Step step : {Step{0, false}, Step{0xFFFFFFFF, true}, Step{0, false}}) {
    SCOPED_TRACE(step.uiParam);
    EXPECT_TRUE(system.SetScreenSaveActive(step.uiParam, 0));
    EXPECT_EQ(system.QueryScreenSaveActive() != 0, step.active);
  }
  system.SetScreenSaveActive(before ? 0xFFFFFFFF : 0, 0);
  EXPECT_EQ(system.QueryScreenSaveActive(), before);
}

TEST(SystemPort, PathsAreCompleteAndWithoutTrailingSeparator) {
  SystemWin system;
  char expected[MAX_PATH] = "";
  GetSystemDirectoryA(expected, MAX_PATH);
  const std::string directory = system.SystemDirectory();
  EXPECT_EQ(directory, expected);
  EXPECT_NE(directory.back(), '\\');

  const std::string exe = system.ExecutablePath();
  EXPECT_EQ(GetFileAttributesA(exe.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << exe;
  EXPECT_EQ(exe.substr(exe.size() - 4), ".exe") << exe;
}

TEST(SystemPort, LaunchRunsABareProgramNameFromTheSearchPath) {
  SystemWin system;
  const std::string key =
      "Software\\BlinkwardWin32Test\\Launch" + std::to_string(GetCurrentProcessId());
  RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
  // reg.exe lives in the system directory; the launched program leaves a mark.
  system.Launch("reg.exe add \"HKCU\\" + key + "\" /v Launched /d yes /f", SW_SHOWMINIMIZED);
  const bool marked = test::PumpUntil(
      [&] {
        HKEY found = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &found)) return false;
        const bool has = RegQueryValueExA(found, "Launched", nullptr, nullptr, nullptr, nullptr) ==
                         ERROR_SUCCESS;
        RegCloseKey(found);
        return has;
      },
      20000);
  EXPECT_TRUE(marked);
  RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\BlinkwardWin32Test");
}

}  // namespace
}  // namespace bw::win32
