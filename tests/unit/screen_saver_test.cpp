#include "screensaver/screen_saver.h"

#include <gtest/gtest.h>

#include <optional>

#include "app/mod_registry.h"
#include "fakes.h"

namespace bw {
namespace {

struct ScreenSaverTest : ::testing::Test {
  test::FakePlatform fake;
  ScreenSaver service{fake.system, fake.registry};
};

// On is all bits set; only a permanent change is stored and broadcast (fWinIni 3).
TEST_F(ScreenSaverTest, SwitchPassesAllBitsForOnAndStoresOnlyWhenPermanent) {
  EXPECT_TRUE(service.SetScreenSaverState(true, false));
  EXPECT_TRUE(service.SetScreenSaverState(false, true));
  EXPECT_TRUE(service.SetScreenSaverState(true, true));
  EXPECT_TRUE(service.SetScreenSaverState(false, false));
  EXPECT_EQ(fake.log, (test::Log{"SPI_SET 0xFFFFFFFF 0", "SPI_SET 0x0 3", "SPI_SET 0xFFFFFFFF 3",
                                 "SPI_SET 0x0 0"}));
}

TEST_F(ScreenSaverTest, SelectionRunsRundllFromTheSystemDirectory) {
  service.OpenScreenSaverSelection();
  EXPECT_EQ(fake.log, test::Log{"LAUNCH [\"C:\\windows\\system32\\rundll32.exe\" "
                                "shell32.dll,Control_RunDLL desk.cpl,,1] 2"});
}

// The stored path, quoted, at any length, up to its first NUL; nothing without one.
TEST_F(ScreenSaverTest, ConfigurationLaunchesTheQuotedPathOrNothing) {
  const std::string longPath = "C:\\" + std::string(250, 'd') + "\\saver.scr";
  const struct {
    std::optional<std::string> stored;  // nothing: no desktop key at all
    std::string launched;               // empty: nothing launched
  } cases[] = {
      {"C:\\Program Files\\Savers\\My Saver.scr" + std::string(1, '\0'),
       "LAUNCH [\"C:\\Program Files\\Savers\\My Saver.scr\" c] 2"},
      {longPath + '\0', "LAUNCH [\"" + longPath + "\" c] 2"},
      {std::string(30, 'p') + std::string(170, '\0'),
       "LAUNCH [\"" + std::string(30, 'p') + "\" c] 2"},
      {"", ""},
      {std::string(1, '\0'), ""},
      {std::nullopt, ""},
  };
  for (const auto& c : cases) {
    test::FakePlatform local;
    if (c.stored) {
      local.registry.keys["Control Panel\\Desktop\\"]["SCRNSAVE.EXE"] = {kRegSz, *c.stored};
    }
    ScreenSaver{local.system, local.registry}.OpenScreenSaverConfiguration();
    SCOPED_TRACE(c.launched);
    EXPECT_EQ(local.log.front(), "OPEN 0x80000001 Control Panel\\Desktop\\ 0x1");
    EXPECT_EQ(test::Count(local.log, "LAUNCH"), c.launched.empty() ? 0 : 1);
    EXPECT_TRUE(c.launched.empty() || local.log.end()[-2] == c.launched) << local.log.end()[-2];
    EXPECT_TRUE(local.registry.open.empty()) << "the key is closed";
  }
}

}  // namespace
}  // namespace bw
