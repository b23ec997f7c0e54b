// The release exe steps in for a real program started beside it (the tests'
// listed_program.exe, copied under a listed name), through the real process
// list, window events, waits and menus; the hold's rules are the unit tests'.
#include "fixture.h"

namespace e2e {
namespace {

const std::wstring kHeldTip =
    Widen(std::string(bw::kHeldTipLead) + "obs64.exe" + bw::kHeldByProgramTail);
// Showing a window is noticed within 2 s and an end within 1 s; Wine on a
// busy machine gets some slack.
constexpr DWORD kNoticeMs = 4000;

void WriteUserList(const std::wstring& key, const std::wstring& data) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, REG_MULTI_SZ, data.data(),
                  static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}
// The value's data as stored, byte for byte.
std::wstring ReadUserList(const std::wstring& key) {
  wchar_t data[256] = {};
  DWORD size = sizeof data;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened)) return {};
  RegQueryValueExW(opened, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(opened);
  return std::wstring(data, size / sizeof(wchar_t));
}

struct Hold : BlinkwardTest {
  // The test program beside Blinkward.exe, copied as obs64.exe.
  void SetUp() override {
    BlinkwardTest::SetUp();
    const std::wstring exe = BlinkwardExePath();
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
    const std::wstring listed = folder + L"listed_program.exe";
    obs_ = folder + L"obs64.exe";
    ASSERT_TRUE(CopyFileW(listed.c_str(), obs_.c_str(), FALSE)) << "no listed_program.exe";
  }
  void TearDown() override {
    End(program_);
    BlinkwardTest::TearDown();
  }
  void List(const std::wstring& programs) { WriteUserList(Widen(bw::kProgramsKey), programs); }
  bool StartProgram(const std::wstring& mode = L"window") { return program_.Start(obs_, mode); }
  static void End(Process& process) {
    TerminateProcess(process.info.hProcess, 0);
    WaitForSingleObject(process.info.hProcess, kWaitMs);
  }
  std::wstring obs_;
  Process program_;
};

// A listed program's window holds at once and its end lets go, switching the
// screen saver back on; a copy killed during a hold leaves it off, and the
// next copy carries the hold on while the program runs, or switches the
// screen saver back on once it has ended.
TEST_F(Hold, AListedProgramHoldsAndAKilledCopysHoldIsCarriedOn) {
  List(std::wstring(L"OBS64.EXE\0vlc.exe\0", 19));
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(StartProgram());
  EXPECT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  EXPECT_FALSE(ScreenSaverActive());
  Kill();
  EXPECT_FALSE(ScreenSaverActive());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kHeldTip));
  End(program_);
  EXPECT_TRUE(WaitForTip(TipFor(true), kNoticeMs)) << Tip();
  EXPECT_TRUE(ScreenSaverActive());

  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  Kill();
  End(program_);
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), TipFor(true)));
  EXPECT_TRUE(ScreenSaverActive());
}

// Add's menu lists the running programs, its first line chosen from the
// keyboard; the list is stored at once and holds.
TEST_F(Hold, AddOffersTheRunningProgramsAndTheChoiceHolds) {
  ASSERT_TRUE(StartProgram());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(Choose(bw::MenuCommand::Settings));
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs));
  PostMessageW(GetDlgItem(main_, bw::kIdAddProgram), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) << "no menu";
  PostMessageW(PopupMenu(), WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(PopupMenu(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  EXPECT_EQ(ReadUserList(Widen(bw::kProgramsKey)), std::wstring(L"obs64.exe\0\0", 11));
  EXPECT_EQ(Send(GetDlgItem(main_, bw::kIdPrograms), LB_GETCOUNT), 1);
}

}  // namespace
}  // namespace e2e
