#include "screensaver/screen_saver.h"

#include <gtest/gtest.h>

#include "app/mod_registry.h"
#include "fakes.h"

namespace bw {
namespace {

struct ScreenSaverTest : ::testing::Test {
  test::FakePlatform fake;
  ScreenSaver service{fake.system, fake.registry};

  void StorePath(std::string bytes) {
    fake.registry.keys["Control Panel\\Desktop\\"]["SCRNSAVE.EXE"] = {kRegSz, std::move(bytes)};
  }
};

TEST_F(ScreenSaverTest, SwitchPassesAllBitsForOnAndStoresOnlyWhenPermanent) {
  EXPECT_TRUE(service.SetScreenSaverState(true, false));
  EXPECT_TRUE(service.SetScreenSaverState(false, true));
  EXPECT_TRUE(service.SetScreenSaverState(true, true));
  EXPECT_TRUE(service.SetScreenSaverState(false, false));
  EXPECT_EQ(fake.log, (test::Log{"SPI_SET 0xFFFFFFFF 0", "SPI_SET 0x0 3", "SPI_SET 0xFFFFFFFF 3",
                                 "SPI_SET 0x0 0"}));
}

TEST_F(ScreenSaverTest, SwitchReportsARefusal) {
  fake.system.accept = false;
  EXPECT_FALSE(service.SetScreenSaverState(true, false));
}

TEST_F(ScreenSaverTest, StateIsTheFlagTheSystemReports) {
  fake.system.active = 0;
  EXPECT_FALSE(service.GetScreenSaverState());
  fake.system.active = 1;
  EXPECT_TRUE(service.GetScreenSaverState());
}

TEST_F(ScreenSaverTest, StartSendsScreenSaveToTheDesktop) {
  service.StartScreenSaver();
  EXPECT_EQ(fake.log, test::Log{"SYSCOMMAND 0xF140"});
}

TEST_F(ScreenSaverTest, SelectionRunsRundllFromTheSystemDirectory) {
  service.OpenScreenSaverSelection();
  EXPECT_EQ(fake.log, test::Log{"LAUNCH [\"C:\\windows\\system32\\rundll32.exe\" "
                                "shell32.dll,Control_RunDLL desk.cpl,,1] 2"});
}

TEST_F(ScreenSaverTest, ConfigurationQuotesThePathAndClosesItsKey) {
  StorePath(std::string("C:\\Program Files\\Savers\\My Saver.scr") + '\0');
  service.OpenScreenSaverConfiguration();
  ASSERT_FALSE(fake.log.empty());
  EXPECT_EQ(fake.log.front(), "OPEN 0x80000001 Control Panel\\Desktop\\ 0x1");
  EXPECT_NE(std::find(fake.log.begin(), fake.log.end(),
                      "LAUNCH [\"C:\\Program Files\\Savers\\My Saver.scr\" c] 2"),
            fake.log.end());
  EXPECT_EQ(fake.log.back(), "CLOSE 0x100");
  EXPECT_TRUE(fake.registry.open.empty());
}

TEST_F(ScreenSaverTest, ConfigurationReadsPathsBeyond200Characters) {
  const std::string path = "C:\\" + std::string(250, 'd') + "\\saver.scr";
  StorePath(path + '\0');
  service.OpenScreenSaverConfiguration();
  EXPECT_NE(std::find(fake.log.begin(), fake.log.end(), "LAUNCH [\"" + path + "\" c] 2"),
            fake.log.end());
}

TEST_F(ScreenSaverTest, ConfigurationCutsThePathAtItsFirstNul) {
  StorePath(std::string(30, 'p') + std::string(170, '\0'));
  service.OpenScreenSaverConfiguration();
  EXPECT_NE(
      std::find(fake.log.begin(), fake.log.end(), "LAUNCH [\"" + std::string(30, 'p') + "\" c] 2"),
      fake.log.end());
}

TEST_F(ScreenSaverTest, ConfigurationLaunchesNothingWithoutAScreenSaver) {
  for (const std::string stored : {std::string(), std::string(1, '\0')}) {
    fake.log.clear();
    StorePath(stored);
    service.OpenScreenSaverConfiguration();
    for (const auto& call : fake.log) EXPECT_EQ(call.rfind("LAUNCH", 0), std::string::npos);
  }
  fake.registry.keys.clear();  // no desktop key, no value at all
  service.OpenScreenSaverConfiguration();
  for (const auto& call : fake.log) EXPECT_EQ(call.rfind("LAUNCH", 0), std::string::npos);
}

TEST(ConfigurationCommandLine, IsThePathQuotedThenC) {
  EXPECT_EQ(ConfigurationCommandLine(std::string(30, 'x')).size(), 34u);
  EXPECT_EQ(ConfigurationCommandLine("C:\\a b\\s.scr"), "\"C:\\a b\\s.scr\" c");
  EXPECT_EQ(ConfigurationCommandLine(""), "");
}

}  // namespace
}  // namespace bw
