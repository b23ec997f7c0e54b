#include "ico_file.h"

namespace art {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;  // sizeof(BITMAPINFOHEADER)
constexpr std::uint32_t kDirHeaderSize = 6;    // ICONDIR: reserved, type, count
constexpr std::uint32_t kDirEntrySize = 16;    // ICONDIRENTRY

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

int BitsPerPixel(IcoDepth depth) { return depth == IcoDepth::kStandard16 ? 4 : 24; }

// Everything of one image after its directory entry: header, palette, colour
// bitmap and mask. Transparent pixels are black under a set mask bit, which
// is what lets the system draw them as "show the background".
std::optional<std::vector<std::uint8_t>> EncodeImage(const IcoImage& image) {
  const Canvas& c = *image.canvas;
  const int bits = BitsPerPixel(image.depth);
  const std::uint32_t xor_row = RowBytes(c.width(), bits);
  const std::uint32_t and_row = RowBytes(c.width(), 1);
  const std::uint32_t bitmap_size = (xor_row + and_row) * c.height();

  std::vector<std::uint8_t> out;
  Put32(out, kInfoHeaderSize);
  Put32(out, c.width());
  Put32(out, 2 * c.height());  // an icon's height counts the colour bitmap and the mask
  Put16(out, 1);               // planes
  Put16(out, bits);
  Put32(out, 0);  // BI_RGB
  Put32(out, bitmap_size);
  Put32(out, 0);  // pixels per metre, x and y: unused for icons
  Put32(out, 0);
  Put32(out, 0);  // colours used: 0 means all the depth allows
  Put32(out, 0);  // important colours

  if (image.depth == IcoDepth::kStandard16) {
    for (const Rgb& p : kStandardPalette) {
      out.insert(out.end(), {p.b, p.g, p.r, 0});
    }
  }

  for (int y = c.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(xor_row, 0);
    for (int x = 0; x < c.width(); ++x) {
      const Rgb px = c.opaque(x, y) ? c.colour(x, y) : pal::kBlack;
      if (image.depth == IcoDepth::kTrueColour) {
        row[3 * x] = px.b;
        row[3 * x + 1] = px.g;
        row[3 * x + 2] = px.r;
        continue;
      }
      const std::optional<int> index = StandardPaletteIndex(px);
      if (!index) return std::nullopt;
      row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? *index << 4 : *index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }

  for (int y = c.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(and_row, 0);
    for (int x = 0; x < c.width(); ++x) {
      if (!c.opaque(x, y)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::optional<int> StandardPaletteIndex(Rgb c) {
  for (int i = 0; i < 16; ++i) {
    if (kStandardPalette[i] == c) return i;
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> EncodeIco(const std::vector<IcoImage>& images) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const IcoImage& image : images) {
    if (image.canvas->width() > 256 || image.canvas->height() > 256) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> body = EncodeImage(image);
    if (!body) return std::nullopt;
    bodies.push_back(std::move(*body));
  }

  std::vector<std::uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // resource type: icon
  Put16(out, static_cast<std::uint32_t>(images.size()));

  std::uint32_t offset = kDirHeaderSize + kDirEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const Canvas& c = *images[i].canvas;
    const bool paletted = images[i].depth == IcoDepth::kStandard16;
    out.push_back(static_cast<std::uint8_t>(c.width()));  // 256 wraps to 0, as the format wants
    out.push_back(static_cast<std::uint8_t>(c.height()));
    out.push_back(paletted ? 16 : 0);  // colour count; 0 for images without a palette
    out.push_back(0);                  // reserved
    Put16(out, 1);                     // planes
    Put16(out, BitsPerPixel(images[i].depth));
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace art
