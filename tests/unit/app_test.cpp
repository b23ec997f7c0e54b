// The program as a whole against the fakes: start-up, closing, the tray's
// clicks and popup menu, the settings, and the screen saver's commands.
#include "app/app.h"

#include <gtest/gtest.h>

#include "app/settings_layout.h"
#include "fakes.h"

namespace bw {
namespace {

using AppTest = test::Started;

const std::string kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
const std::string kEntry = "\"C:\\Program Files\\Blinkward\\Blinkward.exe\"";
const std::string kSystem = "C:\\Windows\\system32";
const std::string kOn = "saver on, green: Screen Saver is ENABLED";
const std::string kOff = "saver off, red: Screen Saver is DISABLED";

// A user's close only hides the settings window. Exit and the end of the
// logon store the click method, take the icon away, stop every timer and, in
// the middle of a span, switch the screen saver back on without starting it.
TEST_F(AppTest, OnlyExitAndTheEndOfTheLogonEndTheProgram) {
  fake.ui.settingsVisible = true;
  app.OnCloseRequest(CloseReason::User);
  EXPECT_FALSE(fake.ui.settingsVisible || fake.ui.quit || !fake.shell.shown);
  for (CloseReason reason : {CloseReason::Exit, CloseReason::EndSession}) {
    for (bool midSpan : {false, true}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(reason) << midSpan);
      test::FakePlatform fake;
      App app(fake.platform);
      app.Start();
      if (midSpan) app.BeginTimedDisable({1, 0}, true);
      fake.system.active = !midSpan;
      if (reason == CloseReason::Exit) {
        fake.ui.popupChoice = static_cast<int>(MenuCommand::Exit);
        app.OnTrayMessage(123, 0);
      } else {
        app.OnCloseRequest(reason);
      }
      EXPECT_EQ(fake.registry.Value(kMethodKeyPath), "0");
      EXPECT_TRUE(fake.ui.timers.empty() && fake.ui.quit);
      EXPECT_EQ(fake.system.started, 0);
      app.OnTaskbarCreated();
      EXPECT_EQ(fake.Seen(), "saver on, no icon");
    }
  }
}

// A click switches only with its method, never during a timed disable, and
// the icon follows in the same handler.
TEST_F(AppTest, EachMethodSwitchesOnlyOnItsOwnClick) {
  const struct {
    int method, message;
    bool timed, switches;
  } cases[] = {
      {0, 513, false, true},  {0, 515, false, false},  {0, 514, false, false},
      {0, 512, false, false}, {0, 516, false, false},  {1, 515, false, true},
      {1, 513, false, false}, {-1, 513, false, false}, {-1, 515, false, false},
      {0, 513, true, false},  {1, 515, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.method << " " << c.message << " " << c.timed);
    app.OnSettingChanged(kIdMethod, c.method);
    if (c.timed) app.BeginTimedDisable({1, 0}, false);
    fake.system.active = true;
    for (bool expected : {false, true}) {
      Tray(c.message);
      EXPECT_EQ(Seen(), c.timed                   ? "saver on, clock: Screen Saver is ENABLED"
                        : c.switches && !expected ? kOff
                                                  : kOn);
    }
    Choose(MenuCommand::TimedDisable);  // ends a span; opens the dialog otherwise
  }
  // A switch the system refuses shows as what it is.
  app.OnSettingChanged(kIdMethod, 0);
  fake.system.accepts = false;
  Tray(513);
  EXPECT_EQ(Seen(), kOn);
}

// The menu shows what can be done now; its choice runs before the handler
// returns, and tray events that arrive meanwhile (from the popup's own loop)
// are dropped.
TEST_F(AppTest, ThePopupShowsWhatCanBeDoneAndRunsTheChoice) {
  const auto captions = [&] {
    std::string text;
    for (const MenuItem& item : fake.ui.menu) {
      text += item.caption ? std::string(item.caption) + (item.enabled ? "|" : "(grey)|") : "-|";
    }
    return text;
  };
  fake.ui.whilePopupOpen = [&] { Tray(513); };
  Choose(MenuCommand::StartScreenSaver);
  EXPECT_EQ(captions(),
            "Start Screen Saver|Configure Screen Saver|Select Screen Saver|-|"
            "Temporarily disable Screen Saver|-|Configure program|Exit|");
  EXPECT_EQ(fake.system.started, 1);
  EXPECT_TRUE(fake.system.active) << "a click during the popup switched the screen saver";
  app.BeginTimedDisable({0, 5}, false);
  Choose(MenuCommand::Settings);
  EXPECT_EQ(captions(),
            "Start Screen Saver(grey)|Configure Screen Saver|Select Screen Saver|-|"
            "Enable Screen Saver|-|Configure program|Exit|");
  fake.ui.whilePopupOpen = nullptr;
  app.OnSettingChanged(kIdMethod, 0);
  Choose(MenuCommand::TimedDisable);
  Tray(513);
  EXPECT_FALSE(fake.system.active) << "the busy flag was not cleared";
}

// Each command does what its caption says.
TEST_F(AppTest, MenuCommandsOpenWhatTheyName) {
  Choose(MenuCommand::SelectScreenSaver);
  Choose(MenuCommand::Settings);
  Choose(MenuCommand::TimedDisable);
  EXPECT_EQ(fake.system.launched,
            (std::vector<std::string>{
                "\"" + kSystem + "\\rundll32.exe\" shell32.dll,Control_RunDLL desk.cpl,,1 in " +
                kSystem}));
  EXPECT_TRUE(fake.ui.settingsVisible);
  EXPECT_EQ(fake.ui.Shown(), "Blinkward v1.01 102=0 104=0 105=0");
  EXPECT_EQ(fake.ui.dialogs, 1);
}

// Both settings are stored the moment they change; the box shows what the
// registry holds afterwards, so a locked Run key reads as unticked.
TEST_F(AppTest, SettingsAreStoredAtOnceAndShownAsStored) {
  app.OnSettingChanged(kIdMethod, 1);
  app.OnSettingChanged(kIdStartWithWindows, true);
  EXPECT_EQ(fake.registry.Value(kMethodKeyPath), "1");
  EXPECT_EQ(fake.registry.Value(kRunKey, "Blinkward"), kEntry);
  EXPECT_EQ(fake.ui.Shown(), "Blinkward v1.01 102=1 104=1 105=0");
  app.OnSettingChanged(kIdStartWithWindows, false);
  EXPECT_EQ(fake.registry.Value(kRunKey, "Blinkward"), "<absent>");
  fake.registry.locked.insert(kRunKey);
  app.OnSettingChanged(kIdStartWithWindows, true);
  EXPECT_EQ(fake.ui.Shown(), "Blinkward v1.01 102=0 104=1 105=0");
}

TEST(Settings, ClickMethodReadsOnlyWholeIndexes) {
  const struct {
    const char* stored;
    int method;
  } rows[] = {{"0", 0},  {"1", 1},  {"-1", -1}, {"", 0},   {"2", 0},          {"-2", 0},
              {"1x", 0}, {" 1", 0}, {"+1", 0},  {"01", 1}, {"99999999999", 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(static_cast<int>(ParseClickMethod(row.stored)), row.method) << row.stored;
  }
}

// Start-up rewrites an entry that exists, whatever it held (a long path,
// another copy's place), with the quoted path of this copy; it writes nothing
// when there is none, or when the key cannot be read.
TEST(Settings, LoadRewritesAnExistingRunEntryOnly) {
  for (const char* held : {"C:\\old\\Blinkward.exe", "", static_cast<const char*>(nullptr)}) {
    for (bool unreadable : {false, true}) {
      test::FakePlatform fake;
      const std::string before = held ? held + std::string(300, 'x') : "<absent>";
      if (held) fake.registry.values[kRunKey + "|Blinkward"] = before;
      if (unreadable) fake.registry.unreadable.insert(kRunKey);
      fake.registry.values[std::string(kMethodKeyPath) + "|"] = "-1";
      Settings settings(fake.registry, fake.system);
      settings.Load();
      const bool rewrites = held && !unreadable;
      EXPECT_EQ(fake.registry.Value(kRunKey, "Blinkward"), rewrites ? kEntry : before);
      EXPECT_EQ(settings.startWithWindows(), rewrites);
      EXPECT_EQ(settings.clickMethod(), ClickMethod::None);
    }
  }
}

// The stored path is quoted and started in the system folder; a bare or
// relative name is the system folder's; a 32-bit program on 64-bit Windows
// finds a screen saver missing from its redirected folder in the real one.
TEST_F(AppTest, ConfigureFindsTheScreenSaverAsTheSystemWould) {
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
