#include "icons.h"

#include <cmath>
#include <numbers>

namespace art {
namespace {

// A rectangle with a one-pixel outline, whatever the icon size.
void OutlinedRect(Canvas& c, double l, double t, double r, double b, Rgb edge, Rgb face) {
  c.Fill(Rect(l, t, r, b), edge);
  c.Fill(Rect(l + 1, t + 1, r - 1, b - 1), face);
}

// A small square split into four coloured quarters, lying on the screen.
void FourColourSquare(Canvas& c, double l, double t, double side) {
  const double h = side / 2;
  c.Fill(Rect(l, t, l + h, t + h), pal::kRed);
  c.Fill(Rect(l + h, t, l + side, t + h), pal::kGreen);
  c.Fill(Rect(l, t + h, l + h, t + side), pal::kBlue);
  c.Fill(Rect(l + h, t + h, l + side, t + side), pal::kYellow);
}

struct Box {
  double l, t, r, b;
};

// Where things go in the application icon at one size. The two sizes are laid
// out by hand: scaling one drawing down loses the one-pixel outlines.
struct AppLayout {
  Box bezel, screen, neck, base;
  double square_side, square_top, square_left[2];
  double ruler_cx, ruler_cy, ruler_length, ruler_width;
  bool ruler_marks;
  Box pencil;
  double tip_top;
};

constexpr AppLayout kApp32{.bezel = {0, 3, 24, 21},
                           .screen = {3, 5, 21, 18},
                           .neck = {9, 21, 15, 23},
                           .base = {5, 23, 19, 26},
                           .square_side = 4,
                           .square_top = 8,
                           .square_left = {6, 13},
                           .ruler_cx = 11.5,
                           .ruler_cy = 20.5,
                           .ruler_length = 23,
                           .ruler_width = 6,
                           .ruler_marks = true,
                           .pencil = {25, 11, 30, 30},
                           .tip_top = 6};
constexpr AppLayout kApp16{.bezel = {0, 1, 12, 11},
                           .screen = {2, 3, 10, 9},
                           .neck = {5, 11, 7, 12},
                           .base = {2, 12, 10, 14},
                           .square_side = 2,
                           .square_top = 4,
                           .square_left = {3, 6},
                           .ruler_cx = 5.5,
                           .ruler_cy = 11,
                           .ruler_length = 10,
                           .ruler_width = 2,
                           .ruler_marks = false,
                           .pencil = {13, 6, 16, 15},
                           .tip_top = 2.5};

// A gentle slope of one pixel up for every two across keeps the ruler's edges even steps.
const double kRulerAngle = -std::atan(0.5) * 180 / std::numbers::pi;

void DrawRuler(Canvas& c, const AppLayout& a) {
  c.Fill(Band(a.ruler_cx, a.ruler_cy, a.ruler_length + 2, a.ruler_width + 2, kRulerAngle),
         pal::kBlack);
  c.Fill(Band(a.ruler_cx, a.ruler_cy, a.ruler_length, a.ruler_width, kRulerAngle), pal::kYellow);
  if (!a.ruler_marks) return;
  // Scale marks grow from the upper edge towards the middle, every third pixel, longer every
  // other one.
  const double ux = 2 / std::sqrt(5.0), uy = -1 / std::sqrt(5.0);  // along the ruler
  const double nx = -uy, ny = ux;                                  // across it, downwards
  for (int i = -3; i <= 3; ++i) {
    const double along = i * 3.0;
    const double length = i % 2 == 0 ? 2.2 : 1.2;
    const double ex = a.ruler_cx + along * ux - (a.ruler_width / 2) * nx;
    const double ey = a.ruler_cy + along * uy - (a.ruler_width / 2) * ny;
    c.FillOnOpaque(Stroke(ex, ey, ex + length * nx, ey + length * ny, 0.5), pal::kBlack);
  }
}

void DrawPencil(Canvas& c, const AppLayout& a) {
  const Box& p = a.pencil;
  const double mid = (p.l + p.r) / 2;
  c.Fill(Rect(p.l, p.t, p.r, p.b), pal::kRed);
  c.Fill(Rect(p.r - 1, p.t, p.r, p.b), pal::kDarkRed);  // shaded side
  c.Fill(Rect(p.l, p.b - 1, p.r, p.b), pal::kDarkRed);
  c.Fill(Polygon({p.l, p.t, p.r, p.t, mid, a.tip_top}), pal::kGreen);
}

}  // namespace

Canvas DrawAppIcon(int size) {
  const AppLayout& a = size >= 32 ? kApp32 : kApp16;
  Canvas c(size, size);
  OutlinedRect(c, a.base.l, a.base.t, a.base.r, a.base.b, pal::kDarkGrey, pal::kLightGrey);
  c.Fill(Rect(a.neck.l, a.neck.t, a.neck.r, a.neck.b), pal::kDarkGrey);
  OutlinedRect(c, a.bezel.l, a.bezel.t, a.bezel.r, a.bezel.b, pal::kDarkGrey, pal::kLightGrey);
  c.Fill(Rect(a.screen.l, a.screen.t, a.screen.r, a.screen.b), pal::kDarkBlue);
  for (double left : a.square_left) FourColourSquare(c, left, a.square_top, a.square_side);
  DrawPencil(c, a);
  DrawRuler(c, a);
  return c;
}

Canvas DrawTrayPicture(TrayState state) {
  Canvas c(kTraySize, kTraySize);
  // Bezel with cut corners, then the stand.
  c.Fill(Rect(1, 0, 15, 12), pal::kDarkGrey);
  c.Fill(Rect(0, 1, 16, 11), pal::kDarkGrey);
  c.Fill(Rect(1, 1, 15, 11), pal::kLightGrey);
  c.Fill(Rect(6, 12, 10, 14), pal::kDarkGrey);
  c.Fill(Rect(3, 14, 13, 16), pal::kDarkGrey);
  c.Fill(Rect(4, 14, 12, 15), pal::kLightGrey);

  const Shape screen = Rect(kTrayScreenLeft, kTrayScreenTop, kTrayScreenRight, kTrayScreenBottom);
  switch (state) {
    case TrayState::kEnabled:
      c.Fill(screen, pal::kGreen);
      c.Fill(Stroke(4.5, 5.8, 6.8, 8.0, 0.8), pal::kBlack);
      c.Fill(Stroke(6.8, 8.0, 11.6, 3.2, 0.8), pal::kBlack);
      break;
    case TrayState::kDisabled:
      c.Fill(screen, pal::kRed);
      // Diagonals between pixel centres come out exactly two pixels thick.
      c.Fill(Stroke(4.5, 3.0, 10.5, 9.0, 0.75), pal::kWhite);
      c.Fill(Stroke(4.5, 9.0, 10.5, 3.0, 0.75), pal::kWhite);
      break;
    case TrayState::kTimed:
      c.Fill(screen, pal::kYellow);
      c.Fill(Ring(8.0, 6.0, 2.6, 3.9), pal::kDarkRed);
      c.Fill(Rect(7.5, 3.5, 8.5, 6.5), pal::kDarkRed);
      c.Fill(Rect(7.5, 5.5, 10.5, 6.5), pal::kDarkRed);
      break;
  }
  return c;
}

}  // namespace art
