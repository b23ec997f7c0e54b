// The two settings that outlive a run.
#include "app/settings.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace bw {
namespace {

using test::Log;

const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\|Blinkward";
const std::string kMethod = "Software\\Blinkward\\Method|";

TEST(Settings, ClickMethodReadsOnlyWholeIndexes) {
  const struct {
    const char* stored;
    int method;
  } rows[] = {{"0", 0},  {"1", 1},  {"-1", -1}, {"", 0},   {"2", 0},          {"-2", 0},
              {"1x", 0}, {" 1", 0}, {"+1", 0},  {"01", 1}, {"99999999999", 0}};
  for (const auto& row : rows) EXPECT_EQ(ParseClickMethod(row.stored), row.method) << row.stored;
}

// Start-up rewrites an entry that exists, whatever it held (a long path, another
// type, another copy's place), with the quoted path of this copy; it writes
// nothing when there is none, or when the key cannot be read.
TEST(Settings, LoadRewritesAnExistingRunEntryOnly) {
  const std::string quoted = "\"C:\\Program Files\\Blinkward\\Blinkward.exe\"";
  for (const char* held : {"C:\\old\\Blinkward.exe", "", static_cast<const char*>(nullptr)}) {
    for (bool unreadable : {false, true}) {
      test::FakePlatform fake;
      if (held) fake.registry.values[kRun] = held + std::string(300, 'x');
      if (unreadable)
        fake.registry.unreadable.insert("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\");
      fake.registry.values[kMethod] = "-1";
      Settings settings(fake.registry, fake.system);
      settings.Load();
      const bool rewrites = held && !unreadable;
      EXPECT_EQ(fake.log, rewrites ? Log{"WRITE " + kRun + " [" + quoted + "]"} : Log{});
      EXPECT_EQ(settings.startWithWindows(), rewrites);
      EXPECT_EQ(settings.clickMethod(), -1);
    }
  }
}

}  // namespace
}  // namespace bw
