// What the main form's window reports to the program for the messages Windows
// and the shell send it, and what the program's requests do to the window.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

using Calls = std::vector<std::string>;

TEST(MainFormEvents, TrayCallbacksOnTheStatusOutputArriveWithTheirMouseMessage) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND status = FromHandle<HWND>(window.form.StatusOutputWindow());
  // The shell sends the icon's callback message (WM_MOUSEMOVE) with the icon id and
  // the mouse message that happened over the icon.
  for (LPARAM mouse : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) {
    SendMessageA(status, WM_MOUSEMOVE, 1, mouse);
  }
  EXPECT_EQ(window.events.calls,
            (Calls{"TrayCallback 513", "TrayCallback 515", "TrayCallback 517"}));
}

TEST(MainFormEvents, CloseRequestsAskTheProgramAndARefusalKeepsTheWindow) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND hwnd = window.form.hwnd();
  window.form.ShowMainWindow();
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // the system menu and Alt+F4
  EXPECT_EQ(window.events.calls, (Calls{"QueryUnload 0", "QueryUnload 0"}));
  EXPECT_TRUE(IsWindow(hwnd));
}

TEST(MainFormEvents, AnAcceptedCloseDestroysTheWindowAndEndsTheLoop) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND hwnd = window.form.hwnd();
  window.events.cancelUnload = false;
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(window.form.hwnd(), nullptr);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(MainFormEvents, OnlyTheEndOfTheLogonEndsTheSession) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HWND hwnd = window.form.hwnd();
  EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(hwnd, WM_ENDSESSION, FALSE, 0);  // the end was called off
  EXPECT_TRUE(window.events.calls.empty());
  SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(window.events.calls, Calls{"EndSession"});
}

TEST(MainFormEvents, TheHiddenWindowHearsTheTaskbarCreatedBroadcast) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !window.events.calls.empty(); }));
  EXPECT_EQ(window.events.calls, Calls{"TaskbarCreated"});
}

TEST(MainFormEvents, UserClicksOnTheCheckBoxAreReportedButProgramChangesAreNot) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  SendMessageA(window.Item(kIdWindowsStart), BM_CLICK, 0, 0);
  EXPECT_EQ(window.events.calls, Calls{"WindowsStartClick"});
  EXPECT_EQ(window.form.CheckValue(SettingsControl::WindowsStart), 1);
  window.form.SetCheckValue(SettingsControl::WindowsStart, 0);
  EXPECT_EQ(window.form.CheckValue(SettingsControl::WindowsStart), 0);
  EXPECT_EQ(window.events.calls.size(), 1u);
}

TEST(MainFormEvents, AnEnabledTimerTicksOnTheWindow) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  window.form.SetTimerEnabled(TimerId::SSCheck, true);
  ASSERT_TRUE(PumpUntil([&] { return window.events.calls.size() >= 2; }));
  EXPECT_EQ(window.events.calls[0], "Timer 1");
  EXPECT_EQ(window.events.calls[1], "Timer 1");
}

TEST(MainFormEvents, ControlValuesReadBackWhatTheProgramWrote) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  window.form.SetListIndex(SettingsControl::Method, 1);
  EXPECT_EQ(window.form.ListIndex(SettingsControl::Method), 1);
  window.form.SetCaption(SettingsControl::Title, "Blinkward v1.01");
  EXPECT_EQ(window.form.Caption(SettingsControl::Title), "Blinkward v1.01");
  char text[32] = "";
  GetWindowTextA(window.Item(kIdTitle), text, sizeof text);
  EXPECT_STREQ(text, "Blinkward v1.01");
}

}  // namespace
}  // namespace bw::win32::test
