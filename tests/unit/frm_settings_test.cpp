// The main form: load, close requests and unload, and the tray's events.
#include "app/frm_settings.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "tray/tray_message.h"

namespace bw {
namespace {

using test::Log;
using FrmSettingsTest = test::MainFormTest;

TEST(FrmSettings, LoadHidesAddsTheIconAndReadsTheSettingsInOrder) {
  test::FakePlatform fake;
  FrmSettings form{fake.platform};
  form.Load();
  const Log expected = {"HIDE",
                        "NOTIFY 0 icon=0x1000 tip=[Blinkward]",
                        "SPI_GET",
                        "OPEN 0x80000001 SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\ 0x1",
                        "QUERY 0x0 Blinkward 200",
                        "CLOSE 0x0",
                        "CAPTION [Blinkward v1.01]",
                        "OPEN 0x80000001 Software\\Blinkward\\Method 0x1",
                        "LIST 0",
                        "TIMER 1 on"};
  EXPECT_EQ(fake.log, expected);
  const TrayIconData& added = form.trayIcon().TrayIconRecord();
  EXPECT_EQ(std::vector<std::uint64_t>(
                {added.cbSize, added.hWnd, added.uID, added.uFlags, added.uCallbackMessage}),
            std::vector<std::uint64_t>({88, 0xB0, 1, 7, 512}));
}

TEST(FrmSettings, FirstTickAlwaysDrawsTheTrueState) {
  for (std::uint32_t active : {0u, 1u}) {
    test::FakePlatform fake;
    fake.system.active = active;
    FrmSettings form{fake.platform};
    form.Load();
    EXPECT_EQ(form.poller().CachedEnabled, active == 0) << "the opposite of the truth";
    form.OnSSCheckTimer();
    EXPECT_EQ(fake.log.back(), active ? "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]"
                                      : "NOTIFY 1 icon=0x1002 tip=[Screen Saver is DISABLED]");
  }
}

TEST(CloseRequest, OnlyTheProgramAndTheEndOfTheLogonUnload) {
  for (int reason = -2; reason <= 10; ++reason) {
    EXPECT_EQ(CloseRequestCancels(reason), reason != 1 && reason != 2) << reason;
  }
  EXPECT_TRUE(CloseRequestCancels(0x7FFF));
}

TEST_F(FrmSettingsTest, ARefusedCloseOnlyHides) {
  for (int reason : {0, 3, 4, 5, 99}) EXPECT_TRUE(form.QueryUnload(reason));
  EXPECT_EQ(fake.log, Log(5, "HIDE"));
}

// Exit and the end of the logon: icon removed (NIM_DELETE, 2), method stored, window
// destroyed; mid-span the screen saver is first switched back on, never started.
TEST(FrmSettings, ExitAndTheEndOfTheLogonUnloadAlike) {
  for (bool endOfLogon : {false, true}) {
    for (bool midSpan : {false, true}) {
      test::MainForm main;
      main.fake.forms.listIndex = endOfLogon ? -1 : 1;
      Log expected = {"NOTIFY 2 icon=0x1001 tip=[Screen Saver is ENABLED]"};
      if (midSpan) {
        main.timed.SecondsLeft = 3599;
        main.timed.StartOnExpire = true;
        main.timed.BeginTimedDisable();
        main.form.OnSSTimedDisableTimer();
        main.fake.log.clear();
        expected = {
            "TIMER 2 off", "SPI_SET 0xFFFFFFFF 0",
            "NOTIFY 2 icon=0x1003 tip=[Screen Saver will be DISABLED\nfor the next 1 hour]"};
      }
      endOfLogon ? main.form.EndSession()
                 : main.form.OnMenuCommand(static_cast<int>(MenuItem::Exit));
      const std::string method = endOfLogon ? "-1" : "1";
      Log tail = {"CREATE 0x80000001 Software\\Blinkward\\Method 0x2",
                  "SET 0x100  1 [" + method + '\0' + "]", "CLOSE 0x100", "TIMER 1 off", "DESTROY"};
      if (midSpan) tail.erase(tail.end() - 2);  // the poller is off already
      expected.insert(expected.end(), tail.begin(), tail.end());
      EXPECT_EQ(main.fake.log, expected) << endOfLogon << midSpan;
    }
  }
}

// Explorer restarted: the icon comes back as it stands, but never after the unload.
TEST_F(FrmSettingsTest, TaskbarCreatedAddsTheIconAgainUntilTheUnload) {
  fake.system.active = 0;
  form.OnSSCheckTimer();
  fake.log.clear();
  form.OnTaskbarCreated();
  EXPECT_EQ(fake.log, Log{"NOTIFY 0 icon=0x1002 tip=[Screen Saver is DISABLED]"});
  form.Unload();
  fake.log.clear();
  form.OnTaskbarCreated();
  EXPECT_TRUE(fake.log.empty());
}

TEST(TrayMessage, OnlyThreeMessagesMeanAnything) {
  for (std::int32_t n = -70000; n <= 70000; ++n) {
    const TrayAction expected = n == 513   ? TrayAction::ToggleOnSingleClick
                                : n == 515 ? TrayAction::ToggleOnDoubleClick
                                : n == 517 ? TrayAction::Popup
                                           : TrayAction::None;
    ASSERT_EQ(DecodeTrayMessage(n), expected) << n;
  }
  EXPECT_EQ(TrayMessageNumber(0x12340205), 517) << "the low word of lParam";
  EXPECT_EQ(TrayMessageNumber(0xFFFF), -1);
}

// A click toggles only with its method and never during a timed disable.
TEST_F(FrmSettingsTest, EachMethodTogglesOnlyOnItsOwnMessage) {
  const struct {
    int method;
    std::int32_t message;
    bool timed, toggles;
  } cases[] = {
      {0, 513, false, true},   {0, 515, false, false}, {0, 514, false, false},
      {0, 512, false, false},  {0, 516, false, false}, {1, 515, false, true},
      {1, 513, false, false},  {1, 514, false, false}, {-1, 513, false, false},
      {-1, 515, false, false}, {0, 513, true, false},  {1, 515, true, false},
  };
  for (const auto& c : cases) {
    fake.log.clear();
    fake.forms.listIndex = c.method;
    form.tmrSSTimedDisable().SetEnabled(c.timed);
    form.OnTrayCallback(c.message);
    EXPECT_EQ(test::Count(fake.log, "SPI_SET"), c.toggles ? 1 : 0)
        << c.method << " " << c.message << " " << c.timed;
    form.OnSSCheckTimer();
  }
}

// The toggle switches to the opposite of what the icon shows, for this logon only (0);
// until the poller has seen the change, a second click asks for the same again.
TEST_F(FrmSettingsTest, TwoTogglesBeforeTheNextPollSwitchOnce) {
  fake.forms.listIndex = 0;
  form.OnTrayCallback(513);
  form.OnTrayCallback(513);
  EXPECT_EQ(fake.log, (Log{"SPI_SET 0x0 0", "SPI_SET 0x0 0"}));
  EXPECT_EQ(fake.system.active, 0u);
}

TEST_F(FrmSettingsTest, RightReleaseOpensThePopupAndRunsTheChoice) {
  fake.forms.popupChoice = static_cast<int>(MenuItem::StartSS);
  form.OnTrayCallback(517);
  EXPECT_EQ(fake.log, (Log{"FOREGROUND 0xA0", "POPUP 2", "SYSCOMMAND 0xF140"}));
  EXPECT_FALSE(form.TrayCallbackBusy);
}

TEST_F(FrmSettingsTest, EventsDuringThePopupAreDroppedButRecorded) {
  fake.forms.listIndex = 0;
  form.TrayCallbackBusy = true;  // as inside the popup's own message loop
  for (std::int32_t message : {513, 517, 515}) {
    form.OnTrayCallback(message);
    EXPECT_EQ(form.TrayCallbackMessage, message);
  }
  EXPECT_TRUE(fake.log.empty());
  EXPECT_TRUE(form.TrayCallbackBusy);
}

}  // namespace
}  // namespace bw
