#include "timed/clock_frames.h"

namespace bw {

bool UnpackFrames(std::span<const std::uint8_t> packed, std::span<std::uint8_t> frames) {
  const std::uint8_t* in = packed.data();
  std::size_t left = packed.size();
  std::size_t out = 0;
  while (out < frames.size()) {
    if (left == 0) return false;
    const unsigned c = *in++;
    --left;
    std::size_t n = (c & 0x7F) + 1;
    std::size_t back = 0;  // none: the bytes follow in the stream
    if (c < 0x80) {
      if (n > left) return false;
      left -= n;
    } else {
      if (left < 2) return false;
      back = in[0] | in[1] << 8;
      in += 2;
      left -= 2;
      n += 2;
      if (back == 0 || back > out) return false;
    }
    if (n > frames.size() - out) return false;
    // Byte by byte: an overlapping copy repeats what it has just written.
    for (; n; --n, ++out) frames[out] = back ? frames[out - back] : *in++;
  }
  return left == 0;
}

}  // namespace bw
