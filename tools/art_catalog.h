// Every picture file the program is built with, by name, and how to make it.
// The generator writes them all; the tests compare them with the committed files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct ArtFile {
  std::string name;  // file name inside src/win32/res
  std::vector<std::uint8_t> bytes;
};

// The stopwatch's frames packed (src/timed/clock_frames.h): what the exe holds
// of clock00.ico to clock23.ico, which stay as the frames to look at.
inline constexpr const char* kPackedClockFile = "clock_frames.bin";

// All files in a fixed order: app.ico, the three status pictures, clock00.ico
// to clock23.ico, then the packed frames. Empty if any picture failed to encode.
std::vector<ArtFile> BuildArtFiles();

// "clock07.ico" for k = 7.
std::string ClockFileName(int k);

}  // namespace art
