// The tray record and the status poller that keeps it in step with the system.
#include <gtest/gtest.h>

#include <string>

#include "fakes.h"
#include "tray/status_poller.h"

namespace bw {
namespace {

using test::Log;

const std::string kNul(1, '\0');

// Written one after another into the same field, so a shorter tip also
// overwrites a longer one.
TEST(TipField, HoldsTheTextOneNulAndSpacesToTheEnd) {
  const std::string a63(63, 'a');
  const struct {
    std::string text, field;
  } cases[] = {
      {"Screen Saver is ENABLED", "Screen Saver is ENABLED" + kNul + std::string(40, ' ')},
      {a63, a63 + kNul},          // 63 characters stay whole, the NUL last
      {a63 + "bcd", a63 + kNul},  // longer texts are cut at 63
      {std::string(200, 'z'), std::string(63, 'z') + kNul},
      {"Blinkward", "Blinkward" + kNul + std::string(54, ' ')},
  };
  std::array<char, kTipFieldSize> field;
  field.fill('x');
  for (const auto& c : cases) {
    WriteTipField(field, c.text);
    EXPECT_EQ(std::string(field.data(), field.size()), c.field) << c.text;
    EXPECT_EQ(TipFieldText(field), c.text.substr(0, 63));
  }
}

TEST(TrayRecord, EncodesThe32BitLayoutByteForByte) {
  TrayIconData record{88, 0x00012345, 1, 7, 512, 0xCAFE0042, {}};
  WriteTipField(record.szTip, "Blinkward");
  const std::string head = {88, 0, 0, 0, 0x45, 0x23, 0x01, 0, 1,    0, 0,      0,
                            7,  0, 0, 0, 0,    2,    0,    0, 0x42, 0, '\xFE', '\xCA'};
  const std::string expected = head + "Blinkward" + kNul + std::string(54, ' ');
  const auto bytes = EncodeTrayRecord(record);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

using PollerTest = test::MainFormTest;

// A tick without change makes one state query and no shell call; a change sets
// the picture and the tip in the record, then sends it with one NIM_MODIFY (1).
TEST_F(PollerTest, RedrawsOnlyOnAChangeWithOneModify) {
  const struct {
    std::uint32_t active;
    bool cached;
    std::string sent;  // empty: nothing
  } cases[] = {
      {1, true, ""},
      {0, false, ""},
      {1, false, "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]"},
      {0, true, "NOTIFY 1 icon=0x1002 tip=[Screen Saver is DISABLED]"},
      {7, false, "NOTIFY 1 icon=0x1001 tip=[Screen Saver is ENABLED]"},  // any nonzero is on
  };
  for (const auto& c : cases) {
    fake.log.clear();
    fake.system.active = c.active;
    form.poller().CachedEnabled = c.cached;
    form.OnSSCheckTimer();
    EXPECT_EQ(fake.log, (c.sent.empty() ? Log{"SPI_GET"} : Log{"SPI_GET", c.sent})) << c.active;
    EXPECT_EQ(form.poller().CachedEnabled, c.active != 0);
  }
}

}  // namespace
}  // namespace bw
