// Sound as a reason of the hold: another program's sound holds the screen
// saver off until a minute of silence, by the session's meter where it has
// one, and costs nothing while no session plays or the box is unticked.
#include "hold/sound_watch.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using test::kOn;
const std::string kByVlc = "saver off, red: Screen Saver is DISABLED while sound plays (vlc.exe)";

// A copy started with "Hold off while sound plays" ticked or not.
struct SoundTest : ::testing::Test, test::WithPlatform, test::Program {
  SoundTest() : Program(platform) {}
  void Start(bool ticked) {
    if (ticked) fake.registry.values["Software\\Blinkward\\WhileSound|"] = "1";
    Program::Start();
  }
  bool Waits() const { return fake.ui.Runs(static_cast<int>(TimerId::Sound)); }
  test::FakeSound& sound = fake.sound;
};

// A stream that begins silent holds from its first sound; a quiet passage or
// a pause shorter than a minute does not end the hold, a minute of silence
// does, counted from the first look that heard none. A 16-bit stream's last
// bit of noise is silence.
TEST_F(SoundTest, TheMeterHoldsUntilAMinuteOfSilence) {
  Start(true);
  sound.Play(8, "vlc.exe", 0.0f);
  EXPECT_EQ(Seen(), kOn);
  sound.sessions[8].peak = 0.3f;
  Pass(1000);
  EXPECT_EQ(Seen(), kByVlc);
  sound.sessions[8].peak = 0.0f;
  Pass(59000);
  EXPECT_EQ(Seen(), kByVlc);
  sound.sessions[8].peak = 0.2f;
  Pass(1000);
  sound.Pause(8);
  Pass(59000);
  EXPECT_EQ(Seen(), kByVlc);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_FALSE(Waits());
  sound.Play(8, "vlc.exe", 3e-5f);
  Pass(2 * 60000);
  EXPECT_EQ(Seen(), kOn);
}

// Where a session has no meter, its active state is its sound, and nothing
// is read until the system reports its end, from which the minute counts.
TEST_F(SoundTest, WithoutAMeterTheActiveStateHolds) {
  Start(true);
  sound.Play(8, "vlc.exe", 0.0f, false);
  EXPECT_EQ(Seen(), kByVlc);
  const int looks = sound.looks;
  Pass(10 * 60000);
  EXPECT_EQ(sound.looks, looks);
  sound.Pause(8);
  Pass(59000);
  EXPECT_EQ(Seen(), kByVlc);
  Pass(1000);
  EXPECT_EQ(Seen(), kOn);
}

// A stream held open in silence holds nothing; its meter is read at most once
// a second while it is active, and nothing is looked at while no session is.
TEST_F(SoundTest, ASilentStreamIsReadOnceASecondAndNoneNever) {
  Start(true);
  sound.Play(9, "chrome.exe", 0.0f);
  Pass(10 * 60000);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_GT(sound.meterReads, 0);
  EXPECT_LE(sound.meterReads, 601);
  sound.Pause(9);
  const int looks = sound.looks;
  Pass(10 * 60000);
  EXPECT_EQ(sound.looks, looks);
  EXPECT_FALSE(Waits());
}

// The tip names the program that plays, the first of several, and the next
// once it falls silent; /status says the same.
TEST_F(SoundTest, TheTipNamesTheProgramThatPlays) {
  Start(true);
  sound.Play(8, "vlc.exe", 0.5f);
  sound.Play(7, "chrome.exe", 0.5f);
  EXPECT_EQ(Seen(), kByVlc);
  const std::optional<CommandAnswer> status = app.commands().OnCommand("/status");
  ASSERT_TRUE(status);
  EXPECT_EQ(status->line, "disabled while sound plays (vlc.exe)");
  sound.Pause(8);
  EXPECT_EQ(Seen(), "saver off, red: Screen Saver is DISABLED while sound plays (chrome.exe)");
}

// Unticked, nothing listens, and unticking or Exit lets go; where the system
// lists no sessions (XP, Vista) the box is not offered and nothing is asked,
// ticked or not.
TEST_F(SoundTest, OnlyATickedBoxListensWhereTheSystemHasSessions) {
  Start(false);
  sound.Play(8, "vlc.exe", 0.5f);
  Pass(1000);
  EXPECT_FALSE(sound.listening);
  EXPECT_EQ(Seen(), kOn);
  app.OnSettingChanged(kIdWhileSound, 1);
  EXPECT_EQ(Seen(), kByVlc);
  app.OnSettingChanged(kIdWhileSound, 0);
  EXPECT_EQ(Seen(), kOn);
  EXPECT_FALSE(sound.listening);
  app.OnSettingChanged(kIdWhileSound, 1);
  app.OnMenuCommand(MenuCommand::Settings, false);
  EXPECT_TRUE(fake.ui.settings.hidden.empty());
  Choose(MenuCommand::Exit);
  EXPECT_FALSE(sound.listening);
  EXPECT_FALSE(Waits());

  test::FakePlatform old;
  old.sound.lists = false;
  old.registry.values["Software\\Blinkward\\WhileSound|"] = "1";
  test::Program copy(old);
  copy.Start();
  copy.app.OnMenuCommand(MenuCommand::Settings, false);
  EXPECT_EQ(old.ui.settings.hidden, std::vector<int>{kIdWhileSound});
  EXPECT_EQ(old.sound.looks, 0);
}

}  // namespace
}  // namespace bw
