// The settings as stored: what a stored value reads as, and the Run entry.
#include "settings/settings.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

// A list's stored choice is a whole index (as a number reads) or -1; anything
// else is the first item. A flag is on for "1" alone. Nothing stored is the
// default.
TEST(Settings, StoredValuesReadAsTheirControlsShowThem) {
  const struct {
    int control;
    const char* key;
    const char* stored;  // null: nothing
    int shown;
  } rows[] = {{kIdMethod, "Method", "1", 1},
              {kIdMethod, "Method", "-1", -1},
              {kIdMethod, "Method", "", 0},
              {kIdMethod, "Method", "2", 0},
              {kIdMethod, "Method", "-2", 0},
              {kIdMethod, "Method", "1x", 0},
              {kIdKeepDisplayOn, "KeepDisplayOn", "1", 1},
              {kIdKeepDisplayOn, "KeepDisplayOn", "01", 0},
              {kIdKeepDisplayOn, "KeepDisplayOn", nullptr, 0},
              {kIdFullScreen, "FullScreen", "1", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.key << " " << (row.stored ? row.stored : "none"));
    test::FakePlatform fake;
    if (row.stored)
      fake.registry.values[std::string("Software\\Blinkward\\") + row.key + "|"] = row.stored;
    Settings settings(fake.registry, fake.system, fake.ui);
    settings.Load();
    for (const ControlValue& shown : settings.View()) {
      if (shown.id == row.control) EXPECT_EQ(shown.value, row.shown);
    }
  }
}

// Start-up rewrites an entry that exists, whatever it held (a long path,
// another copy's place), with this copy's path, quoted so that a path with
// spaces starts nothing else; it writes nothing when there is none, or when
// the key cannot be read.
TEST(Settings, LoadRewritesAnExistingRunEntryOnly) {
  const std::string kEntry = "\"C:\\Program Files\\Tools\\Blinkward.exe\"";
  for (const char* held : {"C:\\old\\Blinkward.exe", "", static_cast<const char*>(nullptr)}) {
    for (bool unreadable : {false, true}) {
      test::FakePlatform fake;
      const std::string name = std::string(kRunKeyPath) + "|" + kProgramName;
      const std::string before = held ? held + std::string(300, 'x') : "<absent>";
      if (held) fake.registry.values[name] = before;
      if (unreadable) fake.registry.unreadable.insert(std::string(kRunKeyPath));
      Settings settings(fake.registry, fake.system, fake.ui);
      settings.Load();
      const bool rewrites = held && !unreadable;
      EXPECT_EQ(fake.registry.Value(kRunKeyPath, kProgramName), rewrites ? kEntry : before);
      EXPECT_EQ(settings.View().front().value, rewrites);
    }
  }
}

// Whenever the shortcut shows as taken the system holds it, so that pressing
// it switches: a stored one with Win as its only modifier at start, and one
// cleared and then chosen again.
TEST(Settings, TheSystemHoldsTheShortcutWheneverItIsTaken) {
  const Hotkey kWinF1{kModWin, 0x70};
  test::FakePlatform fake;
  fake.registry.values[std::string(kHotkeyKey) + "|"] = "Win+F1";
  Settings settings(fake.registry, fake.system, fake.ui);
  settings.Load();
  EXPECT_EQ(fake.ui.held, kWinF1);
  EXPECT_STREQ(settings.shortcut().status(), "");
  settings.shortcut().Choose(0);
  EXPECT_EQ(fake.ui.held, Hotkey{});
  settings.shortcut().Choose(0x870);  // Win+F1 in the field's terms
  EXPECT_EQ(fake.ui.held, kWinF1) << "cleared, then chosen again";
  EXPECT_EQ(fake.registry.Value(kHotkeyKey), "Win+F1");
}

// A stored list of the wrong type, with paths, empty strings, repeats or too
// many entries: the usable ones count, and nothing is rewritten.
TEST(Settings, AHostileStoredListIsReadAsFarAsItIsUsable) {
  std::vector<std::string> stored{
      "",        "C:\\x\\obs64.exe", "a/b.exe",    "vlc.exe",
      "VLC.EXE", "bad|name.exe",     "trailing. ", std::string(300, 'x')};
  for (int i = 0; i < 40; ++i) stored.push_back("p" + std::to_string(i) + ".exe");
  std::vector<std::string> usable{"vlc.exe"};
  for (int i = 0; i < 31; ++i) usable.push_back("p" + std::to_string(i) + ".exe");
  for (bool asList : {true, false}) {
    test::FakePlatform fake;
    const std::string value = "Software\\Blinkward\\Programs|";
    if (asList) fake.registry.lists[value] = stored;
    if (!asList) fake.registry.values[value] = "obs64.exe";
    Settings settings(fake.registry, fake.system, fake.ui);
    settings.Load();
    EXPECT_EQ(settings.programs(), asList ? usable : std::vector<std::string>{});
    EXPECT_EQ(fake.registry.lists[value], asList ? stored : std::vector<std::string>{});
    EXPECT_EQ(fake.registry.Value("Software\\Blinkward\\Programs"),
              asList ? "<absent>" : "obs64.exe");
  }
}

}  // namespace
}  // namespace bw
