// The audio sessions of the real system: another program's tone, heard by
// the port, and its end. Wine lists a process's own sessions at most (Wine 8
// none: its enumeration is a stub; Wine 10 the process's own), so there no
// other program can be heard: the port must then report none, and the test
// says which path it took.
#include "win32/sound.h"

#include <algorithm>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"); }

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
  sound.Listen(true);
  const Started player(L"player.exe", L"tone");
  const auto playing = [&] {
    const std::vector<SoundSession> sessions = sound.Sessions();
    return std::any_of(sessions.begin(), sessions.end(), [&](const SoundSession& s) {
      return s.processId == player.id && s.file == "player.exe" && s.active &&
             (!s.metered || s.peak > 0);
    });
  };
  bool heard = false;
  PumpUntil([&] { return (heard = playing()) || ExitCode(player) != STILL_ACTIVE; });
  if (ExitCode(player) == 2) {
    GTEST_SKIP() << "no output device: no sound server runs (scripts/lib/wine-session.sh starts "
                    "one when pulseaudio is installed)";
  }
  const bool played = PumpUntil([&] { return ExitCode(player) != STILL_ACTIVE; });
  EXPECT_TRUE(played && ExitCode(player) == 0) << "the tone did not play: " << ExitCode(player);
  if (!heard && UnderWine()) {
    EXPECT_EQ(events.calls, std::vector<std::string>{});
    sound.Listen(false);
    GTEST_SKIP() << "path: Wine, which lists no other program's audio sessions: the tone played "
                    "through the sound server, and the port reported none";
  }
  EXPECT_TRUE(heard) << "the tone went unheard";
  EXPECT_TRUE(PumpUntil([&] { return !playing(); })) << "the tone's end went unheard";
  EXPECT_NE(std::find(events.calls.begin(), events.calls.end(), "Sound"), events.calls.end());
  sound.Listen(false);
  EXPECT_TRUE(sound.Sessions().empty());
}

}  // namespace
}  // namespace bw::win32::test
