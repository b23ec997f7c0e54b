#include <gtest/gtest.h>

#include "fakes.h"
#include "tray/status_poller.h"

namespace bw {
namespace {

struct PollerTest : ::testing::Test {
  test::FakePlatform fake;
  ScreenSaver screenSaver{fake.system, fake.registry};
  TrayIcon trayIcon{fake.shell, fake.forms};
  StatusPoller poller{screenSaver, trayIcon};
};

TEST_F(PollerTest, ATickWithoutChangeQueriesOnceAndLeavesTheShellAlone) {
  fake.system.active = 1;
  poller.CachedEnabled = true;
  poller.Tick();
  EXPECT_EQ(fake.log, test::Log{"SPI_GET"});
}

TEST_F(PollerTest, AChangeSetsPictureThenTipThenSendsOnce) {
  struct Case {
    std::uint32_t active;
    bool cached;
    std::string expected;
  };
  const Case cases[] = {
      {1, false, "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]"},
      {0, true, "NOTIFY 1 icon=0x1002 tip=[Screen Saver is DISABLED]"},
      // Any nonzero flag counts as active.
      {7, false, "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]"},
  };
  for (const Case& c : cases) {
    fake.log.clear();
    fake.system.active = c.active;
    poller.CachedEnabled = c.cached;
    poller.Tick();
    EXPECT_EQ(fake.log, (test::Log{"SPI_GET", c.expected})) << c.active;
    EXPECT_EQ(poller.CachedEnabled, c.active != 0);
  }
}

TEST_F(PollerTest, FollowsAChangeMadeElsewhereAtTheNextTickOnly) {
  poller.CachedEnabled = false;
  fake.system.active = 1;
  poller.Tick();
  poller.Tick();
  fake.system.active = 0;
  poller.Tick();
  poller.Tick();
  EXPECT_EQ(fake.shell.sent.size(), 2u);
  EXPECT_EQ(TipFieldText(fake.shell.sent.back().szTip), "Screen Saver is DISABLED");
}

TEST_F(PollerTest, KeepsTheRestOfTheRecordAsAddedWhenItRedraws) {
  trayIcon.AddTrayIcon();
  poller.CachedEnabled = false;
  poller.Tick();
  const auto added = EncodeTrayRecord(fake.shell.sent[0]);
  const auto changed = EncodeTrayRecord(fake.shell.sent[1]);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(added[i], changed[i]) << "byte " << i;
}

}  // namespace
}  // namespace bw
