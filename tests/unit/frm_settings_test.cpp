#include "app/frm_settings.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

struct FrmSettingsTest : ::testing::Test {
  test::FakePlatform fake;
  FrmSettings form{fake.platform};

  void LoadAndClear() {
    form.Load();
    form.OnSSCheckTimer();
    fake.log.clear();
    fake.shell.sent.clear();
  }
};

TEST_F(FrmSettingsTest, LoadHidesAddsTheIconAndReadsTheSettingsInOrder) {
  fake.system.active = 1;
  form.Load();
  const test::Log expected = {
      "HIDE",
      "NOTIFY 0 icon=0x1000 tip=[Blinkward]",
      "SPI_GET",
      "OPEN 0x80000001 SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\ 0x1",
      "QUERY 0x0 Blinkward 200",
      "CLOSE 0x0",
      "CAPTION [Blinkward v1.01]",
      "OPEN 0x80000001 Software\\Blinkward\\Method 0x1",
      "LIST 0",
      "TIMER 1 on",
  };
  EXPECT_EQ(fake.log, expected);
  EXPECT_FALSE(form.poller().CachedEnabled);  // the opposite, so the first tick draws
  const TrayIconData& record = fake.shell.sent.at(0);
  EXPECT_EQ(record.cbSize, 88u);
  EXPECT_EQ(record.hWnd, 0xB0u);
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 512u);
}

TEST_F(FrmSettingsTest, FirstTickAlwaysDrawsTheTrueState) {
  for (std::uint32_t active : {0u, 1u}) {
    test::FakePlatform fresh;
    fresh.system.active = active;
    FrmSettings fresh_form{fresh.platform};
    fresh_form.Load();
    fresh_form.OnSSCheckTimer();
    ASSERT_EQ(fresh.shell.sent.size(), 2u);
    EXPECT_EQ(TipFieldText(fresh.shell.sent[1].szTip),
              active ? "Screen Saver is ENABLED" : "Screen Saver is DISABLED");
  }
}

TEST(CloseRequest, OnlyTheProgramAndTheEndOfTheLogonUnload) {
  for (int reason = -2; reason <= 10; ++reason) {
    EXPECT_EQ(CloseRequestCancels(reason), reason != 1 && reason != 2) << reason;
  }
  EXPECT_TRUE(CloseRequestCancels(0x7FFF));
}

TEST_F(FrmSettingsTest, ARefusedCloseOnlyHides) {
  LoadAndClear();
  for (int reason : {0, 3, 4, 5, 99}) {
    EXPECT_TRUE(form.QueryUnload(reason));
  }
  EXPECT_EQ(fake.log, test::Log(5, "HIDE"));
}

TEST_F(FrmSettingsTest, ExitRemovesTheIconStoresTheMethodAndDestroys) {
  LoadAndClear();
  fake.forms.listIndex = 1;
  form.OnMenuCommand(static_cast<int>(MenuItem::Exit));
  ASSERT_GE(fake.log.size(), 4u);
  EXPECT_EQ(fake.log[0].rfind("NOTIFY 2 ", 0), 0u);
  EXPECT_EQ(fake.log[1], "CREATE 0x80000001 Software\\Blinkward\\Method 0x2");
  EXPECT_EQ(fake.log[2], std::string("SET 0x100  1 [1") + '\0' + "]");
  EXPECT_EQ(fake.log.back(), "DESTROY");
}

TEST_F(FrmSettingsTest, EndOfLogonUnloadsLikeExit) {
  LoadAndClear();
  fake.forms.listIndex = -1;  // as read from a stored "-1"
  form.EndSession();
  EXPECT_EQ(fake.log.front().rfind("NOTIFY 2 ", 0), 0u);
  EXPECT_EQ(fake.log.back(), "DESTROY");
  EXPECT_EQ(fake.registry.keys["Software\\Blinkward\\Method"][""].bytes, std::string("-1") + '\0');
}

TEST_F(FrmSettingsTest, TaskbarCreatedAddsTheIconAgainAsItStands) {
  fake.system.active = 0;
  LoadAndClear();
  form.OnTaskbarCreated();
  ASSERT_EQ(fake.log, test::Log{"NOTIFY 0 icon=0x1002 tip=[Screen Saver is DISABLED]"});
}

TEST_F(FrmSettingsTest, TaskbarCreatedAfterExitAddsNothing) {
  LoadAndClear();
  form.Unload();
  fake.log.clear();
  form.OnTaskbarCreated();
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(FrmSettingsTest, ConfigureProgramShowsTheWindow) {
  LoadAndClear();
  form.OnMenuCommand(static_cast<int>(MenuItem::Configure));
  EXPECT_EQ(fake.log, test::Log{"SHOW"});
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

struct RecordingDialogHost : TimedDialogHost {
  int shown = 0;
  void ShowTimedDisableDialog() override { ++shown; }
};

TEST_F(FrmSettingsTest, TimedDisableMenuOpensTheDialogThenEndsTheCountdown) {
  LoadAndClear();
  RecordingDialogHost host;
  form.timedDisable().SetDialogHost(host);
  form.OnMenuCommand(static_cast<int>(MenuItem::TimedDisable));
  EXPECT_EQ(host.shown, 1);
  form.timedDisable().SecondsLeft = 59;
  form.timedDisable().BeginTimedDisable();
  form.OnSSTimedDisableTimer();
  EXPECT_EQ(fake.system.active, 0u);
  form.OnMenuCommand(static_cast<int>(MenuItem::TimedDisable));
  EXPECT_EQ(host.shown, 1);
  EXPECT_FALSE(form.tmrSSTimedDisable().Enabled());
  EXPECT_EQ(fake.system.active, 1u);
}

TEST_F(FrmSettingsTest, QuittingDuringATimedDisableSwitchesTheScreenSaverBackOn) {
  for (bool endOfLogon : {false, true}) {
    test::FakePlatform local;
    FrmSettings subject{local.platform};
    subject.Load();
    subject.timedDisable().SecondsLeft = 3599;
    subject.timedDisable().StartOnExpire = true;
    subject.timedDisable().BeginTimedDisable();
    subject.OnSSTimedDisableTimer();
    ASSERT_EQ(local.system.active, 0u);
    local.log.clear();
    endOfLogon ? subject.EndSession() : subject.Unload();
    EXPECT_EQ(local.system.active, 1u) << endOfLogon;
    EXPECT_EQ(std::count(local.log.begin(), local.log.end(), "SYSCOMMAND 0xF140"), 0)
        << "quitting never starts the screen saver";
    EXPECT_EQ(local.log.back(), "DESTROY");
  }
}

TEST_F(FrmSettingsTest, ClosingTheWindowDuringATimedDisableKeepsItRunning) {
  LoadAndClear();
  form.timedDisable().SecondsLeft = 3599;
  form.timedDisable().BeginTimedDisable();
  EXPECT_TRUE(form.QueryUnload(kUnloadFormControlMenu));
  EXPECT_TRUE(form.tmrSSTimedDisable().Enabled());
}

}  // namespace
}  // namespace bw
