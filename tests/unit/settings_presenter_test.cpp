// The settings window's logic: what it shows, stores and offers.
#include "settings/settings_presenter.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

struct SettingsWindowTest : ::testing::Test {
  test::FakePlatform fake;
  Settings settings{fake.registry, fake.system, fake.ui};
  SettingsPresenter window{fake.ui, fake.programs, fake.sound, fake.system, fake.locale, settings};
  // The shortcut's field as last shown, in the program's terms, and the reason beside it.
  std::string Shortcut() const {
    return std::to_string(fake.ui.Shown(kIdHotkey)) + " " + fake.ui.Text(kIdHotkeyStatus);
  }
};

// Ctrl and Alt with B, F9 and, without them, with Shift, in the field's terms.
constexpr int kCtrlAltB = 0x642, kCtrlAltF9 = 0x678, kShiftB = 0x142;

// A change is stored at once, and the window then shows what was stored: for
// a Run key that cannot be written, not what the user clicked.
TEST_F(SettingsWindowTest, SettingsAreStoredAtOnceAndShownAsStored) {
  window.OnChanged(kIdMethod, 1);
  EXPECT_EQ(fake.registry.Value(kSettingRows[SettingRowOf(kIdMethod)].key), "1");
  window.OnChanged(kIdStartWithWindows, 1);
  EXPECT_EQ(fake.ui.Shown(kIdMethod) * 10 + fake.ui.Shown(kIdStartWithWindows), 11);
  EXPECT_EQ(fake.registry.Value(kRunKeyPath, kProgramName),
            "\"C:\\Program Files\\Tools\\Blinkward.exe\"");
  fake.registry.locked.insert(std::string(kRunKeyPath));
  window.OnChanged(kIdStartWithWindows, 0);
  EXPECT_EQ(fake.ui.Shown(kIdStartWithWindows), 1);
  window.OnChanged(kIdTitle, 1);
  EXPECT_EQ(fake.ui.Shown(kIdTitle), -2) << "a label stored as a setting";
}

// Add offers the running programs, each once and not those listed, then
// Browse; the list is stored at once, at most 32, and shown.
TEST_F(SettingsWindowTest, TheListIsChosenFromRunningProgramsOrBrowsedAndStoredAtOnce) {
  fake.registry.lists[test::FakeRegistry::Name(kProgramsKey, "")] = {"vlc.exe"};
  settings.Load();
  for (const char* file : {"vlc.exe", "R&D.exe", "R&D.exe", "Explorer.EXE",
                           "ApplicationFrameHost.exe", "blinkward.exe"}) {
    fake.programs.Start(file);
  }
  fake.ui.popupChoice = 1;
  window.OnButton(kIdAddProgram);
  EXPECT_EQ(fake.ui.controlMenu,
            (std::vector<std::string>{"Window of R&&D.exe (R&&D.exe)", "-", "Browse..."}));
  fake.ui.popupChoice = 33;
  fake.ui.browsed = "D:\\Tools\\BLINKWARD.EXE";
  window.OnButton(kIdAddProgram);
  EXPECT_EQ(fake.ui.messages,
            std::vector<std::string>{
                "Blinkward runs all the time: listed, it would keep the screen saver off for good. "
                "Choose the program that should keep it off while it runs."});
  fake.ui.popupChoice = 33;
  fake.ui.browsed = "C:\\Program Files\\OBS\\obs64.exe";
  window.OnButton(kIdAddProgram);
  const std::vector<std::string> listed{"vlc.exe", "R&D.exe", "obs64.exe"};
  EXPECT_EQ(fake.registry.lists[test::FakeRegistry::Name(kProgramsKey, "")], listed);
  EXPECT_EQ(fake.ui.settings.programs, listed);
  EXPECT_EQ(fake.ui.Shown(kIdRemoveProgram), 1);
  for (int i = 0; i < 40; ++i) {
    fake.ui.browsed = "p" + std::to_string(i) + ".exe";
    window.OnButton(kIdAddProgram);
  }
  EXPECT_EQ(fake.ui.settings.programs.size(), 32u);
  EXPECT_EQ(fake.ui.Shown(kIdAddProgram), 0);
  fake.ui.popupChoice = 0;
  window.OnChanged(kIdPrograms, 31);
  window.OnButton(kIdRemoveProgram);
  EXPECT_EQ(fake.ui.Shown(kIdPrograms), 30);
  EXPECT_EQ(fake.ui.Shown(kIdAddProgram), 1);
}

// A stored value that is not exactly working hours counts as the defaults,
// which hold none, and stays until the hours change; each change stores them
// whole at once. The days show from the first day of the user's week; a time
// that is no time of day stores nothing.
TEST_F(SettingsWindowTest, WorkingHoursShowFromTheFirstDayAndAreStoredWhole) {
  fake.registry.values[test::FakeRegistry::Name(kWorkingHoursKey, "")] = "1;1111100;09:00;24:00";
  settings.Load();
  fake.locale.firstDay = 6;
  window.Show();
  EXPECT_EQ(fake.registry.Value(kWorkingHoursKey), "1;1111100;09:00;24:00");
  EXPECT_EQ(fake.ui.Shown(kIdWorkingHours), 0);
  EXPECT_EQ(fake.ui.Text(kIdFirstDay) + fake.ui.Text(kIdFirstDay + 6), "SunSat");
  EXPECT_EQ(fake.ui.Shown(kIdFirstDay), 0);
  EXPECT_EQ(fake.ui.Shown(kIdFirstDay + 1), 1);
  window.OnChanged(kIdFirstDay, 1);
  window.OnChanged(kIdFirstDay + 6, 1);
  window.OnChanged(kIdFrom, 22 * 60);
  window.OnChanged(kIdTo, 24 * 60);
  window.OnChanged(kIdWorkingHours, 1);
  EXPECT_EQ(fake.registry.Value(kWorkingHoursKey), "1;1111111;22:00;17:00");
  EXPECT_EQ(fake.ui.Shown(kIdFrom), 22 * 60);
}

// A shortcut is taken and stored at once; one another program holds, or one
// without Ctrl, Alt or Win, is refused with the reason beside it, nothing
// stored and the one held kept, which can be chosen again. Modifiers alone
// are the user still typing.
// Cleared, the shortcut is let go and its value removed.
TEST_F(SettingsWindowTest, AShortcutIsTakenAndStoredOnlyWhenFree) {
  fake.ui.taken = {kCtrlAltF9};
  window.Show();
  window.OnChanged(kIdHotkey, kCtrlAltB);
  EXPECT_EQ(fake.registry.Value(kHotkeyKey), "Ctrl+Alt+B");
  EXPECT_EQ(Shortcut(), "1602 ");
  window.OnChanged(kIdHotkey, kCtrlAltF9);
  EXPECT_EQ(Shortcut(), "1656 in use by another program");
  window.OnChanged(kIdHotkey, 0x200);
  EXPECT_EQ(Shortcut(), "1656 in use by another program");
  window.OnChanged(kIdHotkey, kShiftB);
  EXPECT_EQ(Shortcut(), "322 needs Ctrl, Alt or Win");
  EXPECT_EQ(fake.registry.Value(kHotkeyKey), "Ctrl+Alt+B");
  EXPECT_EQ(fake.ui.held, (Hotkey{kModCtrl | kModAlt, 'B'}));
  window.OnChanged(kIdHotkey, kCtrlAltB);  // back to the one held
  EXPECT_EQ(Shortcut(), "1602 ");
  window.OnChanged(kIdHotkey, 0);
  EXPECT_EQ(Shortcut(), "0 ");
  EXPECT_EQ(fake.registry.Value(kHotkeyKey), "<absent>");
  EXPECT_EQ(fake.ui.held, Hotkey{});
}

// At start-up the stored shortcut is taken; held by another program it stays
// stored and the window says so; a value that is no shortcut takes nothing
// and is left as it is.
TEST_F(SettingsWindowTest, AStoredShortcutIsTakenAtStartOrKeptWhenInUse) {
  const std::string stored = test::FakeRegistry::Name(kHotkeyKey, "");
  const struct {
    const char* text;
    const char* seen;  // held, shown in the field, the reason
  } rows[] = {{"alt+win+f5", "3188 3188 "},
              {"Ctrl+Alt+F9", "0 1656 in use by another program"},
              {"Ctrl+Alt+", "0 0 "}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    test::FakePlatform other;
    other.ui.taken = {kCtrlAltF9};
    other.registry.values[stored] = row.text;
    Settings loaded(other.registry, other.system, other.ui);
    loaded.Load();
    SettingsPresenter shown(other.ui, other.programs, other.sound, other.system, other.locale,
                            loaded);
    shown.Show();
    EXPECT_EQ(other.registry.values[stored], row.text);
    EXPECT_EQ(std::to_string(ControlValueOf(other.ui.held)) + " " +
                  std::to_string(other.ui.Shown(kIdHotkey)) + " " + other.ui.Text(kIdHotkeyStatus),
              row.seen);
  }
}

}  // namespace
}  // namespace bw
