// The audio sessions of the real system: another program's tone, heard by
// the port, and its end. A system whose session manager lists no sessions
// (Wine's: its enumeration is a stub) is reported as such, and the port then
// reports none; the test says which path it took.
#include "win32/sound.h"

#include <algorithm>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

DWORD ExitCode(const Started& started) {
  DWORD code = 0;
  GetExitCodeProcess(started.process.Get(), &code);
  return code;
}

// A tone of player.exe is heard: its session, active, and above silence where
// it is metered. Once the tone has ended, its session is reported silent or
// gone.
TEST(Sound, HearsAnotherProgramsToneAndItsEnd) {
  RecordingEvents events;
  Programs programs;
  Sound sound(programs);
  sound.SetEvents(events);
  ASSERT_TRUE(sound.HasSessions()) << "a system before Windows 7";
  const bool lists = sound.Listen(true);
  const Started player(L"player.exe", L"tone");
  const auto playing = [&] {
    const std::vector<SoundSession> sessions = sound.Sessions();
    return std::any_of(sessions.begin(), sessions.end(), [&](const SoundSession& s) {
      return s.processId == player.id && s.file == "player.exe" && s.active &&
             (!s.metered || s.peak > 0);
    });
  };
  const bool heard = PumpUntil([&] { return playing() || ExitCode(player) != STILL_ACTIVE; }) &&
                     ExitCode(player) == STILL_ACTIVE;
  if (ExitCode(player) == 2) {
    GTEST_SKIP() << "no output device: no sound server runs (scripts/lib/wine-session.sh starts "
                    "one when pulseaudio is installed)";
  }
  const bool played = PumpUntil([&] { return ExitCode(player) != STILL_ACTIVE; });
  EXPECT_TRUE(played && ExitCode(player) == 0) << "the tone did not play: " << ExitCode(player);
  if (!lists) {
    EXPECT_FALSE(heard);
    EXPECT_EQ(events.calls, std::vector<std::string>{});
    sound.Listen(false);
    GTEST_SKIP() << "path: this system lists no audio sessions (under Wine, "
                    "IAudioSessionManager2::GetSessionEnumerator is a stub): the tone played "
                    "through the sound server, and the port reported no session";
  }
  EXPECT_TRUE(heard) << "the tone went unheard";
  EXPECT_TRUE(PumpUntil([&] { return !playing(); })) << "the tone's end went unheard";
  EXPECT_NE(std::find(events.calls.begin(), events.calls.end(), "Sound"), events.calls.end());
  sound.Listen(false);
  EXPECT_TRUE(sound.Sessions().empty());
}

}  // namespace
}  // namespace bw::win32::test
