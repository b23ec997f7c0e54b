#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/mod_registry.h"
#include "fakes.h"

namespace bw {
namespace {

constexpr const char* kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
const std::string kQuotedExe = "\"C:\\Program Files\\Blinkward\\Blinkward.exe\"";

struct SettingsTest : ::testing::Test {
  test::FakePlatform fake;
  Settings settings{fake.registry, fake.system, fake.forms};

  void StoreRunEntry(std::uint32_t type, std::string bytes) {
    fake.registry.keys[kRun]["Blinkward"] = {type, std::move(bytes)};
  }
};

TEST_F(SettingsTest, AnExistingEntryTicksTheBoxAndIsWrittenAfresh) {
  StoreRunEntry(kRegSz, "C:\\old\\Blinkward.exe");
  settings.LoadRunEntryState();
  const test::Log expected = {
      std::string("OPEN 0x80000001 ") + kRun + " 0x1",
      "QUERY 0x100 Blinkward 200",
      "CLOSE 0x100",
      "CHECK 1",
      std::string("CREATE 0x80000001 ") + kRun + " 0x3F",
      "SET 0x101 Blinkward 1 [" + kQuotedExe + '\0' + "]",
      "CLOSE 0x101",
  };
  EXPECT_EQ(fake.log, expected);
  EXPECT_TRUE(fake.registry.open.empty());
}

TEST_F(SettingsTest, TheQueryResultAloneDecidesTheBox) {
  struct Case {
    const char* what;
    long queryResult;
    std::uint32_t type;
    std::string data;
    int box;
    bool rewritten;
  };
  const Case cases[] = {
      {"another type counts as present", 0, 4, std::string(4, '\1'), 1, true},
      {"200 bytes still fit", 0, kRegSz, std::string(199, 'x') + '\0', 1, true},
      {"201 bytes report more data", 0, kRegSz, std::string(200, 'x') + '\0', 0, false},
      {"no entry", 2, 0, "", 0, false},
      {"access denied leaves it", 5, kRegSz, "x", 0, false},
  };
  for (const Case& c : cases) {
    test::FakePlatform local;
    Settings subject{local.registry, local.system, local.forms};
    local.registry.keys[kRun];
    if (c.queryResult == 0) local.registry.keys[kRun]["Blinkward"] = {c.type, c.data};
    if (c.queryResult > 2) local.registry.queryResult = c.queryResult;
    subject.LoadRunEntryState();
    EXPECT_EQ(local.forms.check, c.box) << c.what;
    const bool wrote = std::find_if(local.log.begin(), local.log.end(), [](const std::string& s) {
                         return s.rfind("SET", 0) == 0;
                       }) != local.log.end();
    EXPECT_EQ(wrote, c.rewritten) << c.what;
    EXPECT_EQ(std::count_if(local.log.begin(), local.log.end(),
                            [](const std::string& s) { return s.rfind("DELETE", 0) == 0; }),
              0)
        << c.what;
  }
}

TEST_F(SettingsTest, TickingWritesAndUntickingDeletesAtOnce) {
  fake.forms.check = 1;
  settings.UpdateRunEntry();
  EXPECT_EQ(fake.registry.keys[kRun]["Blinkward"].bytes, kQuotedExe + '\0');
  fake.forms.check = 0;
  fake.log.clear();
  settings.UpdateRunEntry();
  EXPECT_EQ(fake.log, (test::Log{std::string("CREATE 0x80000001 ") + kRun + " 0x3F",
                                 "DELETE 0x101 Blinkward", "CLOSE 0x101"}));
  EXPECT_FALSE(fake.registry.keys[kRun].count("Blinkward"));
}

TEST_F(SettingsTest, AGreyedBoxNeitherWritesNorDeletes) {
  fake.forms.check = 2;
  settings.UpdateRunEntry();
  EXPECT_EQ(fake.log.size(), 2u);  // create, close
}

TEST_F(SettingsTest, NoKeyMeansNoWrite) {
  fake.forms.check = 1;
  fake.registry.createResult = 5;
  settings.UpdateRunEntry();
  EXPECT_EQ(fake.log.size(), 1u);
}

TEST_F(SettingsTest, ClickMethodRoundTrips) {
  for (int index : {-1, 0, 1}) {
    fake.forms.listIndex = index;
    settings.SaveClickMethod();
    fake.forms.listIndex = 42;
    settings.LoadClickMethod();
    EXPECT_EQ(fake.forms.listIndex, index);
  }
  EXPECT_EQ(fake.registry.keys["Software\\Blinkward\\Method"][""].bytes, std::string("1") + '\0');
}

TEST_F(SettingsTest, AbsentOrBadStoredMethodsSelectSingleClick) {
  settings.LoadClickMethod();
  EXPECT_EQ(fake.forms.listIndex, 0) << "absent";
  for (const std::string bad : {"2", "-2", "1x", " 1", "", "abc", "99999999999", "+1"}) {
    fake.registry.keys["Software\\Blinkward\\Method"][""] = {kRegSz, bad + '\0'};
    fake.forms.listIndex = 42;
    settings.LoadClickMethod();
    EXPECT_EQ(fake.forms.listIndex, 0) << '"' << bad << '"';
  }
  fake.registry.keys["Software\\Blinkward\\Method"][""] = {4, std::string("\1\0\0\0", 4)};
  settings.LoadClickMethod();
  EXPECT_EQ(fake.forms.listIndex, 0) << "a number of another type";
}

TEST(ClickMethodText, IsThePlainDecimal) {
  EXPECT_EQ(ClickMethodText(-1), "-1");
  EXPECT_EQ(ClickMethodText(0), "0");
  EXPECT_EQ(ClickMethodText(1), "1");
}

}  // namespace
}  // namespace bw
