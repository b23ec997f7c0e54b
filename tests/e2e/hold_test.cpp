// The release exe steps in for a real program started beside it (the tests'
// listed_program.exe, copied under a listed name), through the real process
// list, window events and waits; the hold's rules are the unit tests'.
#include "fixture.h"

namespace e2e {
namespace {

const std::wstring kHeldTip = L"Screen Saver is DISABLED while obs64.exe runs";
// Showing a window is noticed within 2 s, and an end within 1 s. Under 12 s,
// when the look at the whole session would find the program without its window.
constexpr DWORD kNoticeMs = 8000;

struct Hold : BlinkwardTest {
  void TearDown() override {
    TerminateProcess(program_.info.hProcess, 0);
    WaitForSingleObject(program_.info.hProcess, kWaitMs);
    BlinkwardTest::TearDown();
  }
  Process program_;
};

// A listed program's window holds at once; a copy killed during the hold
// leaves the screen saver off, and the next copy carries the hold on until
// the program's end, which switches the screen saver back on.
TEST_F(Hold, AListedProgramHoldsAndAKilledCopysHoldIsCarriedOn) {
  const std::wstring exe = BlinkwardExePath(), folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
  ASSERT_TRUE(
      CopyFileW((folder + L"listed_program.exe").c_str(), (folder + L"obs64.exe").c_str(), FALSE));
  const wchar_t listed[] = L"OBS64.EXE\0vlc.exe\0";
  ASSERT_FALSE(RegSetKeyValueW(HKEY_CURRENT_USER, Widen(bw::kProgramsKey).c_str(), nullptr,
                               REG_MULTI_SZ, listed, sizeof listed));
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(program_.Start(folder + L"obs64.exe", L"window"));
  EXPECT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  EXPECT_FALSE(ScreenSaverActive());
  Kill();
  EXPECT_FALSE(ScreenSaverActive());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kHeldTip));
  TerminateProcess(program_.info.hProcess, 0);
  EXPECT_TRUE(WaitForTip(TipFor(true), kNoticeMs)) << Tip();
  EXPECT_TRUE(ScreenSaverActive());
}

}  // namespace
}  // namespace e2e
