// The program as a whole against the fakes: start-up, closing, the tray's
// events, the popup menu's commands, the settings and the screen saver's commands.
#include "app/app.h"

#include <gtest/gtest.h>

#include "app/settings_layout.h"
#include "fakes.h"
#include "screensaver/screen_saver.h"

namespace bw {
namespace {

using test::Log;
using AppTest = test::Started;

const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\|Blinkward";
const std::string kMethod = "Software\\Blinkward\\Method|";
const std::string kEntry = "\"C:\\Program Files\\Blinkward\\Blinkward.exe\"";
const std::string kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";

// A user's close only hides; Exit and the end of the logon store the method
// before the icon goes (the shell may be busy then), and mid-span switch the
// screen saver back on without starting it.
TEST_F(AppTest, OnlyExitAndTheEndOfTheLogonEndTheProgram) {
  app.OnCloseRequest(CloseReason::User);
  EXPECT_EQ(fake.log, Log{"HIDE"});
  for (CloseReason reason : {CloseReason::Exit, CloseReason::EndSession}) {
    for (bool midSpan : {false, true}) {
      test::FakePlatform fake;
      App app(fake.platform);
      app.Start();
      if (midSpan) app.countdown().Begin({1, 0}, true);
      fake.log.clear();
      reason == CloseReason::Exit ? app.OnMenuCommand(static_cast<int>(MenuCommand::Exit))
                                  : app.OnCloseRequest(reason);
      Log expected = {"WRITE " + kMethod + " [0]",
                      "NOTIFY DELETE " + std::string(midSpan ? "timed" : "app") + " [Blinkward]",
                      "POLL off", "QUIT"};
      if (midSpan) expected.insert(expected.begin(), {"COUNTDOWN off", "SPI_SET on"});
      if (midSpan) expected.erase(expected.end() - 2);  // the poller is off already
      EXPECT_EQ(fake.log, expected) << static_cast<int>(reason) << midSpan;
      fake.log.clear();
      app.OnTaskbarCreated();
      EXPECT_TRUE(fake.log.empty()) << "no icon comes back after the end";
    }
  }
}

// A click toggles only with its method and never during a timed disable; the
// icon follows in the same handler.
TEST_F(AppTest, EachMethodTogglesOnlyOnItsOwnMessage) {
  const struct {
    int method, message;
    bool timed, toggles;
  } cases[] = {
      {0, 513, false, true},  {0, 515, false, false},  {0, 514, false, false},
      {0, 512, false, false}, {0, 516, false, false},  {1, 515, false, true},
      {1, 513, false, false}, {-1, 513, false, false}, {-1, 515, false, false},
      {0, 513, true, false},  {1, 515, true, false},
  };
  for (const auto& c : cases) {
    app.OnSettingChanged(kIdMethod, c.method);
    if (c.timed) app.countdown().Begin({1, 0}, false);
    fake.log.clear();
    app.OnTrayMessage(c.message);
    EXPECT_EQ(test::Count(fake.log, "SPI_SET"), c.toggles ? 1 : 0)
        << c.method << " " << c.message << " " << c.timed;
    if (c.toggles) {
      app.OnTrayMessage(c.message);
      EXPECT_EQ(
          fake.log,
          (Log{"SPI_GET", "SPI_SET off", "SPI_GET", "NOTIFY MODIFY off [Screen Saver is DISABLED]",
               "SPI_GET", "SPI_SET on", "SPI_GET", "NOTIFY MODIFY on [Screen Saver is ENABLED]"}));
    }
    app.countdown().End();
  }
}

// The popup's command runs before the handler returns; tray events that
// arrive meanwhile (from the popup's own loop) are dropped.
TEST_F(AppTest, ThePopupRunsTheChoiceAndDropsEventsMeanwhile) {
  app.OnSettingChanged(kIdMethod, 0);
  fake.log.clear();
  fake.ui.popupChoice = static_cast<int>(MenuCommand::StartScreenSaver);
  fake.ui.whilePopupOpen = [&] { app.OnTrayMessage(513); };
  app.OnTrayMessage(517);
  EXPECT_EQ(fake.log, (Log{"POPUP", "START"}));
  fake.ui.whilePopupOpen = nullptr;
  app.OnTrayMessage(513);
  EXPECT_EQ(test::Count(fake.log, "SPI_SET"), 1) << "the busy flag is cleared";
}

TEST_F(AppTest, MenuCommandsReachTheirTargets) {
  for (MenuCommand command : {MenuCommand::ConfigureScreenSaver, MenuCommand::SelectScreenSaver,
                              MenuCommand::Settings, MenuCommand::TimedDisable}) {
    app.OnMenuCommand(static_cast<int>(command));
  }
  EXPECT_EQ(fake.log,
            (Log{"LAUNCH [\"C:\\Windows\\system32\\rundll32.exe\" shell32.dll,Control_RunDLL "
                 "desk.cpl,,1] in [C:\\Windows\\system32]",
                 "SHOW [Blinkward v1.01] 102=0 104=0", "DIALOG"}));
}

// Both settings are stored the moment they change; the box shows what the
// registry holds afterwards, so a locked Run key reads as unticked.
TEST_F(AppTest, SettingsAreStoredAtOnceAndShownAsStored) {
  app.OnSettingChanged(kIdMethod, 1);
  app.OnSettingChanged(kIdStartWithWindows, true);
  EXPECT_EQ(fake.log,
            (Log{"WRITE " + kMethod + " [1]", "UPDATE [Blinkward v1.01] 102=0 104=1",
                 "WRITE " + kRun + " [" + kEntry + "]", "UPDATE [Blinkward v1.01] 102=1 104=1"}));
  fake.log.clear();
  app.OnSettingChanged(kIdStartWithWindows, false);
  EXPECT_EQ(fake.log, (Log{"DELETE " + kRun, "UPDATE [Blinkward v1.01] 102=0 104=1"}));
  fake.registry.locked.insert(kRunKey);
  fake.log.clear();
  app.OnSettingChanged(kIdStartWithWindows, true);
  EXPECT_EQ(fake.log.back(), "UPDATE [Blinkward v1.01] 102=0 104=1");
}

TEST(Settings, ClickMethodReadsOnlyWholeIndexes) {
  const struct {
    const char* stored;
    int method;
  } rows[] = {{"0", 0},  {"1", 1},  {"-1", -1}, {"", 0},   {"2", 0},          {"-2", 0},
              {"1x", 0}, {" 1", 0}, {"+1", 0},  {"01", 1}, {"99999999999", 0}};
  for (const auto& row : rows) EXPECT_EQ(ParseClickMethod(row.stored), row.method) << row.stored;
}

// Start-up rewrites an entry that exists, whatever it held (a long path, another
// type, another copy's place), with the quoted path of this copy; it writes
// nothing when there is none, or when the key cannot be read.
TEST(Settings, LoadRewritesAnExistingRunEntryOnly) {
  for (const char* held : {"C:\\old\\Blinkward.exe", "", static_cast<const char*>(nullptr)}) {
    for (bool unreadable : {false, true}) {
      test::FakePlatform fake;
      if (held) fake.registry.values[kRun] = held + std::string(300, 'x');
      if (unreadable) fake.registry.unreadable.insert(kRunKey);
      fake.registry.values[kMethod] = "-1";
      Settings settings(fake.registry, fake.system);
      settings.Load();
      const bool rewrites = held && !unreadable;
      EXPECT_EQ(fake.log, rewrites ? Log{"WRITE " + kRun + " [" + kEntry + "]"} : Log{});
      EXPECT_EQ(settings.startWithWindows(), rewrites);
      EXPECT_EQ(settings.clickMethod(), -1);
    }
  }
}

// The stored path is quoted and started in the system folder; a bare or
// relative name is the system folder's; a 32-bit program on 64-bit Windows
// finds a screen saver missing from its redirected folder in the real one.
TEST(ScreenSaver, ConfigurationFindsTheFileAsTheSystemWould) {
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
    test::FakePlatform fake;
    if (row.stored) fake.registry.values["Control Panel\\Desktop\\|SCRNSAVE.EXE"] = row.stored;
    fake.system.native = row.native;
    fake.system.files.insert(row.exists);
    ScreenSaver(fake.system, fake.registry).OpenScreenSaverConfiguration();
    const Log expected =
        row.launched ? Log{"LAUNCH [" + std::string(row.launched) + "] in [C:\\Windows\\system32]"}
                     : Log{};
    EXPECT_EQ(fake.log, expected) << (row.stored ? row.stored : "(none)");
  }
}

}  // namespace
}  // namespace bw
