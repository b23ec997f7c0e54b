#include "tray/tip_field.h"

#include <gtest/gtest.h>

#include <string>

namespace bw {
namespace {

// The text, one NUL, then spaces to the end; 63 characters at most.
TEST(TipField, HoldsTheTextANulAndSpaces) {
  for (std::size_t length : {0u, 1u, 23u, 62u, 63u, 64u, 200u}) {
    const std::string text(length, 'x');
    TipField field;
    field.fill('#');
    WriteTipField(field, text);
    const std::size_t kept = std::min<std::size_t>(length, 63);
    EXPECT_EQ(std::string(field.data(), kept), text.substr(0, kept));
    EXPECT_EQ(field[kept], '\0') << length;
    EXPECT_EQ(std::string(field.begin() + kept + 1, field.end()), std::string(63 - kept, ' '));
  }
  // A listed program's name in another script is cut between characters.
  TipField field;
  WriteTipField(field, std::string(61, 'x') + "\xC3\x84");
  EXPECT_EQ(std::string(field.data()), std::string(61, 'x') + "\xC3\x84");
  WriteTipField(field, std::string(62, 'x') + "\xC3\x84");
  EXPECT_EQ(std::string(field.data()), std::string(62, 'x'));
}

}  // namespace
}  // namespace bw
