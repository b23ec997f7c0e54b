// The settings window opened from the tray menu, and the click method that
// lives in it: used at once, stored only when the program ends properly.
#include <gtest/gtest.h>

#include <cstdlib>

#include "pump.h"
#include "screen_saver.h"
#include "user_fixture.h"

namespace e2e {
namespace {

std::optional<std::wstring> StoredMethod() {
  const std::optional<RegistryValue> value = ReadUserValue(kMethodKeyPath, nullptr);
  if (!value) return std::nullopt;
  if (value->type != REG_SZ) return L"<not REG_SZ>";
  return value->Text();
}

TEST_F(UserTest, SettingsWindow_ShownCentredAndClosingOnlyHidesIt) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const std::wstring tip = TipFor(ScreenSaverActive());
  ASSERT_TRUE(WaitForTip(tip, kTipMs));
  ASSERT_FALSE(IsWindowVisible(main_));

  ASSERT_TRUE(Choose(MenuChoice::ConfigureProgram));
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kTipMs))
      << "\"Configure program\" did not show the settings window";
  EXPECT_EQ(kMainCaption, TextOf(main_));
  RECT frame{};
  GetWindowRect(main_, &frame);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs(frame.left + frame.right - screenWidth), 1)
      << "left " << frame.left << ", right " << frame.right << ", screen " << screenWidth;
  EXPECT_LE(std::abs(frame.top + frame.bottom - screenHeight), 1)
      << "top " << frame.top << ", bottom " << frame.bottom << ", screen " << screenHeight;
  ASSERT_NE(nullptr, WindowsStartBox());
  ASSERT_NE(nullptr, MethodBox());
  EXPECT_EQ(BST_UNCHECKED, CheckState(WindowsStartBox()));
  EXPECT_EQ(kSingleClick, SelectedMethod());
  EXPECT_EQ(L"Single click", TextOf(MethodBox()));

  // A choice made, then the window closed from its title bar: hidden, not ended.
  ASSERT_TRUE(SelectMethodWithKeys(kDoubleClick));
  EXPECT_EQ(L"Double click", TextOf(MethodBox()));
  PostMessageW(main_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(main_); }, kTipMs));
  EXPECT_TRUE(IsWindow(main_));
  EXPECT_TRUE(blinkward_.running());
  EXPECT_EQ(tip, Tip());
  EXPECT_FALSE(StoredMethod()) << "closing the window stored the click method";

  // Shown again, with the choice as the user left it.
  ASSERT_TRUE(Choose(MenuChoice::ConfigureProgram));
  EXPECT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kTipMs));
  EXPECT_EQ(kDoubleClick, SelectedMethod());
  // Chosen again while shown: it stays shown.
  ASSERT_TRUE(Choose(MenuChoice::ConfigureProgram));
  PumpFor(200);
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(UserTest, Exit_RemovesTheIconAndStoresTheMethodTheNextStartSelects) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kTipMs));
  ASSERT_TRUE(Choose(MenuChoice::ConfigureProgram));
  ASSERT_TRUE(SelectMethodWithKeys(kDoubleClick));

  ASSERT_TRUE(Choose(MenuChoice::Exit));
  EXPECT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs)) << "the icon is still shown";
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs)) << "\"Exit\" did not end the program";
  EXPECT_EQ(L"1", StoredMethod().value_or(L"<absent>"));

  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  EXPECT_EQ(kDoubleClick, SelectedMethod());
  EXPECT_EQ(L"Double click", TextOf(MethodBox()));
}

// What a start selects for each stored click method, and what "Exit" then
// stores back.
struct StoredMethodCase {
  const char* name;
  const wchar_t* stored;  // null: no stored value
  int selected;
  const wchar_t* storedAtExit;
};

void PrintTo(const StoredMethodCase& c, std::ostream* os) { *os << c.name; }

class StoredMethods : public UserTest, public ::testing::WithParamInterface<StoredMethodCase> {};

TEST_P(StoredMethods, Start_SelectsTheStoredMethodAndExitStoresItBack) {
  const StoredMethodCase& c = GetParam();
  if (c.stored) {
    ASSERT_TRUE(WriteUserValue(kMethodKeyPath, nullptr, TextValue(c.stored)));
  }
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kTipMs));
  EXPECT_EQ(c.selected, SelectedMethod());

  ASSERT_TRUE(Choose(MenuChoice::Exit));
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs)) << "\"Exit\" did not end the program";
  EXPECT_EQ(c.storedAtExit, StoredMethod().value_or(L"<absent>"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredMethods,
    ::testing::Values(StoredMethodCase{"Absent", nullptr, kSingleClick, L"0"},
                      StoredMethodCase{"DoubleClick", L"1", kDoubleClick, L"1"},
                      StoredMethodCase{"NoSelection", L"-1", -1, L"-1"},
                      StoredMethodCase{"NotANumber", L"x1", kSingleClick, L"0"},
                      StoredMethodCase{"OutOfRange", L"2", kSingleClick, L"0"}),
    [](const ::testing::TestParamInfo<StoredMethodCase>& info) { return info.param.name; });

// With no method selected, neither kind of click switches the screen saver.
TEST_F(UserTest, TrayClick_NoSelectedMethodSwitchesNothing) {
  ASSERT_TRUE(WriteUserValue(kMethodKeyPath, nullptr, TextValue(L"-1")));
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(initial), kTipMs));
  ASSERT_EQ(-1, SelectedMethod());

  Click();
  SecondClick();
  EXPECT_FALSE(PumpUntil([&] { return ScreenSaverActive() != initial; }, kQuietMs))
      << "a click switched the screen saver with no method selected";
  EXPECT_EQ(TipFor(initial), Tip());
}

}  // namespace
}  // namespace e2e
