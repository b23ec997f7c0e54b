// The start-with-Windows entry follows the settings window's check box at
// once, and a start-up finds it and writes it afresh for the running program.
#include <gtest/gtest.h>

#include "pump.h"
#include "screen_saver.h"
#include "user_fixture.h"

namespace e2e {
namespace {

std::optional<RegistryValue> RunEntry() { return ReadUserValue(kRunKeyPath, kRunValueName); }

// What the entry must hold: the running exe's full path, quoted for the
// spaces a path may have.
std::wstring ExpectedRunEntry() { return L"\"" + BlinkwardExePath() + L"\""; }

void ExpectRunEntryNamesThisExe(const char* when) {
  const std::optional<RegistryValue> entry = RunEntry();
  ASSERT_TRUE(entry) << when << ": no Run entry";
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), entry->type) << when;
  EXPECT_EQ(0, lstrcmpiW(ExpectedRunEntry().c_str(), entry->Text().c_str()))
      << when << ": the entry is \"" << entry->Text() << "\", expected \"" << ExpectedRunEntry()
      << "\"";
}

TEST_F(UserTest, RunEntry_TickingWritesItAndUntickingDeletesIt) {
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kTipMs));
  EXPECT_FALSE(RunEntry()) << "a first start wrote a Run entry";

  ASSERT_TRUE(Choose(MenuChoice::ConfigureProgram));
  const HWND box = WindowsStartBox();
  ASSERT_NE(nullptr, box);
  ASSERT_EQ(BST_UNCHECKED, CheckState(box));

  for (int round = 0; round < 2; ++round) {
    PressButton(box);
    EXPECT_EQ(BST_CHECKED, CheckState(box));
    ExpectRunEntryNamesThisExe("ticked");
    PressButton(box);
    EXPECT_EQ(BST_UNCHECKED, CheckState(box));
    EXPECT_FALSE(RunEntry()) << "unticking left the Run entry";
  }

  // Ticked at the end: "Exit" leaves the entry as it is.
  PressButton(box);
  ASSERT_TRUE(Choose(MenuChoice::Exit));
  ASSERT_TRUE(blinkward_.WaitForExit(kExitMs));
  ExpectRunEntryNamesThisExe("after Exit");
}

// An entry that a start-up finds, and what the start does with it.
struct RunEntryCase {
  const char* name;
  RegistryValue seeded;
  bool counts;  // ticks the box and is rewritten; otherwise both stay as they are
};

void PrintTo(const RunEntryCase& c, std::ostream* os) { *os << c.name; }

class RunEntryAtStart : public UserTest, public ::testing::WithParamInterface<RunEntryCase> {};

TEST_P(RunEntryAtStart, Start_RewritesAnEntryItFinds) {
  const RunEntryCase& c = GetParam();
  ASSERT_TRUE(WriteUserValue(kRunKeyPath, kRunValueName, c.seeded));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  ASSERT_TRUE(WaitForTip(TipFor(ScreenSaverActive()), kTipMs));

  const HWND box = WindowsStartBox();
  ASSERT_NE(nullptr, box);
  if (c.counts) {
    EXPECT_EQ(BST_CHECKED, CheckState(box));
    ExpectRunEntryNamesThisExe("after the start");
  } else {
    EXPECT_EQ(BST_UNCHECKED, CheckState(box));
    const std::optional<RegistryValue> entry = RunEntry();
    ASSERT_TRUE(entry) << "the start deleted the entry";
    EXPECT_EQ(c.seeded.type, entry->type);
    EXPECT_TRUE(c.seeded.data == entry->data) << "the start changed the entry";
  }
}

RegistryValue DwordValue(DWORD number) {
  RegistryValue value;
  value.type = REG_DWORD;
  const auto* bytes = reinterpret_cast<const BYTE*>(&number);
  value.data.assign(bytes, bytes + sizeof number);
  return value;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RunEntryAtStart,
    ::testing::Values(
        // Left by a copy that was moved since: the start names this one.
        RunEntryCase{"Stale", TextValue(L"\"C:\\Old Place\\Blinkward.exe\""), true},
        // Any type counts; it is rewritten as text.
        RunEntryCase{"Dword", DwordValue(1), true},
        // More than the 200 bytes the start asks for: not seen as present.
        RunEntryCase{"TooLong", TextValue(L"C:\\" + std::wstring(250, L'x') + L"\\Blinkward.exe"),
                     false}),
    [](const ::testing::TestParamInfo<RunEntryCase>& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
