// A timed disable through the real dialog: the countdown in the tip, the
// screen saver held off against other programs and clicks, a span that
// outlives a killed program but not its own time, and its end from the menu.
#include "fixture.h"

namespace e2e {
namespace {

const std::wstring kTwoMinutesTip = L"Screen Saver will be DISABLED\nfor the next 2 minutes";
const wchar_t kNotes[] = L"Software\\Blinkward\\TimedDisable";
constexpr DWORD kTickMs = 3000;  // for the countdown's once-a-second work to show

// This logon's note: the notes' only subkey, named by the logon ("" if none).
std::wstring Note() {
  HKEY key = nullptr;
  wchar_t name[64] = L"";
  DWORD length = 64;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kNotes, 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) {
    return {};
  }
  const bool found =
      RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found ? std::wstring(kNotes) + L"\\" + name : std::wstring();
}
TEST_F(BlinkwardTest, ATimedDisableHoldsOffOutlivesAKillAndEndsFromTheMenu) {
  // A span of two minutes through the dialog the menu opened.
  const auto beginTwoMinutes = [this](HWND dialog) {
    ASSERT_TRUE(dialog) << "\"Temporarily disable Screen Saver\" showed no dialog \"Timed\"";
    ASSERT_NO_FATAL_FAILURE(PressOk(dialog, L"0", L"2"));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog); }, kWaitMs)) << "still open";
    ASSERT_TRUE(WaitForTip(kTwoMinutesTip, kTickMs)) << "tip is \"" << Tip() << "\"";
  };
  // Off before it starts, so a click that got through would switch it on.
  ASSERT_TRUE(SetScreenSaverActive(false));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const HWND dialog = OpenTimedDialog();
  // The dialog runs inside the menu's command: meanwhile the icon switches
  // nothing and opens no menu.
  Click();
  TrayEvent(WM_CONTEXTMENU);
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() || PopupMenu(); }, kQuietMs))
      << "the icon answered while the dialog was open";
  ASSERT_NO_FATAL_FAILURE(beginTwoMinutes(dialog));
  EXPECT_EQ(kTwoMinutesTip, HoverTip(Icons()[0], kWaitMs));
  // The countdown may switch it off between the switch and its read-back.
  for (int attempt = 0; attempt < 3 && !SetScreenSaverActive(true); ++attempt) {
  }
  EXPECT_TRUE(WaitForScreenSaver(false, kTickMs)) << "another program switched it on for good";
  Click();
  SecondClick();
  EXPECT_FALSE(WaitForScreenSaver(true, kQuietMs)) << "a click switched the screen saver";

  Kill();
  ASSERT_FALSE(ScreenSaverActive());
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kTwoMinutesTip));
  EXPECT_FALSE(WaitForScreenSaver(true, kQuietMs)) << "the resumed span let the screen saver on";
  ASSERT_TRUE(Choose(kTimedDisable));  // "Enable Screen Saver"
  EXPECT_TRUE(WaitForScreenSaver(true, kWaitMs)) << "the screen saver was left off";
  EXPECT_TRUE(WaitForTip(kEnabledTip)) << "tip is \"" << Tip() << "\"";
  EXPECT_TRUE(FindWindows(nullptr, blinkward_.id, nullptr, L"Timed").empty())
      << "\"Enable Screen Saver\" opened the dialog";
  EXPECT_EQ(Note(), L"") << "the note outlived its span";

  // A span whose time ran out while no copy ran: its start moved back.
  ASSERT_NO_FATAL_FAILURE(beginTwoMinutes(OpenTimedDialog()));
  Kill();
  const std::wstring note = Note();
  const std::wstring begun = ReadUserText(note.c_str(), L"Begun").value_or(L"");
  ASSERT_FALSE(begun.empty()) << "no note of the span";
  ASSERT_TRUE(WriteUserText(note.c_str(), L"Begun", std::to_wstring(std::stoul(begun) - 200000)));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), kEnabledTip));
  EXPECT_TRUE(ScreenSaverActive());
  EXPECT_EQ(Note(), L"") << "the note outlived its span";
  ASSERT_TRUE(OpenTimedDialog());  // left open: the end of the logon must close it too
}

}  // namespace
}  // namespace e2e
