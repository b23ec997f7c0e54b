// Packing of the stopwatch's frames into the stream that bw::UnpackFrames reads
// (src/timed/clock_frames.h), as small as that format allows.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

// The packed form of `frames`, the frames' bitmaps one after another.
std::vector<std::uint8_t> PackFrames(const std::vector<std::uint8_t>& frames);

}  // namespace art
