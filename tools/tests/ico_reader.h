// A small reader of the committed .ico files, written apart from the encoder so
// that the tests read them as Windows does: a directory of 16-byte entries, then
// for each image a BITMAPINFOHEADER, the palette (4-bit images), the colour rows
// bottom-up, then the 1-bit AND mask; rows are padded to four bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas.h"

namespace art_test {

struct Ico {
  explicit Ico(const std::string& name) {
    std::ifstream in(std::string(ART_RES_DIR) + "/" + name, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::uint32_t U16(std::size_t at) const { return bytes.at(at) | bytes.at(at + 1) << 8; }
  std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }

  // Image i (square): its directory entry, bitmap header, width, depth and layout.
  std::size_t Entry(int i) const { return 6 + 16 * i; }
  std::size_t Header(int i) const { return U32(Entry(i) + 12); }
  int Width(int i) const { return static_cast<int>(U32(Header(i) + 4)); }
  int Bits(int i) const { return static_cast<int>(U16(Header(i) + 14)); }
  std::size_t Palette(int i) const { return Header(i) + 40; }
  std::size_t Rows(int i) const { return Palette(i) + (Bits(i) == 4 ? 64 : 0); }
  std::size_t ColourRow(int i) const { return (Width(i) * Bits(i) + 31) / 32 * 4; }
  std::size_t MaskRow(int i) const { return (Width(i) + 31) / 32 * 4; }

  // The pixel (x, y), y counted from the top.
  art::Rgb At(int x, int y, int i = 0) const {
    const std::size_t row = Rows(i) + (Width(i) - 1 - y) * ColourRow(i);
    std::size_t p = row + 3 * x;
    if (Bits(i) == 4)
      p = Palette(i) + 4 * (x % 2 ? bytes[row + x / 2] & 15 : bytes[row + x / 2] >> 4);
    return {bytes.at(p + 2), bytes.at(p + 1), bytes.at(p)};
  }
  bool Transparent(int x, int y, int i = 0) const {
    const std::size_t mask = Rows(i) + Width(i) * ColourRow(i) + (Width(i) - 1 - y) * MaskRow(i);
    return bytes.at(mask + x / 8) >> (7 - x % 8) & 1;
  }

  std::vector<std::uint8_t> bytes;
};

}  // namespace art_test
