// What the committed pictures show, read as Windows reads them and sampled
// against the drawing rule: the stopwatch's hand and quarters, the tray
// monitor's screen.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "art_catalog.h"
#include "ico_reader.h"
#include "icons.h"
#include "stopwatch.h"

namespace {

using art_test::Ico;

// The colour at distance r from the dial's centre, angle degrees clockwise from 12 o'clock.
art::Rgb OnDial(const Ico& ico, double angle, double r) {
  const double a = angle * std::numbers::pi / 180.0;
  return ico.At(static_cast<int>(std::floor(art::kDialCentreX + r * std::sin(a))),
                static_cast<int>(std::floor(art::kDialCentreY - r * std::cos(a))));
}

// One black hand turns a step a frame, twice round in the animation: in the
// first turn the quarters (clockwise from 12) fill behind it, in the second
// they empty behind it; the rest of the dial is white. Sampled half a step
// from the hand's places.
TEST(ClockFrames, HandAndQuartersFollowTheRule) {
  constexpr int kTurn = art::kClockFrameCount / 2;  // frames per turn
  constexpr double kStep = 360.0 / kTurn;
  for (int k = 0; k < art::kClockFrameCount; ++k) {
    SCOPED_TRACE("frame " + std::to_string(k));
    const Ico ico(art::ClockFileName(k));
    const double hand = (k % kTurn) * kStep;
    for (double r : {3.0, 5.0, 7.0, 8.5}) EXPECT_EQ(OnDial(ico, hand, r), art::pal::kBlack) << r;
    for (double off : {90.0, 180.0, 270.0}) {
      EXPECT_NE(OnDial(ico, hand + off, 6.0), art::pal::kBlack) << off;
    }
    for (double angle = kStep / 2; angle < 360.0; angle += kStep) {
      const bool coloured = k < kTurn ? angle < hand : angle > hand;
      const art::Rgb expected =
          coloured ? art::kQuarterColours[static_cast<int>(angle / 90)] : art::pal::kWhite;
      for (double r : {7.0, 8.5})
        EXPECT_EQ(OnDial(ico, angle, r), expected) << angle << " at " << r;
    }
  }
}

// The same monitor in every state and at every size; only its screen differs:
// green with a black tick, red with a white cross, yellow with a dark red clock.
// Beside the stand the background shows through. (The sizes are the headers' business.)
TEST(TrayPictures, ScreenShowsTheStateOnTheSameMonitor) {
  const struct {
    const char* name;
    art::Rgb screen, symbol;
  } cases[] = {{"status_enabled.ico", art::pal::kGreen, art::pal::kBlack},
               {"status_disabled.ico", art::pal::kRed, art::pal::kWhite},
               {"status_timed.ico", art::pal::kYellow, art::pal::kDarkRed}};
  const Ico reference(cases[0].name);
  for (const auto& c : cases) {
    const Ico ico(c.name);
    for (int i = 0; i < static_cast<int>(ico.U16(4)); ++i) {
      const int n = ico.Width(i);
      SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(n));
      const art::PixelBox s = art::TrayScreen(n);
      int screen = 0, symbol = 0;
      for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
          if (x < s.left || x >= s.right || y < s.top || y >= s.bottom) {
            EXPECT_EQ(ico.Transparent(x, y, i), reference.Transparent(x, y, i)) << x << "," << y;
            EXPECT_EQ(ico.At(x, y, i), reference.At(x, y, i)) << x << "," << y;
            continue;
          }
          EXPECT_FALSE(ico.Transparent(x, y, i)) << x << "," << y;
          screen += ico.At(x, y, i) == c.screen;
          symbol += ico.At(x, y, i) == c.symbol;
        }
      }
      // Mostly screen colour, with a symbol big enough to read at every size.
      const int area = (s.right - s.left) * (s.bottom - s.top);
      EXPECT_GE(area, n * n * 3 / 8) << "a screen that fills most of the monitor";
      EXPECT_GT(screen, area / 2);
      EXPECT_GE(symbol, area / 10);
      EXPECT_EQ(screen + symbol, area) << "only two colours on the screen";
      for (int x : {0, n / 8, n - 1 - n / 8, n - 1}) {
        EXPECT_TRUE(ico.Transparent(x, n * 7 / 8, i)) << "beside the stand at " << x;
      }
    }
  }
}

}  // namespace
