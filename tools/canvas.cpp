#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace art {

Shape Rect(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape Disc(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

Shape Ring(double cx, double cy, double inner, double outer) {
  return [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    return d > inner && d <= outer;
  };
}

Shape Stroke(double x0, double y0, double x1, double y1, double half_width) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    // Project onto the segment, clamped to its ends, so the stroke has round caps.
    double t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half_width;
  };
}

Shape Polygon(std::vector<double> xy) {
  return [xy = std::move(xy)](double x, double y) {
    const std::size_t n = xy.size() / 2;
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
      const double xi = xy[2 * i], yi = xy[2 * i + 1];
      const double xj = xy[2 * j], yj = xy[2 * j + 1];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

Shape Band(double cx, double cy, double length, double width, double angle_deg) {
  const double a = angle_deg * std::numbers::pi / 180.0;
  const double ux = std::cos(a), uy = std::sin(a);
  return [=](double x, double y) {
    const double along = (x - cx) * ux + (y - cy) * uy;
    const double across = -(x - cx) * uy + (y - cy) * ux;
    return std::abs(along) <= length / 2 && std::abs(across) <= width / 2;
  };
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      colours_(static_cast<std::size_t>(width) * height),
      opaque_(static_cast<std::size_t>(width) * height, false) {}

void Canvas::Set(int x, int y, Rgb c) {
  colours_[Index(x, y)] = c;
  opaque_[Index(x, y)] = true;
}

void Canvas::Fill(const Shape& shape, Rgb c) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (shape(x + 0.5, y + 0.5)) Set(x, y, c);
}

void Canvas::FillOnOpaque(const Shape& shape, Rgb c) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (opaque(x, y) && shape(x + 0.5, y + 0.5)) Set(x, y, c);
}

}  // namespace art
