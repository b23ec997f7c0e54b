// The shortcut against the system: taken, refused and let go as Windows
// decides, pressed through the keyboard's input queue, and typed into the
// settings window's field.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

void Keys(std::initializer_list<std::pair<WORD, bool>> keys) { e2e::SendKeys(keys, 20); }

// Another program's shortcut is refused and the one held kept, as is the one
// held itself; a new one takes the old one's place, which another program can
// then take; let go, it is another program's to take, or the program's again.
TEST(Hotkey, IsTakenOnlyWhenFreeAndLetGoWhenReplacedOrCleared) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  const HWND other =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(RegisterHotKey(other, 7, MOD_CONTROL | MOD_ALT, VK_F9));
  EXPECT_FALSE(w.main.RegisterHotkey({kModCtrl | kModAlt, VK_F9}));
  EXPECT_TRUE(w.main.RegisterHotkey({kModCtrl | kModAlt, VK_F10}));
  EXPECT_FALSE(w.main.RegisterHotkey({kModCtrl | kModAlt, VK_F10})) << "the one held, again";
  EXPECT_FALSE(w.main.RegisterHotkey({kModCtrl | kModAlt, VK_F9}));
  EXPECT_FALSE(RegisterHotKey(other, 8, MOD_CONTROL | MOD_ALT, VK_F10)) << "F10 was let go";
  EXPECT_TRUE(w.main.RegisterHotkey({kModCtrl | kModShift, VK_F11}));
  EXPECT_TRUE(RegisterHotKey(other, 8, MOD_CONTROL | MOD_ALT, VK_F10)) << "F10 is still held";
  w.main.UnregisterHotkey();
  EXPECT_TRUE(RegisterHotKey(other, 9, MOD_CONTROL | MOD_SHIFT, VK_F11)) << "F11 is still held";
  UnregisterHotKey(other, 9);
  EXPECT_TRUE(w.main.RegisterHotkey({kModCtrl | kModShift, VK_F11})) << "let go, then again";
  EXPECT_FALSE(RegisterHotKey(other, 9, MOD_CONTROL | MOD_SHIFT, VK_F11));
  w.main.UnregisterHotkey();
  DestroyWindow(other);
}

// The press comes as an event; Wine, like Windows before 7, sends it again
// for each repeat of a key held down, which is told as a repeat until the key
// is let go. The shortcut's own modifiers only.
TEST(Hotkey, APressIsReportedAndItsRepeatsTillTheKeyIsLetGo) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  ASSERT_TRUE(w.main.RegisterHotkey({kModCtrl | kModAlt, 'J'}));
  Keys({{VK_CONTROL, true}, {VK_MENU, true}, {'J', true}, {'J', true}, {'J', true}});
  Keys({{'J', false}});
  PumpFor(100);
  Keys({{'J', true}, {'J', false}, {VK_MENU, false}, {VK_CONTROL, false}});
  Keys({{VK_SHIFT, true}, {'J', true}, {'J', false}, {VK_SHIFT, false}});
  PumpFor(100);
  std::vector<std::string> reports;
  for (const std::string& call : events.calls) {
    if (call.rfind("Hotkey", 0) == 0) reports.push_back(call);
  }
  const std::vector<std::string> repeated{"Hotkey 0", "Hotkey 1", "Hotkey 1", "Hotkey 0"};
  const std::vector<std::string> once{"Hotkey 0", "Hotkey 0"};  // Windows 7 on
  EXPECT_TRUE(reports == repeated || reports == once) << testing::PrintToString(reports);
  w.main.UnregisterHotkey();
}

// The field shows the shortcut it is handed and the reason beside it, an
// extended key as one and without the Win key it cannot show, and reports
// what the user types in the program's terms, Alt and Shift included, an
// extended key without Win.
TEST(SettingsWindow, TheShortcutFieldShowsAndReportsTheProgramsValue) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  w.window.Show({kTitle,
                 {{kIdHotkey, ControlValueOf({kModWin | kModCtrl, VK_F1})}},
                 {},
                 {{kIdHotkeyStatus, "in use by another program"}}});
  const HWND field = w.Item(kIdHotkey);
  EXPECT_EQ(SendMessageA(field, HKM_GETHOTKEY, 0, 0), MAKEWORD(VK_F1, HOTKEYF_CONTROL));
  EXPECT_EQ(TextOf(w.Item(kIdHotkeyStatus)), "in use by another program");
  w.window.Update(
      {kTitle, {{kIdHotkey, ControlValueOf({kModCtrl | kModShift, VK_INSERT})}}, {}, {}});
  EXPECT_EQ(SendMessageA(field, HKM_GETHOTKEY, 0, 0),
            MAKEWORD(VK_INSERT, HOTKEYF_CONTROL | HOTKEYF_SHIFT | HOTKEYF_EXT));
  PumpFor(50);
  EXPECT_EQ(events.calls, std::vector<std::string>{}) << "the program's own value came back";
  // Windows' field marks an extended key typed so (Wine's never does), and
  // tells its window of the change.
  SendMessageA(w.window.hwnd(), WM_COMMAND, MAKEWPARAM(kIdHotkey, EN_CHANGE),
               reinterpret_cast<LPARAM>(field));
  EXPECT_EQ(events.calls, std::vector<std::string>{"Setting 125 813"}) << "Ctrl+Shift+Insert";
  SetForegroundWindow(w.window.hwnd());
  SetFocus(field);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == field; }));
  Keys({{VK_MENU, true},
        {VK_SHIFT, true},
        {VK_F5, true},
        {VK_F5, false},
        {VK_SHIFT, false},
        {VK_MENU, false}});
  PumpFor(100);
  ASSERT_FALSE(events.calls.empty()) << "the field reported nothing";
  // Alt and Shift (1 | 4) over F5 (0x74).
  EXPECT_EQ(events.calls.back(), "Setting 125 1396");
}

}  // namespace
}  // namespace bw::win32::test
