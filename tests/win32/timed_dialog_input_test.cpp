// The timed-disable dialog driven with real key and mouse messages, through
// the dialog manager as its modal loop runs it, and its stopwatch.
#include <gtest/gtest.h>

#include <vector>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

using Selection = std::pair<int, int>;

TEST(TimedDialogInput, KeysTypeDigitsOnlyAndUpDownStepWithTheNumberSelected) {
  TimedDialogFixture f;
  ASSERT_TRUE(f.open);
  EXPECT_EQ(GetFocus(), f.Item(kIdHours));
  EXPECT_EQ(f.Selection(kIdHours), Selection(0, 1));
  const std::vector<UINT> kDiscarded = {'A',           'Z',     VK_SPACE, VK_OEM_MINUS, VK_SUBTRACT,
                                        VK_OEM_PERIOD, VK_HOME, VK_LEFT,  VK_F2};
  constexpr UINT kClickUp = 1, kClickDown = 2;  // on the field's up-down, from Cancel
  struct Case {
    int field;
    const char* from;
    Selection before;
    std::vector<UINT> keys;
    const char* text;
    Selection after;
  };
  const Case cases[] = {
      // Neither letters, signs, a space nor moves reach the field.
      {kIdHours, "0", {0, 1}, kDiscarded, "0", {0, 1}},
      // Digits replace the selection; the field stops at two.
      {kIdHours, "0", {0, 1}, {'7', 'Q', '4', '2'}, "74", {2, 2}},
      {kIdMinutes, "74", {2, 2}, {VK_BACK}, "7", {1, 1}},
      {kIdMinutes, "7", {0, 0}, {VK_DELETE}, "", {0, 0}},
      // Hours stop at 0 and 15; minutes wrap round 0 and 59.
      {kIdHours, "14", {1, 1}, {VK_UP}, "15", {0, 2}},
      {kIdHours, "15", {1, 1}, {VK_UP}, "15", {0, 2}},
      {kIdHours, "0", {1, 1}, {VK_DOWN}, "0", {0, 1}},
      {kIdHours, "7", {1, 1}, {VK_DOWN}, "6", {0, 1}},
      {kIdMinutes, "58", {1, 1}, {VK_UP}, "59", {0, 2}},
      {kIdMinutes, "59", {1, 1}, {VK_UP}, "0", {0, 1}},
      {kIdMinutes, "0", {1, 1}, {VK_DOWN}, "59", {0, 2}},
      {kIdMinutes, "30", {1, 1}, {VK_DOWN}, "29", {0, 2}},
      // A click on an arrow also hands the focus to the field.
      {kIdHours, "15", {}, {kClickUp}, "15", {0, 2}},
      {kIdMinutes, "0", {}, {kClickDown}, "59", {0, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.field << " from " << c.from << " key " << c.keys[0]);
    const HWND field = f.Item(c.field), upDown = f.Item(c.field + 1);  // each up-down follows
    SetWindowTextA(field, c.from);
    if (c.keys[0] == kClickUp || c.keys[0] == kClickDown) {
      f.FocusOn(kIdCancel);
      const LPARAM arrow = MAKELPARAM(8, c.keys[0] == kClickUp ? 4 : 15);  // half of 17 x 19
      SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, arrow);
      SendMessageA(upDown, WM_LBUTTONUP, 0, arrow);
    } else {
      f.FocusOn(c.field);
      SendMessageA(field, EM_SETSEL, c.before.first, c.before.second);
      for (UINT key : c.keys) PostKey(field, key);
    }
    DeliverQueued(f.dialog.hwnd());
    EXPECT_EQ(TextOf(field), c.text);
    EXPECT_EQ(f.Selection(c.field), c.after);
    EXPECT_EQ(GetFocus(), field);
  }
}

TEST(TimedDialogInput, EnterStartsAPositiveSpanAndEscAQuitOrTheLogonsEndCancel) {
  struct Case {
    const char* name;
    const char* minutes;
    int focus;
    UINT key;  // 0: a quit reaches the dialog's modal loop
    bool logonEnds, staysOpen, starts;
  };
  const Case cases[] = {
      {"Enter on a zero span", "0", kIdHours, VK_RETURN, false, true, false},
      {"Enter on one minute", "1", kIdHours, VK_RETURN, false, false, true},
      {"Enter on Cancel", "5", kIdCancel, VK_RETURN, false, false, false},
      {"Esc", "5", kIdMinutes, VK_ESCAPE, false, false, false},
      {"quit", "5", kIdHours, 0, false, false, false},
      {"end of the logon", "5", kIdHours, 0, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TimedDialogFixture f;
    ASSERT_TRUE(f.open);
    SetWindowTextA(f.Item(kIdMinutes), c.minutes);
    SendMessageA(f.Item(kIdStartOnExpire), BM_SETCHECK, BST_CHECKED, 0);
    f.FocusOn(c.focus);
    const HWND dialog = f.dialog.hwnd();
    if (c.key) {
      PostKey(f.Item(c.focus), c.key);
      DeliverQueued(dialog);
    } else {
      if (c.logonEnds) {
        f.dialog.EndSession();
        EXPECT_EQ(f.dialog.hwnd(), nullptr) << "still open at the end of the logon";
      }
      // A dialog left open, or a quit kept from the program's own loop, hangs the test.
      PostQuitMessage(3);
      f.dialog.RunModal();
      MSG quit;
      ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
      EXPECT_EQ(quit.wParam, 3u);
    }
    EXPECT_EQ(IsWindow(dialog) != FALSE, c.staysOpen);
    EXPECT_EQ(f.CountdownRuns(), c.starts);
    EXPECT_EQ(f.countdown().DisableMinutes, c.starts ? 1 : 0);
    EXPECT_EQ(f.countdown().StartOnExpire, c.starts);
    EXPECT_EQ(IsWindowEnabled(f.main.form.hwnd()) != FALSE, !c.staysOpen);
  }
}

// The frame `imgAnimClock` shows: the index of the hidden frame with its icon.
int FrameShown(const TimedDialogFixture& f) {
  const LRESULT icon = SendMessageA(f.Item(kIdAnimClock), STM_GETICON, 0, 0);
  for (int k = 0; k < kClockFrameCount; ++k) {
    if (icon != 0 && SendMessageA(f.Item(kIdClock0 + k), STM_GETICON, 0, 0) == icon) return k;
  }
  return -1;
}

// Notes each frame the stopwatch moves to until count frames have been seen.
std::vector<int> WatchClock(const TimedDialogFixture& f, std::size_t count) {
  std::vector<int> frames{FrameShown(f)};
  PumpUntil(
      [&] {
        if (FrameShown(f) != frames.back()) frames.push_back(FrameShown(f));
        return frames.size() >= count;
      },
      10000);
  return frames;
}

TEST(TimedDialogAnimation, FramesRunInOrderRoundTheClockAndGoOnAfterReopening) {
  TimedDialogFixture f;
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
