// What the committed pictures show, sampled pixel by pixel against the drawing
// rule: the stopwatch's hand and coloured quarters, the tray monitor's screen.
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

// Colours as a viewer would name them, judged by broad ranges rather than the
// exact values the drawing code uses.
enum Hue { kWhite, kDark, kGreen, kYellow, kBlue, kOrange, kOther };

Hue Classify(art::Rgb c) {
  const int r = c.r, g = c.g, b = c.b;
  if (r > 230 && g > 230 && b > 230) return kWhite;
  if (r < 70 && g < 70 && b < 70) return kDark;
  if (g > r + 80 && g > b + 80) return kGreen;
  if (r > 200 && g > 190 && b < 100) return kYellow;
  if (b > r + 80 && b > g + 80) return kBlue;
  if (r > 200 && g > 90 && g < 190 && b < 80) return kOrange;
  return kOther;
}

// The hue at distance r from the dial's centre, angle degrees clockwise from 12 o'clock.
Hue OnDial(const Ico& ico, double angle, double r) {
  const double a = angle * std::numbers::pi / 180.0;
  return Classify(ico.At(static_cast<int>(std::floor(art::kDialCentreX + r * std::sin(a))),
                         static_cast<int>(std::floor(art::kDialCentreY - r * std::cos(a)))));
}

// Frame k: one dark hand at (k mod 12) x 30 degrees; the quarters (green, yellow,
// blue, orange clockwise from 12) fill behind the hand in frames 0-12 and empty
// behind it in frames 13-23. Samples lie half an hour from the hand.
TEST(ClockFrames, HandAndQuartersFollowTheRule) {
  const struct {
    int frame;
    std::vector<std::pair<double, Hue>> samples;  // angle, hue at radii 7 and 8.5
  } cases[] = {
      {0, {{45, kWhite}, {135, kWhite}, {225, kWhite}, {315, kWhite}}},
      {1, {{15, kGreen}, {45, kWhite}, {315, kWhite}}},
      {5, {{45, kGreen}, {105, kYellow}, {165, kWhite}, {225, kWhite}}},
      {9, {{45, kGreen}, {135, kYellow}, {225, kBlue}, {315, kWhite}}},
      {12, {{45, kGreen}, {135, kYellow}, {225, kBlue}, {315, kOrange}}},
      {13, {{15, kWhite}, {45, kGreen}, {135, kYellow}, {315, kOrange}}},
      {15, {{45, kWhite}, {135, kYellow}, {225, kBlue}, {315, kOrange}}},
      {21, {{45, kWhite}, {135, kWhite}, {225, kWhite}, {315, kOrange}}},
      {23, {{45, kWhite}, {225, kWhite}, {315, kWhite}, {345, kOrange}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("frame " + std::to_string(c.frame));
    const Ico ico(art::ClockFileName(c.frame));
    ASSERT_EQ(ico.Width(0), 32);
    const double hand = (c.frame % 12) * 30.0;
    for (double r : {3.0, 5.0, 7.0, 8.5}) EXPECT_EQ(OnDial(ico, hand, r), kDark) << r;
    for (double off : {90.0, 180.0, 270.0}) EXPECT_NE(OnDial(ico, hand + off, 6.0), kDark) << off;
    for (const auto& [angle, hue] : c.samples) {
      for (double r : {7.0, 8.5}) EXPECT_EQ(OnDial(ico, angle, r), hue) << angle << " at " << r;
    }
  }
}

// The same monitor in every state and at every size; only its screen differs:
// green with a black tick, red with a white cross, yellow with a dark red clock.
// Beside the stand the background shows through.
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
    ASSERT_EQ(ico.U16(4), reference.U16(4));
    for (int i = 0; i < static_cast<int>(ico.U16(4)); ++i) {
      const int n = ico.Width(i);
      SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(n));
      ASSERT_EQ(n, reference.Width(i));
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
