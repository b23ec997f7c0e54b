// Numbers read and written as std::from_chars and std::to_chars do.
#include "text/decimal.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(DecimalTest, ReadsWhatFromCharsTakesWholly) {
  const struct {
    const char* text;
    bool isSigned;
    std::int64_t value;
  } rows[] = {
      {"0", false, 0},
      {"007", false, 7},
      {"4294967295", false, 4294967295},
      {"4294967296", false, kNoDecimal},
      {"99999999999999999999", false, kNoDecimal},
      {"-1", false, kNoDecimal},
      {"-1", true, -1},
      {"-0", true, 0},
      {"-2147483648", true, -2147483648},
      {"", true, kNoDecimal},
      {"-", true, kNoDecimal},
      {"+1", true, kNoDecimal},
      {" 1", true, kNoDecimal},
      {"1 ", true, kNoDecimal},
      {"12x", true, kNoDecimal},
      {"--1", true, kNoDecimal},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ParseDecimal(row.text, row.isSigned), row.value) << row.text << " " << row.isSigned;
  }
}

TEST(DecimalTest, WritesWhatToCharsWrites) {
  EXPECT_EQ(DecimalText(std::int32_t{0}), "0");
  EXPECT_EQ(DecimalText(std::int32_t{-7}), "-7");
  EXPECT_EQ(DecimalText(INT32_MIN), "-2147483648");
  EXPECT_EQ(DecimalText(INT32_MAX), "2147483647");
  EXPECT_EQ(DecimalText(UINT32_MAX), "4294967295");
  EXPECT_EQ(DecimalText(std::uint32_t{100}), "100");
}

}  // namespace
}  // namespace bw
