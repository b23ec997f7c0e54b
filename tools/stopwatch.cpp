#include "stopwatch.h"

#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr Rgb kCaseGrey{0xB4, 0xB4, 0xB4};
constexpr Rgb kCaseEdge{0x58, 0x58, 0x58};
constexpr Rgb kButtonGrey{0x88, 0x88, 0x88};
constexpr Rgb kTickGrey{0x40, 0x40, 0x40};
constexpr double kCaseRadius = 13.5;
constexpr double kDialRadius = 10.5;  // the white face inside the case
constexpr double kHandLength = 9.0;   // reaches the ticks without touching the case
constexpr double kDegrees = std::numbers::pi / 180.0;

// The point at distance r from the dial centre, angle_deg clockwise from 12 o'clock.
double AtX(double angle_deg, double r) { return kDialCentreX + r * std::sin(angle_deg * kDegrees); }
double AtY(double angle_deg, double r) { return kDialCentreY - r * std::cos(angle_deg * kDegrees); }

// Clockwise angle of (x, y) from 12 o'clock, in [0, 360).
double ClockAngle(double x, double y) {
  const double a = std::atan2(x - kDialCentreX, kDialCentreY - y) / kDegrees;
  return a < 0 ? a + 360.0 : a;
}

// The part of the dial that is coloured in frame k: during the first turn
// everything the hand has passed, during the second what it has not yet wiped.
bool Coloured(int k, double angle) {
  if (k <= 12) return angle < 30.0 * k;
  return angle >= 30.0 * (k - 12);
}

void DrawCase(Canvas& c) {
  // Crown on its stem at 12 o'clock, and the two push buttons either side of it.
  c.Fill(Rect(14.5, 2.0, 17.5, 5.5), kButtonGrey);
  c.Fill(Rect(12.0, 0.0, 20.0, 2.5), kCaseEdge);
  c.Fill(Rect(12.5, 0.5, 19.5, 2.0), kButtonGrey);
  for (double side : {-45.0, 45.0}) {
    c.Fill(Stroke(AtX(side, 12.0), AtY(side, 12.0), AtX(side, 15.0), AtY(side, 15.0), 1.6),
           kCaseEdge);
    c.Fill(Stroke(AtX(side, 12.0), AtY(side, 12.0), AtX(side, 15.0), AtY(side, 15.0), 0.9),
           kButtonGrey);
  }
  c.Fill(Disc(kDialCentreX, kDialCentreY, kCaseRadius), kCaseEdge);
  c.Fill(Disc(kDialCentreX, kDialCentreY, kCaseRadius - 1.0), kCaseGrey);
  c.Fill(Ring(kDialCentreX, kDialCentreY, kDialRadius, kDialRadius + 0.8), kCaseEdge);
}

void DrawDial(Canvas& c, int k) {
  const Shape face = Disc(kDialCentreX, kDialCentreY, kDialRadius);
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const double px = x + 0.5, py = y + 0.5;
      if (!face(px, py)) continue;
      const double angle = ClockAngle(px, py);
      c.Set(x, y,
            Coloured(k, angle) ? kQuarterColours[static_cast<int>(angle / 90.0)] : pal::kWhite);
    }
  }
  for (double hour : {0.0, 90.0, 180.0, 270.0}) {
    c.Fill(Stroke(AtX(hour, 7.5), AtY(hour, 7.5), AtX(hour, 9.8), AtY(hour, 9.8), 0.7), kTickGrey);
  }
}

void DrawHand(Canvas& c, int k) {
  const double angle = 30.0 * (k % 12);
  c.Fill(Stroke(kDialCentreX, kDialCentreY, AtX(angle, kHandLength), AtY(angle, kHandLength), 0.8),
         pal::kBlack);
  c.Fill(Disc(kDialCentreX, kDialCentreY, 1.6), pal::kBlack);
}

}  // namespace

Canvas DrawClockFrame(int k) {
  Canvas c(kClockSize, kClockSize);
  DrawCase(c);
  DrawDial(c, k);
  DrawHand(c, k);
  return c;
}

}  // namespace art
