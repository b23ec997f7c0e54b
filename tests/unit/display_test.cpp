// Keeping the display on while the screen saver is off.
#include <gtest/gtest.h>

#include "app/settings_layout.h"
#include "fakes.h"

namespace bw {
namespace {

using DisplayTest = test::Started;

// Held while the box is ticked and the screen saver is off, whoever switched
// it off (a click, another program, a timed disable); let go when it is on
// again, the box is unticked, or the program ends.
TEST_F(DisplayTest, HeldWhileTickedAndOffWhoeverSwitchedIt) {
  Tray(513);
  EXPECT_FALSE(fake.power.held) << "held with the box unticked";
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  EXPECT_TRUE(fake.power.held);
  EXPECT_EQ(fake.registry.Value(kKeepDisplayOnKeyPath) + fake.ui.Shown(),
            "1Blinkward v1.01 102=0 104=0 105=1");
  Tray(513);
  EXPECT_FALSE(fake.power.held);
  for (bool active : {false, false, true}) {
    fake.system.active = active;
    Tick(TimerId::Poll);
    EXPECT_EQ(fake.power.held, !active);
  }
  app.BeginTimedDisable({0, 2}, false);
  EXPECT_TRUE(fake.power.held);
  CountdownSeconds(119);
  EXPECT_FALSE(fake.power.held);
  Tray(513);
  app.OnSettingChanged(kIdKeepDisplayOn, 0);
  EXPECT_FALSE(fake.power.held);
  EXPECT_EQ(fake.registry.Value(kKeepDisplayOnKeyPath), "0");
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  app.OnCloseRequest(CloseReason::EndSession);
  EXPECT_FALSE(fake.power.held);
}

// A request the system refused is not taken as held: it is asked again at
// the next change, not at every poll.
TEST_F(DisplayTest, ARefusedRequestIsAskedAgainAtTheNextChange) {
  fake.power.refuses = true;
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  Tray(513);
  EXPECT_FALSE(fake.power.held);
  fake.power.refuses = false;
  Pass(1000);
  EXPECT_FALSE(fake.power.held);
  app.BeginTimedDisable({0, 5}, false);
  EXPECT_TRUE(fake.power.held);
}

TEST(Settings, KeepTheDisplayOnReadsOnlyAOne) {
  for (const char* stored :
       {"1", "0", "", "01", "yes", "true", static_cast<const char*>(nullptr)}) {
    test::FakePlatform fake;
    if (stored) fake.registry.values[std::string(kKeepDisplayOnKeyPath) + "|"] = stored;
    Settings settings(fake.registry, fake.system);
    settings.Load();
    EXPECT_EQ(settings.keepDisplayOn(), stored && std::string(stored) == "1") << stored;
  }
}

}  // namespace
}  // namespace bw
