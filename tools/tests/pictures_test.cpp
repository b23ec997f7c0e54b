// What the committed pictures show, read as Windows reads them: pixels
// sampled where the state's symbol, the stopwatch's hand and its quarters are.
#include <gtest/gtest.h>

#include "ico_reader.h"

namespace {

using art_test::Ico;

// A 4-bit drawing at each size the system asks for (16 at 96 dpi, 20 at 120,
// 24 at 144, 32 for the large icon), so that it never scales one. At 16 the
// monitor's screen, at (3,3), shows the state: green with a black tick, red
// with a white cross, yellow with a dark red clock (the program's own: dark
// blue with a yellow square). The corners, under a set mask bit, are black so
// that the background shows.
TEST(Pictures, TheMonitorShowsTheStateAtEverySize) {
  const struct {
    const char* file;
    art::Rgb screen;
    int x, y;  // on the symbol
    art::Rgb symbol;
  } cases[] = {{"status_enabled.ico", {0x00, 0xFF, 0x00}, 7, 6, {0x00, 0x00, 0x00}},
               {"status_disabled.ico", {0xFF, 0x00, 0x00}, 7, 6, {0xFF, 0xFF, 0xFF}},
               {"status_timed.ico", {0xFF, 0xFF, 0x00}, 7, 5, {0x80, 0x00, 0x00}},
               {"app.ico", {0x00, 0x00, 0x80}, 4, 5, {0xFF, 0xFF, 0x00}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Ico ico(c.file);
    ASSERT_EQ(ico.U16(4), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(ico.Width(i), (std::vector{32, 24, 20, 16})[i]);
      EXPECT_EQ(ico.Bits(i), 4);
    }
    EXPECT_EQ(ico.At(3, 3, 3), c.screen);
    EXPECT_EQ(ico.At(c.x, c.y, 3), c.symbol);
    EXPECT_TRUE(ico.Transparent(0, 0, 3) && ico.Transparent(15, 15, 3));
    EXPECT_EQ(ico.At(0, 0, 3), (art::Rgb{0, 0, 0}));
  }
}

// The black hand turns a twelfth a frame, twice round in 24 frames: in the
// first turn the quarters (green, yellow, blue, orange clockwise from 12)
// fill behind it, in the second they empty behind it.
TEST(Pictures, TheStopwatchsHandFillsThenEmptiesTheQuarters) {
  constexpr art::Rgb kBlack{0, 0, 0}, kWhite{0xFF, 0xFF, 0xFF}, kGreen{0x30, 0xC0, 0x30},
      kYellow{0xF8, 0xE0, 0x20}, kBlue{0x30, 0x60, 0xE0}, kOrange{0xFF, 0x90, 0x10};
  const struct {
    const char* file;
    int handY;  // the hand at (15, handY): 12 up, 22 down
    art::Rgb upperRight, lowerRight, lowerLeft, upperLeft;
  } cases[] = {{"clock00.ico", 12, kWhite, kWhite, kWhite, kWhite},
               {"clock06.ico", 22, kGreen, kYellow, kWhite, kWhite},
               {"clock12.ico", 12, kGreen, kYellow, kBlue, kOrange},
               {"clock18.ico", 22, kWhite, kWhite, kBlue, kOrange}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Ico ico(c.file);
    ASSERT_EQ(ico.Width(0), 32);
    EXPECT_EQ(ico.At(15, c.handY), kBlack);
    EXPECT_EQ((std::vector{ico.At(20, 12), ico.At(20, 22), ico.At(11, 22), ico.At(11, 12)}),
              (std::vector{c.upperRight, c.lowerRight, c.lowerLeft, c.upperLeft}));
  }
}

}  // namespace
