#include "tray/tip_field.h"

#include <gtest/gtest.h>

#include <string>

namespace bw {
namespace {

// The text in UTF-16, one NUL, then spaces to the end; 63 units at most.
TEST(TipField, HoldsTheTextANulAndSpaces) {
  for (std::size_t length : {0u, 1u, 23u, 62u, 63u, 64u, 200u}) {
    const std::string text(length, 'x');
    TipField field;
    field.fill(u'#');
    WriteTipField(field, text);
    const std::size_t kept = std::min<std::size_t>(length, 63);
    EXPECT_EQ(std::u16string(field.data(), kept), std::u16string(kept, u'x'));
    EXPECT_EQ(field[kept], u'\0') << length;
    EXPECT_EQ(std::u16string(field.begin() + kept + 1, field.end()),
              std::u16string(63 - kept, u' '));
  }
  // Any script, a unit a character; beyond the 16-bit plane two units or none.
  TipField field;
  WriteTipField(field, "\xC3\x84 \xD0\x97 \xE3\x82\xB9 \xF0\x9F\x98\x80");
  EXPECT_EQ(std::u16string(field.data()), u"\u00C4 \u0417 \u30B9 \xD83D\xDE00");
  WriteTipField(field, std::string(61, 'x') + "\xF0\x9F\x98\x80");
  EXPECT_EQ(std::u16string(field.data()), std::u16string(61, u'x') + u"\xD83D\xDE00");
  WriteTipField(field, std::string(62, 'x') + "\xF0\x9F\x98\x80");
  EXPECT_EQ(std::u16string(field.data()), std::u16string(62, u'x'));
}

}  // namespace
}  // namespace bw
