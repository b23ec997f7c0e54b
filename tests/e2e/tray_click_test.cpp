// Clicks on the tray icon switch the screen saver for the logon with the click
// method a start reads back from the settings store; the icon follows.
#include "fixture.h"

namespace e2e {
namespace {

struct MethodCase {
  const char* name;
  const wchar_t* stored;  // null: none stored
  int selected;
  bool singleSwitches;  // press and release
  bool doubleSwitches;  // the double-click message and release
  const wchar_t* storedAtExit;
};

class ClickMethods : public BlinkwardTest, public ::testing::WithParamInterface<MethodCase> {};

TEST_P(ClickMethods, TrayClick_SwitchesWithTheStoredMethodAndExitStoresItBack) {
  const MethodCase& c = GetParam();
  if (c.stored) {
    ASSERT_TRUE(WriteUserText(kMethodKeyPath, nullptr, c.stored));
  }
  bool expected = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  EXPECT_EQ(c.selected, SelectedMethod());

  // Single, double, single: a switching method goes both ways.
  for (bool secondHalf : {false, true, false}) {
    secondHalf ? SecondClick() : Click();
    const char* what = secondHalf ? "a double click" : "a single click";
    if (secondHalf ? c.doubleSwitches : c.singleSwitches) {
      expected = !expected;
      EXPECT_TRUE(WaitForScreenSaver(expected, kTipMs)) << what << " did not switch";
      EXPECT_TRUE(WaitForTip(TipFor(expected), kTipMs)) << "tip is \"" << Tip() << "\"";
    } else {
      EXPECT_FALSE(WaitForScreenSaver(!expected, kQuietMs)) << what << " switched";
      EXPECT_EQ(TipFor(expected), Tip());
    }
  }
  ASSERT_TRUE(Choose(MenuChoice::Exit));
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs)) << "\"Exit\" did not end the program";
  EXPECT_EQ(c.storedAtExit, ReadUserText(kMethodKeyPath, nullptr).value_or(L"<absent>"));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ClickMethods,
    ::testing::Values(MethodCase{"FirstRun", nullptr, kSingleClick, true, false, L"0"},
                      MethodCase{"DoubleClick", L"1", kDoubleClick, false, true, L"1"},
                      MethodCase{"NoneSelected", L"-1", -1, false, false, L"-1"},
                      MethodCase{"NotANumber", L"x1", kSingleClick, true, false, L"0"}),
    [](const ::testing::TestParamInfo<MethodCase>& info) { return info.param.name; });

// A real click through the system's input queue, in the middle of the icon;
// the mouse is moved away after.
bool MouseClickAt(const TrayIcon& icon, DWORD press, DWORD release) {
  if (!SetCursorPos((icon.screenRect.left + icon.screenRect.right) / 2,
                    (icon.screenRect.top + icon.screenRect.bottom) / 2)) {
    return false;
  }
  PumpFor(50);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = press;
  inputs[1].mi.dwFlags = release;
  const bool sent = SendInput(2, inputs, sizeof(INPUT)) == 2;
  PumpFor(50);
  SetCursorPos(0, 0);
  return sent;
}

// The whole way from a mouse on the taskbar: the shell reports the clicks to
// the icon's owner.
TEST_F(BlinkwardTest, TrayClick_RealMouseOnTheIcon) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const std::vector<TrayIcon> icons = Icons();
  ASSERT_EQ(1u, icons.size());

  ASSERT_TRUE(MouseClickAt(icons[0], MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP));
  EXPECT_TRUE(WaitForScreenSaver(!initial, kTipMs)) << "a left click did not switch";
  EXPECT_TRUE(WaitForTip(TipFor(!initial), kTipMs));

  PumpFor(kQuietMs);  // far enough apart not to make a double click
  ASSERT_TRUE(MouseClickAt(icons[0], MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP));
  EXPECT_TRUE(PumpUntil([this] { return PopupMenu() != nullptr; }, kTipMs))
      << "a right click on the icon opened no menu";
  EXPECT_TRUE(DismissPopupMenu());
}

}  // namespace
}  // namespace e2e
