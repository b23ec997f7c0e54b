// The timed-disable dialog driven with real key and mouse messages, through
// the dialog manager as its modal loop runs it; its modal loop; its stopwatch.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "timed_dialog_fixture.h"

namespace bw::win32::test {
namespace {

struct Opened : TimedDialogFixture {
  bool open = main.created && dialog.Open();
  void SetField(int id, const char* text) const { SetWindowTextA(Item(id), text); }
};

TEST(TimedDialogInput, OnlyDigitsAndEditingKeysReachTheFields) {
  Opened f;
  ASSERT_TRUE(f.open);
  const HWND hours = f.Item(kIdHours);
  const UINT discarded[] = {'A',           'Z',     VK_SPACE, VK_OEM_MINUS, VK_SUBTRACT,
                            VK_OEM_PERIOD, VK_HOME, VK_LEFT,  VK_F2};
  for (UINT key : discarded) PostKey(hours, key);
  DeliverQueued(f.dialog.hwnd());
  EXPECT_EQ(f.TextOf(kIdHours), "0");
  EXPECT_EQ(f.Selection(kIdHours), std::make_pair(0, 1));  // Home and Left did not move it

  // Typing replaces the selected number; the field stops at two digits.
  for (char key : {'7', 'Q', '4', '2'}) PostKey(hours, key);
  DeliverQueued(f.dialog.hwnd());
  EXPECT_EQ(f.TextOf(kIdHours), "74");
  PostKey(hours, VK_BACK);
  DeliverQueued(f.dialog.hwnd());
  EXPECT_EQ(f.TextOf(kIdHours), "7");
  SendMessageA(hours, EM_SETSEL, 0, 0);
  PostKey(hours, VK_DELETE);
  DeliverQueued(f.dialog.hwnd());
  EXPECT_EQ(f.TextOf(kIdHours), "");
}

TEST(TimedDialogInput, UpAndDownStepTheFieldsUpDownAndSelectTheNumber) {
  Opened f;
  ASSERT_TRUE(f.open);
  struct Step {
    int field, upDown, from;
    UINT key;
    int to;
  };
  const Step steps[] = {
      {kIdHours, kIdHoursUpDown, 14, VK_UP, 15},
      {kIdHours, kIdHoursUpDown, 15, VK_UP, 15},
      {kIdHours, kIdHoursUpDown, 0, VK_DOWN, 0},
      {kIdHours, kIdHoursUpDown, 7, VK_DOWN, 6},
      {kIdMinutes, kIdMinutesUpDown, 58, VK_UP, 59},
      {kIdMinutes, kIdMinutesUpDown, 59, VK_UP, 0},
      {kIdMinutes, kIdMinutesUpDown, 0, VK_DOWN, 59},
      {kIdMinutes, kIdMinutesUpDown, 30, VK_DOWN, 29},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << s.field << " from " << s.from << " key " << s.key);
    SendMessageA(f.Item(s.upDown), UDM_SETPOS32, 0, s.from);
    f.FocusOn(s.field);
    SendMessageA(f.Item(s.field), EM_SETSEL, 1, 1);
    PostKey(f.Item(s.field), s.key);
    DeliverQueued(f.dialog.hwnd());
    const std::string shown = std::to_string(s.to);
    EXPECT_EQ(f.TextOf(s.field), shown);
    EXPECT_EQ(SendMessageA(f.Item(s.upDown), UDM_GETPOS32, 0, 0), s.to);
    EXPECT_EQ(f.Selection(s.field), std::make_pair(0, static_cast<int>(shown.size())));
  }
}

TEST(TimedDialogInput, ArrowClicksStepAndHandTheFocusAndTheSelectedNumberToTheirField) {
  Opened f;
  ASSERT_TRUE(f.open);
  struct Click {
    int field, upDown, from;
    bool up;
    int to;
  };
  for (const Click& c : {Click{kIdHours, kIdHoursUpDown, 15, true, 15},
                         Click{kIdMinutes, kIdMinutesUpDown, 59, true, 0},
                         Click{kIdMinutes, kIdMinutesUpDown, 0, false, 59}}) {
    SCOPED_TRACE(testing::Message() << c.field << " from " << c.from << (c.up ? " up" : " down"));
    SendMessageA(f.Item(c.upDown), UDM_SETPOS32, 0, c.from);
    f.FocusOn(kIdCancel);
    const LPARAM arrow = MAKELPARAM(8, c.up ? 4 : 15);  // upper or lower half of 17 x 19
    SendMessageA(f.Item(c.upDown), WM_LBUTTONDOWN, MK_LBUTTON, arrow);
    SendMessageA(f.Item(c.upDown), WM_LBUTTONUP, 0, arrow);
    DeliverQueued(f.dialog.hwnd());
    const std::string shown = std::to_string(c.to);
    EXPECT_EQ(f.TextOf(c.field), shown);
    EXPECT_EQ(GetFocus(), f.Item(c.field));
    EXPECT_EQ(f.Selection(c.field), std::make_pair(0, static_cast<int>(shown.size())));
    // Enter presses OK again once the focus has left Cancel.
    EXPECT_EQ(GetWindowLongA(f.Item(kIdOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  }
}

TEST(TimedDialogInput, EnterRefusesAZeroSpanAndStartsTheCountdownForAPositiveOne) {
  Opened f;
  ASSERT_TRUE(f.open);
  PostKey(f.Item(kIdHours), VK_RETURN);
  DeliverQueued(f.dialog.hwnd());
  EXPECT_TRUE(IsWindow(f.dialog.hwnd()));
  EXPECT_FALSE(f.CountdownRuns());

  f.SetField(kIdMinutes, "1");
  const HWND dialog = f.dialog.hwnd();
  PostKey(f.Item(kIdHours), VK_RETURN);
  DeliverQueued(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(f.CountdownRuns());
  EXPECT_EQ(f.countdown().DisableMinutes, 1);
  EXPECT_EQ(f.countdown().SecondsLeft, 59);
  EXPECT_TRUE(IsWindowEnabled(f.main.form.hwnd()));
}

TEST(TimedDialogInput, EscEnterOnCancelAndTheCloseBoxCloseWithoutStartingAnything) {
  struct Way {
    const char* name;
    void (*act)(const Opened&);
  };
  const Way ways[] = {
      {"Esc in a field", [](const Opened& f) { PostKey(f.Item(kIdMinutes), VK_ESCAPE); }},
      {"Enter on Cancel",
       [](const Opened& f) {
         f.FocusOn(kIdCancel);
         EXPECT_EQ(GetWindowLongA(f.Item(kIdCancel), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
         PostKey(f.Item(kIdCancel), VK_RETURN);
       }},
      {"close box",
       [](const Opened& f) { PostMessageA(f.dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Opened f;
    ASSERT_TRUE(f.open);
    // A span that OK would start.
    f.SetField(kIdMinutes, "5");
    SendMessageA(f.Item(kIdStartOnExpire), BM_SETCHECK, BST_CHECKED, 0);
    const HWND dialog = f.dialog.hwnd();
    way.act(f);
    DeliverQueued(dialog);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(f.CountdownRuns());
    EXPECT_EQ(f.countdown().DisableMinutes, 0);
    EXPECT_FALSE(f.countdown().StartOnExpire);
    EXPECT_TRUE(IsWindowEnabled(f.main.form.hwnd()));
  }
}

TEST(TimedDialogModal, TheMenuCommandWaitsForTheDialogWhoseOKStartsTheCountdown) {
  TimedDialogFixture f;
  ASSERT_TRUE(f.main.created);
  HWND seen = nullptr;
  bool ownerEnabled = true;
  RunFromLoop confirm([&] {
    seen = FindWindowA(kTimedDialogClass, "Timed");
    ownerEnabled = IsWindowEnabled(f.main.form.hwnd());
    SetDlgItemTextA(seen, kIdMinutes, "1");
    PostKey(GetFocus(), VK_RETURN);
  });
  ASSERT_TRUE(ReturnsByItself(
      [&] { f.frmSettings.OnMenuCommand(static_cast<int>(MenuItem::TimedDisable)); }));
  ASSERT_NE(seen, nullptr);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_TRUE(f.CountdownRuns());
  EXPECT_EQ(f.countdown().SecondsLeft, 59);
  EXPECT_TRUE(IsWindowEnabled(f.main.form.hwnd()));
}

TEST(TimedDialogModal, AQuitClosesTheDialogAsCancelAndIsPassedOnToTheProgramsLoop) {
  Opened f;
  ASSERT_TRUE(f.open);
  f.SetField(kIdMinutes, "5");
  PostQuitMessage(3);
  ASSERT_TRUE(ReturnsByItself([&] { f.dialog.RunModal(); }));
  EXPECT_EQ(f.dialog.hwnd(), nullptr);
  EXPECT_FALSE(f.CountdownRuns());
  EXPECT_TRUE(IsWindowEnabled(f.main.form.hwnd()));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST(TimedDialogModal, TheEndOfTheLogonClosesTheDialogAsCancelAndLeavesTheQuitToTheProgram) {
  Opened f;
  ASSERT_TRUE(f.open);
  f.SetField(kIdMinutes, "5");
  // As the main window does: the dialog first, then the main form's unload,
  // which ends with a quit for the program's own loop.
  bool closedFirst = false;
  RunFromLoop endSession([&] {
    f.dialog.EndSession();
    closedFirst = f.dialog.hwnd() == nullptr;
    PostQuitMessage(0);
  });
  ASSERT_TRUE(ReturnsByItself([&] { f.dialog.RunModal(); }));
  EXPECT_TRUE(closedFirst);
  EXPECT_FALSE(f.CountdownRuns());
  EXPECT_EQ(f.countdown().DisableMinutes, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The frame `imgAnimClock` shows: the index of the hidden frame with its icon.
int FrameShown(const TimedDialogFixture& f) {
  const LRESULT icon = SendMessageA(f.Item(kIdAnimClock), STM_GETICON, 0, 0);
  for (int k = 0; k < kClockFrameCount; ++k) {
    if (icon != 0 && SendMessageA(f.Item(kIdClock0 + k), STM_GETICON, 0, 0) == icon) return k;
  }
  return -1;
}

// Handles messages one at a time, noting each frame the stopwatch moves to,
// until count frames have been seen.
std::vector<int> WatchClock(const TimedDialogFixture& f, std::size_t count) {
  std::vector<int> frames{FrameShown(f)};
  const DWORD start = GetTickCount();
  while (frames.size() < count && GetTickCount() - start < 10000) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (FrameShown(f) != frames.back()) frames.push_back(FrameShown(f));
  }
  return frames;
}

TEST(TimedDialogAnimation, FramesRunInOrderRoundTheClockAndGoOnAfterReopening) {
  Opened f;
  ASSERT_TRUE(f.open);
  std::vector<int> expected;
  for (int i = 0; i < kClockFrameCount + 2; ++i) expected.push_back(i % kClockFrameCount);
  EXPECT_EQ(WatchClock(f, expected.size()), expected);

  // Reopened, it shows frame 0 and then the frame after the last one shown.
  SendMessageA(f.dialog.hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(f.dialog.Open());
  EXPECT_EQ(WatchClock(f, 2), (std::vector<int>{0, 2}));
}

}  // namespace
}  // namespace bw::win32::test
