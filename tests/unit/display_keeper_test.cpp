// Keeping the display on while the screen saver is off.
#include "app/display_keeper.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using DisplayKeeperTest = test::Started;

// Held while the box is ticked and the screen saver is off, whoever switched
// it off (a click, another program, a timed disable); let go when it is on
// again, the box is unticked, or the program ends.
TEST_F(DisplayKeeperTest, HeldWhileTickedAndOffWhoeverSwitchedIt) {
  Tray(kLeftButtonDown);
  EXPECT_FALSE(fake.power.held()) << "held with the box unticked";
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  EXPECT_TRUE(fake.power.held());
  Tray(kLeftButtonDown);
  EXPECT_FALSE(fake.power.held());
  for (bool active : {false, false, true}) {
    fake.system.active = active;
    Tick(TimerId::Poll);
    EXPECT_EQ(fake.power.held(), !active);
  }
  BeginSpan(0, 2, false);
  EXPECT_TRUE(fake.power.held());
  CountdownSeconds(119);
  EXPECT_FALSE(fake.power.held());
  Tray(kLeftButtonDown);
  app.OnSettingChanged(kIdKeepDisplayOn, 0);
  EXPECT_FALSE(fake.power.held());
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  app.OnEndSession();
  EXPECT_FALSE(fake.power.held());
}

// A request the system refused is not taken as held: it is asked again at
// the next change, not at every poll.
TEST_F(DisplayKeeperTest, ARefusedRequestIsAskedAgainAtTheNextChange) {
  fake.power.refuses = true;
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  Tray(kLeftButtonDown);
  EXPECT_FALSE(fake.power.held());
  fake.power.refuses = false;
  Pass(1000);
  EXPECT_FALSE(fake.power.held());
  BeginSpan(0, 5, false);
  EXPECT_TRUE(fake.power.held());
}

// Locked, only the computer is kept awake; with the lid closed on battery,
// nothing is. Unlocked, the lid opened or on mains again, the display is kept
// on again, if it still should be; neither touches the screen saver.
TEST_F(DisplayKeeperTest, TheLockAndAClosedLidOnBatteryLetGo) {
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  Tray(kLeftButtonDown);
  app.OnSessionLocked(true);
  EXPECT_EQ(fake.power.kept, KeepAwake::System);
  Pass(1000);
  app.OnSessionLocked(false);
  EXPECT_EQ(fake.power.kept, KeepAwake::Display);
  app.OnLidChanged(true);
  EXPECT_EQ(fake.power.kept, KeepAwake::Display) << "on mains";
  fake.power.battery = true;
  app.OnPowerSourceChanged();
  EXPECT_EQ(fake.power.kept, KeepAwake::Nothing);
  app.OnSessionLocked(true);
  Pass(1000);
  EXPECT_EQ(fake.power.kept, KeepAwake::Nothing);
  app.OnLidChanged(false);
  EXPECT_EQ(fake.power.kept, KeepAwake::System);
  app.OnLidChanged(true);
  fake.power.battery = false;
  app.OnPowerSourceChanged();
  EXPECT_EQ(fake.power.kept, KeepAwake::System);
  Tray(kLeftButtonDown);
  app.OnSessionLocked(false);
  EXPECT_EQ(fake.power.kept, KeepAwake::Nothing) << "the screen saver is on";
  EXPECT_EQ(Seen(), test::kOn);
}

}  // namespace
}  // namespace bw
