#include "app/settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "app/mod_registry.h"
#include "fakes.h"

namespace bw {
namespace {

using test::Log;
using Value = test::FakeRegistry::Value;

const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
const std::string kMethod = "Software\\Blinkward\\Method";
const std::string kQuotedExe = "\"C:\\Program Files\\Blinkward\\Blinkward.exe\"";

struct SettingsTest : ::testing::Test {
  test::FakePlatform fake;
  Settings settings{fake.registry, fake.system, fake.forms};
};

// The query alone decides: 0 ticks the box and writes the entry afresh, 2 leaves
// it unticked, 234 (data over 200 bytes) and any other result leave it as it is.
TEST(RunEntry, LoadMakesTheExactCallsForEachQueryResult) {
  const Log read = {"OPEN 0x80000001 " + kRun + " 0x1", "QUERY 0x100 Blinkward 200", "CLOSE 0x100"};
  const Log rewrite = {"CHECK 1", "CREATE 0x80000001 " + kRun + " 0x3F",
                       "SET 0x101 Blinkward 1 [" + kQuotedExe + '\0' + "]", "CLOSE 0x101"};
  const struct {
    const char* what;
    std::optional<Value> stored;
    long queryResult;
    bool present;
  } cases[] = {
      {"0: an old entry", Value{kRegSz, "C:\\old\\Blinkward.exe"}, 0, true},
      {"0: another type counts", Value{4, std::string(4, '\1')}, 0, true},
      {"0: 200 bytes fit", Value{kRegSz, std::string(199, 'x') + '\0'}, 0, true},
      {"234: 201 bytes", Value{kRegSz, std::string(200, 'x') + '\0'}, 0, false},
      {"2: no entry", std::nullopt, 0, false},
      {"5: access denied", Value{kRegSz, "x"}, 5, false},
  };
  for (const auto& c : cases) {
    test::FakePlatform fake;
    fake.registry.keys[kRun];
    if (c.stored) fake.registry.keys[kRun]["Blinkward"] = *c.stored;
    fake.registry.queryResult = c.queryResult;
    Settings{fake.registry, fake.system, fake.forms}.LoadRunEntryState();
    Log expected = read;
    if (c.present) expected.insert(expected.end(), rewrite.begin(), rewrite.end());
    EXPECT_EQ(fake.log, expected) << c.what;
    EXPECT_TRUE(fake.registry.open.empty()) << c.what;
  }
}

// Ticked writes the quoted path, unticked deletes, greyed does neither; no key, nothing.
TEST_F(SettingsTest, UpdateMakesTheExactCallsForTheBox) {
  const std::string create = "CREATE 0x80000001 " + kRun + " 0x3F";
  const struct {
    int check;
    long createResult;
    Log expected;
  } cases[] = {
      {1, 0, {create, "SET 0x100 Blinkward 1 [" + kQuotedExe + '\0' + "]", "CLOSE 0x100"}},
      {0, 0, {create, "DELETE 0x101 Blinkward", "CLOSE 0x101"}},
      {2, 0, {create, "CLOSE 0x102"}},
      {1, 5, {create}},
  };
  for (const auto& c : cases) {
    fake.log.clear();
    fake.forms.check = c.check;
    fake.registry.createResult = c.createResult;
    settings.UpdateRunEntry();
    EXPECT_EQ(fake.log, c.expected) << c.check << " " << c.createResult;
  }
  EXPECT_FALSE(fake.registry.keys[kRun].count("Blinkward"));
}

// -1, 0 and 1 are stored as text and read back; absent or anything else reads as 0.
TEST_F(SettingsTest, ClickMethodRoundTripsAndOtherValuesSelectSingleClick) {
  settings.LoadClickMethod();
  EXPECT_EQ(fake.forms.listIndex, 0) << "absent";
  for (int index : {-1, 0, 1}) {
    fake.forms.listIndex = index;
    settings.SaveClickMethod();
    fake.forms.listIndex = 42;
    settings.LoadClickMethod();
    EXPECT_EQ(fake.forms.listIndex, index);
  }
  EXPECT_EQ(fake.registry.keys[kMethod][""].bytes, std::string("1") + '\0');
  for (const std::string bad : {"2", "-2", "1x", " 1", "", "abc", "99999999999", "+1"}) {
    fake.registry.keys[kMethod][""] = {kRegSz, bad + '\0'};
    fake.forms.listIndex = 42;
    settings.LoadClickMethod();
    EXPECT_EQ(fake.forms.listIndex, 0) << '"' << bad << '"';
  }
  fake.registry.keys[kMethod][""] = {4, std::string("\1\0\0\0", 4)};
  settings.LoadClickMethod();
  EXPECT_EQ(fake.forms.listIndex, 0) << "a number of another type";
}

}  // namespace
}  // namespace bw
