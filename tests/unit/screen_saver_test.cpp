// The screen saver's configuration and selection commands.
#include "screensaver/screen_saver.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using test::Log;

const std::string kSaver = "Control Panel\\Desktop\\|SCRNSAVE.EXE";

// The stored path is quoted and started in the system folder; a bare or
// relative name is the system folder's; a 32-bit program on 64-bit Windows
// finds a screen saver missing from its redirected folder in the real one.
TEST(ScreenSaver, ConfigurationFindsTheFileAsTheSystemWould) {
  const struct {
    const char* stored;
    const char* native;
    const char* exists;
    const char* launched;  // null: nothing
  } rows[] = {
      {"C:\\Savers\\a b.scr", "", "", "\"C:\\Savers\\a b.scr\" c"},
      {"ssText3d.scr", "", "", "\"C:\\Windows\\system32\\ssText3d.scr\" c"},
      {"sub\\x.scr", "", "", "\"C:\\Windows\\system32\\sub\\x.scr\" c"},
      {"C:\\WINDOWS\\System32\\y.scr", "C:\\Windows\\Sysnative", "",
       "\"C:\\Windows\\Sysnative\\y.scr\" c"},
      {"y.scr", "C:\\Windows\\Sysnative", "C:\\Windows\\system32\\y.scr",
       "\"C:\\Windows\\system32\\y.scr\" c"},
      {"C:\\Savers\\z.scr", "C:\\Windows\\Sysnative", "", "\"C:\\Savers\\z.scr\" c"},
      {"", "", "", nullptr},
      {nullptr, "", "", nullptr},
  };
  for (const auto& row : rows) {
    test::FakePlatform fake;
    if (row.stored) fake.registry.values[kSaver] = row.stored;
    fake.system.native = row.native;
    fake.system.files.insert(row.exists);
    ScreenSaver(fake.system, fake.registry).OpenScreenSaverConfiguration();
    const Log expected =
        row.launched ? Log{"LAUNCH [" + std::string(row.launched) + "] in [C:\\Windows\\system32]"}
                     : Log{};
    EXPECT_EQ(fake.log, expected) << (row.stored ? row.stored : "(none)");
  }
}

// rundll32 from the system folder, never from the search path.
TEST(ScreenSaver, SelectionRunsTheSystemsRundll32) {
  EXPECT_EQ(SelectionCommandLine("D:\\WinNT\\system32"),
            "\"D:\\WinNT\\system32\\rundll32.exe\" shell32.dll,Control_RunDLL desk.cpl,,1");
}

}  // namespace
}  // namespace bw
