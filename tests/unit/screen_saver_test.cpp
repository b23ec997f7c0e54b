// The screen saver: an administrator's policy, and the configuration the
// menu opens.
#include "screensaver/screen_saver.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using ScreenSaverTest = test::Started;

using test::kOn, test::kOff;
const std::string kSystem = "C:\\Windows\\system32";
const std::string kPolicy = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop|";

// While a policy sets the screen saver the icon shows the policy's state and
// says so, a click or a key changes nothing and no timed disable can begin;
// "Configure Screen Saver" opens the policy's screen saver. Without it, all
// is as before.
TEST_F(ScreenSaverTest, APolicyDecidesAndTheIconSaysSo) {
  fake.registry.values[kPolicy + "ScreenSaveActive"] = "0";
  fake.registry.values[kPolicy + "SCRNSAVE.EXE"] = "\"%SystemRoot%\\system32\\p.scr\"";
  app.OnPolicyChanged();
  for (int message : {kLeftButtonDown, kKeySelect}) Tray(message);
  EXPECT_EQ(Seen(), "saver on, red: Screen Saver is DISABLED by policy");
  Choose(MenuCommand::TimedDisable);
  EXPECT_FALSE(fake.ui.Item(MenuCommand::TimedDisable).enabled);
  EXPECT_EQ(fake.dialog.opened, 0);
  Choose(MenuCommand::ConfigureScreenSaver);
  EXPECT_EQ(fake.system.launched.back(),
            "\"C:\\Windows\\system32\\p.scr\" c in C:\\Windows\\system32");
  fake.registry.values.erase(kPolicy + "ScreenSaveActive");
  app.OnPolicyChanged();
  EXPECT_EQ(Seen(), kOn);
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), kOff);
}

// A policy ends a running span (the screen saver back on, its note erased,
// the tip saying why); no span begins under one, also from a dialog opened
// before it came; and a later copy started under it shows it at the first
// poll and does not go on with the span.
TEST_F(ScreenSaverTest, APolicyHoldsAtEveryMoment) {
  const std::string kActive = kPolicy + "ScreenSaveActive";
  BeginSpan(1, 0, false);
  CountdownSeconds(1);
  const auto noted = fake.registry.values;
  fake.registry.values[kActive] = "0";
  app.OnPolicyChanged();
  Pass(2000);
  EXPECT_EQ(Seen(), "saver on, red: Screen Saver is DISABLED by policy");
  EXPECT_EQ(fake.registry.Value("Software\\Blinkward\\TimedDisable\\00000000000003E7", "Begun"),
            "<absent>");
  fake.registry.values.erase(kActive);
  app.OnPolicyChanged();
  fake.dialog.whileOpen = [&] {
    fake.registry.values[kActive] = "1";
    app.OnPolicyChanged();
    fake.dialog.Ok("1", "0", false);
  };
  Choose(MenuCommand::TimedDisable);
  Pass(2000);
  EXPECT_EQ(Seen(), "saver on, green: Screen Saver is ENABLED by policy");

  test::FakePlatform later;
  later.registry.values = noted;
  later.registry.values[kActive] = "1";
  later.system.active = false;  // as the killed copy left it
  test::Program again(later);
  again.Start();
  EXPECT_EQ(later.Seen(), "saver on, green: Screen Saver is ENABLED by policy");
}

// "0" or "1" as text, or 0 or 1 as a number, is a policy; nothing else is.
TEST_F(ScreenSaverTest, OnlyAZeroOrAOneIsAPolicy) {
  const struct {
    const char* text;
    std::int64_t number;  // -1: stored as text
    bool policy;
  } rows[] = {{"1", -1, true},    {"0", -1, true},     {"2", -1, false},
              {"", -1, false},    {"01", -1, false},   {nullptr, 0, true},
              {nullptr, 1, true}, {nullptr, 2, false}, {nullptr, 0xFFFFFFFF, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.text ? row.text : "number ") << row.number);
    fake.registry.values.clear();
    fake.registry.numbers.clear();
    if (row.text) fake.registry.values[kPolicy + "ScreenSaveActive"] = row.text;
    if (!row.text) fake.registry.numbers[kPolicy + "ScreenSaveActive"] = row.number;
    app.OnPolicyChanged();
    EXPECT_EQ(fake.shell.tip.ends_with("by policy"), row.policy) << fake.shell.tip;
  }
}

// The stored path is quoted and started in the system folder; a bare or
// relative name is the system folder's; a 32-bit program on 64-bit Windows
// finds a screen saver missing from its redirected folder in the real one.
TEST_F(ScreenSaverTest, ConfigureFindsTheScreenSaverAsTheSystemWould) {
  const struct {
    const char* stored;
    const char* native;
    const char* exists;
    const char* launched;  // null: nothing
  } rows[] = {
      {"C:\\Savers\\a b.scr", "", "", "\"C:\\Savers\\a b.scr\" c"},
      {"ssText3d.scr", "", "", "\"C:\\Windows\\system32\\ssText3d.scr\" c"},
      {"sub\\x.scr", "", "", "\"C:\\Windows\\system32\\sub\\x.scr\" c"},
      {"C:\\WINDOWS\\System32\\y.scr", "C:\\Windows\\Sysnative", "",
       "\"C:\\Windows\\Sysnative\\y.scr\" c"},
      {"y.scr", "C:\\Windows\\Sysnative", "C:\\Windows\\system32\\y.scr",
       "\"C:\\Windows\\system32\\y.scr\" c"},
      {"C:\\Savers\\z.scr", "C:\\Windows\\Sysnative", "", "\"C:\\Savers\\z.scr\" c"},
      {"", "", "", nullptr},
      {nullptr, "", "", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored ? row.stored : "(none)");
    fake.registry.values.clear();
    if (row.stored) fake.registry.values["Control Panel\\Desktop\\|SCRNSAVE.EXE"] = row.stored;
    fake.system.native = row.native;
    fake.system.files = {row.exists};
    fake.system.launched.clear();
    Choose(MenuCommand::ConfigureScreenSaver);
    const std::vector<std::string> expected =
        row.launched ? std::vector<std::string>{row.launched + (" in " + kSystem)}
                     : std::vector<std::string>{};
    EXPECT_EQ(fake.system.launched, expected);
  }
}

}  // namespace
}  // namespace bw
