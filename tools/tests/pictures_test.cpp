// What the committed pictures show, read as Windows reads them: pixels
// sampled where the state's symbol, the stopwatch's hand and its quarters are.
#include <gtest/gtest.h>

#include "ico_reader.h"

namespace {

using art_test::Ico;

// Image i's BITMAPINFOHEADER: its size, width, height (twice: the colours and
// the mask), planes, bits per pixel and compression.
std::vector<std::uint32_t> Header(const Ico& ico, int i) {
  const std::size_t h = ico.Header(i);
  return {ico.U32(h),      ico.U32(h + 4),  ico.U32(h + 8),
          ico.U16(h + 12), ico.U16(h + 14), ico.U32(h + 16)};
}

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
      const std::uint8_t n = std::vector{32, 24, 20, 16}[i];
      // The entry: width, height, 16 colours, reserved, one plane, 4 bits.
      const auto entry = ico.bytes.begin() + ico.Entry(i);
      EXPECT_EQ(std::vector(entry, entry + 8),
                (std::vector<std::uint8_t>{n, n, 16, 0, 1, 0, 4, 0}));
      EXPECT_EQ(Header(ico, i), (std::vector<std::uint32_t>{40, n, 2u * n, 1, 4, 0}));
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
    ASSERT_EQ(Header(ico, 0), (std::vector<std::uint32_t>{40, 32, 64, 1, 24, 0}));
    EXPECT_EQ(ico.At(15, c.handY), kBlack);
    EXPECT_EQ((std::vector{ico.At(20, 12), ico.At(20, 22), ico.At(11, 22), ico.At(11, 12)}),
              (std::vector{c.upperRight, c.lowerRight, c.lowerLeft, c.upperLeft}));
  }
}

}  // namespace
