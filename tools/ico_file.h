// Encoding of pictures as Windows .ico files: each image a BITMAPINFOHEADER,
// the colour bitmap (XOR) and the 1-bit transparency mask (AND), both stored
// bottom-up with rows padded to four bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "canvas.h"

namespace art {

enum class IcoDepth {
  kStandard16,  // 4 bits per pixel, the standard 16-colour palette
  kTrueColour,  // 24 bits per pixel
};

struct IcoImage {
  const Canvas* canvas;
  IcoDepth depth;
};

// The bytes of one .ico holding the given images in order, or nothing when a
// 16-colour image uses a colour outside the standard palette or an image is
// larger than the format's 256 x 256.
std::optional<std::vector<std::uint8_t>> EncodeIco(const std::vector<IcoImage>& images);

// Index of c in the standard palette, if it is there.
std::optional<int> StandardPaletteIndex(Rgb c);

}  // namespace art
