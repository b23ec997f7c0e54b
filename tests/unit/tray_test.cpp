// The tray icon's record, the poller, and an icon that a busy shell refused.
#include <gtest/gtest.h>

#include <string>

#include "fakes.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"
#include "tray/tray_icon_data.h"

namespace bw {
namespace {

using test::Log;

// The text, one NUL, then spaces to the end; 63 characters at most.
TEST(TrayTip, FillsTheFieldWithTextNulAndSpaces) {
  for (std::size_t length : {0u, 1u, 23u, 62u, 63u, 64u, 200u}) {
    const std::string text(length, 'x');
    TipField field;
    field.fill('#');
    WriteTipField(field, text);
    const std::size_t kept = std::min<std::size_t>(length, 63);
    EXPECT_EQ(TipFieldText(field), text.substr(0, kept));
    EXPECT_EQ(field[kept], '\0') << length;
    EXPECT_EQ(std::string(field.begin() + kept + 1, field.end()), std::string(63 - kept, ' '));
  }
}

struct PollerTest : ::testing::Test {
  Log log;
  test::FakeSystem system{log};
  test::FakeRegistry registry{log};
  test::FakeShell shell{log};
  ScreenSaver screenSaver{system, registry};
  TrayIcon icon{shell};
  StatusPoller poller{screenSaver, icon};
};

// One query a tick; the shell only when the state changed or the poller was
// told that the icon shows something else.
TEST_F(PollerTest, RedrawsOnlyOnAChangeOrWhenInvalidated) {
  icon.Add();
  poller.Tick();
  log.clear();
  for (int tick = 0; tick < 4; ++tick) {
    system.active = tick == 0;
    if (tick == 3) poller.Invalidate();
    poller.Tick();
  }
  EXPECT_EQ(log, (Log{"SPI_GET", "SPI_GET", "NOTIFY MODIFY off [Screen Saver is DISABLED]",
                      "SPI_GET", "SPI_GET", "NOTIFY MODIFY off [Screen Saver is DISABLED]"}));
}

// At logon the shell may refuse the first add: the icon is added again at
// each poll, once a tick, until the shell takes it; a change that the shell
// refuses to apply to an icon it has lost is an add too.
TEST_F(PollerTest, AnIconTheShellRefusedIsAddedAgainOnceATick) {
  shell.busy = 2;
  icon.Add();
  poller.Tick();
  poller.Tick();
  poller.Tick();
  EXPECT_EQ(log,
            (Log{"NOTIFY ADD app [Blinkward]", "SPI_GET", "NOTIFY ADD on [Screen Saver is ENABLED]",
                 "SPI_GET", "NOTIFY ADD on [Screen Saver is ENABLED]", "SPI_GET"}));
  shell.hasIcon = false;  // lost without a new taskbar
  system.active = false;
  log.clear();
  poller.Tick();
  EXPECT_EQ(log, (Log{"SPI_GET", "NOTIFY MODIFY off [Screen Saver is DISABLED]",
                      "NOTIFY ADD off [Screen Saver is DISABLED]"}));
  icon.Remove();
  log.clear();
  icon.Retry();
  icon.Update();
  icon.Restore();
  EXPECT_TRUE(log.empty()) << "a removed icon stays removed";
}

}  // namespace
}  // namespace bw
