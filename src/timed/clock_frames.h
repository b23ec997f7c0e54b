// The stopwatch's frames as the exe stores them: the frames' bitmaps one after
// another, packed with a byte-wise LZ that the art generator writes
// (tools/frame_pack.h). Consecutive frames differ in a few pixels, so most of a
// frame is a copy from the one before it.
//
// The packed stream is a run of items, each led by a byte c:
//   c < 0x80   c + 1 bytes follow, copied as they are;
//   c >= 0x80  (c & 0x7F) + 3 bytes copied from d bytes back in the output,
//              d the next two bytes, low byte first (1 <= d, and d is no
//              further back than the output's start); the copy may overlap
//              what it writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace bw {

// One frame: a 32 x 32 icon bitmap as an .ico holds it, the 40-byte header,
// the 24-bit colours and the 1-bit mask, rows padded to four bytes.
inline constexpr std::size_t kClockFrameBytes = 40 + 32 * 32 * 3 + 32 * 4;

// Unpacks `packed` into `frames`, which it must fill exactly with no packed
// byte left over; false otherwise. Reads and writes nothing outside the two,
// whatever `packed` holds.
bool UnpackFrames(std::span<const std::uint8_t> packed, std::span<std::uint8_t> frames);

}  // namespace bw
