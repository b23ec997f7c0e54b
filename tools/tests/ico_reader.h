// A small .ico decoder for the tests, written apart from the encoder so that
// the committed files are read the way Windows reads them: directory entries,
// BITMAPINFOHEADER, palette, bottom-up colour rows, then the AND mask.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas.h"

namespace art_test {

struct DecodedImage {
  int width = 0, height = 0, bits = 0;
  int dir_colour_count = 0;  // the directory entry's colour count byte
  std::vector<art::Rgb> colours;
  std::vector<bool> transparent;

  art::Rgb At(int x, int y) const { return colours[y * width + x]; }
  bool Transparent(int x, int y) const { return transparent[y * width + x]; }
};

struct DecodedIco {
  std::string error;  // empty when the file is well formed
  std::vector<DecodedImage> images;
};

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline DecodedIco DecodeIco(const std::vector<std::uint8_t>& f) {
  DecodedIco ico;
  auto u16 = [&f](std::size_t at) { return f[at] | f[at + 1] << 8; };
  auto u32 = [&](std::size_t at) {
    return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16;
  };
  auto fail = [&ico](std::string why) {
    ico.error = std::move(why);
    return ico;
  };

  if (f.size() < 6 || u16(0) != 0 || u16(2) != 1) return fail("not an icon directory");
  const int count = u16(4);
  if (f.size() < 6 + 16u * count) return fail("directory runs past the end");
  std::size_t expected_offset = 6 + 16u * count;
  for (int i = 0; i < count; ++i) {
    const std::size_t e = 6 + 16u * i;
    DecodedImage img;
    img.width = f[e] ? f[e] : 256;
    img.height = f[e + 1] ? f[e + 1] : 256;
    img.dir_colour_count = f[e + 2];
    const int dir_bits = u16(e + 6);
    const std::uint32_t size = u32(e + 8), offset = u32(e + 12);
    if (offset != expected_offset || offset + size > f.size()) return fail("image out of place");
    expected_offset += size;

    const std::size_t h = offset;
    if (u32(h) != 40 || int(u32(h + 4)) != img.width || int(u32(h + 8)) != 2 * img.height ||
        u16(h + 12) != 1 || u32(h + 16) != 0) {
      return fail("bad bitmap header in image " + std::to_string(i));
    }
    img.bits = u16(h + 14);
    if (img.bits != dir_bits || (img.bits != 4 && img.bits != 24)) return fail("bad depth");

    std::size_t at = h + 40;
    std::vector<art::Rgb> palette;
    if (img.bits == 4) {
      for (int p = 0; p < 16; ++p, at += 4) palette.push_back({f[at + 2], f[at + 1], f[at]});
    }
    const std::size_t xor_row = ((img.width * img.bits + 31) / 32) * 4;
    const std::size_t and_row = ((img.width + 31) / 32) * 4;
    if (at + (xor_row + and_row) * img.height != offset + size) return fail("bad image size");

    img.colours.resize(img.width * img.height);
    img.transparent.resize(img.width * img.height);
    for (int y = 0; y < img.height; ++y) {
      const std::size_t row = at + (img.height - 1 - y) * xor_row;
      const std::size_t mask = at + xor_row * img.height + (img.height - 1 - y) * and_row;
      for (int x = 0; x < img.width; ++x) {
        if (img.bits == 4) {
          const int nibble = x % 2 == 0 ? f[row + x / 2] >> 4 : f[row + x / 2] & 0x0F;
          img.colours[y * img.width + x] = palette[nibble];
        } else {
          const std::size_t p = row + 3 * x;
          img.colours[y * img.width + x] = {f[p + 2], f[p + 1], f[p]};
        }
        img.transparent[y * img.width + x] = (f[mask + x / 8] >> (7 - x % 8)) & 1;
      }
    }
    ico.images.push_back(std::move(img));
  }
  if (expected_offset != f.size()) return fail("trailing bytes after the last image");
  return ico;
}

}  // namespace art_test
