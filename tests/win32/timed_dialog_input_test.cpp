// The timed-disable dialog driven with real key and mouse messages, through
// the program's own message loop and the dialog manager.
#include <gtest/gtest.h>

#include "timed/span_note.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

using Selection = std::pair<int, int>;

Selection SelectionOf(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

// Moves the focus as Tab would, through the dialog manager.
void FocusOn(HWND field) {
  SendMessageA(GetParent(field), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
}

// Queues a key press for the window, as the keyboard would.
void PostKey(HWND target, UINT key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
  PostMessageA(target, WM_KEYDOWN, key, scan | 1);
  PostMessageA(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

TEST(TimedDialogInput, KeysTypeDigitsOnlyAndUpDownStepWithTheNumberSelected) {
  Windows f;
  ASSERT_TRUE(f.created);
  WhileDialogOpen(f, [&] {
    EXPECT_EQ(GetFocus(), f.DialogItem(kIdHours));
    EXPECT_EQ(SelectionOf(f.DialogItem(kIdHours)), Selection(0, 1));
    const std::vector<UINT> kDiscarded = {
        'A', 'Z', VK_SPACE, VK_OEM_MINUS, VK_SUBTRACT, VK_OEM_PERIOD, VK_HOME, VK_LEFT, VK_F2};
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
        {kIdMinutes, "59", {1, 1}, {VK_UP}, "0", {0, 1}},
        {kIdMinutes, "0", {1, 1}, {VK_DOWN}, "59", {0, 2}},
        // A click on an arrow also hands the focus to the field.
        {kIdHours, "15", {}, {kClickUp}, "15", {0, 2}},
        {kIdMinutes, "0", {}, {kClickDown}, "59", {0, 2}},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.field << " from " << c.from << " key " << c.keys[0]);
      const HWND field = f.DialogItem(c.field),
                 upDown = f.DialogItem(c.field + 1);  // each up-down follows
      SetWindowTextA(field, c.from);
      if (c.keys[0] == kClickUp || c.keys[0] == kClickDown) {
        FocusOn(f.DialogItem(kIdCancel));
        const LPARAM arrow = MAKELPARAM(8, c.keys[0] == kClickUp ? 4 : 15);  // half of 17 x 19
        SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, arrow);
        SendMessageA(upDown, WM_LBUTTONUP, 0, arrow);
      } else {
        FocusOn(field);
        SendMessageA(field, EM_SETSEL, c.before.first, c.before.second);
        for (UINT key : c.keys) PostKey(field, key);
      }
      RunDialogLoop(f.dialog.hwnd());
      EXPECT_EQ(TextOf(field), c.text);
      EXPECT_EQ(SelectionOf(field), c.after);
      EXPECT_EQ(GetFocus(), field);
    }
    // Characters that come without a key the filter saw (Alt and the numeric
    // keypad, an input method) are held to digits too.
    const HWND hours = f.DialogItem(kIdHours);
    SetWindowTextA(hours, "");
    FocusOn(hours);
    for (WPARAM c : {WPARAM{'A'}, WPARAM{'4'}, WPARAM{'-'}}) PostMessageA(hours, WM_CHAR, c, 0);
    PostMessageA(hours, WM_IME_CHAR, 'x', 0);
    RunDialogLoop(f.dialog.hwnd());
    EXPECT_EQ(TextOf(hours), "4");
    SendMessageA(f.dialog.hwnd(), WM_CLOSE, 0, 0);
  });
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
    Windows f;
    ASSERT_TRUE(f.created);
    HWND dialog = nullptr;
    WhileDialogOpen(f, [&] {
      dialog = f.dialog.hwnd();
      SetWindowTextA(f.DialogItem(kIdMinutes), c.minutes);
      SendMessageA(f.DialogItem(kIdStartWhenDone), BM_SETCHECK, BST_CHECKED, 0);
      FocusOn(f.DialogItem(c.focus));
      if (c.key) {
        PostKey(f.DialogItem(c.focus), c.key);
        RunDialogLoop(dialog);
        EXPECT_EQ(IsWindow(dialog) != FALSE, c.staysOpen);
        if (c.staysOpen) {
          EXPECT_FALSE(IsWindowEnabled(f.window.hwnd()));
          SendMessageA(dialog, WM_CLOSE, 0, 0);
        }
        return;
      }
      if (c.logonEnds) {
        f.app.OnEndSession();
        EXPECT_EQ(f.dialog.hwnd(), nullptr) << "still open at the end of the logon";
      }
      // The dialog's own loop must close it and keep the quit for the program's.
      PostQuitMessage(3);
    });
    if (!c.key) {
      MSG quit;
      ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
      EXPECT_EQ(quit.wParam, 3u);
    }
    EXPECT_FALSE(IsWindow(dialog));
    // At the end of the logon the main window is gone too.
    EXPECT_EQ(IsWindowEnabled(f.window.hwnd()) != FALSE, !c.logonEnds);
    // A span begun is noted for a later copy, with the choice to start at its
    // end.
    const StoredString noted =
        f.registry.ReadString(SpanNote::KeyOf(f.system.Logon().own), "StartWhenDone");
    EXPECT_EQ(noted.state == StoredString::State::Present && noted.text == "1", c.starts);
  }
}

// Down and Up move between the two ways and choose the one they reach, round
// the group and never into the time after it; Tab goes on to the time.
TEST(TimedDialogInput, ArrowsChooseBetweenTheWaysAndTabGoesOnToTheTime) {
  RecordingEvents events;
  Windows f(&events);
  ASSERT_TRUE(f.created);
  WhileDialogOpen(f, [&] {
    const HWND dialog = f.dialog.hwnd(), forWay = f.DialogItem(kIdFor),
               until = f.DialogItem(kIdUntil);
    FocusOn(forWay);
    const struct {
      UINT key;
      HWND focus;
      int checked;
    } steps[] = {{VK_DOWN, until, kIdUntil},
                 {VK_DOWN, forWay, kIdFor},
                 {VK_UP, until, kIdUntil},
                 {VK_TAB, f.DialogItem(kIdUntilTime), kIdUntil}};
    for (const auto& step : steps) {
      SCOPED_TRACE(testing::Message() << "key " << step.key);
      PostKey(GetFocus(), step.key);
      RunDialogLoop(dialog);
      EXPECT_EQ(GetFocus(), step.focus);
      EXPECT_TRUE(IsDlgButtonChecked(dialog, step.checked));
    }
    f.dialog.Close();
  });
  EXPECT_EQ(events.calls, (std::vector<std::string>{"DialogShown", "Way 1", "Way 0", "Way 1"}));
}

}  // namespace
}  // namespace bw::win32::test
