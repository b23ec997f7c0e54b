// Keeping the display on while the screen saver is off, and a timed disable
// that a later copy of the program goes on with.
#include <gtest/gtest.h>

#include "app/settings_layout.h"
#include "fakes.h"

namespace bw {
namespace {

using DisplayTest = test::Started;
using SpanNoteTest = test::Started;

const std::string kTip = "Screen Saver will be DISABLED\nfor the next ";

// Held while the box is ticked and the screen saver is off, whoever switched
// it off (a click, another program, a timed disable); let go when it is on
// again, the box is unticked, or the program ends.
TEST_F(DisplayTest, HeldWhileTickedAndOffWhoeverSwitchedIt) {
  app.OnTrayMessage(513);
  EXPECT_FALSE(fake.power.held) << "held with the box unticked";
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  EXPECT_TRUE(fake.power.held);
  EXPECT_EQ(fake.registry.Value(kKeepDisplayOnKeyPath) + fake.ui.Shown(),
            "1Blinkward v1.01 102=0 104=0 105=1");
  app.OnTrayMessage(513);
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
  app.OnTrayMessage(513);
  app.OnSettingChanged(kIdKeepDisplayOn, 0);
  EXPECT_FALSE(fake.power.held);
  EXPECT_EQ(fake.registry.Value(kKeepDisplayOnKeyPath), "0");
  app.OnSettingChanged(kIdKeepDisplayOn, 1);
  app.OnCloseRequest(CloseReason::EndSession);
  EXPECT_FALSE(fake.power.held);
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

// A copy started after another was killed mid-span goes on with the time
// left and the start-at-the-end choice; a span that ended meanwhile only
// switches the screen saver back on; a note of another logon, or one that
// cannot be read, is deleted and changes nothing.
TEST_F(SpanNoteTest, ALaterCopyGoesOnWithTheSpanOfThisLogonOnly) {
  fake.system.now = 5000;
  app.BeginTimedDisable({1, 0}, true);
  CountdownSeconds(1);
  const auto notes = fake.registry.values;
  const struct {
    const char* name;
    std::uint32_t now;
    const char* logon;
    const char* corrupt;  // a value of the note made unreadable
    const char* tip;      // null: nothing was resumed
    bool active;
  } rows[] = {
      {"half an hour later", 5000 + 1801 * 1000, nullptr, nullptr, "30 minutes", false},
      {"ended meanwhile", 5000 + 3600 * 1000, nullptr, nullptr, nullptr, true},
      {"another logon", 5000 + 60 * 1000, "0000000000ABCDEF", nullptr, nullptr, false},
      {"unreadable", 5000 + 60 * 1000, nullptr, "Counter", nullptr, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    test::FakePlatform later;
    later.registry.values = notes;
    later.system.active = false;  // as the killed copy left it
    later.system.now = row.now;
    if (row.logon) later.system.logon = row.logon;
    if (row.corrupt) later.registry.values[std::string(kSpanNoteKeyPath) + "|" + row.corrupt] = "x";
    App again(later.platform);
    again.Start();
    EXPECT_EQ(later.system.active, row.active);
    EXPECT_EQ(later.system.started, 0);
    EXPECT_EQ(later.registry.Value(kSpanNoteKeyPath, "Logon"),
              row.tip ? "00000000000003E7" : "<absent>");
    if (!row.tip) continue;
    EXPECT_EQ(later.Seen(), "saver off, clock: " + kTip + row.tip);
    later.system.now += 1800 * 1000;
    again.OnTimer(static_cast<int>(TimerId::Countdown));
    EXPECT_EQ(later.system.started, 1) << "the start-at-the-end choice was lost";
    EXPECT_EQ(later.registry.Value(kSpanNoteKeyPath, "Logon"), "<absent>");
  }
}

}  // namespace
}  // namespace bw
