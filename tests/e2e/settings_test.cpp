// The settings window opened from the tray menu: closing it only hides it, its
// click method is used and stored at once, and its check box keeps the
// start-with-Windows entry.
#include <cstdlib>

#include "fixture.h"

namespace e2e {
namespace {

std::wstring StoredMethod() { return ReadUserText(kMethodKeyPath, nullptr).value_or(L"<absent>"); }

// How a user or another program asks the main window to close.
struct CloseRequest {
  const char* name;
  UINT message;
  WPARAM wParam;
};

class CloseRequests : public BlinkwardTest, public ::testing::WithParamInterface<CloseRequest> {};

TEST_P(CloseRequests, SettingsWindow_ShownFromTheMenuAndClosingOnlyHidesIt) {
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  const std::wstring tip = Tip();

  // While the menu is open the icon takes no clicks: dropped, not queued.
  ASSERT_TRUE(OpenPopupMenu()) << "a right-button release opened no popup menu";
  Click();
  ASSERT_TRUE(ChooseFromOpenMenu(MenuChoice::ConfigureProgram));
  ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kTipMs))
      << "\"Configure program\" did not show the settings window";
  EXPECT_FALSE(WaitForScreenSaver(!initial, kQuietMs))
      << "a click made while the menu was open switched the screen saver";
  RECT frame{};
  GetWindowRect(main_, &frame);
  EXPECT_LE(std::abs(frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN)), 1) << "not centred";
  EXPECT_LE(std::abs(frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN)), 1) << "not centred";
  ASSERT_TRUE(SelectMethodWithKeys(kDoubleClick));

  Send(main_, GetParam().message, GetParam().wParam);
  EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(main_); }, kTipMs)) << "still shown";
  EXPECT_TRUE(IsWindow(main_)) << "the window was destroyed";
  EXPECT_TRUE(blinkward_.running());
  EXPECT_EQ(tip, Tip());
  // Shown again as the user left it.
  ASSERT_TRUE(ShowSettings());
  EXPECT_EQ(kDoubleClick, SelectedMethod());
  // Stored at once: a program killed now starts again with the choice.
  EXPECT_EQ(L"1", StoredMethod());
  blinkward_.Kill();
  DeleteIcon();  // a killed program's icon stays behind
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  EXPECT_EQ(kDoubleClick, SelectedMethod());
}

INSTANTIATE_TEST_SUITE_P(TitleBarAndTaskManager, CloseRequests,
                         ::testing::Values(CloseRequest{"SysCommandClose", WM_SYSCOMMAND, SC_CLOSE},
                                           CloseRequest{"WmClose", WM_CLOSE, 0}),
                         [](const ::testing::TestParamInfo<CloseRequest>& info) {
                           return info.param.name;
                         });

// The proper ends of the program.
struct Quit {
  const char* name;
  bool endOfLogon;  // else "Exit" in the menu
  bool timedDialogOpen;
};

class Quits : public BlinkwardTest, public ::testing::WithParamInterface<Quit> {};

TEST_P(Quits, Quit_RemovesTheIconAndStoresTheMethodTheNextStartSelects) {
  const Quit& quit = GetParam();
  const bool initial = ScreenSaverActive();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(ShowSettings());
  ASSERT_TRUE(SelectMethodWithKeys(kDoubleClick));
  // In use at once: a double click, which "Single click" ignores, switches.
  SecondClick();
  // The tip changes as the click's handler ends, which then takes the next event.
  EXPECT_TRUE(WaitForTip(TipFor(!initial), kTipMs)) << "the chosen method is not in use";
  if (quit.timedDialogOpen) {
    ASSERT_TRUE(OpenTimedDialog().window);
  }

  if (quit.endOfLogon) {
    EXPECT_NE(0, SendEndOfLogon()) << "Blinkward refused to let the logon end";
  } else {
    ASSERT_TRUE(Choose(MenuChoice::Exit));
  }
  EXPECT_TRUE(PumpUntil([this] { return Icons().empty(); }, kTipMs)) << "the icon is still shown";
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs)) << "the program still runs";
  EXPECT_EQ(L"1", StoredMethod());

  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  EXPECT_EQ(kDoubleClick, SelectedMethod());
}

INSTANTIATE_TEST_SUITE_P(ExitAndEndOfLogon, Quits,
                         ::testing::Values(Quit{"Exit", false, false},
                                           Quit{"EndOfLogon", true, false},
                                           Quit{"EndOfLogonWithTheTimedDialogOpen", true, true}),
                         [](const ::testing::TestParamInfo<Quit>& info) {
                           return info.param.name;
                         });

std::optional<std::wstring> RunEntry() { return ReadUserText(kRunKeyPath, L"Blinkward"); }

// The entry must hold the running exe's full path, quoted for the spaces a
// path may have.
::testing::AssertionResult NamesThisExe(const std::optional<std::wstring>& entry) {
  const std::wstring expected = L"\"" + BlinkwardExePath() + L"\"";
  if (entry && lstrcmpiW(entry->c_str(), expected.c_str()) == 0)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the Run entry is " << (entry ? *entry : L"absent");
}

TEST_F(BlinkwardTest, RunEntry_FollowsTheBoxAndAStartRewritesIt) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(ShowSettings());
  const HWND box = WindowsStartBox();
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(BST_UNCHECKED, Send(box, BM_GETCHECK));
  EXPECT_FALSE(RunEntry()) << "a first start wrote a Run entry";

  Send(box, BM_CLICK);
  EXPECT_EQ(BST_CHECKED, Send(box, BM_GETCHECK));
  EXPECT_TRUE(NamesThisExe(RunEntry())) << "after ticking";
  Send(box, BM_CLICK);
  EXPECT_FALSE(RunEntry()) << "unticking left the Run entry";

  // An entry left by a copy that was moved since: the next start ticks the
  // box and names itself.
  ASSERT_TRUE(Choose(MenuChoice::Exit));
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs));
  ASSERT_TRUE(WriteUserText(kRunKeyPath, L"Blinkward", L"\"C:\\Old Place\\Blinkward.exe\""));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(ShowSettings());
  EXPECT_EQ(BST_CHECKED, Send(WindowsStartBox(), BM_GETCHECK));
  EXPECT_TRUE(NamesThisExe(RunEntry())) << "after a start";
}

}  // namespace
}  // namespace e2e
