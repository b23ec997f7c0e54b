// Commands another copy hands the running one, against the program's state:
// each is the user's own action, and the answer is the caller's exit code and
// line.
#include <gtest/gtest.h>

#include "app/app.h"
#include "fakes.h"

namespace bw {
namespace {

using test::kOn, test::kOff;
const std::string kByObs = "saver off, red: Screen Saver is DISABLED while obs64.exe runs";
const std::string kRefused = "5: Windows did not switch the screen saver";

struct CommandTest : test::Started {
  // The answer as "exit code: line", or "ignored".
  std::string Ask(std::string_view text) {
    const std::optional<CommandAnswer> answer = app.commands().OnCommand(text);
    if (!answer) return "ignored";
    return std::to_string(answer->exitCode) + ": " + answer->line;
  }
};

// Switches as a click would, and each switch Windows refuses is said to have
// failed: a span's start, and its end by "on", too.
TEST_F(CommandTest, SwitchesAndTellsTheState) {
  EXPECT_EQ(Ask("/status"), "0: enabled");
  EXPECT_EQ(Ask("/off"), "0: ");
  EXPECT_EQ(Seen(), kOff);
  EXPECT_EQ(Ask("/STATUS"), "1: disabled");
  EXPECT_EQ(Ask("/off"), "0: ");
  EXPECT_EQ(Ask("-toggle"), "0: ");
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(Ask("/on"), "0: ");
  EXPECT_EQ(Seen(), kOn);
  fake.system.accepts = false;
  for (const char* text : {"/off", "/toggle", "/off 1:30", "/off until 17:30"}) {
    EXPECT_EQ(Ask(text), kRefused) << text;
  }
  EXPECT_TRUE(fake.system.active);
  fake.system.accepts = true;
  EXPECT_EQ(Ask("/off 0:10"), "0: ");
  fake.system.accepts = false;
  EXPECT_EQ(Ask("/on"), kRefused);
  EXPECT_EQ(Seen(), kOff);
}

// A span as the dialog's OK begins it, and anew over a running one; the open
// dialog closes. "Off" and a click leave a span be; "on" ends it, not starting
// the screen saver.
TEST_F(CommandTest, SpansBeginAsTheDialogsOkAndOnEndsThem) {
  fake.dialog.whileOpen = [&] { EXPECT_EQ(Ask("/off 1:30"), "0: "); };
  Choose(MenuCommand::TimedDisable);
  EXPECT_FALSE(fake.dialog.open);
  Pass(2000);
  EXPECT_EQ(Seen(),
            "saver off, clock: Screen Saver will be DISABLED\nfor the next 1 hour and 30 min");
  EXPECT_EQ(Ask("/status"), "1: disabled for 1:29:57");
  EXPECT_EQ(Ask("/off"), "0: ");
  EXPECT_EQ(Ask("/toggle"), "0: ");
  EXPECT_EQ(Seen(),
            "saver off, clock: Screen Saver will be DISABLED\nfor the next 1 hour and 30 min");
  EXPECT_EQ(Ask("/off 0:10"), "0: ");
  EXPECT_EQ(Ask("/status"), "1: disabled for 0:09:59");
  EXPECT_EQ(Ask("/on"), "0: ");
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(fake.system.started, 0);
  EXPECT_EQ(Ask("/status"), "0: enabled");

  fake.system.localStart = 17 * 3600 - 2;  // Monday 17:00, and half a second begun
  fake.system.now += 500;
  EXPECT_EQ(Ask("/off until 17:30"), "0: ");
  EXPECT_EQ(Ask("/status"), "1: disabled for 0:29:59");
  EXPECT_EQ(Ask("/off until 16:59"), "0: ");
  EXPECT_EQ(Ask("/status"), "1: disabled for 23:58:59");
}

// A policy's state is the administrator's: only the state and the exit are
// the caller's.
TEST_F(CommandTest, UnderAPolicyOnlyStatusAndExitAreTaken) {
  const std::string policy =
      "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop|ScreenSaveActive";
  fake.registry.numbers[policy] = 0;
  app.OnPolicyChanged();
  for (const char* text : {"/on", "/off", "/toggle", "/off 1:00", "/while obs64.exe"}) {
    EXPECT_EQ(Ask(text), "4: a policy sets the screen saver") << text;
  }
  EXPECT_EQ(Ask("/status"), "1: disabled by policy");
  EXPECT_EQ(Ask("/display off"), "0: ") << "it changes no setting";
  Pass(500);
  EXPECT_EQ(fake.ui.displayOffAt.size(), 1u);
  fake.registry.numbers[policy] = 1;
  app.OnPolicyChanged();
  EXPECT_EQ(Ask("/status"), "0: enabled by policy");
  EXPECT_EQ(Ask("/exit"), "0: ");
  EXPECT_TRUE(fake.ui.quit && !fake.shell.shown);
}

// "While" holds as a listed program would, without listing it: a process by
// its id until it ends, a program by its name whenever it runs. A click sets
// the hold aside; asking again brings it back.
TEST_F(CommandTest, WhileHoldsForAProcessOrAProgramWithoutListingIt) {
  const std::uint32_t obs = fake.programs.Start("obs64.exe");
  const std::uint32_t other = fake.programs.Start("obs64.exe");
  EXPECT_EQ(Ask("/while " + std::to_string(obs)), "0: ");
  EXPECT_EQ(Seen(), kByObs);
  EXPECT_EQ(Ask("/status"), "1: disabled while obs64.exe runs");
  fake.system.active = true;  // another program's doing, until the next poll
  EXPECT_EQ(Ask("/status"), "1: disabled while obs64.exe runs");
  fake.system.active = false;
  EXPECT_EQ(Ask("/off"), "0: ");
  EXPECT_EQ(Seen(), kOff) << "the hold's duty to switch it back on went with the user's /off";
  Tray(kLeftButtonDown);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_EQ(Ask("/while " + std::to_string(obs)), "0: ");
  app.OnSettingChanged(kIdFullScreen, 1);
  EXPECT_EQ(Seen(), kByObs);
  EXPECT_EQ(Ask("/off 1:00"), "0: ");
  EXPECT_EQ(Ask("/on"), "0: ");
  EXPECT_EQ(Seen(), kOn) << "the hold took over from the user's /on";
  EXPECT_EQ(Ask("/while " + std::to_string(obs)), "0: ");
  EXPECT_EQ(Seen(), kByObs);
  fake.programs.End(obs);
  EXPECT_EQ(Seen(), kOn) << "another process of the same name held on";
  EXPECT_EQ(Ask("/while 9999"), "2: no process of this session has the id 9999");
  fake.programs.End(other);

  app.OnSettingChanged(kIdFullScreen, 0);
  const std::uint32_t hidden = fake.programs.Start("VLC.EXE", false);
  EXPECT_EQ(Ask("/while \"Vlc.exe\""), "0: ");
  EXPECT_EQ(Ask("/status"), "1: disabled while VLC.EXE runs");
  fake.programs.End(hidden);
  EXPECT_EQ(Seen(), kOn);
  const std::uint32_t vlc = fake.programs.Start("vlc.exe");
  EXPECT_EQ(Seen(), "saver off, red: Screen Saver is DISABLED while vlc.exe runs");
  fake.programs.End(vlc);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_TRUE(fake.registry.lists["Software\\Blinkward\\Programs|"].empty());
}

// The reason a hold names is the one that holds it; a pinned process's long
// name is cut as the tip's is, at a whole character, where the line ends.
TEST_F(CommandTest, StatusNamesTheReasonThatHolds) {
  fake.system.localStart = 10 * 3600;  // Monday 10:00, within the hours
  app.OnSettingChanged(kIdWorkingHours, 1);
  EXPECT_EQ(Ask("/status"), "1: disabled during working hours");
  app.OnSettingChanged(kIdWorkingHours, 0);
  fake.programs.foreground = Foreground::FullScreen;
  app.OnSettingChanged(kIdFullScreen, 1);
  EXPECT_EQ(Ask("/status"), "1: disabled while a program is full screen");
  app.OnSettingChanged(kIdFullScreen, 0);
  std::string name, shown;
  for (int c = 0; c < 143; ++c) name += "\xC3\xB6";  // "ö", two bytes
  shown = "1: disabled while " + name.substr(0, 284);
  const std::uint32_t pinned = fake.programs.Start(name + ".exe");
  EXPECT_EQ(Ask("/while " + std::to_string(pinned)), "0: ");
  EXPECT_EQ(Ask("/status"), shown);
  fake.programs.End(pinned);
  // In another language the tip changes; what scripts read does not.
  const std::vector<const char*> other(kTranslatedCount, "\xD0\x96 %1");  // "Ж %1"
  UseTexts(other.data());
  EXPECT_EQ(Ask("/while " + std::to_string(fake.programs.Start("vlc.exe"))), "0: ");
  EXPECT_EQ(Seen(), "saver off, red: \xD0\x96 vlc.exe");
  EXPECT_EQ(Ask("/status"), "1: disabled while vlc.exe runs");
  UseTexts(nullptr);
}

// Only a command another copy may give is taken: no start, no usage, nothing
// the command line's rules refuse.
TEST_F(CommandTest, TextsThatAreNoCommandAreIgnored) {
  for (const char* text : {"", "/?", "/start", "/off 0:00", "/off 1:60:00", "/while", "on"}) {
    EXPECT_EQ(Ask(text), "ignored") << text;
  }
  EXPECT_EQ(Seen(), kOn);
}

}  // namespace
}  // namespace bw
