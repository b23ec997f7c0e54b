// A tiny raster for drawing the program's icons from geometry. Shapes are
// tested at pixel centres with no smoothing: the tray and application icons
// are 16-colour pictures, and crisp edges keep every pixel in the palette.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The standard 16-colour Windows palette, in its index order; a 4-bit icon
// that uses exactly this palette looks the same on every display mode.
inline constexpr Rgb kStandardPalette[16] = {
    {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}};

// Names for the palette entries the pictures use.
namespace pal {
inline constexpr Rgb kBlack = kStandardPalette[0];
inline constexpr Rgb kDarkRed = kStandardPalette[1];
inline constexpr Rgb kDarkBlue = kStandardPalette[4];
inline constexpr Rgb kLightGrey = kStandardPalette[7];
inline constexpr Rgb kDarkGrey = kStandardPalette[8];
inline constexpr Rgb kRed = kStandardPalette[9];
inline constexpr Rgb kGreen = kStandardPalette[10];
inline constexpr Rgb kYellow = kStandardPalette[11];
inline constexpr Rgb kBlue = kStandardPalette[12];
inline constexpr Rgb kWhite = kStandardPalette[15];
}  // namespace pal

// A region of the plane, in pixel units with y growing downwards; the pixel
// (x, y) covers [x, x+1) x [y, y+1) and is sampled at its centre.
using Shape = std::function<bool(double x, double y)>;

Shape Rect(double left, double top, double right, double bottom);
Shape Disc(double cx, double cy, double radius);
Shape Ring(double cx, double cy, double inner, double outer);
// All points within half_width of the segment from (x0, y0) to (x1, y1).
Shape Stroke(double x0, double y0, double x1, double y1, double half_width);
// A convex or concave polygon (even-odd rule), vertices in order.
Shape Polygon(std::vector<double> xy);
// A rotated rectangle: a strip of the given length and width centred on
// (cx, cy), its long side at angle_deg clockwise from the x axis.
Shape Band(double cx, double cy, double length, double width, double angle_deg);

// A picture: a colour and an opaque flag for every pixel. Pixels start
// transparent; painting makes them opaque.
class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb colour(int x, int y) const { return colours_[Index(x, y)]; }
  bool opaque(int x, int y) const { return opaque_[Index(x, y)]; }

  void Set(int x, int y, Rgb c);
  // Paints every pixel whose centre lies in the shape.
  void Fill(const Shape& shape, Rgb c);
  // Paints the pixels of the shape that are already opaque (details drawn on
  // a surface must not spill into the transparent surroundings).
  void FillOnOpaque(const Shape& shape, Rgb c);

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int width_, height_;
  std::vector<Rgb> colours_;
  std::vector<bool> opaque_;
};

}  // namespace art
