// The shortcut as stored: its text and what a stored text reads as.
#include "settings/hotkey_text.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

// Modifiers in one order, letters in capitals, F1 to F24 by name, any other
// key by its code.
TEST(HotkeyText, NamesTheModifiersThenTheKey) {
  const struct {
    Hotkey hotkey;
    const char* text;
  } rows[] = {{{kModCtrl | kModAlt, 'B'}, "Ctrl+Alt+B"},
              {{kModWin | kModShift | kModAlt | kModCtrl, 0x87}, "Ctrl+Alt+Shift+Win+F24"},
              {{kModWin, 0x70}, "Win+F1"},
              {{kModAlt, '7'}, "Alt+7"},
              {{kModCtrl, 0x6B}, "Ctrl+#107"},
              {{kModCtrl, 0x88}, "Ctrl+#136"},
              {{kModAlt, 0x2F}, "Alt+#47"},
              {{kModAlt, 0x5B}, "Alt+#91"}};
  for (const auto& row : rows) EXPECT_EQ(HotkeyText(row.hotkey), row.text);
}

// Any case, but only as written: modifiers out of order, a key by its code
// that has a name, an unknown modifier, a missing key, a function key past
// F24 read as none.
TEST(HotkeyText, ReadsWhatItWritesInAnyCaseAndNothingElse) {
  const struct {
    const char* text;
    Hotkey hotkey;  // key 0: none
  } rows[] = {{"Ctrl+Alt+B", {kModCtrl | kModAlt, 'B'}},
              {"shift+WIN+f12", {kModShift | kModWin, 0x7B}},
              {"Ctrl+Alt+9", {kModCtrl | kModAlt, '9'}},
              {"Alt+Ctrl+9", {}},
              {"Ctrl+#107", {kModCtrl, 0x6B}},
              {"Win+#65", {}},
              {"Ctrl+F", {kModCtrl, 'F'}},
              {"B", {0, 'B'}},
              {"", {}},
              {"Ctrl+", {}},
              {"Ctrl+Alt", {}},
              {"Hyper+B", {}},
              {"Ctrl++B", {}},
              {"Ctrl+BB", {}},
              {"Ctrl+F0", {}},
              {"Ctrl+F25", {}},
              {"Ctrl+#", {}},
              {"Ctrl+#0", {}},
              {"Ctrl+#-1", {}},
              {"Ctrl+ B", {}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseHotkey(row.text), row.hotkey);
  }
}

}  // namespace
}  // namespace bw
