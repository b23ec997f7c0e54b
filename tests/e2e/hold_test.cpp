// The program steps in by itself for a real program started beside it (the
// tests' listed_program.exe, copied under a listed name): the flag, the tip,
// the registry and the settings window as a user and other programs see them.
#include "fixture.h"

namespace e2e {
namespace {

const std::wstring kHeldTip =
    Widen(std::string(bw::kHeldTipLead) + "obs64.exe" + bw::kHeldByProgramTail);
// Showing a window is noticed within 2 s and an end within 1 s; Wine on a
// busy machine gets some slack.
constexpr DWORD kNoticeMs = 4000;

void WriteUserList(const std::wstring& key, const std::wstring& data, DWORD type = REG_MULTI_SZ) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, type, data.data(),
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
    listed_ = folder + L"listed_program.exe";
    obs_ = folder + L"obs64.exe";
    ASSERT_TRUE(CopyFileW(listed_.c_str(), obs_.c_str(), FALSE)) << "no listed_program.exe";
  }
  void TearDown() override {
    End(program_);
    BlinkwardTest::TearDown();
    RegDeleteTreeW(HKEY_CURRENT_USER, kPolicy);
  }
  void List(const std::wstring& programs) { WriteUserList(Widen(bw::kProgramsKey), programs); }
  bool StartProgram(const std::wstring& mode = L"window") {
    return program_.Start(mode == L"fullscreen" ? listed_ : obs_, mode);
  }
  static void End(Process& process) {
    TerminateProcess(process.info.hProcess, 0);
    WaitForSingleObject(process.info.hProcess, kWaitMs);
  }
  static constexpr const wchar_t* kPolicy =
      L"Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
  std::wstring listed_, obs_;
  Process program_;
};

// The hold begins when the program starts and ends when it exits, switching
// the screen saver back on only if it was on; another program that switches
// it on is overruled, the user's click is not, until the program ends.
TEST_F(Hold, AListedProgramHoldsTheScreenSaverOffAndTheUserHasTheLastWord) {
  List(std::wstring(L"OBS64.EXE\0vlc.exe\0", 19));
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(StartProgram());
  EXPECT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  EXPECT_FALSE(ScreenSaverActive());
  SetScreenSaverActive(true);
  EXPECT_TRUE(WaitForScreenSaver(false, kWaitMs)) << "another program's switch stood";
  End(program_);
  EXPECT_TRUE(WaitForTip(TipFor(true), kNoticeMs)) << Tip();
  EXPECT_TRUE(ScreenSaverActive());

  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  TrayEvent(WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitForTip(TipFor(true))) << Tip();
  EXPECT_FALSE(PumpUntil([] { return !ScreenSaverActive(); }, kQuietMs)) << "held again";
  End(program_);
  TrayEvent(WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitForTip(TipFor(false)));
  ASSERT_TRUE(StartProgram());
  EXPECT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << "not held again after its end";
  End(program_);
  EXPECT_TRUE(WaitForTip(TipFor(false), kNoticeMs)) << Tip();
  EXPECT_FALSE(ScreenSaverActive()) << "switched on though it was off when the hold began";
}

// A copy killed during a hold leaves its note; the next copy carries the hold
// on while the program runs, or switches the screen saver back on after it
// ended. A policy that comes during a hold switches nothing back.
TEST_F(Hold, AHoldOutlivesAKillAndYieldsToAPolicy) {
  List(std::wstring(L"obs64.exe\0", 10));
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_TRUE(StartProgram());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kHeldTip));
  Kill();
  EXPECT_FALSE(ScreenSaverActive());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kHeldTip));
  Kill();
  End(program_);
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), TipFor(true)));
  EXPECT_TRUE(ScreenSaverActive());

  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  ASSERT_TRUE(WriteUserText(kPolicy, L"ScreenSaveActive", L"1"));
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"),
                      SMTO_ABORTIFHUNG, kWaitMs, nullptr);
  EXPECT_TRUE(WaitForTip(Widen(bw::kEnabledByPolicyTip))) << Tip();
  End(program_);
  EXPECT_FALSE(PumpUntil([] { return ScreenSaverActive(); }, kQuietMs))
      << "switched under a policy";
}

// Ticked, a window of any program that covers the screen holds.
TEST_F(Hold, AFullScreenWindowHoldsWhileTicked) {
  ASSERT_TRUE(
      WriteUserText(Widen(bw::kSettingRows[bw::SettingRowOf(bw::kIdFullScreen)].key), L"", L"1"));
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(StartProgram(L"fullscreen"));
  EXPECT_TRUE(WaitForTip(Widen(bw::kHeldByFullScreenTip), kNoticeMs)) << Tip();
  End(program_);
  EXPECT_TRUE(WaitForTip(TipFor(true), kNoticeMs)) << Tip();
  EXPECT_TRUE(ScreenSaverActive());
}

// The box and the list are stored the moment they change, the list from the
// running programs Add offers, and a later copy shows them.
TEST_F(Hold, TheBoxAndTheListAreStoredAtOnceAndShownAfterARestart) {
  ASSERT_TRUE(StartProgram());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(Choose(bw::MenuCommand::Settings));
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs));
  const HWND box = GetDlgItem(main_, bw::kIdFullScreen);
  Send(box, BM_CLICK);
  const std::wstring boxKey = Widen(bw::kSettingRows[bw::SettingRowOf(bw::kIdFullScreen)].key);
  EXPECT_EQ(ReadUserText(boxKey, L"").value_or(L"<absent>"), L"1");
  // Add's menu of running programs, the first line chosen from the keyboard.
  PostMessageW(GetDlgItem(main_, bw::kIdAddProgram), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs)) << "no menu";
  PostMessageW(PopupMenu(), WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(PopupMenu(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(WaitForTip(kHeldTip, kNoticeMs)) << Tip();
  EXPECT_EQ(ReadUserList(Widen(bw::kProgramsKey)), std::wstring(L"obs64.exe\0\0", 11));

  Kill();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kHeldTip));
  ASSERT_TRUE(Choose(bw::MenuCommand::Settings));
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs));
  const HWND list = GetDlgItem(main_, bw::kIdPrograms);
  EXPECT_EQ(Send(list, LB_GETCOUNT), 1);
  EXPECT_EQ(Send(GetDlgItem(main_, bw::kIdFullScreen), BM_GETCHECK), BST_CHECKED);
}

// A stored list without terminators, with a path and an empty string: the
// program runs, holds for nothing it cannot use, and leaves the value as it
// was. A click on its balloon, as the shell reports it, opens the settings.
// (Whether the hint's balloon shows is the shell's: Wine 8 shows it, Wine 10's
// notification area showed none here.)
TEST_F(Hold, AHostileListIsLeftAsItIsAndTheBalloonOpensTheSettings) {
  const std::wstring hostile(L"C:\\x\\obs64.exe\0\0obs", 19);
  List(hostile);
  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  EXPECT_FALSE(PumpUntil([] { return !ScreenSaverActive(); }, kQuietMs));
  // Wine reads a string value back with the NUL it lacks.
  const std::wstring stored = ReadUserList(Widen(bw::kProgramsKey));
  EXPECT_EQ(stored.substr(0, hostile.size()), hostile);
  EXPECT_LE(stored.size(), hostile.size() + 1);
  TrayEvent(NIN_BALLOONUSERCLICK);
  EXPECT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs));
}

}  // namespace
}  // namespace e2e
