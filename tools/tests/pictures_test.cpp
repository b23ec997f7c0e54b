// What the committed pictures show, sampled pixel by pixel: the stopwatch hand
// and its coloured quarters, the tray monitor's screen, the app icon's parts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "art_catalog.h"
#include "ico_reader.h"
#include "icons.h"
#include "stopwatch.h"

namespace {

using art::Rgb;
using art_test::DecodedImage;

DecodedImage Load(const std::string& name) {
  art_test::DecodedIco ico = art_test::DecodeIco(art_test::ReadFileBytes(ART_RES_DIR "/" + name));
  EXPECT_EQ(ico.error, "") << name;
  if (ico.images.empty()) return {};
  return ico.images[0];
}

// Colours as a viewer would name them, judged by broad ranges rather than the
// exact values the drawing code uses.
enum Hue { kWhite, kDark, kGreen, kYellow, kBlue, kOrange, kGrey, kOther };

Hue Classify(Rgb c) {
  const int r = c.r, g = c.g, b = c.b;
  if (r > 230 && g > 230 && b > 230) return kWhite;
  if (r < 70 && g < 70 && b < 70) return kDark;
  if (g > r + 80 && g > b + 80) return kGreen;
  if (r > 200 && g > 190 && b < 100) return kYellow;
  if (b > r + 80 && b > g + 80) return kBlue;
  if (r > 200 && g > 90 && g < 190 && b < 80) return kOrange;
  if (std::abs(r - g) < 16 && std::abs(g - b) < 16) return kGrey;
  return kOther;
}

// The pixel at distance r from the dial centre, angle_deg clockwise from 12 o'clock.
Rgb OnDial(const DecodedImage& img, double angle_deg, double r) {
  const double a = angle_deg * std::numbers::pi / 180.0;
  const int x = static_cast<int>(std::floor(art::kDialCentreX + r * std::sin(a)));
  const int y = static_cast<int>(std::floor(art::kDialCentreY - r * std::cos(a)));
  return img.At(x, y);
}

TEST(ClockFrames, HandPointsThirtyDegreesFurtherEachFrame) {
  for (int k = 0; k < 24; ++k) {
    SCOPED_TRACE("frame " + std::to_string(k));
    const DecodedImage img = Load(art::ClockFileName(k));
    ASSERT_EQ(img.width, 32);
    const double hand = (k % 12) * 30.0;
    for (double r : {3.0, 5.0, 7.0, 8.5}) EXPECT_EQ(Classify(OnDial(img, hand, r)), kDark) << r;
    // One hand only: nothing dark a quarter turn either way or opposite.
    for (double off : {90.0, 180.0, 270.0}) {
      EXPECT_NE(Classify(OnDial(img, hand + off, 6.0)), kDark) << "at +" << off;
    }
  }
}

struct DialSample {
  double angle;
  Hue hue;
};

TEST(ClockFrames, DialFillsInTheFirstTurnAndEmptiesInTheSecond) {
  const struct {
    int frame;
    std::vector<DialSample> samples;
  } cases[] = {
      {0, {{45, kWhite}, {135, kWhite}, {225, kWhite}, {315, kWhite}}},
      {1, {{15, kGreen}, {45, kWhite}, {315, kWhite}}},
      {3, {{45, kGreen}, {135, kWhite}, {225, kWhite}, {315, kWhite}}},
      {5, {{45, kGreen}, {105, kYellow}, {165, kWhite}, {225, kWhite}}},
      {9, {{45, kGreen}, {135, kYellow}, {225, kBlue}, {315, kWhite}}},
      {12, {{45, kGreen}, {135, kYellow}, {225, kBlue}, {315, kOrange}}},
      {13, {{15, kWhite}, {45, kGreen}, {135, kYellow}, {315, kOrange}}},
      {15, {{45, kWhite}, {135, kYellow}, {225, kBlue}, {315, kOrange}}},
      {21, {{45, kWhite}, {135, kWhite}, {225, kWhite}, {315, kOrange}}},
      {23, {{45, kWhite}, {225, kWhite}, {315, kWhite}, {345, kOrange}}},
  };
  for (const auto& c : cases) {
    const DecodedImage img = Load(art::ClockFileName(c.frame));
    ASSERT_EQ(img.width, 32);
    for (const DialSample& s : c.samples) {
      // Samples half a hour from the hand stay clear of it beyond radius 7.
      for (double r : {7.0, 8.5}) {
        EXPECT_EQ(Classify(OnDial(img, s.angle, r)), s.hue)
            << "frame " << c.frame << " at " << s.angle << " degrees, radius " << r;
      }
    }
  }
}

TEST(ClockFrames, LastFrameKeepsOnlyTheTwelfthBeforeTwelve) {
  const DecodedImage img = Load("clock23.ico");
  ASSERT_EQ(img.width, 32);
  int orange = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Hue hue = Classify(img.At(x, y));
      if (hue == kGreen || hue == kYellow || hue == kBlue) ADD_FAILURE() << x << "," << y;
      if (hue != kOrange) continue;
      ++orange;
      // Every orange pixel lies left of 12 o'clock and within 30 degrees of it.
      const double dx = x + 0.5 - art::kDialCentreX, dy = art::kDialCentreY - (y + 0.5);
      const double angle = std::atan2(dx, dy) * 180.0 / std::numbers::pi + 360.0;
      EXPECT_GE(angle, 325.0) << x << "," << y;
      EXPECT_LE(angle, 360.0) << x << "," << y;
    }
  }
  EXPECT_GT(orange, 6);
}

TEST(ClockFrames, CaseCrownAndButtonsStandOnATransparentGround) {
  const DecodedImage img = Load("clock00.ico");
  ASSERT_EQ(img.width, 32);
  for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {0, 18}, {5, 2}}) {
    EXPECT_TRUE(img.Transparent(x, y)) << x << "," << y;
  }
  // Crown at 12 o'clock, buttons either side of it, grey case around the dial.
  for (auto [x, y] : {std::pair{16, 1}, {5, 7}, {26, 7}, {3, 18}, {28, 18}, {16, 30}}) {
    EXPECT_FALSE(img.Transparent(x, y)) << x << "," << y;
    EXPECT_EQ(Classify(img.At(x, y)), kGrey) << x << "," << y;
  }
}

TEST(TrayPictures, ScreenShowsTheStateOnTheSameMonitor) {
  const struct {
    const char* name;
    Rgb screen, symbol;
  } cases[] = {{"status_enabled.ico", art::pal::kGreen, art::pal::kBlack},
               {"status_disabled.ico", art::pal::kRed, art::pal::kWhite},
               {"status_timed.ico", art::pal::kYellow, art::pal::kDarkRed}};
  const DecodedImage reference = Load(cases[0].name);
  ASSERT_EQ(reference.width, 16);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedImage img = Load(c.name);
    ASSERT_EQ(img.width, 16);
    int screen = 0, symbol = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool on_screen = x >= art::kTrayScreenLeft && x < art::kTrayScreenRight &&
                               y >= art::kTrayScreenTop && y < art::kTrayScreenBottom;
        if (!on_screen) {
          EXPECT_EQ(img.Transparent(x, y), reference.Transparent(x, y)) << x << "," << y;
          EXPECT_EQ(img.At(x, y), reference.At(x, y)) << x << "," << y;
          continue;
        }
        EXPECT_FALSE(img.Transparent(x, y)) << x << "," << y;
        screen += img.At(x, y) == c.screen;
        symbol += img.At(x, y) == c.symbol;
      }
    }
    // Mostly screen colour, with a symbol big enough to read at 16 pixels.
    EXPECT_GT(screen, 48);
    EXPECT_GE(symbol, 10);
    EXPECT_EQ(screen + symbol, 96) << "only two colours on the screen";
    // The monitor's frame is grey, and the corners and the sides of the stand are see-through.
    EXPECT_EQ(Classify(img.At(1, 5)), kGrey);
    for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}, {1, 13}, {14, 13}}) {
      EXPECT_TRUE(img.Transparent(x, y)) << x << "," << y;
    }
  }
}

TEST(AppIcon, ShowsMonitorRulerAndPencilAtBothSizes) {
  const art_test::DecodedIco ico =
      art_test::DecodeIco(art_test::ReadFileBytes(ART_RES_DIR "/app.ico"));
  ASSERT_EQ(ico.images.size(), 2u);
  for (const DecodedImage& img : ico.images) {
    SCOPED_TRACE(img.width);
    const int last = img.width - 1;
    auto count = [&img](Rgb colour, int x0, int x1) {
      int n = 0;
      for (int y = 0; y < img.height; ++y)
        for (int x = x0; x < x1; ++x) n += !img.Transparent(x, y) && img.At(x, y) == colour;
      return n;
    };
    const int monitor_right = img.width * 3 / 4;  // the pencil stands in the last quarter
    EXPECT_GT(count(art::pal::kDarkBlue, 0, monitor_right), img.width) << "blue screen";
    for (Rgb square : {art::pal::kRed, art::pal::kGreen, art::pal::kBlue, art::pal::kYellow}) {
      EXPECT_GE(count(square, 0, monitor_right), 2) << "four-coloured squares";
    }
    EXPECT_GT(count(art::pal::kYellow, 0, monitor_right), img.width) << "ruler";
    EXPECT_GT(count(art::pal::kRed, monitor_right, img.width), img.width / 2) << "pencil";
    EXPECT_GE(count(art::pal::kGreen, monitor_right, img.width), 2) << "pencil tip";
    for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {last, last}}) {
      EXPECT_TRUE(img.Transparent(x, y)) << x << "," << y;
    }
  }
}

}  // namespace
