#include <gtest/gtest.h>

#include "app/frm_settings.h"
#include "fakes.h"
#include "tray/tray_message.h"

namespace bw {
namespace {

struct TrayEventsTest : ::testing::Test {
  test::FakePlatform fake;
  FrmSettings form{fake.platform};

  void SetUp() override {
    form.Load();
    form.OnSSCheckTimer();
    fake.log.clear();
  }
  int Switches() const {
    return static_cast<int>(std::count_if(fake.log.begin(), fake.log.end(), [](const auto& s) {
      return s.rfind("SPI_SET", 0) == 0;
    }));
  }
};

TEST(TrayMessage, OnlyThreeMessagesMeanAnything) {
  for (std::int32_t n = -70000; n <= 70000; ++n) {
    const TrayAction action = DecodeTrayMessage(n);
    const TrayAction expected = n == 513   ? TrayAction::ToggleOnSingleClick
                                : n == 515 ? TrayAction::ToggleOnDoubleClick
                                : n == 517 ? TrayAction::Popup
                                           : TrayAction::None;
    ASSERT_EQ(action, expected) << n;
  }
}

TEST(TrayMessage, ComesFromTheLowWordOfLParam) {
  EXPECT_EQ(TrayMessageNumber(513), 513);
  EXPECT_EQ(TrayMessageNumber(0x12340205), 517);
  EXPECT_EQ(TrayMessageNumber(0xFFFF), -1);
}

TEST_F(TrayEventsTest, EachMethodTogglesOnlyOnItsOwnMessage) {
  struct Case {
    int method;
    std::int32_t message;
    bool toggles;
  };
  const Case cases[] = {
      {0, 513, true}, {0, 515, false}, {0, 514, false}, {0, 512, false},  {0, 516, false},
      {1, 515, true}, {1, 513, false}, {1, 514, false}, {-1, 513, false}, {-1, 515, false},
  };
  for (const Case& c : cases) {
    fake.log.clear();
    fake.forms.listIndex = c.method;
    form.OnTrayCallback(c.message);
    EXPECT_EQ(Switches(), c.toggles ? 1 : 0) << c.method << " " << c.message;
    form.OnSSCheckTimer();
  }
}

TEST_F(TrayEventsTest, ToggleSwitchesToTheOppositeOfTheIconForThisLogonOnly) {
  fake.forms.listIndex = 0;
  fake.system.active = 1;
  form.OnSSCheckTimer();
  fake.log.clear();
  form.OnTrayCallback(513);
  EXPECT_EQ(fake.log, test::Log{"SPI_SET 0x0 0"});
}

TEST_F(TrayEventsTest, TwoTogglesBeforeTheNextPollSwitchOnce) {
  fake.forms.listIndex = 0;
  const bool before = fake.system.active != 0;
  form.OnTrayCallback(513);
  form.OnTrayCallback(513);
  EXPECT_EQ(fake.system.active != 0, !before);
  EXPECT_EQ(fake.log[0], fake.log[1]);
}

TEST_F(TrayEventsTest, LeftClicksDoNothingDuringATimedDisable) {
  fake.forms.listIndex = 0;
  form.tmrSSTimedDisable().SetEnabled(true);
  fake.log.clear();
  form.OnTrayCallback(513);
  EXPECT_EQ(Switches(), 0);
}

TEST_F(TrayEventsTest, RightReleaseOpensThePopupAndRunsTheChoice) {
  fake.forms.popupChoice = static_cast<int>(MenuItem::StartSS);
  form.OnTrayCallback(517);
  EXPECT_EQ(fake.log, (test::Log{"FOREGROUND 0xA0", "POPUP 2", "SYSCOMMAND 0xF140"}));
  EXPECT_FALSE(form.TrayCallbackBusy);
}

TEST_F(TrayEventsTest, EventsDuringThePopupAreDroppedButRecorded) {
  fake.forms.listIndex = 0;
  form.TrayCallbackBusy = true;  // as inside the popup's own message loop
  for (std::int32_t message : {513, 517, 515}) {
    form.OnTrayCallback(message);
    EXPECT_EQ(form.TrayCallbackMessage, message);
  }
  EXPECT_TRUE(fake.log.empty());
  EXPECT_TRUE(form.TrayCallbackBusy);
}

TEST_F(TrayEventsTest, MenuCommandsReachTheScreenSaverService) {
  form.OnMenuCommand(static_cast<int>(MenuItem::SelectSS));
  ASSERT_EQ(fake.log.size(), 1u);
  EXPECT_EQ(fake.log[0].rfind("LAUNCH [\"C:\\windows\\system32\\rundll32.exe\"", 0), 0u);
}

}  // namespace
}  // namespace bw
