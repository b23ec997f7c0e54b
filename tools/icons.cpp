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
  int ruler_marks;  // scale marks each side of the middle one; 0: none (and no middle one)
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
                           .ruler_marks = 3,
                           .pencil = {25, 11, 30, 30},
                           .tip_top = 6};
constexpr AppLayout kApp24{.bezel = {0, 2, 18, 16},
                           .screen = {2, 4, 16, 13},
                           .neck = {7, 16, 11, 18},
                           .base = {4, 18, 14, 21},
                           .square_side = 4,
                           .square_top = 6,
                           .square_left = {4, 10},
                           .ruler_cx = 8.5,
                           .ruler_cy = 15.5,
                           .ruler_length = 17,
                           .ruler_width = 4,
                           .ruler_marks = 2,
                           .pencil = {19, 8, 23, 23},
                           .tip_top = 4.5};
constexpr AppLayout kApp20{.bezel = {0, 1, 16, 13},
                           .screen = {2, 3, 14, 11},
                           .neck = {7, 13, 9, 15},
                           .base = {3, 15, 13, 17},
                           .square_side = 4,
                           .square_top = 4,
                           .square_left = {3, 9},
                           .ruler_cx = 7.5,
                           .ruler_cy = 13.5,
                           .ruler_length = 14,
                           .ruler_width = 2,
                           .ruler_marks = 0,
                           .pencil = {17, 7, 20, 19},
                           .tip_top = 3};
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
                           .ruler_marks = 0,
                           .pencil = {13, 6, 16, 15},
                           .tip_top = 2.5};

// A gentle slope of one pixel up for every two across keeps the ruler's edges even steps.
const double kRulerAngle = -std::atan(0.5) * 180 / std::numbers::pi;

void DrawRuler(Canvas& c, const AppLayout& a) {
  c.Fill(Band(a.ruler_cx, a.ruler_cy, a.ruler_length + 2, a.ruler_width + 2, kRulerAngle),
         pal::kBlack);
  c.Fill(Band(a.ruler_cx, a.ruler_cy, a.ruler_length, a.ruler_width, kRulerAngle), pal::kYellow);
  if (a.ruler_marks == 0) return;
  // Scale marks grow from the upper edge towards the middle, every third pixel, longer every
  // other one.
  const double ux = 2 / std::sqrt(5.0), uy = -1 / std::sqrt(5.0);  // along the ruler
  const double nx = -uy, ny = ux;                                  // across it, downwards
  for (int i = -a.ruler_marks; i <= a.ruler_marks; ++i) {
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

// Where things go in a tray picture at one size, laid out by hand like the
// application icon. The bezel has cut corners and a one-pixel dark outline;
// the symbols sit on whole or half pixels so their strokes come out even.
struct TrayLayout {
  int size;
  PixelBox bezel, screen, neck, base, base_face;
  double tick[6], tick_half_width;  // three points of the tick, left to right
  double cross_cx, cross_cy, cross_reach, cross_half_width;
  double clock_cx, clock_cy, clock_inner, clock_outer, hand_half_width, hand_length;
};

constexpr TrayLayout kTrayLayouts[] = {
    {.size = 16,
     .bezel = {0, 0, 16, 12},
     .screen = {2, 2, 14, 10},
     .neck = {6, 12, 10, 14},
     .base = {3, 14, 13, 16},
     .base_face = {4, 14, 12, 15},
     .tick = {4.5, 5.8, 6.8, 8.0, 11.6, 3.2},
     .tick_half_width = 0.8,
     // Diagonals between pixel centres come out exactly two pixels thick.
     .cross_cx = 7.5,
     .cross_cy = 6,
     .cross_reach = 3,
     .cross_half_width = 0.75,
     .clock_cx = 8,
     .clock_cy = 6,
     .clock_inner = 2.6,
     .clock_outer = 3.9,
     .hand_half_width = 0.5,
     .hand_length = 2.5},
    {.size = 20,
     .bezel = {0, 0, 20, 15},
     .screen = {2, 2, 18, 13},
     .neck = {8, 15, 12, 18},
     .base = {4, 18, 16, 20},
     .base_face = {5, 18, 15, 19},
     .tick = {5.3, 7.1, 8.4, 10.0, 14.8, 3.6},
     .tick_half_width = 1.0,
     .cross_cx = 10,
     .cross_cy = 7.5,
     .cross_reach = 3.5,
     .cross_half_width = 0.75,
     .clock_cx = 10,
     .clock_cy = 7.5,
     .clock_inner = 3.4,
     .clock_outer = 4.9,
     .hand_half_width = 0.5,
     .hand_length = 3.5},
    {.size = 24,
     .bezel = {0, 0, 24, 18},
     .screen = {2, 2, 22, 16},
     .neck = {9, 18, 15, 21},
     .base = {5, 21, 19, 24},
     .base_face = {6, 22, 18, 23},
     .tick = {6.2, 8.3, 10.0, 12.0, 18.0, 4.0},
     .tick_half_width = 1.2,
     .cross_cx = 12,
     .cross_cy = 9,
     .cross_reach = 4.5,
     .cross_half_width = 0.9,
     .clock_cx = 12,
     .clock_cy = 9,
     .clock_inner = 4.0,
     .clock_outer = 5.9,
     .hand_half_width = 1,
     .hand_length = 4},
    {.size = 32,
     .bezel = {0, 0, 32, 24},
     .screen = {3, 3, 29, 21},
     .neck = {12, 24, 20, 28},
     .base = {6, 28, 26, 32},
     .base_face = {7, 29, 25, 31},
     .tick = {8.5, 11.4, 13.6, 16.2, 24.1, 5.6},
     .tick_half_width = 1.6,
     .cross_cx = 16,
     .cross_cy = 11.5,
     .cross_reach = 6.5,
     .cross_half_width = 1.2,
     .clock_cx = 16,
     .clock_cy = 12,
     .clock_inner = 5.2,
     .clock_outer = 7.6,
     .hand_half_width = 1,
     .hand_length = 5},
};

const TrayLayout& TrayLayoutFor(int size) {
  for (const TrayLayout& t : kTrayLayouts)
    if (t.size == size) return t;
  return kTrayLayouts[0];
}

void FillBox(Canvas& c, const PixelBox& b, Rgb colour) {
  c.Fill(Rect(b.left, b.top, b.right, b.bottom), colour);
}

}  // namespace

Canvas DrawAppIcon(int size) {
  const AppLayout& a = size >= 32 ? kApp32 : size >= 24 ? kApp24 : size >= 20 ? kApp20 : kApp16;
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

Canvas DrawTrayPicture(TrayState state, int size) {
  const TrayLayout& t = TrayLayoutFor(size);
  Canvas c(t.size, t.size);
  // Bezel with cut corners, then the stand.
  const PixelBox& b = t.bezel;
  c.Fill(Rect(b.left + 1, b.top, b.right - 1, b.bottom), pal::kDarkGrey);
  c.Fill(Rect(b.left, b.top + 1, b.right, b.bottom - 1), pal::kDarkGrey);
  c.Fill(Rect(b.left + 1, b.top + 1, b.right - 1, b.bottom - 1), pal::kLightGrey);
  FillBox(c, t.neck, pal::kDarkGrey);
  FillBox(c, t.base, pal::kDarkGrey);
  FillBox(c, t.base_face, pal::kLightGrey);

  switch (state) {
    case TrayState::kEnabled:
      FillBox(c, t.screen, pal::kGreen);
      c.Fill(Stroke(t.tick[0], t.tick[1], t.tick[2], t.tick[3], t.tick_half_width), pal::kBlack);
      c.Fill(Stroke(t.tick[2], t.tick[3], t.tick[4], t.tick[5], t.tick_half_width), pal::kBlack);
      break;
    case TrayState::kDisabled: {
      FillBox(c, t.screen, pal::kRed);
      const double x = t.cross_cx, y = t.cross_cy, r = t.cross_reach;
      c.Fill(Stroke(x - r, y - r, x + r, y + r, t.cross_half_width), pal::kWhite);
      c.Fill(Stroke(x - r, y + r, x + r, y - r, t.cross_half_width), pal::kWhite);
      break;
    }
    case TrayState::kTimed: {
      FillBox(c, t.screen, pal::kYellow);
      const double x = t.clock_cx, y = t.clock_cy, h = t.hand_half_width, l = t.hand_length;
      c.Fill(Ring(x, y, t.clock_inner, t.clock_outer), pal::kDarkRed);
      // Hands at twelve and three.
      c.Fill(Rect(x - h, y - l, x + h, y + h), pal::kDarkRed);
      c.Fill(Rect(x - h, y - h, x + l, y + h), pal::kDarkRed);
      break;
    }
  }
  return c;
}

}  // namespace art
