#include <gtest/gtest.h>

#include <string>

#include "tray/tray_icon_data.h"

namespace bw {
namespace {

std::string Field(const std::array<char, kTipFieldSize>& field) {
  return std::string(field.data(), field.size());
}

TEST(TipField, HoldsTextOneNulAndSpacesToTheEnd) {
  std::array<char, kTipFieldSize> field;
  field.fill('x');
  WriteTipField(field, "Screen Saver is ENABLED");
  EXPECT_EQ(Field(field), std::string("Screen Saver is ENABLED") + '\0' + std::string(40, ' '));
}

TEST(TipField, KeepsA63CharacterTextWholeWithItsNulLast) {
  const std::string text(63, 'a');
  std::array<char, kTipFieldSize> field;
  WriteTipField(field, text);
  EXPECT_EQ(Field(field), text + '\0');
  EXPECT_EQ(TipFieldText(field), text);
}

TEST(TipField, CutsLongerTextsSoTheNulStillFits) {
  for (std::size_t length : {64u, 65u, 200u}) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
    std::array<char, kTipFieldSize> field;
    WriteTipField(field, text);
    EXPECT_EQ(field[63], '\0') << length;
    EXPECT_EQ(TipFieldText(field), text.substr(0, 63)) << length;
  }
}

TEST(TipField, OverwritesALongerEarlierTip) {
  std::array<char, kTipFieldSize> field;
  WriteTipField(field, "Screen Saver is DISABLED");
  WriteTipField(field, "Blinkward");
  EXPECT_EQ(Field(field), std::string("Blinkward") + '\0' + std::string(54, ' '));
}

TEST(TrayRecord, EncodesThe32BitLayoutByteForByte) {
  TrayIconData record;
  record.cbSize = 88;
  record.hWnd = 0x00012345;
  record.uID = 1;
  record.uFlags = 7;
  record.uCallbackMessage = 512;
  record.hIcon = 0xCAFE0042;
  WriteTipField(record.szTip, "Blinkward");

  const auto bytes = EncodeTrayRecord(record);
  const std::uint8_t head[24] = {88, 0, 0, 0, 0x45, 0x23, 0x01, 0, 1,    0, 0,    0,
                                 7,  0, 0, 0, 0,    2,    0,    0, 0x42, 0, 0xFE, 0xCA};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(bytes[i], head[i]) << "byte " << i;
  const std::string tip(reinterpret_cast<const char*>(&bytes[24]), 64);
  EXPECT_EQ(tip, std::string("Blinkward") + '\0' + std::string(54, ' '));
}

}  // namespace
}  // namespace bw
